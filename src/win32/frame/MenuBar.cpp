#include "win32/frame/MenuBar.h"

#include "commands/BuiltinMenus.h"
#include "language/Language.h"
#include "win32/commands/MenuBuilder.h"
#include "win32/frame/MdiClient.h"
#include "win32/platform/GdiHandles.h"

namespace lumbrel::win32 {
namespace {

constexpr std::string_view kMainMenuSection = "MenuMain";

// The program's icon at the size of a menu item, on the menu's colour: how the MDI client
// shows a maximised window's menu in the menu bar.
UniqueBitmap ProgramIconBitmap() {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    UniqueBitmap bitmap;
    const WindowDc screen(nullptr);
    if (!screen)
        return bitmap;
    bitmap.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    const UniqueIcon icon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, width, height, 0)));
    if (bitmap && memory) {
        const GdiSelection selected(memory.Get(), bitmap.Get());
        RECT all{0, 0, width, height};
        FillRect(memory.Get(), &all, GetSysColorBrush(COLOR_MENU));
        DrawIconEx(memory.Get(), 0, 0, icon ? icon.Get() : LoadIcon(nullptr, IDI_APPLICATION),
                   width, height, 0, nullptr, DI_NORMAL);
    }
    return bitmap;
}

}  // namespace

MenuBar::~MenuBar() {
    Detach();
    if (buttonsShown_ && menu_)
        RemoveChildButtons(menu_.get());
}

bool MenuBar::Create(HWND frame, const Language& language) {
    frame_ = frame;
    menu_ = BuildTranslatedMenu(BuiltinMainMenu(), MenuShape::Bar, language, kMainMenuSection);
    return menu_ && SetMenu(frame, menu_.get());
}

HMENU MenuBar::WindowMenu() const {
    return RoleMenu(MenuRole::WindowList);
}

HMENU MenuBar::RoleMenu(MenuRole role) const {
    const std::optional<MenuPath> path = FindRole(BuiltinMainMenu(), role);
    if (!menu_ || !path || path->empty())
        return nullptr;
    // The maximised window's menu moves every menu of the bar one place on.
    HMENU menu = GetSubMenu(menu_.get(), path->front() + (buttonsShown_ ? 1 : 0));
    for (size_t i = 1; menu && i < path->size(); ++i)
        menu = GetSubMenu(menu, (*path)[i]);
    return menu;
}

bool MenuBar::Rebuild(const Language& language, MdiClient& mdi) {
    // The old menu stays alive until the window shows the new one: a maximised window's menu
    // and buttons must move out of it first, or destroying it would destroy them too.
    return RebuildMenu(
        menu_, BuiltinMainMenu(), MenuShape::Bar, language, kMainMenuSection, [&](HMENU fresh) {
            HMENU old = menu_.get();
            // Found before the window's buttons shift the bar's menus.
            HMENU windowList = SubmenuFor(fresh, BuiltinMainMenu(), MenuRole::WindowList);
            if (buttonsShown_) {
                RemoveChildButtons(old);
                AddChildButtons(fresh);
            }
            mdi.SetMenus(fresh, windowList);
            if (GetMenu(frame_) != fresh) {
                if (buttonsShown_) {
                    RemoveChildButtons(fresh);
                    AddChildButtons(old);
                }
                return false;
            }
            DrawMenuBar(frame_);
            return true;
        });
}

