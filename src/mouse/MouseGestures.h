// The mouse inside one page: gestures drawn with the right button, drag-page scrolling, the six
// button actions and the rocker clicks, and the wheel turned with the right button.
//
// One per view. The binding hands it the view's button presses (parent notifications), the
// messages to the view while it holds the capture, and every queued mouse message for a window
// inside the view before it is dispatched; it answers through MouseViewHost. What all views
// share (the stroke ring and the right-button flags) lives in MouseShared, held by the main
// frame.
#pragma once

#include <cstdint>

#include "commands/MenuModel.h"
#include "mouse/GestureTable.h"
#include "mouse/MouseSettings.h"
#include "mouse/MouseViewHost.h"
#include "mouse/Strokes.h"
#include "platform/BrowserControl.h"
#include "platform/Clock.h"
#include "view/ViewState.h"

namespace lumbrel {

class Language;

// Shared by every view of the main frame.
struct MouseShared {
    StrokeRing ring;
    bool rightClickPending = false;  // the right press may still become a context-menu click
    bool swallowRightUp = false;     // the next right release in a page is eaten
    PagePoint lastClickPoint;        // of the last press in a page
};

// Where the mouse rules read what they need.
struct MouseEnvironment {
    const MouseSettings& settings;
    const GestureTable& gestures;
    const MenuItems& mainMenu;
    const Language& language;
    Clock& clock;
    MouseShared& shared;
};

// The last left press in the page, for the drag rules: every press stamps it, whatever the
// settings of the click record.
struct LeftPress {
    int64_t time = 0;  // performance counter; 0 = none yet
    PagePoint point;
};

enum class MouseButton { Left, Right, Middle };

// A queued mouse message as the message filter sees it.
struct MouseMessage {
    PageMouseKind kind = PageMouseKind::LeftDown;
    uint16_t keyState = 0;  // the low word of wParam
    int wheelDelta = 0;     // Wheel: the signed high word of wParam, positive away from the user
};

class MouseGestures {
public:
    MouseGestures(MouseEnvironment env, MouseViewHost& host, ClickRecord& clicks)
        : env_(env), host_(host), clicks_(clicks) {}

    // --- Commands
    // Runs `command` for a mouse action: 0 does nothing and succeeds; the three open-link
    // commands open the link under the cursor and fail when there is none; any other command
    // is posted to the main frame.
    bool RunMouseCommand(int command);
    static bool IsOpenLinkCommand(int command);

    // --- The view's window
    // A button went down over a window inside the view (after the view's own notice handling).
    void OnButtonPress(MouseButton button, PagePoint point);
    // A move to the view; true when it was used and gets no default handling.
    bool OnMouseMove(PagePoint point, uint16_t keyState);
    // The right button came up at the view while it held the capture.
    void OnRightUp(PagePoint point, uint16_t keyState);
    // The left button came up at the view.
    void OnLeftUp();
    // A queued mouse message for a window inside the view; true when it is eaten.
    bool PreTranslate(const MouseMessage& mouse);

    // --- A drag the page started with the right button
    // Dragged out of the view: the sequence ends without a gesture or a context menu.
    void OnDragLeave();

    // Ends a right-button sequence early: the coming right release is eaten.
    void EndRightSequence();

    bool RightCaptured() const { return rightCaptured_; }
    const LeftPress& LastLeftPress() const { return lastLeftPress_; }

private:
    bool Gestures() const { return env_.settings.rMouseGesture != 0; }
    bool DragPage() const { return env_.settings.rMouseDrag != 0; }
    void StampLeftAsLast();
    void EndCapture();
    void ShowGestureStatus();
    void ReleaseRightCaptured(PagePoint point, uint16_t keyState);

    MouseEnvironment env_;
    MouseViewHost& host_;
    ClickRecord& clicks_;
    bool rightCaptured_ = false;
    bool rightCommandRan_ = false;  // the "Right Click" command took the current press
    PagePoint strokeOrigin_;
    PagePoint dragLast_;
    LeftPress lastLeftPress_;
};

// The main frame's wheel (the focus is outside the page): the active page scrolls by 20 and
// then 30 pixels, up for a positive delta. Nothing without an active page.
void ScrollPageByFrameWheel(BrowserControl* activePage, int delta);

}  // namespace lumbrel
