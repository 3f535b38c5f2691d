// The mouse rules inside a running frame: the settings file's gestures and modes reach every
// view, the commands they run reach the frame, and the posted clicks reach the view's window.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "mouse/MouseViewHost.h"
#include "view/ViewScenario.h"

namespace lumbrel::test {
namespace {

constexpr const char* kGestureSettings =
    "\r\n[MouseGesture]\r\nN0=R\r\nC0=32935\r\nN1=L\r\nC1=32934\r\n";

void Move(CChildFrame* child, int x, int y, uint16_t keyState = kMouseRight) {
    child->View().OnViewMouse(PageMouse{PageMouseKind::Move, x, y, keyState, 0});
}
void RightUp(CChildFrame* child, int x, int y) {
    child->View().OnViewMouse(PageMouse{PageMouseKind::RightUp, x, y, 0, 0});
}

TEST(MouseWiring, AGestureFromTheSettingsFileSwitchesTheWindow) {
    FrameHarness h(kGestureSettings);
    CChildFrame* first = LoadedWindow(h, "http://a.example/");
    CChildFrame* second = LoadedWindow(h, "http://b.example/");
    ASSERT_EQ(h.Active(), second);
    h.BrowserOf(second).RaiseParentNotify(ChildNoticeKind::RightPress, 0, 100, 100);
    EXPECT_TRUE(h.WindowOf(second).mouse.captured);
    Move(second, 140, 100);
    RightUp(second, 140, 100);
    h.Pump();
    EXPECT_FALSE(h.WindowOf(second).mouse.captured);
    EXPECT_EQ(h.Active(), first) << "\"Next Window\" wraps to the first";
    EXPECT_EQ(h.WindowOf(second).mouse.posted, "") << "no context menu after a gesture";
    EXPECT_EQ(h.status.text, "Gesture: R => Next Window");
}

TEST(MouseWiring, ARightClickIsHandedBackToThePageForItsMenu) {
    FrameHarness h;
    CChildFrame* child = LoadedWindow(h, "http://a.example/");
    h.BrowserOf(child).RaiseParentNotify(ChildNoticeKind::RightPress, 0, 30, 40);
    RightUp(child, 31, 42);
    EXPECT_EQ(h.WindowOf(child).mouse.posted, "rup(31,42) ");
}

TEST(MouseWiring, TheModeCommandsExcludeEachOtherAndDragPageScrolls) {
    FrameHarness h;
    CChildFrame* child = LoadedWindow(h, "http://a.example/");
    h.Command(IDM_MOUSE_DRAG_PAGE);
    EXPECT_EQ(h.frame->Prefs().rMouseDrag, 1);
    EXPECT_EQ(h.frame->Prefs().rMouseGesture, 0);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_MOUSE_DRAG_PAGE).checked);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_MOUSE_GESTURE).checked);

    FakeBrowser& page = h.BrowserOf(child);
    page.document.pageHeight = 5000;
    page.document.scrollY = 1000;
    page.RaiseParentNotify(ChildNoticeKind::RightPress, 0, 100, 100);
    Move(child, 100, 160);
    RightUp(child, 100, 160);
    EXPECT_EQ(page.document.scrollY, 940) << "the content follows the mouse down";
    EXPECT_EQ(h.WindowOf(child).mouse.posted, "");

    h.Command(IDM_MOUSE_GESTURE);
    EXPECT_EQ(h.frame->Prefs().rMouseGesture, 1);
    EXPECT_EQ(h.frame->Prefs().rMouseDrag, 0);
}

TEST(MouseWiring, TheWheelWithTheRightButtonGoesToThePreviousWindow) {
    FrameHarness h;
    CChildFrame* first = LoadedWindow(h, "http://a.example/");
    CChildFrame* second = LoadedWindow(h, "http://b.example/");
    h.BrowserOf(first).RaiseParentNotify(ChildNoticeKind::RightPress, 0, 5, 5);
    h.Command(IDM_NEXT_WINDOW);
    ASSERT_EQ(h.Active(), first);
    EXPECT_TRUE(first->View().OnPageMouse(PageMouse{PageMouseKind::Wheel, 0, 0, kMouseRight, 120}));
    h.Pump();
    EXPECT_EQ(h.Active(), second);
    EXPECT_TRUE(first->View().OnPageMouse(PageMouse{PageMouseKind::RightUp, 5, 5, 0, 0}))
        << "the release after the switch opens no menu";
}

}  // namespace
}  // namespace lumbrel::test
