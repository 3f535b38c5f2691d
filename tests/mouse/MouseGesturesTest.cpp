#include <gtest/gtest.h>

#include <memory>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "language/Language.h"
#include "mouse/FakeMouseHost.h"
#include "mouse/MouseGestures.h"
#include "support/FakeBrowser.h"
#include "support/FakeFileSystem.h"
#include "support/LanguageFiles.h"
#include "support/ManualClock.h"

namespace lumbrel {
namespace {

constexpr int kClose = IDM_CLOSE;

// A page nobody listens to: the frame wheel only scrolls it.
class SilentEvents : public BrowserEvents {
public:
    void OnBeforeNavigate2(const BeforeNavigateArgs&, bool&) override {}
    void OnNavigateComplete2(const std::string&, FrameToken, bool) override {}
    void OnDocumentComplete(const std::string&, FrameToken, bool) override {}
    void OnNavigateError(const std::string&, FrameToken, int32_t, bool&) override {}
    void OnTitleChange(const std::string&) override {}
    void OnProgressChange(int32_t, int32_t) override {}
    void OnStatusTextChange(const std::string&) override {}
    void OnCommandStateChange(int32_t, bool) override {}
    void OnDownloadBegin() override {}
    void OnDownloadComplete() override {}
    BrowserControl* OnNewWindow2(bool&) override { return nullptr; }
    KeyVerdict OnPageKey(const PageKey&) override { return KeyVerdict::Deliver; }
    bool OnPageMouse(const PageMouse&) override { return false; }
    void OnParentNotify(const ChildNotice&) override {}
};

class MouseGesturesTest : public ::testing::Test {
protected:
    MouseGesturesTest() { settings.showGesture = 0; }

    // A right press at `from`, moves through `path` with `keyState`, the release at the end.
    void RightDrag(PagePoint from, std::initializer_list<PagePoint> path,
                   uint16_t keyState = kMouseRight) {
        mouse.OnButtonPress(MouseButton::Right, from);
        PagePoint at = from;
        for (PagePoint p : path) {
            mouse.OnMouseMove(p, keyState);
            at = p;
        }
        mouse.OnRightUp(at, 0);
    }

