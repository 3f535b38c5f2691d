#include "win32/view/PageMessages.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>

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
    struct Row {
        UINT message;
        PageMouseKind kind;
    };
    static constexpr Row kRows[] = {
        {WM_LBUTTONDOWN, PageMouseKind::LeftDown},
        {WM_LBUTTONUP, PageMouseKind::LeftUp},
        {WM_LBUTTONDBLCLK, PageMouseKind::DoubleClick},
        {WM_RBUTTONDOWN, PageMouseKind::RightDown},
        {WM_RBUTTONDBLCLK, PageMouseKind::RightDown},
        {WM_RBUTTONUP, PageMouseKind::RightUp},
        {WM_MBUTTONDOWN, PageMouseKind::MiddleDown},
        {WM_MBUTTONDBLCLK, PageMouseKind::MiddleDown},
        {WM_MOUSEWHEEL, PageMouseKind::Wheel},
    };
    const Row* row = std::find_if(std::begin(kRows), std::end(kRows),
                                  [&](const Row& r) { return r.message == message.message; });
    if (row == std::end(kRows))
        return std::nullopt;
    PageMouse mouse;
    mouse.kind = row->kind;
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    // The wheel comes in screen coordinates, the buttons in those of the window under them.
    MapWindowPoints(message.message == WM_MOUSEWHEEL ? HWND_DESKTOP : message.hwnd, view, &at, 1);
    mouse.x = at.x;
    mouse.y = at.y;
    mouse.keyState = LOWORD(message.wParam);
    if (message.message == WM_MOUSEWHEEL)
        mouse.wheelDelta = GET_WHEEL_DELTA_WPARAM(message.wParam);
    return mouse;
}

}  // namespace lumbrel::win32
