#include "win32/commands/Win32MenuSurface.h"

#include <vector>

namespace lumbrel::win32 {
namespace {

MENUITEMINFOA QueryItem(HMENU menu, int pos, UINT mask) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &info)) {
        info.fMask = 0;
    }
    return info;
}

}  // namespace

int Win32MenuSurface::ItemCount() const {
    const int count = GetMenuItemCount(menu_);
    return count < 0 ? 0 : count;
}

MenuItemKind Win32MenuSurface::ItemKind(int pos) const {
    const MENUITEMINFOA info = QueryItem(menu_, pos, MIIM_FTYPE | MIIM_SUBMENU);
    if (info.hSubMenu != nullptr) {
        return MenuItemKind::Submenu;
    }
    return (info.fType & MFT_SEPARATOR) ? MenuItemKind::Separator : MenuItemKind::Command;
}

int Win32MenuSurface::ItemId(int pos) const {
    if (ItemKind(pos) != MenuItemKind::Command) {
        return 0;
    }
    return static_cast<int>(QueryItem(menu_, pos, MIIM_ID).wID);
}

std::string Win32MenuSurface::ItemText(int pos) const {
    MENUITEMINFOA info = QueryItem(menu_, pos, MIIM_STRING);
    if (info.fMask == 0 || info.cch == 0) {
        return std::string();
    }
    std::vector<char> buffer(info.cch + 1);
    info.dwTypeData = buffer.data();
    info.cch = static_cast<UINT>(buffer.size());
    if (!GetMenuItemInfoA(menu_, static_cast<UINT>(pos), TRUE, &info)) {
        return std::string();
    }
    return std::string(buffer.data(), info.cch);
}

void Win32MenuSurface::SetItemText(int pos, const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer.data();
    SetMenuItemInfoA(menu_, static_cast<UINT>(pos), TRUE, &info);
}

std::unique_ptr<MenuSurface> Win32MenuSurface::Submenu(int pos) {
    HMENU submenu = GetSubMenu(menu_, pos);
    if (submenu == nullptr) {
        return nullptr;
    }
    return std::make_unique<Win32MenuSurface>(submenu);
}

}  // namespace lumbrel::win32