    MouseSettings settings;
    GestureTable gestures;
    Language language;
    test::ManualClock clock;
    MouseShared shared;
    ClickRecord clicks;
    test::FakeMouseHost host;
    MouseGestures mouse{
        {settings, gestures, BuiltinMainMenu(), language, clock, shared}, host, clicks};
};

TEST_F(MouseGesturesTest, AClickOrAMoveOfEightPixelsOpensTheContextMenuAtTheRelease) {
    RightDrag({100, 100}, {});
    EXPECT_EQ(host.log, "capture release rup1(100,100)k0 ");
    host.log.clear();
    RightDrag({100, 100}, {{108, 100}, {100, 92}, {95, 105}, {105, 106}});
    EXPECT_EQ(host.log, "capture release rup1(105,106)k0 ");
    EXPECT_FALSE(host.captured);
}

TEST_F(MouseGesturesTest, ADrawnStrokeRunsItsCommandOrNothingButNeverAContextMenu) {
    gestures.Add("R", kClose);
    RightDrag({100, 100}, {{130, 100}});
    EXPECT_EQ(host.log, "capture release cmd" + std::to_string(kClose) + " ");
    host.log.clear();
    RightDrag({100, 100}, {{100, 130}});
    EXPECT_EQ(host.log, "capture release ") << "unmatched: no command and no context menu";
}

TEST_F(MouseGesturesTest, RepeatedStrokesAreOneLetterAndSlowMovesAccumulate) {
    gestures.Add("RD", 42);
    // Slow moves of 5 pixels each only count once they add up to a stroke.
    RightDrag({0, 0}, {{5, 0}, {10, 0}, {30, 0}, {60, 2}, {61, 40}});
    EXPECT_EQ(host.log, "capture release cmd42 ");
}

TEST_F(MouseGesturesTest, NineAlternatingStrokesAreJudgedByTheLastEight) {
    gestures.Add("RLRLRLRL", 1);
    gestures.Add("LRLRLRLR", 2);
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    for (int i = 0; i < 9; ++i)
        mouse.OnMouseMove({i % 2 == 0 ? 20 : 0, 0}, kMouseRight);
    mouse.OnRightUp({20, 0}, 0);
    EXPECT_EQ(host.log, "capture release cmd2 ");
}

TEST_F(MouseGesturesTest, MovesWithCtrlOrShiftAddNoStroke) {
    gestures.Add("R", kClose);
    RightDrag({0, 0}, {{40, 0}}, kMouseRight | kMouseControl);
    RightDrag({0, 0}, {{40, 0}}, kMouseRight | kMouseShift);
    EXPECT_EQ(host.log, "capture release rup1(40,0)k0 capture release rup1(40,0)k0 ");
}

TEST_F(MouseGesturesTest, AReleaseOverAnotherProgramsWindowGetsNoClick) {
    host.outsideView = true;
    RightDrag({10, 10}, {{10, 900}}, kMouseRight | kMouseShift);
    EXPECT_EQ(host.log, "capture release ");
}

TEST_F(MouseGesturesTest, DragPageScrollsSoTheContentFollowsTheMouseAndOpensNoMenu) {
    settings.rMouseDrag = 1;
    settings.rMouseGesture = 0;
    mouse.OnButtonPress(MouseButton::Right, {100, 100});
    EXPECT_TRUE(mouse.OnMouseMove({100, 130}, kMouseRight)) << "no default handling";
    EXPECT_TRUE(mouse.OnMouseMove({90, 150}, kMouseRight | kMouseShift));
    EXPECT_EQ(host.scrolledX, 10);
    EXPECT_EQ(host.scrolledY, -50);
    mouse.OnRightUp({90, 150}, 0);
    EXPECT_EQ(host.log, "capture release ");
    host.log.clear();
    RightDrag({5, 5}, {});
    EXPECT_EQ(host.log, "capture release rup1(5,5)k0 ") << "a click still opens the menu";
    host.closing = true;
    RightDrag({5, 5}, {{50, 50}});
    EXPECT_EQ(host.scrolledY, -50) << "a closing view's page is left alone";
}

TEST_F(MouseGesturesTest, ARightClickCommandTakesThePressUnlessItIsALinkCommandWithoutALink) {
    gestures.Add("R", kClose);
    settings.rButtonDown = IDM_BLANK_PAGE;
    RightDrag({0, 0}, {{40, 0}});
    EXPECT_EQ(host.log, "cmd" + std::to_string(IDM_BLANK_PAGE) + " capture release ")
        << "neither a gesture nor a context menu";

    host.log.clear();
    settings.rButtonDown = IDM_OPEN_LINK_BACKGROUND;
    RightDrag({0, 0}, {{40, 0}});
    EXPECT_EQ(host.log, "capture release cmd" + std::to_string(kClose) + " ")
        << "no link: as if no command were set";
    host.log.clear();
    RightDrag({0, 0}, {});
    EXPECT_EQ(host.log, "capture release rup1(0,0)k0 ");

    host.log.clear();
    host.cursor = {7, 8};
    host.links[{7, 8}] = "http://a.example/";
    RightDrag({7, 8}, {});
    EXPECT_EQ(host.log, "mode4 lclick(7,8) capture release ");
    EXPECT_EQ(clicks.lastButton, LastButton::LeftOrOther);
    EXPECT_NE(clicks.leftClickTime, 0);
}

TEST_F(MouseGesturesTest, TheWheelWithTheRightButtonSwitchesWindowsAndEatsTheRelease) {
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::Wheel, kMouseRight, 120}));
    EXPECT_FALSE(host.captured);
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::Wheel, kMouseRight, -120}));
    EXPECT_EQ(host.log, "capture cmd" + std::to_string(IDM_PREVIOUS_WINDOW) + " release cmd" +
                            std::to_string(IDM_NEXT_WINDOW) + " ");
    mouse.OnRightUp({0, 0}, 0);
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::RightUp, 0, 0})) << "the release is eaten";
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::RightUp, 0, 0})) << "and only it";
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::Wheel, kMouseRight | kMouseShift, 120}));
    settings.wheelTab = 0;
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::Wheel, kMouseRight, 120}));
}

