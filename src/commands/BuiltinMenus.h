// The built-in English menus: the main menu (also the menu bar), the tray icon menu and the
// tab context menu. The Windows binding builds its HMENUs from these and translates them with
// the language sections "MenuMain", "MenuTray" and "MenuTab"; the command picker and the
// menu-text lookups read the main menu.
//
// Language files address submenus by position ("X2X9"), so moving a submenu breaks every
// translation of it: add new items after the existing ones where possible.
#pragma once

#include "commands/MenuModel.h"

namespace lumbrel {

// Top-level positions of the main menu.
enum MainMenuPosition : int {
    kMenuFile = 0,
    kMenuEdit = 1,
    kMenuWindow = 2,
    kMenuView = 3,
    kMenuFavorites = 4,
    kMenuGroups = 5,
    kMenuSearch = 6,
    kMenuTools = 7,
    kMenuHelp = 8,
};

// Position of the undo-close submenu in the window menu; its items from
// kUndoCloseFixedItems on are the closed windows.
inline constexpr int kUndoCloseMenuPosition = 9;
inline constexpr int kUndoCloseFixedItems = 3;

const MenuItems& BuiltinMainMenu();
// The command of the new-window menu's item at `position` (the `NewWindow` setting, which is
// also the menu's default item); 0 for a separator or a position outside the menu.
int NewWindowMenuCommand(int position);
const MenuItems& BuiltinTrayMenu();
const MenuItems& BuiltinTabMenu();
// The favorites side bar's menus of a favorite and of a folder.
const MenuItems& BuiltinFavUrlMenu();
const MenuItems& BuiltinFavFolderMenu();

}  // namespace lumbrel
