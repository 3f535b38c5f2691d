// The UI thread's message loop, as the core uses it: messages posted to a window (delivered
// after the current handler returns, dropped when the window is gone) and timers by id.
//
// Targets are stable ids of core objects (the main frame, one browser window), never
// indexes. The Windows binding posts real window messages to the target's window; the fake
// queues them and delivers them when a test pumps it, with a manual clock for timers.
#pragma once

#include <cstdint>

namespace lumbrel {

using TargetId = uint32_t;
inline constexpr TargetId kNoTarget = 0;

// Receives the messages and timer ticks posted through EventLoop.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual void OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void OnTimer(uint32_t timerId) = 0;
};

class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void Post(TargetId target, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    // (Re)starts a periodic timer; a running timer with the same id is replaced.
    virtual void StartTimer(TargetId target, uint32_t timerId, uint32_t periodMs) = 0;
    virtual void StopTimer(TargetId target, uint32_t timerId) = 0;
};

}  // namespace lumbrel
