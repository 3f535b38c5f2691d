// What the mouse rules need of a view's window and page. The Windows binding answers for the
// real view (capture, the window under a point, posted clicks, the page's scrolling); tests
// record the calls. Points are in the view's client coordinates.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/PageMouseWindow.h"
#include "view/ViewState.h"

namespace lumbrel {

// Key state of a mouse message (its wParam's low word).
inline constexpr uint16_t kMouseLeft = 0x0001;
inline constexpr uint16_t kMouseRight = 0x0002;
inline constexpr uint16_t kMouseShift = 0x0004;
inline constexpr uint16_t kMouseControl = 0x0008;
inline constexpr uint16_t kMouseMiddle = 0x0010;

class MouseViewHost {
public:
    virtual ~MouseViewHost() = default;

    // --- The view's window
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // The window under `point`; nothing when there is none.
    virtual std::optional<WindowAtPoint> WindowAt(PagePoint point) = 0;
    // Posts WM_RBUTTONUP at `point` with `keyState` to `window` (in its client coordinates).
    virtual void PostRightUp(const WindowAtPoint& window, PagePoint point, uint16_t keyState) = 0;
    // Posts a left press and a left release at `point`, without key state, to the window under it.
    virtual void PostLeftClick(PagePoint point) = 0;
    // The mouse cursor now.
    virtual PagePoint CursorInView() = 0;

    // --- The page
    // The address of the link under `point` (the element there or its first "A" parent).
    virtual std::string LinkAt(PagePoint point) = 0;
    // Scrolls the page by (dx, dy) pixels.
    virtual void ScrollPage(int dx, int dy) = 0;

    // --- The rest of the program
    // How the next link navigation of this view opens (kOpenLinkInNewWindow | open flags).
    virtual void SetPendingOpenMode(int mode) = 0;
    // Posts WM_COMMAND `id` to the main frame.
    virtual void PostCommand(int id) = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    // A press updates the click record while links open in new windows, automatic windows are
    // killed or the window is locked.
    virtual bool KeepsClickRecord() = 0;
    // The view is closing: its page is not scrolled any more.
    virtual bool Closing() = 0;
};

}  // namespace lumbrel
