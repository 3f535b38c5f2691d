// Builds the favorites menu data from the folder tree: per folder its ordered entries first
// (the shell's "Order" value), then the new subfolders by name (case-sensitive), then the new
// favorites by name (case-insensitive), then "Open All URL" and "Add URL Here...". Command
// ids are handed out in build order and stop when their range is full, so no item ever
// carries another command's id.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "favorites/FavoritesMenu.h"
#include "favorites/MenuOrderStore.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace lumbrel {

struct FavoritesMenuOptions {
    bool showHidden = false;     // `ShowHiddenFav`
    bool displayOpenAll = true;  // `DisplayOpenAll`
    bool displayAddFav = true;   // `DisplayAddFav`
    bool singleMenu = false;     // `SingleMenu`
    // The address shown with a ".url" favorite (`FavShowUrl`); none: no addresses.
    std::function<std::string(const std::string& path)> addressOf;
    // Folders below this depth are listed without their contents: the side bar reads a
    // folder only when it is opened (0: the root's own items).
    int maxDepth = 32;
    MenuMetrics metrics;
    int rootFixedItems = 4;  // the "Favorites" menu's own items before the folder's
    std::string openAllText = "Open All URL";
    std::string addHereText = "Add URL Here...";
};

class FavoritesMenuBuilder {
public:
    // Folders deeper than this are left empty: a tree that deep is a loop the reparse-point
    // test could not see (a share mounted into itself).
    static constexpr int kMaxDepth = 32;

    FavoritesMenuBuilder(const CodePage& cp, FileSystem& files, const MenuOrderStore& order,
                         FavoritesMenuOptions options)
        : cp_(cp), files_(files), order_(order), options_(std::move(options)) {}

    // The menu of `root` and everything below it.
    FavoritesMenu Build(const std::string& root);

private:
    struct Listing {
        std::vector<DirEntry> folders;
        std::vector<FavMenuItem> favorites;
    };
    std::vector<FavMenuItem> BuildFolder(const std::string& folder, int depth);
    Listing List(const std::string& folder);
    FavMenuItem Submenu(const std::string& folder, const DirEntry& entry, int depth);
    void AppendFolderCommands(std::vector<FavMenuItem>& items, size_t folderIndex,
                              bool hasFavorites) const;

    const CodePage& cp_;
    FileSystem& files_;
    const MenuOrderStore& order_;
    FavoritesMenuOptions options_;
    FavoritesMenu menu_;
};

}  // namespace lumbrel
