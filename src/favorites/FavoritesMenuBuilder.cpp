#include "favorites/FavoritesMenuBuilder.h"

#include <algorithm>

#include "base/DbcsText.h"
#include "base/InternetShortcut.h"
#include "base/Paths.h"
#include "commands/CommandIds.h"
#include "favorites/FavoriteFile.h"

namespace lumbrel {

FavoritesMenu FavoritesMenuBuilder::Build(const std::string& root) {
    menu_ = {};
    const std::string folder = std::string(StripTrailingSeparators(cp_, root)) + "\\";
    menu_.items = BuildFolder(folder, 0);
    if (!options_.singleMenu)
        BreakIntoColumns(menu_.items, ItemsPerColumn(options_.metrics), options_.rootFixedItems);
    return std::move(menu_);
}

FavoritesMenuBuilder::Listing FavoritesMenuBuilder::List(const std::string& folder) {
    Listing listing;
    for (DirEntry& entry : files_.ListFolder(folder + "*")) {
        if (entry.name == "." || entry.name == "..")
            continue;
        const bool hidden = (entry.attributes & kAttrHidden) != 0;
        if (entry.attributes & kAttrDirectory) {
            // A junction may point back up the tree; following it would never end.
            if ((hidden && !options_.showHidden) || (entry.attributes & kAttrReparsePoint))
                continue;
            listing.folders.push_back(std::move(entry));
            continue;
        }
        if ((entry.attributes & kAttrSystem) || (hidden && !options_.showHidden) ||
            !IsFavoriteFileName(cp_, entry.name))
            continue;
        // A full range would hand out another command's ids: the rest of the favorites wait
        // for a smaller tree.
        const int id = IDM_FAVORITE_FIRST + static_cast<int>(menu_.favoritePaths.size());
        if (id > IDM_FAVORITE_LAST)
            continue;
        FavMenuItem item;
        item.kind = FavItemKind::Favorite;
        item.text = FavoriteTitle(cp_, entry.name);
        item.commandId = id;
        item.path = folder + entry.name;
        if (options_.addressOf && IsUrlShortcut(cp_, entry.name))
            item.address = options_.addressOf(item.path);
        menu_.favoritePaths.push_back(item.path);
        listing.favorites.push_back(std::move(item));
    }
    return listing;
}

FavMenuItem FavoritesMenuBuilder::Submenu(const std::string& folder, const DirEntry& entry,
                                          int depth) {
    FavMenuItem item;
    item.kind = FavItemKind::Folder;
    item.text = entry.name;
    item.path = folder + entry.name + "\\";
    if (depth + 1 <= std::min(kMaxDepth, options_.maxDepth)) {
        item.items = BuildFolder(item.path, depth + 1);
        if (!options_.singleMenu)
            BreakIntoColumns(item.items, ItemsPerColumn(options_.metrics));
    }
    return item;
}

std::vector<FavMenuItem> FavoritesMenuBuilder::BuildFolder(const std::string& folder, int depth) {
    const size_t folderIndex = menu_.folders.size();
    menu_.folders.push_back(folder);
    Listing listing = List(folder);
    const bool hasFavorites = !listing.favorites.empty();
    std::vector<FavMenuItem> items;

    const OrderTable order = order_.Read(folder);
    for (size_t position = 0; position < order.byPosition.size(); ++position) {
        const OrderEntry* entry = order.AtPosition(position);
        if (!entry || entry->longName.empty())
            continue;
        if (entry->IsFolder()) {
            auto it = std::find_if(
                listing.folders.begin(), listing.folders.end(),
                [&](const DirEntry& f) { return EqualsNoCase(cp_, f.name, entry->longName); });
            if (it != listing.folders.end()) {
                items.push_back(Submenu(folder, *it, depth));
                listing.folders.erase(it);
            }
        } else {
            auto it = std::find_if(
                listing.favorites.begin(), listing.favorites.end(), [&](const FavMenuItem& f) {
                    return EqualsNoCase(cp_, f.path.substr(folder.size()), entry->longName);
                });
            if (it != listing.favorites.end()) {
                items.push_back(std::move(*it));
                listing.favorites.erase(it);
            }
        }
    }

    // std::string compares bytes as unsigned values: the case-sensitive order.
    std::stable_sort(listing.folders.begin(), listing.folders.end(),
                     [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    for (const DirEntry& sub : listing.folders)
        items.push_back(Submenu(folder, sub, depth));
    std::stable_sort(listing.favorites.begin(), listing.favorites.end(),
                     [&](const FavMenuItem& a, const FavMenuItem& b) {
                         return CompareNoCase(cp_, a.path, b.path) < 0;
                     });
    for (FavMenuItem& favorite : listing.favorites)
        items.push_back(std::move(favorite));

    AppendFolderCommands(items, folderIndex, hasFavorites);
    return items;
}

void FavoritesMenuBuilder::AppendFolderCommands(std::vector<FavMenuItem>& items, size_t folderIndex,
                                                bool hasFavorites) const {
    if (!options_.displayOpenAll && !options_.displayAddFav)
        return;
    FavMenuItem separator;
    separator.kind = FavItemKind::Separator;
    items.push_back(separator);
    const int index = static_cast<int>(folderIndex);
    if (options_.displayOpenAll && hasFavorites &&
        IDM_FAV_OPEN_ALL_FIRST + index <= IDM_FAV_OPEN_ALL_LAST) {
        FavMenuItem openAll;
        openAll.kind = FavItemKind::OpenAll;
        openAll.text = options_.openAllText;
        openAll.commandId = IDM_FAV_OPEN_ALL_FIRST + index;
        openAll.path = menu_.folders[folderIndex];
        items.push_back(openAll);
    }
    if (options_.displayAddFav && IDM_FAV_ADD_HERE_FIRST + index <= IDM_FAV_ADD_HERE_LAST) {
        FavMenuItem addHere;
        addHere.kind = FavItemKind::AddHere;
        addHere.text = options_.addHereText;
        addHere.commandId = IDM_FAV_ADD_HERE_FIRST + index;
        addHere.path = menu_.folders[folderIndex];
        items.push_back(addHere);
    }
}

}  // namespace lumbrel
