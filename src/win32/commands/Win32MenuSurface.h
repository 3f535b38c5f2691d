// An HMENU seen through the core's MenuSurface, so that the language rules and the command
// picker run on the menus the user sees. Does not own the menu.
#pragma once

#include "win32/platform/WinApi.h"

#include "platform/MenuSurface.h"

namespace lumbrel::win32 {

class Win32MenuSurface : public MenuSurface {
public:
    explicit Win32MenuSurface(HMENU menu) : menu_(menu) {}

    int ItemCount() const override;
    MenuItemKind ItemKind(int pos) const override;
    int ItemId(int pos) const override;
    std::string ItemText(int pos) const override;
    void SetItemText(int pos, const std::string& text) override;
    std::unique_ptr<MenuSurface> Submenu(int pos) override;

private:
    HMENU menu_;
};

}  // namespace lumbrel::win32
