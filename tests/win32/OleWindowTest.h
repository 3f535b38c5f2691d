// A test fixture for code that hosts COM controls: OLE initialised on the test thread, a
// visible top-level window to put them in, and a message pump bounded in time (Wine's engine
// delivers most of its work through posted messages).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "win32/platform/WinApi.h"

namespace lumbrel::test {

class OleWindowTest : public ::testing::Test {
protected:
    static constexpr DWORD kEventTimeoutMs = 10000;

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        RegisterClassExA(&wc);
        window_ = CreateWindowExA(0, kClassName, "Lumbrel test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 640, 480, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
    }

    // Derived fixtures release their controls first: nothing of OLE may outlive this.
    void TearDown() override {
        if (window_)
            DestroyWindow(window_);
        OleUninitialize();
    }

    // Dispatches messages until `done` holds or the time is up; false on time-out.
    template <class Done>
    static bool PumpUntil(Done done, DWORD timeoutMs = kEventTimeoutMs) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (;;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            if (done())
                return true;
            ULONGLONG now = GetTickCount64();
            if (now >= end)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                      static_cast<DWORD>(std::min<ULONGLONG>(20, end - now)),
                                      QS_ALLINPUT);
        }
    }

    HWND window_ = nullptr;

private:
    static constexpr const char* kClassName = "LumbrelOleTestWindow";
};

}  // namespace lumbrel::test
