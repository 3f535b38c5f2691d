// Helpers of the hand-over tests: object names no real copy of the program uses, a stand-in
// for the running main window, and a message pump that runs while other processes talk to it.
#pragma once

#include "win32/platform/WinApi.h"

#include <string>
#include <vector>

#include "frame/FrameMessages.h"
#include "instance/HandOverRecord.h"
#include "win32/instance/HandOverReceiver.h"
#include "win32/instance/InstanceNames.h"
#include "win32/instance/MainWindowFinder.h"

namespace lumbrel::win32::test {

// Names of this process's own, different for each call.
inline InstanceNames UniqueNames() {
    static int serial = 0;
    const std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    return InstanceNames{"LumbrelTest-" + tag, "LumbrelTestMutex-" + tag,
                         "LumbrelTestShare-" + tag};
}

// A hidden top-level window marked as the main window: it takes the record on UM_HANDOVER
// through the receiver, as the main frame does, and counts WM_HOTKEY wake-ups.
class TestMainWindow {
public:
    explicit TestMainWindow(const InstanceNames& names, DWORD style = WS_POPUP,
                            HWND owner = nullptr)
        : names_(names) {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &TestMainWindow::Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "LumbrelTestMainWindow";
            return RegisterClassA(&wc);
        }();
        hwnd_ = CreateWindowExA(0, MAKEINTATOM(atom), "test", style, 10, 10, 200, 100, owner,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        if (!owner)
            MarkMainWindow(hwnd_, names_.appName);
    }
    ~TestMainWindow() {
        UnmarkMainWindow(hwnd_, names_.appName);
        DestroyWindow(hwnd_);
    }
    TestMainWindow(const TestMainWindow&) = delete;
    TestMainWindow& operator=(const TestMainWindow&) = delete;

    HWND Handle() const { return hwnd_; }

    std::vector<HandOverReceipt> receipts;
    int wakes = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestMainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && message == UM_HANDOVER) {
            self->receipts.push_back(ReceiveHandOver(self->names_.mappingName));
            return 0;
        }
        if (self && message == WM_HOTKEY && wParam == 0 && lParam == 0) {
            ++self->wakes;
            ShowWindow(hwnd, SW_SHOWNOACTIVATE);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    InstanceNames names_;
    HWND hwnd_ = nullptr;
};

inline void PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Dispatches this thread's messages (and the messages other processes send to its windows)
// until every process has ended; false when one still runs after `limitMs`, a limit only
// there so that a broken hand-over fails instead of hanging the run.
inline bool PumpUntilEnded(const std::vector<HANDLE>& processes, DWORD limitMs = 60000) {
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    for (;;) {
        PumpPendingMessages();
        bool allEnded = true;
        for (HANDLE process : processes)
            allEnded = allEnded && WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        if (allEnded)
            return true;
        if (GetTickCount64() > deadline)
            return false;
        MsgWaitForMultipleObjects(static_cast<DWORD>(processes.size()), processes.data(), FALSE, 50,
                                  QS_ALLINPUT);
    }
}

}  // namespace lumbrel::win32::test
