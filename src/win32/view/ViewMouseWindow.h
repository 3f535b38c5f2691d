// The mouse side of a view's window: capture, the window under a point and the clicks posted
// there, over the view's HWND. Points are the view's client coordinates.
#pragma once

#include "win32/platform/WinApi.h"

#include "platform/PageMouseWindow.h"
#include "win32/ui/Window.h"

namespace lumbrel::win32 {

class ViewMouseWindow : public PageMouseWindow {
public:
    explicit ViewMouseWindow(const Window& view) : view_(view) {}

    void CaptureMouse() override;
    void ReleaseMouse() override;
    std::optional<WindowAtPoint> WindowAt(int x, int y) override;
    void PostRightUp(const WindowAtPoint& window, int x, int y, uint16_t keyState) override;
    void PostLeftClick(int x, int y) override;
    void CursorPosition(int& x, int& y) override;

private:
    // The view's point on the screen; false without a view window.
    bool ToScreen(int x, int y, POINT& screen) const;

    const Window& view_;
};

}  // namespace lumbrel::win32
