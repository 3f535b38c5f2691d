// Menus as data: a tree of items (command, separator, submenu) from which the Windows binding
// builds its HMENUs, and over which the command picker, the menu-text lookups and the tests
// work. The built-in menus are in BuiltinMenus; MenuModelSurface lets the language rules
// translate a tree in place.
//
// A submenu whose items are rebuilt at run time (undo close, favorites, groups, search
// engines, proxies, external tools) carries a MenuRole. Its items in the data are the fixed
// items that precede the dynamic ones; the owner of the role keeps those and rebuilds the
// rest after them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MenuSurface.h"

namespace lumbrel {

enum class MenuRole {
    None,
    NewWindow,      // the new-window menu: its item positions are the `NewWindow` setting
    UndoClose,      // closed windows appended after the fixed items
    Favorites,      // the Favorites folder appended after the fixed items
    Groups,         // the group files appended after the fixed items
    AddToGroup,     // one item per group, or "Empty"
    Search,         // the search engines appended after the fixed items
    ProxyServers,   // proxy categories and entries appended after the fixed items
    WebProxies,     // web and translation proxies appended after the fixed items
    ExternalTools,  // the external tools appended after the fixed items
    WindowList,     // the frame's list of open windows
};

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    std::string text;  // "&" marks the mnemonic; "\t" precedes the shortcut text
    int id = 0;        // command items only
    MenuRole role = MenuRole::None;
    std::vector<MenuItem> items;  // submenu items only

    static MenuItem Command(int id, std::string text);
    static MenuItem Separator();
    static MenuItem Popup(std::string text, std::vector<MenuItem> items,
                          MenuRole role = MenuRole::None);
};

using MenuItems = std::vector<MenuItem>;
// Item positions from the outermost menu down: {2, 9} is the tenth item of the third menu.
using MenuPath = std::vector<int>;

// The first command item with `id`, depth first in menu order; null when there is none.
const MenuItem* FindCommand(const MenuItems& menu, int id);

// The position path of the first submenu carrying `role`.
std::optional<MenuPath> FindRole(const MenuItems& menu, MenuRole role);

// The item at `path`; null when the path leaves the tree.
const MenuItem* ItemAt(const MenuItems& menu, const MenuPath& path);

// The language-file key of a submenu at `path`: "X" and the position per level ("X2X9").
std::string MenuPathKey(const MenuPath& path);

// A menu text as a name: without its "&" marks and cut at the first tab.
std::string CleanMenuText(std::string_view text);

}  // namespace lumbrel
