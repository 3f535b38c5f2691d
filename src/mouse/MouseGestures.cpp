#include "mouse/MouseGestures.h"

#include <string_view>

#include "commands/CommandIds.h"
#include "frame/WindowListRules.h"
#include "mouse/GestureStatus.h"

namespace lumbrel {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Wider than the link-like test of typed text: a click on a script or mail link follows it too.
bool IsClickableLink(std::string_view link) {
    static constexpr std::string_view kPrefixes[] = {
        "http://", "file://",     "https://",    "www.",      "ftp://", "ftp.",
        "res://",  "about:blank", "javascript:", "vbscript:", "mailto:"};
    for (std::string_view prefix : kPrefixes)
        if (StartsWith(link, prefix))
            return true;
    return link.size() >= 2 && link[1] == ':' &&
           (link.size() == 2 || link[2] == '/' || link[2] == '\\');
}

int OpenModeOf(int command) {
    switch (command) {
        case IDM_OPEN_LINK_FOREGROUND:
            return kOpenForeground;
        case IDM_OPEN_LINK_BACKGROUND:
            return kOpenBackground;
        default:
            return kOpenLinkInNewWindow;
    }
}

}  // namespace

bool MouseGestures::IsOpenLinkCommand(int command) {
    return command == IDM_OPEN_LINK || command == IDM_OPEN_LINK_FOREGROUND ||
           command == IDM_OPEN_LINK_BACKGROUND;
}

bool MouseGestures::RunMouseCommand(int command) {
    if (command == 0)
        return true;
    if (!IsOpenLinkCommand(command)) {
        host_.PostCommand(command);
        return true;
    }
    const PagePoint at = host_.CursorInView();
    if (!IsClickableLink(host_.LinkAt(at)))
        return false;
    env_.shared.lastClickPoint = at;
    host_.SetPendingOpenMode(OpenModeOf(command));
    StampLeftAsLast();
    // The page follows the link as after a real click; the navigation rules open it as the
    // pending mode says.
    host_.PostLeftClick(at);
    return true;
}

void MouseGestures::StampLeftAsLast() {
    clicks_.leftClickTime = env_.clock.PerformanceCounter();
    clicks_.lastButton = LastButton::LeftOrOther;
}

void MouseGestures::EndCapture() {
    rightCaptured_ = false;
    host_.ReleaseMouse();
}

void MouseGestures::OnButtonPress(MouseButton button, PagePoint point) {
    const MouseSettings& settings = env_.settings;
    env_.shared.lastClickPoint = point;
    if (button == MouseButton::Left) {
        lastLeftPress_ = LeftPress{env_.clock.PerformanceCounter(), point};
        if (settings.lButtonDown && RunMouseCommand(settings.lButtonDown)) {
            if (IsOpenLinkCommand(settings.lButtonDown))
                StampLeftAsLast();
            return;
        }
    }
    if (button == MouseButton::Right) {
        // A release that went to another program left this set; it belongs to no press now.
        env_.shared.swallowRightUp = false;
        rightCommandRan_ = false;
        if (settings.rButtonDown && RunMouseCommand(settings.rButtonDown)) {
            host_.CaptureMouse();
            rightCaptured_ = true;
            rightCommandRan_ = true;
            // The command may close this view, and its capture with it: the release then
            // reaches another page, which must not open its menu for it.
            env_.shared.swallowRightUp = true;
            env_.shared.rightClickPending = false;
            if (IsOpenLinkCommand(settings.rButtonDown))
                StampLeftAsLast();
            return;
        }
    }
    if (host_.KeepsClickRecord()) {
        if (button == MouseButton::Left) {
            StampLeftAsLast();
            clicks_.leftClickPoint = point;
            clicks_.leftClickArmed = true;
            return;
        }
        if (button == MouseButton::Right) {
            clicks_.rightClickTime = env_.clock.PerformanceCounter();
            clicks_.lastButton = LastButton::Right;
        }
    }
    if (button == MouseButton::Right && (DragPage() || Gestures())) {
        host_.CaptureMouse();
        strokeOrigin_ = dragLast_ = point;
        rightCaptured_ = true;
        env_.shared.ring.Reset();
        env_.shared.rightClickPending = true;
    }
}

