#include "win32/view/BrowserViewWindow.h"

#include <windowsx.h>

#include <utility>

namespace lumbrel::win32 {
namespace {

ParentNotification Decode(WPARAM wParam, LPARAM lParam) {
    ParentNotification notification;
    notification.event = LOWORD(wParam);
    if (notification.event == WM_CREATE || notification.event == WM_DESTROY)
        notification.childId = static_cast<int>(static_cast<short>(HIWORD(wParam)));
    else
        notification.point = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return notification;
}

}  // namespace

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
            if (listener_.notified)
                listener_.notified(Decode(wParam, lParam));
            return 0;
        case WM_DESTROY:
            if (auto destroying = std::exchange(listener_.destroying, nullptr))
                destroying();
            return Default(message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace lumbrel::win32
