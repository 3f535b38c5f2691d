#include "favorites/FavoritesMenu.h"

#include <algorithm>

#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

std::optional<std::string> InRange(const std::vector<std::string>& list, int id, int first,
                                   int last) {
    if (id < first || id > last || static_cast<size_t>(id - first) >= list.size())
        return std::nullopt;
    return list[static_cast<size_t>(id - first)];
}

}  // namespace

std::optional<std::string> FavoritesMenu::FavoritePath(int commandId) const {
    return InRange(favoritePaths, commandId, IDM_FAVORITE_FIRST, IDM_FAVORITE_LAST);
}

std::optional<std::string> FavoritesMenu::OpenAllFolder(int commandId) const {
    return InRange(folders, commandId, IDM_FAV_OPEN_ALL_FIRST, IDM_FAV_OPEN_ALL_LAST);
}

std::optional<std::string> FavoritesMenu::AddHereFolder(int commandId) const {
    return InRange(folders, commandId, IDM_FAV_ADD_HERE_FIRST, IDM_FAV_ADD_HERE_LAST);
}

FavIcon IconOf(FavItemKind kind) {
    switch (kind) {
        case FavItemKind::Folder:
            return FavIcon::Folder;
        case FavItemKind::Favorite:
            return FavIcon::Link;
        default:
            return FavIcon::None;
    }
}

int MenuItemHeight(int fontHeight) {
    return std::max(fontHeight + 4, 20);
}

int ItemsPerColumn(const MenuMetrics& metrics) {
    if (metrics.screenHeight <= 0)
        return 0;
    return std::max(
        1, (metrics.screenHeight - 4 * metrics.captionHeight) / MenuItemHeight(metrics.fontHeight));
}

void BreakIntoColumns(std::vector<FavMenuItem>& items, int perColumn, int precedingItems) {
    if (perColumn <= 0)
        return;
    for (size_t i = 0; i < items.size(); ++i) {
        const int position = precedingItems + static_cast<int>(i);
        items[i].columnBreak = position > 0 && position % perColumn == 0;
    }
}

}  // namespace lumbrel
