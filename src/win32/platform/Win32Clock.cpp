#include "win32/platform/Win32Clock.h"

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth,  st.wDay,    st.wDayOfWeek,
                     st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

int64_t Win32Clock::PerformanceCounter() {
    LARGE_INTEGER value{};
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

int64_t Win32Clock::PerformanceFrequency() {
    LARGE_INTEGER value{};
    if (!QueryPerformanceFrequency(&value) || value.QuadPart <= 0)
        return 1000;
    return value.QuadPart;
}

uint32_t Win32Clock::TickCount() {
    return GetTickCount();
}

void Win32Clock::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace lumbrel::win32