TEST_F(MouseGesturesTest, ASwallowedReleaseThatNeverCameIsForgottenAtTheNextPress) {
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    mouse.PreTranslate({PageMouseKind::Wheel, kMouseRight, 120});
    // The release happened over another program; the next click is an ordinary one.
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::RightUp, 0, 0}));
}

TEST_F(MouseGesturesTest, RockerClicksNeedExactlyTheOtherButtonHeld) {
    settings.leftRight = 11;
    settings.rightLeft = 22;
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::RightUp, kMouseLeft | kMouseShift, 0}));
    clicks.rightClickTime = 5;
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::RightUp, kMouseLeft, 0}));
    EXPECT_EQ(clicks.rightClickTime, 0);
    EXPECT_EQ(host.log, "cmd11 ");

    host.log.clear();
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::LeftUp, 0, 0}));
    EXPECT_NE(clicks.leftClickTime, 0) << "every left release is a click";
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::LeftUp, kMouseRight, 0}));
    EXPECT_EQ(clicks.leftClickTime, 0);
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::RightUp, 0, 0})) << "its release is eaten";
    EXPECT_EQ(host.log, "capture cmd22 release ");
}

TEST_F(MouseGesturesTest, MiddleAndDoubleClicks) {
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::MiddleDown, 0, 0}));
    settings.mButtonDown = IDM_OPEN_LINK_FOREGROUND;
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::MiddleDown, 0, 0}))
        << "no link under the cursor: the page has the click";
    host.cursor = {3, 4};
    host.links[{3, 4}] = "javascript:go()";
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::MiddleDown, 0, 0}));
    EXPECT_EQ(host.log, "mode2 lclick(3,4) ");
    EXPECT_EQ(shared.lastClickPoint.x, 3);

    host.links[{3, 4}] = "news:x";
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::MiddleDown, 0, 0})) << "not a link";
    host.links[{3, 4}] = "c:";
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::MiddleDown, 0, 0}));

    host.log.clear();
    EXPECT_FALSE(mouse.PreTranslate({PageMouseKind::DoubleClick, 0, 0}));
    settings.lDbClick = IDM_OPEN_LINK;
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::DoubleClick, 0, 0}))
        << "eaten even when the command fails";
    host.links.clear();
    EXPECT_TRUE(mouse.PreTranslate({PageMouseKind::DoubleClick, 0, 0}));
    EXPECT_EQ(host.log, "mode1 lclick(3,4) ");
}

TEST_F(MouseGesturesTest, ALeftClickCommandFinishesThePressAndLeavesTheClickRecord) {
    host.keepsClickRecord = true;
    settings.lButtonDown = 77;
    mouse.OnButtonPress(MouseButton::Left, {9, 9});
    EXPECT_EQ(host.log, "cmd77 ");
    EXPECT_FALSE(clicks.leftClickArmed);
    settings.lButtonDown = 0;
    mouse.OnButtonPress(MouseButton::Left, {9, 9});
    EXPECT_TRUE(clicks.leftClickArmed);
    EXPECT_EQ(clicks.leftClickPoint.y, 9);
}

TEST_F(MouseGesturesTest, EveryLeftPressIsStampedForTheDragRules) {
    host.keepsClickRecord = false;
    mouse.OnButtonPress(MouseButton::Left, {12, 34});
    const int64_t first = mouse.LastLeftPress().time;
    EXPECT_NE(first, 0);
    EXPECT_EQ(clicks.leftClickTime, 0) << "the click record itself stays as the settings say";
    clock.Advance(5000);
    mouse.OnButtonPress(MouseButton::Left, {50, 60});
    EXPECT_GT(mouse.LastLeftPress().time, first);
    EXPECT_EQ(mouse.LastLeftPress().point.x, 50);
}

TEST_F(MouseGesturesTest, DraggingOutOfTheWindowEndsTheGestureWithoutRunningIt) {
    gestures.Add("R", kClose);
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    mouse.OnMouseMove({40, 0}, kMouseRight);
    mouse.OnDragLeave();
    EXPECT_FALSE(mouse.RightCaptured());
    EXPECT_TRUE(shared.ring.Empty());
    mouse.OnRightUp({40, 0}, 0);
    EXPECT_EQ(host.log, "capture release ");
}

