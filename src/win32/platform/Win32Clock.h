// The Clock port over GetLocalTime, the performance counter and GetTickCount.
#pragma once

#include "platform/Clock.h"

namespace lumbrel::win32 {

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
    int64_t PerformanceCounter() override;
    int64_t PerformanceFrequency() override;
    uint32_t TickCount() override;
};

}  // namespace lumbrel::win32
