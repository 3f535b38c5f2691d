#include "win32/platform/Win32EventLoop.h"

namespace lumbrel::win32 {

HWND Win32EventLoop::WindowOf(TargetId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second;
}

void Win32EventLoop::Post(TargetId target, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (HWND window = WindowOf(target))
        PostMessageA(window, message, wParam, lParam);
}

void Win32EventLoop::StartTimer(TargetId target, uint32_t timerId, uint32_t periodMs) {
    if (HWND window = WindowOf(target))
        SetTimer(window, timerId, periodMs, nullptr);
}

void Win32EventLoop::StopTimer(TargetId target, uint32_t timerId) {
    if (HWND window = WindowOf(target))
        KillTimer(window, timerId);
}

}  // namespace lumbrel::win32
