// Time sources: the local wall-clock time, a monotonic high-resolution counter and the
// system tick count. Tests drive a manual clock.
#pragma once

#include <cstdint>

namespace lumbrel {

struct LocalTime {
    int year = 0, month = 0, day = 0, dayOfWeek = 0;  // month 1-12, dayOfWeek 0 = Sunday
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    virtual int64_t PerformanceCounter() = 0;    // ticks of PerformanceFrequency()
    virtual int64_t PerformanceFrequency() = 0;  // ticks per second, > 0
    virtual uint32_t TickCount() = 0;            // milliseconds since start, wraps
    // Blocks the calling thread (the pace of a smooth movement on the UI thread).
    virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace lumbrel