bool MouseGestures::OnMouseMove(PagePoint point, uint16_t keyState) {
    if (!rightCaptured_ || rightCommandRan_)
        return false;
    if (DragPage() && (point.x != dragLast_.x || point.y != dragLast_.y)) {
        if (!host_.Closing())
            host_.ScrollPage(dragLast_.x - point.x, dragLast_.y - point.y);
        dragLast_ = point;
        env_.shared.rightClickPending = false;
        return true;
    }
    // Ctrl or Shift with the right button is the page's own business (selection, menus).
    if (Gestures() && keyState == kMouseRight) {
        const char letter = QuantiseStroke(point.x - strokeOrigin_.x, point.y - strokeOrigin_.y);
        if (letter != 0) {
            env_.shared.ring.Add(letter);
            strokeOrigin_ = point;
            ShowGestureStatus();
        }
    }
    return false;
}

void MouseGestures::ShowGestureStatus() {
    if (!env_.settings.showGesture || env_.shared.ring.Empty())
        return;
    const std::string letters = env_.shared.ring.Text();
    host_.ShowStatus(GestureStatusText(letters, LookupGesture(env_.gestures, letters),
                                       env_.mainMenu, env_.language));
}

void MouseGestures::OnRightUp(PagePoint point, uint16_t keyState) {
    if (!rightCaptured_)
        return;
    EndCapture();
    if (rightCommandRan_) {
        env_.shared.swallowRightUp = false;  // the release came back here: nothing to eat
        return;
    }
    if (!DragPage()) {
        const std::string gesture = env_.shared.ring.Take();
        if (!gesture.empty()) {
            // A drawn gesture never ends in a context menu, matched or not.
            if (const int32_t command = LookupGesture(env_.gestures, gesture))
                RunMouseCommand(command);
            return;
        }
    }
    if (!env_.shared.rightClickPending)
        return;
    env_.shared.rightClickPending = false;
    // A release outside the page (Ctrl or Shift held, or moved off the window) must not hand a
    // click to whatever other program lies under the point.
    const std::optional<WindowAtPoint> under = host_.WindowAt(point);
    if (under && under->insideView)
        host_.PostRightUp(*under, point, keyState);
}

void MouseGestures::OnLeftUp() {
    if (rightCaptured_)
        EndCapture();
}

void MouseGestures::EndRightSequence() {
    if (env_.shared.swallowRightUp)
        return;
    rightCaptured_ = false;
    host_.ReleaseMouse();
    env_.shared.swallowRightUp = true;
}

void MouseGestures::OnDragLeave() {
    if (rightCaptured_)
        EndCapture();
    env_.shared.ring.Reset();
    env_.shared.rightClickPending = false;
}

bool MouseGestures::PreTranslate(const MouseMessage& mouse) {
    const MouseSettings& settings = env_.settings;
    switch (mouse.kind) {
        case PageMouseKind::RightUp:
            if (env_.shared.swallowRightUp) {
                env_.shared.swallowRightUp = false;
                if (rightCaptured_)
                    EndCapture();
                return true;
            }
            if (settings.leftRight && mouse.keyState == kMouseLeft) {
                clicks_.rightClickTime = 0;
                RunMouseCommand(settings.leftRight);
                return true;
            }
            return false;
        case PageMouseKind::LeftUp:
            StampLeftAsLast();
            if (settings.rightLeft && mouse.keyState == kMouseRight) {
                clicks_.leftClickTime = 0;
                RunMouseCommand(settings.rightLeft);
                EndRightSequence();
                return true;
            }
            return false;
        case PageMouseKind::Wheel:
            if (settings.wheelTab && mouse.keyState == kMouseRight) {
                RunMouseCommand(mouse.wheelDelta > 0 ? IDM_PREVIOUS_WINDOW : IDM_NEXT_WINDOW);
                EndRightSequence();
                return true;
            }
            return false;
        case PageMouseKind::MiddleDown:
            if (!settings.mButtonDown || !RunMouseCommand(settings.mButtonDown))
                return false;
            if (IsOpenLinkCommand(settings.mButtonDown))
                StampLeftAsLast();
            return true;
        case PageMouseKind::DoubleClick:
            if (!settings.lDbClick)
                return false;
            RunMouseCommand(settings.lDbClick);
            return true;
        case PageMouseKind::LeftDown:
        case PageMouseKind::RightDown:
        case PageMouseKind::Move:
            return false;
    }
    return false;
}

void ScrollPageByFrameWheel(BrowserControl* activePage, int delta) {
    if (activePage == nullptr)
        return;
    const int sign = delta > 0 ? -1 : 1;
    activePage->ScrollPage(0, sign * 20);
    activePage->ScrollPage(0, sign * 30);
}

}  // namespace lumbrel
