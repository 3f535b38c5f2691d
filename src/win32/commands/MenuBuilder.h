// Builds HMENUs from the core's menu data (BuiltinMenus), translated by the active language,
// and rebuilds them when the user picks another language. The main frame keeps the menus it
// shows in UniqueMenu holders; owners of rebuilt submenus (undo close, favorites, groups,
// search engines, proxies, tools) find theirs with SubmenuFor.
#pragma once

#include "win32/platform/WinApi.h"

#include <functional>
#include <string_view>

#include "commands/MenuModel.h"
#include "win32/commands/MenuHandles.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

enum class MenuShape {
    Bar,    // a window's menu bar: the top-level items drop down
    Popup,  // a context menu for TrackPopupMenu
};

// The menu of `items`; null when the system refuses to create it.
UniqueMenu BuildMenu(const MenuItems& items, MenuShape shape);

// The menu of `items`, translated from the language-file section `section`.
UniqueMenu BuildTranslatedMenu(const MenuItems& items, MenuShape shape, const Language& language,
                               std::string_view section);

// Replaces `holder`'s menu by a fresh translated build of `items`. The old menu may still be
// on show: `show` puts the new one in its place and says whether it did, and only then is the
// old one destroyed. False (and nothing changed) when the new menu cannot be built or shown.
bool RebuildMenu(UniqueMenu& holder, const MenuItems& items, MenuShape shape,
                 const Language& language, std::string_view section,
                 const std::function<bool(HMENU fresh)>& show);

// The same for the menu bar of a plain window (not an MDI frame: there the MDI client must
// hand the menu over).
bool RebuildMenu(UniqueMenu& holder, const MenuItems& items, MenuShape shape,
                 const Language& language, std::string_view section, HWND window);

// The submenu of `root` built from the submenu of `items` that carries `role`; null when
// there is none.
HMENU SubmenuFor(HMENU root, const MenuItems& items, MenuRole role);

}  // namespace lumbrel::win32
