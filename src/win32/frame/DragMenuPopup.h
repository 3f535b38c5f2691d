// The drag menus on screen: built from the core's menu data with the menu builder, translated
// with the active language, shown at the mouse cursor over the main window; the pick goes back
// to the core, which runs it on the dragged item.
#pragma once

#include "win32/platform/WinApi.h"

#include "app/CBrowserApp.h"
#include "mouse/DragMenus.h"

namespace lumbrel::win32 {

class DragMenuPopup : public DragMenuSurface {
public:
    explicit DragMenuPopup(CBrowserApp& app) : app_(app) {}
    // The window that owns the menus; none shows without it.
    void SetOwner(HWND owner) { owner_ = owner; }

    int PickAtCursor(const MenuItems& items, const char* section) override;

private:
    HWND owner_ = nullptr;
    CBrowserApp& app_;
};

}  // namespace lumbrel::win32
