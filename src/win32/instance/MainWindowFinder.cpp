#include "win32/instance/MainWindowFinder.h"

namespace lumbrel::win32 {
namespace {

// A GetWindow walk can loop when windows are destroyed and created under it; no desktop has
// this many top-level windows.
constexpr int kMaxTopLevelWindows = 100000;

}  // namespace

bool MarkMainWindow(HWND window, const std::string& appName) {
    return SetPropA(window, appName.c_str(), reinterpret_cast<HANDLE>(1)) != FALSE;
}

void UnmarkMainWindow(HWND window, const std::string& appName) {
    RemovePropA(window, appName.c_str());
}

HWND FindMainWindow(const std::string& appName) {
    HWND window = GetWindow(GetDesktopWindow(), GW_CHILD);
    for (int i = 0; window && i < kMaxTopLevelWindows; ++i) {
        if (GetPropA(window, appName.c_str()))
            return window;
        window = GetWindow(window, GW_HWNDNEXT);
    }
    return nullptr;
}

RunningWindow DescribeMainWindow(HWND window) {
    RunningWindow running;
    if (!window || !IsWindow(window))
        return running;
    running.found = true;
    running.visible = IsWindowVisible(window) != FALSE;
    running.hasActivePopup = GetLastActivePopup(window) != window;
    return running;
}

void BringMainWindowForward(HWND window) {
    // Taken first: restoring activates the window itself, which would hide its dialog.
    HWND popup = GetLastActivePopup(window);
    // The asynchronous form: a hung running copy must not hang this one too.
    if (IsIconic(window))
        ShowWindowAsync(window, SW_RESTORE);
    SetForegroundWindow(popup);
}

bool WakeMainWindow(HWND window, unsigned timeoutMs) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, WM_HOTKEY, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
}

}  // namespace lumbrel::win32
