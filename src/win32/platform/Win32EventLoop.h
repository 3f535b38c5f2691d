// The EventLoop port over the thread's message queue: a target id stands for the window that
// shows it, so posted messages and timers become PostMessage and SetTimer on that window and
// reach the core again through the window's procedure. Messages to a window that is gone are
// dropped by Windows itself.
#pragma once

#include "win32/platform/WinApi.h"

#include <map>

#include "platform/EventLoop.h"

namespace lumbrel::win32 {

class Win32EventLoop : public EventLoop {
public:
    void RegisterTarget(TargetId id, HWND window) { windows_[id] = window; }
    void UnregisterTarget(TargetId id) { windows_.erase(id); }
    HWND WindowOf(TargetId id) const;

    void Post(TargetId target, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void StartTimer(TargetId target, uint32_t timerId, uint32_t periodMs) override;
    void StopTimer(TargetId target, uint32_t timerId) override;

private:
    std::map<TargetId, HWND> windows_;
};

}  // namespace lumbrel::win32
