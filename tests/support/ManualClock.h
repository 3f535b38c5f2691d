// A clock that moves only when the test says so (or the program sleeps). The performance counter
// runs at 10 MHz.
#pragma once

#include "platform/Clock.h"

namespace lumbrel::test {

class ManualClock : public Clock {
public:
    static constexpr int64_t kFrequency = 10'000'000;

    void Advance(uint32_t milliseconds) {
        ms_ += milliseconds;
        counter_ += static_cast<int64_t>(milliseconds) * (kFrequency / 1000);
    }
    void SetNow(const LocalTime& now) { now_ = now; }
    uint64_t ElapsedMs() const { return ms_; }

    LocalTime Now() override { return now_; }
    int64_t PerformanceCounter() override { return counter_; }
    int64_t PerformanceFrequency() override { return kFrequency; }
    uint32_t TickCount() override { return static_cast<uint32_t>(ms_); }
    // Time passes as it would; `slept` counts it.
    void Sleep(uint32_t milliseconds) override {
        slept += milliseconds;
        Advance(milliseconds);
    }
    uint64_t slept = 0;

private:
    LocalTime now_{2026, 12, 9, 3, 10, 30, 0, 0};
    uint64_t ms_ = 1000;
    int64_t counter_ = 123456789;
};

}  // namespace lumbrel::test
