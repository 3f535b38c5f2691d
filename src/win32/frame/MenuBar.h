// The frame's menu bar: the main menu built from the core's menu data in the active language,
// the submenus the binding fills at run time (the MDI window list, the closed windows), the
// enabled and checked states shown when a menu drops down, and the context menus built from
// the same data.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "commands/MenuModel.h"
#include "frame/FrameCommands.h"
#include "platform/FrameWindow.h"
#include "win32/commands/MenuHandles.h"
#include "win32/platform/Handles.h"
#include "win32/platform/WinApi.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class MdiClient;

// The state of a command as a menu shows it; nothing for a command no part handles yet.
using CommandStateQuery = std::function<std::optional<CommandState>(int commandId)>;

class MenuBar {
public:
    MenuBar() = default;
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // Builds the main menu in `language` and shows it on `frame`; false when it cannot be built.
    bool Create(HWND frame, const Language& language);
    HMENU Handle() const { return menu_.get(); }
    // The submenu the MDI client lists the browser windows in.
    HMENU WindowMenu() const;
    // The submenu of the main menu that carries `role`, also while a maximised window's menu
    // stands first in the bar; null when there is none.
    HMENU RoleMenu(MenuRole role) const;
    // Builds the main menu again in `language` and shows it through `mdi`. False, with the
    // old menu still shown, when the new one cannot be built or shown.
    bool Rebuild(const Language& language, MdiClient& mdi);
    // The items after the fixed ones of the undo-close submenu.
    void SetUndoCloseItems(const std::vector<MenuEntry>& items);
    // Shows the buttons of a maximised window as the MDI client shows them: the window's menu
    // in front (its items taken from the system menu of `child`, once), minimise, restore and
    // close at the end. Their commands reach the frame, which hands them to the active window.
    void ShowChildButtons(HWND child);
    void HideChildButtons();
    bool ChildButtonsShown() const { return buttonsShown_; }
    // Takes the menu off the frame, which is about to go.
    void Detach();

private:
    bool AddChildButtons(HMENU bar);
    void RemoveChildButtons(HMENU bar);
    bool BuildChildMenu(HWND child);

    HWND frame_ = nullptr;
    UniqueMenu menu_;
    // The maximised window's menu and the icon it shows in the bar; while shown, the menu is
    // a submenu of menu_ and must be taken out before menu_ is destroyed.
    UniqueMenu childMenu_;
    UniqueBitmap childIcon_;
    bool buttonsShown_ = false;
};

// Greys and checks the items of a menu that is about to drop down; items of a command nobody
// handles yet show greyed rather than doing nothing.
void ShowCommandStates(HMENU menu, const CommandStateQuery& query);

// Shows the context menu built from `items` (translated from `section`) at `screen` and waits
// for the user; the chosen command, or 0. `fill` adds the items of the submenus that are
// built at run time before the menu shows.
int TrackContextMenu(const MenuItems& items, std::string_view section, const Language& language,
                     HWND owner, POINT screen, const CommandStateQuery& query,
                     const std::function<void(HMENU)>& fill = {});

}  // namespace lumbrel::win32
