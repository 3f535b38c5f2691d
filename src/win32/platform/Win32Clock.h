// The Clock port over GetLocalTime, the performance counter, GetTickCount and Sleep.
#pragma once

#include "platform/Clock.h"

namespace lumbrel::win32 {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
    int64_t PerformanceCounter() override;
    int64_t PerformanceFrequency() override;
    uint32_t TickCount() override;
    void Sleep(uint32_t milliseconds) override;
};

}  // namespace lumbrel::win32
