#include "win32/frame/MenuBar.h"

#include "commands/BuiltinMenus.h"
#include "language/Language.h"
#include "win32/commands/MenuBuilder.h"
#include "win32/frame/MdiClient.h"

namespace lumbrel::win32 {
namespace {

constexpr std::string_view kMainMenuSection = "MenuMain";

}  // namespace

MenuBar::~MenuBar() {
    Detach();
}

bool MenuBar::Create(HWND frame, const Language& language) {
    frame_ = frame;
    menu_ = BuildTranslatedMenu(BuiltinMainMenu(), MenuShape::Bar, language, kMainMenuSection);
    return menu_ && SetMenu(frame, menu_.get());
}

HMENU MenuBar::WindowMenu() const {
    return menu_ ? SubmenuFor(menu_.get(), BuiltinMainMenu(), MenuRole::WindowList) : nullptr;
}

bool MenuBar::Rebuild(const Language& language, MdiClient& mdi) {
    // The old menu stays alive until the MDI client has moved a maximised child's system menu
    // and caption buttons out of it: destroying it first would destroy the child's system menu.
    return RebuildMenu(
        menu_, BuiltinMainMenu(), MenuShape::Bar, language, kMainMenuSection, [&](HMENU fresh) {
            mdi.SetMenus(fresh, SubmenuFor(fresh, BuiltinMainMenu(), MenuRole::WindowList));
            if (GetMenu(frame_) != fresh)
                return false;
            DrawMenuBar(frame_);
            return true;
        });
}

void MenuBar::SetUndoCloseItems(const std::vector<MenuEntry>& items) {
    HMENU undo = menu_ ? SubmenuFor(menu_.get(), BuiltinMainMenu(), MenuRole::UndoClose) : nullptr;
    if (!undo)
        return;
    while (GetMenuItemCount(undo) > kUndoCloseFixedItems)
        DeleteMenu(undo, kUndoCloseFixedItems, MF_BYPOSITION);
    for (const MenuEntry& item : items)
        AppendMenuA(undo, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
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
        if (id == static_cast<UINT>(-1) || id == 0 || id >= MdiClient::kFirstChildId)
            continue;
        const CommandState state = query(static_cast<int>(id)).value_or(CommandState{false, false});
        EnableMenuItem(menu, static_cast<UINT>(i),
                       MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, static_cast<UINT>(i),
                      MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

int TrackContextMenu(const MenuItems& items, std::string_view section, const Language& language,
                     HWND owner, POINT screen, const CommandStateQuery& query) {
    UniqueMenu menu = BuildTranslatedMenu(items, MenuShape::Popup, language, section);
    if (!menu)
        return 0;
    ShowCommandStates(menu.get(), query);
    return TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner,
                          nullptr);
}

}  // namespace lumbrel::win32