void MenuBar::SetUndoCloseItems(const std::vector<MenuEntry>& items) {
    HMENU undo = RoleMenu(MenuRole::UndoClose);
    if (!undo)
        return;
    while (GetMenuItemCount(undo) > kUndoCloseFixedItems)
        DeleteMenu(undo, kUndoCloseFixedItems, MF_BYPOSITION);
    for (const MenuEntry& item : items)
        AppendMenuA(undo, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
}

void MenuBar::ShowChildButtons(HWND child) {
    if (buttonsShown_ || !menu_ || !BuildChildMenu(child))
        return;
    buttonsShown_ = AddChildButtons(menu_.get());
    DrawMenuBar(frame_);
}

void MenuBar::HideChildButtons() {
    if (!buttonsShown_)
        return;
    RemoveChildButtons(menu_.get());
    buttonsShown_ = false;
    DrawMenuBar(frame_);
}

bool MenuBar::BuildChildMenu(HWND child) {
    if (childMenu_)
        return true;
    HMENU system = GetSystemMenu(child, FALSE);
    UniqueMenu copy(CreatePopupMenu());
    if (!system || !copy)
        return false;
    for (int i = 0, n = GetMenuItemCount(system); i < n; ++i) {
        char text[128] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        if (!GetMenuItemInfoA(system, static_cast<UINT>(i), TRUE, &item))
            continue;
        item.fMask |= MIIM_STATE;
        // The window is maximised: it can be restored, not moved, sized or maximised.
        const bool fixed = item.wID == SC_MOVE || item.wID == SC_SIZE || item.wID == SC_MAXIMIZE;
        item.fState = (fixed ? MFS_GRAYED : MFS_ENABLED) | (item.wID == SC_CLOSE ? MFS_DEFAULT : 0);
        InsertMenuItemA(copy.get(), static_cast<UINT>(i), TRUE, &item);
    }
    childIcon_ = ProgramIconBitmap();
    childMenu_ = std::move(copy);
    return true;
}

bool MenuBar::AddChildButtons(HMENU bar) {
    const UINT picture = childIcon_ ? MF_BITMAP : MF_STRING;
    const auto content = childIcon_ ? reinterpret_cast<LPCSTR>(childIcon_.Get()) : "-";
    if (!InsertMenuA(bar, 0, MF_BYPOSITION | MF_POPUP | picture,
                     reinterpret_cast<UINT_PTR>(childMenu_.get()), content))
        return false;
    // In the order the MDI client adds them: the first right-justified item starts the group.
    AppendMenuA(bar, MF_HELP | MF_BITMAP, SC_CLOSE, reinterpret_cast<LPCSTR>(HBMMENU_MBAR_CLOSE));
    AppendMenuA(bar, MF_HELP | MF_BITMAP, SC_RESTORE,
                reinterpret_cast<LPCSTR>(HBMMENU_MBAR_RESTORE));
    AppendMenuA(bar, MF_HELP | MF_BITMAP, SC_MINIMIZE,
                reinterpret_cast<LPCSTR>(HBMMENU_MBAR_MINIMIZE));
    return true;
}

void MenuBar::RemoveChildButtons(HMENU bar) {
    // The window's menu first: DeleteMenu by command would find SC_CLOSE inside it too.
    if (GetSubMenu(bar, 0) == childMenu_.get())
        RemoveMenu(bar, 0, MF_BYPOSITION);
    for (UINT command : {SC_CLOSE, SC_RESTORE, SC_MINIMIZE})
        DeleteMenu(bar, command, MF_BYCOMMAND);
}

void MenuBar::Detach() {
    if (frame_ && IsWindow(frame_) && GetMenu(frame_) == menu_.get())
        SetMenu(frame_, nullptr);
    frame_ = nullptr;
}

void ShowCommandStates(HMENU menu, const CommandStateQuery& query) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        // Window commands (SC_...) and the window list have no command state of the program.
        if (id == static_cast<UINT>(-1) || id == 0 || id >= SC_SIZE)
            continue;
        const CommandState state = query(static_cast<int>(id)).value_or(CommandState{false, false});
        EnableMenuItem(menu, static_cast<UINT>(i),
                       MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, static_cast<UINT>(i),
                      MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

int TrackContextMenu(const MenuItems& items, std::string_view section, const Language& language,
                     HWND owner, POINT screen, const CommandStateQuery& query,
                     const std::function<void(HMENU)>& fill) {
    UniqueMenu menu = BuildTranslatedMenu(items, MenuShape::Popup, language, section);
    if (!menu)
        return 0;
    if (fill)
        fill(menu.get());
    ShowCommandStates(menu.get(), query);
    return TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner,
                          nullptr);
}

}  // namespace lumbrel::win32
