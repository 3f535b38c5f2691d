// The window messages and timers of the main frame and its browser windows. The private
// messages keep their numbers (another instance sends UM_HANDOVER by number); the system
// message numbers are those of Windows, for the messages the core posts itself.
#pragma once

#include <cstdint>

#include "platform/EventLoop.h"

namespace lumbrel {

// Private messages of the main frame (both parameters 0 unless stated).
inline constexpr uint32_t UM_HANDOVER = 0x1400;           // a second instance handed over a URL
inline constexpr uint32_t UM_FAVORITES_CHANGED = 0x1401;  // wParam: 2 = menus only
inline constexpr uint32_t UM_TAB_LAYOUT = 0x1402;         // wParam: 2 = even with same rows
inline constexpr uint32_t UM_TAB_TIPS = 0x1403;
inline constexpr uint32_t UM_REBUILD_TOOLBAR = 0x1404;
inline constexpr uint32_t UM_ACTIVATE_CHILD = 0x1405;  // lParam: the ChildId
inline constexpr uint32_t UM_DEFERRED_INIT = 0x1406;
inline constexpr uint32_t UM_TAB_SELECTED = 0x1407;
// The popup filter asks a question it put off inside an engine event.
inline constexpr uint32_t UM_CONFIRM_POPUP = 0x1408;
// Private message of a browser window: give the keyboard focus to its page. It shares its
// number with UM_HANDOVER on purpose: the two go to different windows (a browser window, the
// main window) and each window answers only its own table, while UM_HANDOVER's number is
// fixed by the second instances that send it, of this version and of older ones.
inline constexpr uint32_t UM_FOCUS_PAGE = 0x1400;

// The private messages the frame answers through CMainFrame::OnPosted. The binding's main
// window forwards exactly these, and the test event loop delivers exactly these to the frame,
// so a message the core posts to the frame that the binding would not forward fails a test.
// UM_HANDOVER is not among them: the binding first reads the handed-over record.
inline constexpr uint32_t kForwardedFrameMessages[] = {
    UM_FAVORITES_CHANGED, UM_TAB_LAYOUT,   UM_TAB_TIPS,      UM_ACTIVATE_CHILD,
    UM_DEFERRED_INIT,     UM_TAB_SELECTED, UM_CONFIRM_POPUP,
};
constexpr bool IsForwardedFrameMessage(uint32_t message) {
    for (uint32_t forwarded : kForwardedFrameMessages)
        if (forwarded == message)
            return true;
    return false;
}

// Windows messages the core posts or answers.
inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmCommand = 0x0111;
inline constexpr uint32_t kWmHotKey = 0x0312;
// The Windows messages the core posts to the frame; the binding's window procedure answers
// each with the same call as OnPosted does (WM_CLOSE: the close request, WM_COMMAND: the
// command, WM_HOTKEY: show or hide).
inline constexpr uint32_t kFrameSystemMessages[] = {kWmClose, kWmCommand, kWmHotKey};

// Timers of the main frame.
inline constexpr uint32_t kUiTickTimer = 1530;  // 750 ms
inline constexpr uint32_t kIconTimer = 99;      // 250 ms
inline constexpr uint32_t kOpenQueueTimer = 1000;
inline constexpr uint32_t kUiTickPeriodMs = 750;
inline constexpr uint32_t kIconPeriodMs = 250;

// The main frame's message target; browser windows use their ChildId.
inline constexpr TargetId kFrameTarget = 1;

}  // namespace lumbrel