TEST_F(MouseGesturesTest, ALeftReleaseEndsTheCapture) {
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    mouse.OnLeftUp();
    mouse.OnRightUp({0, 0}, 0);
    EXPECT_EQ(host.log, "capture release ");
}

TEST_F(MouseGesturesTest, WithGesturesAndDragPageOffTheRightButtonIsThePagesOwn) {
    settings.rMouseGesture = 0;
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    EXPECT_FALSE(mouse.OnMouseMove({40, 0}, kMouseRight));
    mouse.OnRightUp({40, 0}, 0);
    EXPECT_EQ(host.log, "");
}

TEST_F(MouseGesturesTest, TheStatusLineNamesTheGestureAndItsCommand) {
    settings.showGesture = 1;
    gestures.Add("RD", IDM_CLOSE);
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    mouse.OnMouseMove({30, 0}, kMouseRight);
    EXPECT_EQ(host.status, "Gesture: R => None");
    mouse.OnMouseMove({30, 30}, kMouseRight);
    EXPECT_EQ(host.status, "Gesture: RD => Close");
}

TEST_F(MouseGesturesTest, TheStatusLineShowsTheLettersInTheActiveLanguage) {
    test::FakeFileSystem fs;
    test::UseLanguageFile(language, fs,
                          test::Crlf("[StringTable]\n61226=Geste\n61239=O\n61240=B\n"
                                     "61241=G\n61242=D\n61348=Rien\n"));
    settings.showGesture = 1;
    gestures.Add("DR", IDM_CLOSE);
    mouse.OnButtonPress(MouseButton::Right, {0, 0});
    mouse.OnMouseMove({0, 30}, kMouseRight);
    EXPECT_EQ(host.status, "Geste: B => Rien");
    mouse.OnMouseMove({30, 30}, kMouseRight);
    EXPECT_EQ(host.status, "Geste: BD => Close") << "matched by the plain letters";
}

TEST_F(MouseGesturesTest, ARightClickCommandThatClosesTheViewOpensNoMenuInTheNextOne) {
    // "Right Click" bound to Close: the press closes this view, which takes the view's
    // capture with it, so the release goes to the page of the window that takes its place.
    settings.rButtonDown = kClose;
    auto closing = std::make_unique<MouseGestures>(
        MouseEnvironment{settings, gestures, BuiltinMainMenu(), language, clock, shared}, host,
        clicks);
    closing->OnButtonPress(MouseButton::Right, {10, 10});
    ASSERT_NE(host.log.find("cmd" + std::to_string(kClose)), std::string::npos);
    closing.reset();  // the posted Close ran; the view and its capture are gone

    test::FakeMouseHost nextHost;
    ClickRecord nextClicks;
    MouseGestures next{
        {settings, gestures, BuiltinMainMenu(), language, clock, shared}, nextHost, nextClicks};
    EXPECT_TRUE(next.PreTranslate({PageMouseKind::RightUp, 0, 0}))
        << "the release of the press that ran the command must not open the next page's menu";
}

TEST(MouseModeToggles, GesturesAndDragPageExcludeEachOther) {
    MouseSettings s;
    ToggleMouseDragPage(s);
    EXPECT_EQ(s.rMouseDrag, 1);
    EXPECT_EQ(s.rMouseGesture, 0);
    ToggleMouseGesture(s);
    EXPECT_EQ(s.rMouseGesture, 1);
    EXPECT_EQ(s.rMouseDrag, 0);
    ToggleMouseGesture(s);
    EXPECT_EQ(s.rMouseGesture, 0);
    EXPECT_EQ(s.rMouseDrag, 0) << "switching one off switches nothing on";
}

TEST(FrameWheel, ScrollsTheActivePageInTwoStepsAndNothingWithoutOne) {
    ScrollPageByFrameWheel(nullptr, 120);
    SilentEvents events;
    test::FakeBrowser browser(events);
    browser.document.pageHeight = 5000;
    browser.document.scrollY = 100;
    ScrollPageByFrameWheel(&browser, -120);
    EXPECT_EQ(browser.document.scrollY, 150);
    ScrollPageByFrameWheel(&browser, 120);
    ScrollPageByFrameWheel(&browser, 120);
    EXPECT_EQ(browser.document.scrollY, 50);
}

}  // namespace
}  // namespace lumbrel
