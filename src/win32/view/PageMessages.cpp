#include "win32/view/PageMessages.h"

#include <windowsx.h>

namespace lumbrel::win32 {

std::optional<PageKey> PageKeyOf(const MSG& message) {
    PageKey key;
    switch (message.message) {
        case WM_KEYDOWN:
            key.phase = KeyPhase::Down;
            break;
        case WM_KEYUP:
            key.phase = KeyPhase::Up;
            break;
        case WM_CHAR:
            key.phase = KeyPhase::Char;
            break;
        default:
            return std::nullopt;
    }
    key.virtualKey = static_cast<uint16_t>(message.wParam);
    // The state when the message was queued, not now.
    key.ctrlHeld = GetKeyState(VK_CONTROL) < 0;
    return key;
}

std::optional<PageMouse> PageMouseOf(const MSG& message, HWND view) {
    PageMouse mouse;
    switch (message.message) {
        case WM_LBUTTONDOWN:
            mouse.kind = PageMouseKind::LeftDown;
            break;
        case WM_LBUTTONUP:
            mouse.kind = PageMouseKind::LeftUp;
            break;
        case WM_LBUTTONDBLCLK:
            mouse.kind = PageMouseKind::DoubleClick;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            mouse.kind = PageMouseKind::RightDown;
            break;
        case WM_RBUTTONUP:
            mouse.kind = PageMouseKind::RightUp;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            mouse.kind = PageMouseKind::MiddleDown;
            break;
        case WM_MOUSEWHEEL:
            mouse.kind = PageMouseKind::Wheel;
            break;
        default:
            return std::nullopt;
    }
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    // The wheel comes in screen coordinates, the buttons in those of the window under them.
    MapWindowPoints(message.message == WM_MOUSEWHEEL ? HWND_DESKTOP : message.hwnd, view, &at, 1);
    mouse.x = at.x;
    mouse.y = at.y;
    return mouse;
}

}  // namespace lumbrel::win32
