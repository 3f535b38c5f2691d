#include "win32/view/BrowserViewWindow.h"

#include <windowsx.h>

#include <utility>

namespace lumbrel::win32 {

std::optional<ChildNotice> ChildNoticeOf(WPARAM wParam, LPARAM lParam) {
    ChildNotice notice;
    switch (LOWORD(wParam)) {
        case WM_CREATE:
        case WM_DESTROY:
            notice.kind =
                LOWORD(wParam) == WM_CREATE ? ChildNoticeKind::Created : ChildNoticeKind::Destroyed;
            notice.controlId = static_cast<short>(HIWORD(wParam));
            return notice;
        case WM_LBUTTONDOWN:
            notice.kind = ChildNoticeKind::LeftPress;
            break;
        case WM_RBUTTONDOWN:
            notice.kind = ChildNoticeKind::RightPress;
            break;
        case WM_MBUTTONDOWN:
            notice.kind = ChildNoticeKind::MiddlePress;
            break;
        default:
            return std::nullopt;
    }
    notice.x = GET_X_LPARAM(lParam);
    notice.y = GET_Y_LPARAM(lParam);
    return notice;
}

BrowserViewWindow::~BrowserViewWindow() {
    Destroy();
}

bool BrowserViewWindow::Create(HWND parent, const RECT& area) {
    if (hwnd_ || !parent)
        return false;
    if (!RegisterClassOnce(kClassName, 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, area.left,
                           area.top, area.right - area.left, area.bottom - area.top, parent,
                           nullptr, GetModuleHandleA(nullptr),
                           static_cast<Window*>(this)) != nullptr;
}

void BrowserViewWindow::Destroy() {
    listener_ = {};
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT BrowserViewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PARENTNOTIFY:
            if (auto notice = ChildNoticeOf(wParam, lParam); notice && listener_.notified)
                listener_.notified(*notice);
            return 0;
        case WM_MOUSEMOVE:
        case WM_RBUTTONUP:
        case WM_LBUTTONUP: {
            PageMouse mouse;
            mouse.kind = message == WM_MOUSEMOVE   ? PageMouseKind::Move
                         : message == WM_RBUTTONUP ? PageMouseKind::RightUp
                                                   : PageMouseKind::LeftUp;
            mouse.x = GET_X_LPARAM(lParam);
            mouse.y = GET_Y_LPARAM(lParam);
            mouse.keyState = LOWORD(wParam);
            if (listener_.mouse && listener_.mouse(mouse))
                return 0;
            return Default(message, wParam, lParam);
        }
        case WM_DESTROY: {
            // The windows inside go with the view: their ends are not news to anyone.
            Listener listener = std::exchange(listener_, Listener{});
            if (listener.destroying)
                listener.destroying();
            return Default(message, wParam, lParam);
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace lumbrel::win32
