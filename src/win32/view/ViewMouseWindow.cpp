#include "win32/view/ViewMouseWindow.h"

namespace lumbrel::win32 {
namespace {

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(point.x)),
                      static_cast<WORD>(static_cast<short>(point.y)));
}

}  // namespace

bool ViewMouseWindow::ToScreen(int x, int y, POINT& screen) const {
    HWND view = view_.Handle();
    screen = POINT{x, y};
    return view && ClientToScreen(view, &screen);
}

void ViewMouseWindow::CaptureMouse() {
    if (HWND view = view_.Handle())
        SetCapture(view);
}

void ViewMouseWindow::ReleaseMouse() {
    // Only the view's own capture: another window's drag must not be cut short.
    if (HWND view = view_.Handle(); view && GetCapture() == view)
        ReleaseCapture();
}

std::optional<WindowAtPoint> ViewMouseWindow::WindowAt(int x, int y) {
    POINT screen;
    if (!ToScreen(x, y, screen))
        return std::nullopt;
    HWND under = WindowFromPoint(screen);
    if (!under)
        return std::nullopt;
    HWND view = view_.Handle();
    return WindowAtPoint{reinterpret_cast<uintptr_t>(under),
                         under == view || IsChild(view, under) != FALSE};
}

void ViewMouseWindow::PostRightUp(const WindowAtPoint& window, int x, int y, uint16_t keyState) {
    HWND target = reinterpret_cast<HWND>(window.window);
    POINT point;
    if (!IsWindow(target) || !ToScreen(x, y, point) || !ScreenToClient(target, &point))
        return;
    PostMessageA(target, WM_RBUTTONUP, keyState, PointParam(point));
}

void ViewMouseWindow::PostLeftClick(int x, int y) {
    POINT point;
    if (!ToScreen(x, y, point))
        return;
    HWND target = WindowFromPoint(point);
    HWND view = view_.Handle();
    // The click is meant for the page; a window of another program there gets nothing.
    if (!target || (target != view && !IsChild(view, target)) || !ScreenToClient(target, &point))
        return;
    PostMessageA(target, WM_LBUTTONDOWN, 0, PointParam(point));
    PostMessageA(target, WM_LBUTTONUP, 0, PointParam(point));
}

void ViewMouseWindow::CursorPosition(int& x, int& y) {
    POINT point{0, 0};
    HWND view = view_.Handle();
    if (view && GetCursorPos(&point))
        ScreenToClient(view, &point);
    x = point.x;
    y = point.y;
}

}  // namespace lumbrel::win32
