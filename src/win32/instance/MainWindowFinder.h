// How a second start finds the running main window and brings it to the user. The main window
// carries a property named after the application from its creation to its destruction; the
// finder walks the top-level windows in window-list order for the first one carrying it.
// Nothing here waits for the other process longer than a bounded time.
#pragma once

#include <string>

#include "app/CBrowserApp.h"
#include "platform/RunningInstance.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

// Sets the marker property on the program's main window (at its creation) / removes it
// (before it is destroyed: a property must not outlive its window).
bool MarkMainWindow(HWND window, const std::string& appName = CBrowserApp::kAppName);
void UnmarkMainWindow(HWND window, const std::string& appName = CBrowserApp::kAppName);

// The first top-level window, from the desktop's first child on, that carries the marker;
// null when there is none.
HWND FindMainWindow(const std::string& appName = CBrowserApp::kAppName);

// Found, visible, and whether it shows a popup of its own (a dialog, a message box).
RunningWindow DescribeMainWindow(HWND window);

// Restores the window if minimised and brings its last active popup to the foreground.
void BringMainWindowForward(HWND window);

// Sends WM_HOTKEY with both parameters 0, which makes a hidden main window show itself.
// False when the window did not answer within `timeoutMs`.
bool WakeMainWindow(HWND window, unsigned timeoutMs);

}  // namespace lumbrel::win32
