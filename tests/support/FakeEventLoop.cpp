#include "support/FakeEventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "frame/FrameMessages.h"

namespace lumbrel::test {
namespace {

// What the binding's main window hands to the frame: its forwarded private messages and the
// Windows messages it answers itself with the same calls.
bool ReachesTheFrame(uint32_t message) {
    for (uint32_t system : kFrameSystemMessages)
        if (system == message)
            return true;
    return IsForwardedFrameMessage(message);
}

}  // namespace

void FakeEventLoop::Unregister(TargetId id) {
    targets_.erase(id);
    for (auto it = timers_.begin(); it != timers_.end();)
        it = it->first.first == id ? timers_.erase(it) : std::next(it);
}

int FakeEventLoop::Pump() {
    int delivered = 0;
    while (!queue_.empty()) {
        PostedMessage m = queue_.front();
        queue_.pop_front();
        auto it = targets_.find(m.target);
        if (it == targets_.end())
            continue;
        if (m.target == kFrameTarget && !ReachesTheFrame(m.message)) {
            ADD_FAILURE() << "message 0x" << std::hex << m.message
                          << " was posted to the frame, but the main window does not forward it";
            continue;
        }
        it->second->OnPosted(m.message, m.wParam, m.lParam);
        ++delivered;
    }
    return delivered;
}

void FakeEventLoop::Advance(uint32_t milliseconds) {
    const uint64_t end = clock_.ElapsedMs() + milliseconds;
    Pump();
    for (;;) {
        auto next = std::min_element(timers_.begin(), timers_.end(),
                                     [](auto& a, auto& b) { return a.second.due < b.second.due; });
        if (next == timers_.end() || next->second.due > end)
            break;
        const auto key = next->first;
        if (next->second.due > clock_.ElapsedMs())
            clock_.Advance(static_cast<uint32_t>(next->second.due - clock_.ElapsedMs()));
        next->second.due += std::max<uint32_t>(next->second.period, 1);
        if (auto target = targets_.find(key.first); target != targets_.end())
            target->second->OnTimer(key.second);
        // Time spent in the handler (a sleep) does not pile up ticks: the system keeps one
        // tick pending at most, delivered as soon as the handler returns.
        if (auto timer = timers_.find(key); timer != timers_.end())
            timer->second.due = std::max(timer->second.due, clock_.ElapsedMs());
        Pump();
    }
    if (end > clock_.ElapsedMs())
        clock_.Advance(static_cast<uint32_t>(end - clock_.ElapsedMs()));
}

bool FakeEventLoop::TimerRunning(TargetId target, uint32_t timerId) const {
    return timers_.count({target, timerId}) != 0;
}

uint32_t FakeEventLoop::TimerPeriod(TargetId target, uint32_t timerId) const {
    auto it = timers_.find({target, timerId});
    return it == timers_.end() ? 0 : it->second.period;
}

int FakeEventLoop::Queued(TargetId target, uint32_t message) const {
    return static_cast<int>(std::count_if(queue_.begin(), queue_.end(), [&](const auto& m) {
        return m.target == target && m.message == message;
    }));
}

void FakeEventLoop::Post(TargetId target, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    queue_.push_back({target, message, wParam, lParam});
}

void FakeEventLoop::StartTimer(TargetId target, uint32_t timerId, uint32_t periodMs) {
    timers_[{target, timerId}] =
        Timer{periodMs, clock_.ElapsedMs() + std::max<uint32_t>(periodMs, 1)};
}

void FakeEventLoop::StopTimer(TargetId target, uint32_t timerId) {
    timers_.erase({target, timerId});
}

}  // namespace lumbrel::test
