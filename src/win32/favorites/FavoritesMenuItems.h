// Turns the core's favorites and groups menu data into HMENU items: a submenu per folder or
// group, column breaks where the data puts them, titles cut to `MenuSize`. Used by the views
// that fill the "Favorites" and "Groups" menus of the menu bar.
#pragma once

#include "win32/platform/WinApi.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/FavoritesMenu.h"
#include "favorites/GroupsMenu.h"
#include "platform/CodePage.h"
#include "win32/favorites/FavoriteMenuPainter.h"

namespace lumbrel::win32 {

// How item texts are shown.
struct MenuTextStyle {
    const CodePage& cp;
    size_t menuSize;  // `MenuSize`: longer titles are cut and end with "..."
};

// The text a menu shows for a title: cut to the style's size, and every "&" doubled, since a
// favorite's or group's name is no mnemonic.
std::string MenuItemText(const MenuTextStyle& style, std::string_view title);

// Deletes the items of `menu` from position `keep` on, their submenus with them.
void DeleteItemsFrom(HMENU menu, int keep);

// Appends the favorites `items` to `menu`, a submenu for each folder. An item whose submenu
// cannot be made is left out. With a painter the items are owner-drawn from looks kept in
// its `set`; each item keeps its text as well, so the menu can still be read back.
void AppendFavoriteItems(HMENU menu, const std::vector<FavMenuItem>& items,
                         const MenuTextStyle& style, FavoriteMenuPainter* painter = nullptr,
                         FavoriteMenuPainter::SetId set = 0);

// Appends one item per group: a submenu ("Add URL to this Group...", "Open All Selected Group
// Member", a separator, the members ticked when they open with the group) or, when the group
// shows no members, the item that opens it.
void AppendGroupItems(HMENU menu, const GroupsMenu& groups, const MenuTextStyle& style);

// Appends the "&Add To Group" items: one per group, or the greyed "Empty".
void AppendAddToGroupItems(HMENU menu, const GroupsMenu& groups, const MenuTextStyle& style);

// The screen and menu font the columns are measured with.
MenuMetrics ScreenMenuMetrics();

}  // namespace lumbrel::win32
