// The mouse side of a view's window: the capture a right-button gesture holds, the window
// under a point, and clicks posted at a point. Points are in the view's client coordinates.
#pragma once

#include <cstdint>
#include <optional>

namespace lumbrel {

// A window found under a point.
struct WindowAtPoint {
    uintptr_t window = 0;     // opaque to the core
    bool insideView = false;  // the view itself or a window inside it
};

class PageMouseWindow {
public:
    virtual ~PageMouseWindow() = default;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // The window under the point; nothing when there is none.
    virtual std::optional<WindowAtPoint> WindowAt(int x, int y) = 0;
    // Posts WM_RBUTTONUP with `keyState` to `window`, at the point in its client coordinates.
    virtual void PostRightUp(const WindowAtPoint& window, int x, int y, uint16_t keyState) = 0;
    // Posts a left press and a left release at the point, without key state, to the window
    // under it.
    virtual void PostLeftClick(int x, int y) = 0;
    // Where the mouse cursor is now.
    virtual void CursorPosition(int& x, int& y) = 0;
};

}  // namespace lumbrel
