// A message loop pumped by the test. Posted messages wait in a queue until Pump(); timers
// fire when the test advances the manual clock past their deadline (time a handler spends
// leaves one tick pending, as the system coalesces them). Messages for a target that is no
// longer registered are dropped, as Windows drops messages to a destroyed window.
// A message posted to the frame that its main window would not hand on fails the test.
#pragma once

#include <deque>
#include <map>
#include <vector>

#include "platform/EventLoop.h"
#include "support/ManualClock.h"

namespace lumbrel::test {

struct PostedMessage {
    TargetId target;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

class FakeEventLoop : public EventLoop {
public:
    explicit FakeEventLoop(ManualClock& clock) : clock_(clock) {}

    void Register(TargetId id, MessageTarget* target) { targets_[id] = target; }
    void Unregister(TargetId id);

    // Delivers queued messages (and those they post) until the queue is empty; returns how
    // many were delivered.
    int Pump();
    // Moves the clock forward in steps, firing due timers in time order and pumping after each.
    void Advance(uint32_t milliseconds);

    const std::deque<PostedMessage>& Queue() const { return queue_; }
    bool TimerRunning(TargetId target, uint32_t timerId) const;
    uint32_t TimerPeriod(TargetId target, uint32_t timerId) const;
    // Count of queued messages with this number for this target.
    int Queued(TargetId target, uint32_t message) const;

    void Post(TargetId target, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void StartTimer(TargetId target, uint32_t timerId, uint32_t periodMs) override;
    void StopTimer(TargetId target, uint32_t timerId) override;

private:
    struct Timer {
        uint32_t period;
        uint64_t due;
    };
    ManualClock& clock_;
    std::map<TargetId, MessageTarget*> targets_;
    std::deque<PostedMessage> queue_;
    std::map<std::pair<TargetId, uint32_t>, Timer> timers_;
};

}  // namespace lumbrel::test
