// A favorites folder as menu data: what the Windows binding turns into the "Favorites" menu
// (after its fixed items), a submenu per folder, and the links bar. The data also answers
// which file or folder a command id stands for, so a command always reaches the item the
// user saw, whatever changed on disk since.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumbrel {

enum class FavItemKind { Favorite, Folder, Separator, OpenAll, AddHere };

struct FavMenuItem {
    FavItemKind kind = FavItemKind::Favorite;
    // A favorite's file name without its extension, a folder's name, or the text of
    // "Open All URL" / "Add URL Here...". The binding shortens it to `MenuSize` when drawn.
    std::string text;
    int commandId = 0;  // Favorite, OpenAll, AddHere
    std::string path;   // a favorite's file; a folder's path with its closing backslash
    // A ".url" favorite's address, drawn beside its title when `FavShowUrl` is on; empty
    // otherwise and for shell links, whose target only the shell can read.
    std::string address;
    bool columnBreak = false;        // starts a new column of its menu
    std::vector<FavMenuItem> items;  // a folder's menu
};

struct FavoritesMenu {
    std::vector<FavMenuItem> items;  // the root's menu
    // The links bar: the links folder's favorites and folders (its own commands left out);
    // empty without a links folder inside the favorites root.
    std::vector<FavMenuItem> links;
    bool compactLinks = false;               // `CompactFavBar`: the bar shows no pictures
    std::vector<std::string> favoritePaths;  // by command id - IDM_FAVORITE_FIRST
    std::vector<std::string> folders;        // the build's folder list; [0] is the root

    // The file of a favorite's command; nothing for another id.
    std::optional<std::string> FavoritePath(int commandId) const;
    // The folder of an "Open All URL" or "Add URL Here..." command.
    std::optional<std::string> OpenAllFolder(int commandId) const;
    std::optional<std::string> AddHereFolder(int commandId) const;
};

// What decides how many items a menu column holds.
struct MenuMetrics {
    int screenHeight = 0;   // pixels; 0 when unknown (no columns)
    int captionHeight = 0;  // a window caption's height
    int fontHeight = 0;     // the menu font's text height
};

// The picture a menu item or tree item shows: the skin's folder or link cell, or none.
enum class FavIcon { None, Folder, Link };
FavIcon IconOf(FavItemKind kind);

// The height of one menu item for a menu font `fontHeight` pixels high: the font's height
// plus 4, at least 20. Owner-drawn items are measured with it, so columns break where the
// menu really ends on the screen.
int MenuItemHeight(int fontHeight);

// Items of one column: the screen height less four captions over the item height (the
// font's height plus 4, at least 20); 0 means one column however long the menu is.
int ItemsPerColumn(const MenuMetrics& metrics);

// Marks the items that start a column. `precedingItems` are fixed items before `items` in
// the same menu (the "Favorites" menu's own); `perColumn` 0 marks none.
void BreakIntoColumns(std::vector<FavMenuItem>& items, int perColumn, int precedingItems = 0);

}  // namespace lumbrel
