#include "win32/favorites/LinksBar.h"

#include <commctrl.h>

#include "base/MenuTitle.h"
#include "win32/commands/MenuHandles.h"

namespace lumbrel::win32 {
namespace {

constexpr int kDefaultHeight = 22;

}  // namespace

bool LinksBar::Create(HWND parent, int controlId) {
    toolbar_ = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS |
            CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
        GetModuleHandleA(nullptr), nullptr);
    if (!toolbar_)
        return false;
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

int LinksBar::Height() const {
    const auto size = static_cast<DWORD>(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    const int height = HIWORD(size);
    return height > 0 ? height : kDefaultHeight;
}

void LinksBar::Show(const std::vector<FavMenuItem>& items, bool compact,
                    const MenuTextStyle& style) {
    if (!toolbar_)
        return;
    cp_ = &style.cp;
    menuSize_ = style.menuSize;
    SendMessageA(toolbar_, WM_SETREDRAW, FALSE, 0);
    for (auto count = SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0); count > 0; --count)
        SendMessageA(toolbar_, TB_DELETEBUTTON, static_cast<WPARAM>(count - 1), 0);
    SendMessageA(toolbar_, TB_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(compact ? nullptr : images_.get()));
    folders_.clear();
    for (const FavMenuItem& item : items) {
        const bool folder = item.kind == FavItemKind::Folder;
        if (!folder && item.kind != FavItemKind::Favorite)
            continue;
        // The buttons draw their text as it stands (no prefix): only the menus double '&'.
        const std::string text = ShortenMenuTitle(style.cp, item.text, style.menuSize);
        TBBUTTON button{};
        button.iBitmap = compact ? I_IMAGENONE : (folder ? kFolderImage : kLinkImage);
        button.idCommand =
            folder ? kFirstFolderButton + static_cast<int>(folders_.size()) : item.commandId;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_AUTOSIZE | BTNS_NOPREFIX | (folder ? BTNS_WHOLEDROPDOWN : 0);
        button.iString = reinterpret_cast<INT_PTR>(text.c_str());
        if (SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)) && folder)
            folders_.push_back(item);
    }
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    SendMessageA(toolbar_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(toolbar_, nullptr, TRUE);
}

bool LinksBar::OnNotify(const NMHDR& header, HWND commandTarget) {
    if (!toolbar_ || header.hwndFrom != toolbar_ || header.code != TBN_DROPDOWN)
        return false;
    const auto& drop = reinterpret_cast<const NMTOOLBARA&>(header);
    const int index = drop.iItem - kFirstFolderButton;
    if (index < 0 || index >= static_cast<int>(folders_.size()) || !cp_)
        return true;
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return true;
    // A copy: the command the menu sends may rebuild the bar.
    const FavMenuItem folder = folders_[static_cast<size_t>(index)];
    AppendFavoriteItems(menu.get(), folder.items, MenuTextStyle{*cp_, menuSize_}, painter_,
                        FavoriteMenuPainter::kLinksDropDown);
    RECT button{};
    SendMessageA(toolbar_, TB_GETRECT, static_cast<WPARAM>(drop.iItem),
                 reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.left,
                   button.bottom, 0, commandTarget, nullptr);
    // The command is posted: the looks are no longer drawn once the menu has closed.
    if (painter_)
        painter_->Clear(FavoriteMenuPainter::kLinksDropDown);
    return true;
}

}  // namespace lumbrel::win32
