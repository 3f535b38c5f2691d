// The tab bar inside a running frame: widths and rows, titles and tips, dragging, closing by
// the tab image, the tab actions, the empty bar and the wheel.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

// Windows "A", "B", "C", … appended in order, loaded and titled, the first one active.
struct TitledWindows : FrameHarness {
    explicit TitledWindows(int count, const std::string& settings = "")
        : FrameHarness("NewSequence=0\r\n" + settings) {
        for (int i = 0; i < count; ++i) {
            const std::string name(1, static_cast<char>('A' + i));
            CChildFrame* child = Open("http://" + name + ".example/");
            BrowserOf(child).FinishLoad(name);
            windows.push_back(child);
        }
        frame->ActivateChild(*windows[0]);
        Pump();
    }
    CTabBar& Bar() { return frame->TabBar(); }
    std::string Texts() {
        std::string all;
        for (const std::string& text : tabs.Texts())
            all += (all.empty() ? "" : " ") + text;
        return all;
    }
    int Posted(TargetId target, uint32_t message, uintptr_t wParam) {
        const auto& queue = platform.loop.Queue();
        return static_cast<int>(std::count_if(queue.begin(), queue.end(), [&](const auto& m) {
            return m.target == target && m.message == message && m.wParam == wParam;
        }));
    }
    std::vector<CChildFrame*> windows;
};

TabPoint Outside() {
    return TabPoint{-50, -50};
}

// --- Widths, rows and band ----------------------------------------------------------------

TEST(TabBarLayout, FixedWidthsFollowTheTabCountOnA600PixelBar) {
    FrameHarness h(
        "AutoTab=1\r\nMinTabWidth=50\r\nMaxTabWidth=100\r\n[TabStyle]\r\nTabStyle=1\r\n");
    ASSERT_EQ(h.tabs.width, 600);
    auto openUpTo = [&h](int count) {
        while (h.tabs.Count() < count)
            h.Open("http://w" + std::to_string(h.tabs.Count()) + ".example/");
    };
    openUpTo(3);
    EXPECT_EQ(h.tabs.itemWidth, 100);
    openUpTo(10);
    EXPECT_EQ(h.tabs.itemWidth, 59);
    EXPECT_EQ(h.tabs.RowCount(), 1);
    openUpTo(20);
    EXPECT_EQ(h.tabs.itemWidth, 50);
    EXPECT_EQ(h.tabs.RowCount(), 2) << "twenty 50-pixel tabs wrap on a 600-pixel bar";
    EXPECT_EQ(h.window.tabBandHeight, 2 * 19 + 4) << "flat tabs: the rows and 4 pixels";
}

TEST(TabBarLayout, FixedWidthsFollowTheFramesWidth) {
    FrameHarness h(
        "AutoTab=1\r\nMinTabWidth=50\r\nMaxTabWidth=200\r\n[TabStyle]\r\nTabStyle=1\r\n");
    for (int i = 0; i < 5; ++i)
        h.Open("http://w" + std::to_string(i) + ".example/");
    EXPECT_EQ(h.tabs.itemWidth, (600 - 5) / 5);
    h.tabs.width = 900;
    h.frame->TabBar().OnResized(900);
    h.Pump();
    EXPECT_EQ(h.tabs.itemWidth, (900 - 5) / 5);
    h.frame->TabBar().OnResized(900);
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_TAB_LAYOUT), 0) << "same width";
}

TEST(TabBarLayout, WithoutAutoTabTheWidthIsLeftToTheControl) {
    FrameHarness h("AutoTab=0\r\n");
    h.Open("http://a.example/");
    EXPECT_EQ(h.tabs.itemWidth, 0);
    EXPECT_EQ(h.window.tabBandHeight, 19 + 4);
}

TEST(TabBarLayout, ButtonsAreLaidOutAgainAfterANewWidth) {
    FrameHarness h("[TabStyle]\r\nTabStyle=2\r\n");
    h.Open("http://a.example/");
    EXPECT_EQ(h.tabs.itemWidth, 100);
    EXPECT_EQ(h.tabs.reflows, 1);
    h.frame->Post(UM_TAB_LAYOUT, 1);
    h.Pump();
    EXPECT_EQ(h.tabs.reflows, 1) << "the same width: nothing to lay out";
    EXPECT_EQ(h.window.tabBandHeight, 19) << "one row of buttons adds nothing";
}

TEST(TabBarLayout, SwitchingAutoTabChangesTheStyleAndLaysOutAgain) {
    FrameHarness h("MultiLineTab=0\r\n");
    h.Open("http://a.example/");
    h.frame->TabBar().SetAutoTab(false);
    EXPECT_FALSE(h.tabs.fixedWidth);
    EXPECT_FALSE(h.tabs.multiLine) << "multi-line rows follow MultiLineTab";
    EXPECT_EQ(h.frame->Prefs().autoTab, 0);
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_TAB_LAYOUT), 1);
    h.Pump();
    h.frame->TabBar().SetAutoTab(true);
    EXPECT_TRUE(h.tabs.fixedWidth);
    h.frame->TabBar().SetAutoTab(true);
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_TAB_LAYOUT), 1) << "no switch, no layout";
}

// --- Titles, tips and images --------------------------------------------------------------

TEST(TabBarText, ALongTitleIsCutButItsTipIsWhole) {
    FrameHarness h;
    CChildFrame* child = h.Open("http://a.example/", true);
    const std::string title = "A title much longer than twenty characters";
    h.BrowserOf(child).RaiseTitle(title);
    EXPECT_EQ(h.tabs.Text(0), "1-A title much longer ...") << "twenty characters, then the dots";
    EXPECT_EQ(h.tabs.items[0].tip, title);
}

TEST(TabBarText, TheTipRefreshReachesEveryTabTheFirstIncluded) {
    TitledWindows h(3);
    for (auto& item : h.tabs.items)
        item.tip = "stale";
    h.frame->Post(UM_TAB_TIPS);
    h.Pump();
    EXPECT_EQ(h.tabs.items[0].tip, "A");
    EXPECT_EQ(h.tabs.items[2].tip, "C");
}

TEST(TabBarText, ClosingAWindowRefreshesTheTipsOfTheTabsBehindIt) {
    TitledWindows h(3);
    h.tabs.items[2].tip = "stale";
    h.frame->CloseChild(h.windows[1]->Id());
    h.Pump();
    EXPECT_EQ(h.Texts(), "1-A 2-C");
    EXPECT_EQ(h.tabs.items[1].tip, "C");
}

TEST(TabBarImages, AFinishedActivePageShowsNoImageWithoutShowRead) {
    FrameHarness hidden("ShowRead=0\r\n");
    CChildFrame* child = hidden.Open("http://a.example/", true);
    hidden.BrowserOf(child).RaiseProgress(50, 100);
    ASSERT_EQ(hidden.tabs.Image(0), 2) << "loading";
    hidden.BrowserOf(child).FinishLoad("A");
    EXPECT_EQ(hidden.tabs.Image(0), -1);
    EXPECT_EQ(child->View().TabImageShown(), -1);

    FrameHarness shown("ShowRead=1\r\n");
    child = shown.Open("http://a.example/", true);
    shown.BrowserOf(child).RaiseProgress(50, 100);
    shown.BrowserOf(child).FinishLoad("A");
    EXPECT_EQ(shown.tabs.Image(0), 9);
}

TEST(TabBarInsert, ABackgroundTabFromTheSecondGoesThirdAndNumbersFollow) {
    FrameHarness h("NewSequence=1\r\n");
    for (const char* name : {"a", "b", "c"})
        h.BrowserOf(h.Open(std::string("http://") + name + ".example/")).FinishLoad(name);
    ASSERT_EQ(h.tabs.Texts(), (std::vector<std::string>{"1-a", "2-c", "3-b"}))
        << "each background tab went right of the first";
    CChildFrame* second = h.frame->Windows().At(1);
    h.frame->ActivateChild(*second);
    CChildFrame* added = h.Open("http://d.example/");
    EXPECT_EQ(h.frame->FindTab(*added), 2);
    EXPECT_EQ(h.tabs.selected, 1);
    EXPECT_EQ(h.tabs.Text(2), "3-http://d.example/");
    EXPECT_EQ(h.tabs.Text(3), "4-b") << "the tabs behind it are numbered again";
}

// --- Dragging -----------------------------------------------------------------------------

TEST(TabBarDrag, TheThirdTabDroppedOnTheFirstGoesFirstAndAllAreNumberedAgain) {
    TitledWindows h(3);
    ASSERT_EQ(h.Texts(), "1-A 2-B 3-C");
    EXPECT_FALSE(h.Bar().OnLeftDown(h.tabs.PointIn(2))) << "the control still selects the tab";
    EXPECT_TRUE(h.tabs.captured);
    h.Bar().OnMouseMove(h.tabs.PointIn(1));
    EXPECT_TRUE(h.tabs.moveCursor);
    h.Bar().OnLeftUp(h.tabs.PointIn(0));
    EXPECT_EQ(h.Texts(), "1-C 2-A 3-B");
    EXPECT_EQ(h.frame->Windows().InOrder(),
              (std::vector<ChildId>{h.windows[2]->Id(), h.windows[0]->Id(), h.windows[1]->Id()}));
    EXPECT_EQ(h.tabs.selected, 1) << "A keeps the selection at its new place";
    EXPECT_EQ(h.tabs.items[0].tip, "C");
    EXPECT_FALSE(h.tabs.captured);
    EXPECT_FALSE(h.tabs.moveCursor);
    EXPECT_TRUE(h.frame->Windows().Changed()) << "the session file follows the new order";
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_TAB_TIPS), 1);
}

TEST(TabBarDrag, ASelectedTabDraggedRightStaysSelected) {
    TitledWindows h(3);
    h.Bar().OnLeftDown(h.tabs.PointIn(0));
    h.Bar().OnLeftUp(h.tabs.PointIn(2));
    EXPECT_EQ(h.Texts(), "1-B 2-C 3-A");
    EXPECT_EQ(h.tabs.selected, 2);
}

TEST(TabBarDrag, DroppedOnItselfOrOutsideNothingChanges) {
    TitledWindows h(3);
    h.frame->Windows().ClearChanged();
    h.Bar().OnLeftDown(h.tabs.PointIn(2, 10));
    h.Bar().OnMouseMove(h.tabs.PointIn(2, 40));
    EXPECT_FALSE(h.tabs.moveCursor) << "over the source the cursor stays";
    h.Bar().OnLeftUp(h.tabs.PointIn(2, 40));
    h.Bar().OnLeftDown(h.tabs.PointIn(1));
    h.Bar().OnLeftUp(Outside());
    EXPECT_EQ(h.Texts(), "1-A 2-B 3-C");
    EXPECT_FALSE(h.frame->Windows().Changed());
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_TAB_TIPS), 0);
}

TEST(TabBarDrag, TheSourceIsFoundAgainAfterTabsCameAndWent) {
    TitledWindows h(4);
    h.Bar().OnLeftDown(h.tabs.PointIn(2));    // C
    h.frame->CloseChild(h.windows[0]->Id());  // A goes while the button is down: D is third now
    h.Pump();
    h.Bar().OnLeftUp(h.tabs.PointIn(0));
    EXPECT_EQ(h.Texts(), "1-C 2-B 3-D") << "C moved, not the tab now at C's old index";
}

TEST(TabBarDrag, GivesUpWhenTheSourceWentBeforeTheRelease) {
    TitledWindows h(3);
    h.Bar().OnLeftDown(h.tabs.PointIn(2));  // C
    h.frame->CloseChild(h.windows[2]->Id());
    h.Pump();
    h.Bar().OnLeftUp(h.tabs.PointIn(0));
    EXPECT_EQ(h.Texts(), "1-A 2-B");
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

TEST(TabBarDrag, ALostCaptureEndsTheDragWithoutAMove) {
    TitledWindows h(3);
    h.Bar().OnLeftDown(h.tabs.PointIn(2));
    h.Bar().OnCaptureLost();
    EXPECT_FALSE(h.Bar().Dragging());
    h.Bar().OnLeftUp(h.tabs.PointIn(0));
    EXPECT_EQ(h.Texts(), "1-A 2-B 3-C") << "a later release over the bar moves nothing";
}

TEST(TabBarDrag, APressOnATabWithoutAWindowLeavesNoCaptureBehind) {
    TitledWindows h(2);
    h.tabs.Insert(2, "stray", kNoChild);  // a tab whose window is not (or no longer) known
    h.Bar().OnLeftDown(h.tabs.PointIn(2));
    h.Bar().OnLeftUp(h.tabs.PointIn(2));
    EXPECT_FALSE(h.tabs.captured) << "the mouse would stay with the bar after the release";
}

// --- Closing by the tab image -------------------------------------------------------------

TEST(TabBarClickClose, LeftReleaseOutsideClosesNothingAndRestoresTheImage) {
    TitledWindows h(3, "ClickClose=2\r\n");
    const int own = h.tabs.Image(1);
    EXPECT_TRUE(h.Bar().OnLeftDown(h.tabs.PointIn(1, 5))) << "the control never sees it";
    EXPECT_EQ(h.tabs.Image(1), kTabCloseImage);
    EXPECT_TRUE(h.tabs.captured);
    EXPECT_FALSE(h.Bar().Dragging()) << "a press on the image starts no drag";
    h.Bar().OnMouseMove(Outside());
    EXPECT_EQ(h.tabs.Image(1), own);
    h.Bar().OnLeftUp(Outside());
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_EQ(h.tabs.Image(1), own);
    EXPECT_FALSE(h.tabs.captured);
}

TEST(TabBarClickClose, LeftReleaseOnTheImageClosesTheTab) {
    TitledWindows h(3, "ClickClose=2\r\n");
    h.Bar().OnLeftDown(h.tabs.PointIn(1, 5));
    h.Bar().OnMouseMove(Outside());
    h.Bar().OnMouseMove(h.tabs.PointIn(1, 3));
    EXPECT_EQ(h.tabs.Image(1), kTabCloseImage) << "back over the image: the button again";
    h.Bar().OnLeftUp(h.tabs.PointIn(1, 3));
    h.Pump();
    EXPECT_EQ(h.Texts(), "1-A 2-C");
}

TEST(TabBarClickClose, APressBeyondTheImageOrWithTheOtherButtonIsADragOrAMenu) {
    TitledWindows h(3, "ClickClose=2\r\n");
    EXPECT_FALSE(h.Bar().OnLeftDown(h.tabs.PointIn(1, kTabImageArea)));
    EXPECT_TRUE(h.Bar().Dragging());
    h.Bar().OnLeftUp(h.tabs.PointIn(1, kTabImageArea));
    EXPECT_FALSE(h.Bar().OnRightDown(h.tabs.PointIn(1, 5)));
    EXPECT_FALSE(h.Bar().OnRightUp(h.tabs.PointIn(1, 5), false)) << "the tab menu follows";
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
}

TEST(TabBarClickClose, RightButtonModeClosesAndTakesTheMenusClick) {
    TitledWindows h(3, "ClickClose=1\r\n");
    EXPECT_TRUE(h.Bar().OnRightDown(h.tabs.PointIn(2, 5)));
    EXPECT_EQ(h.tabs.Image(2), kTabCloseImage);
    EXPECT_TRUE(h.Bar().OnRightUp(h.tabs.PointIn(2, 5), false));
    h.Pump();
    EXPECT_EQ(h.Texts(), "1-A 2-B");
}

TEST(TabBarClickClose, APressedTabWhoseWindowWentIsForgotten) {
    TitledWindows h(4, "ClickClose=2\r\n");
    h.Bar().OnLeftDown(h.tabs.PointIn(2, 5));  // C
    h.frame->CloseChild(h.windows[2]->Id());
    h.Pump();
    h.Bar().OnLeftUp(h.tabs.PointIn(2, 5));  // D lies under the cursor now
    h.Pump();
    EXPECT_EQ(h.Texts(), "1-A 2-B 3-D") << "no other tab is closed in its place";
    EXPECT_FALSE(h.tabs.captured);
}

TEST(TabBarClickClose, AProtectedBackgroundTabIsLeftAlone) {
    TitledWindows h(3, "ClickClose=2\r\n");
    h.windows[1]->SetPassword("pw");
    EXPECT_FALSE(h.Bar().OnLeftDown(h.tabs.PointIn(1, 5)));
    EXPECT_NE(h.tabs.Image(1), kTabCloseImage);
    h.Bar().OnLeftUp(h.tabs.PointIn(1, 5));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
}

// --- A refused close leaves the window as it was ------------------------------------------

TEST(TabBarClose, ALockedWindowKeptByItsQuestionIsNotLeftClosing) {
    TitledWindows h(3, "AllowDBC=1\r\n");
    h.Command(IDM_LOCK_TAB);
    ASSERT_TRUE(h.windows[0]->Locked());
    h.platform.ui.AnswerMessage(MsgResult::No);
    h.Bar().OnLeftDoubleClick(h.tabs.PointIn(0));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_FALSE(h.windows[0]->View().IsClosing())
        << "a kept window still saves in the session and may open windows";
}

TEST(TabBarClose, ALoneBlankPageKeptByKeepOnePageIsNotLeftClosing) {
    FrameHarness h("KeepOnePage=1\r\nClickClose=2\r\n");
    CChildFrame* blank = h.OpenBlank();
    h.frame->TabBar().OnLeftDown(h.tabs.PointIn(0, 5));
    h.frame->TabBar().OnLeftUp(h.tabs.PointIn(0, 5));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_FALSE(blank->View().IsClosing());
}

// --- Tab actions, the empty bar, the wheel ------------------------------------------------

TEST(TabBarActions, DoubleMiddleAndCtrlRightClicksRunTheirActions) {
    TitledWindows h(3, "AllowDBC=6\r\nAllowMC=4\r\nAllowRC=5\r\n");
    test::FakeBrowser& b = h.BrowserOf(h.windows[1]);
    const size_t refreshes = b.refreshes.size();
    h.Bar().OnLeftDoubleClick(h.tabs.PointIn(1));
    EXPECT_EQ(b.refreshes.size(), refreshes + 1) << "6: refresh";

    h.Bar().OnMiddleDown(h.tabs.PointIn(2));
    EXPECT_EQ(h.Posted(h.windows[2]->Id(), kWmCommand, IDM_AUTO_SAVE), 1)
        << "4: Auto Save posted to that window, not the active one";

    EXPECT_TRUE(h.Bar().OnRightUp(h.tabs.PointIn(1), true)) << "no tab menu";
    EXPECT_TRUE(h.windows[1]->Locked()) << "5: lock";
    EXPECT_FALSE(h.Bar().OnRightUp(h.tabs.PointIn(1), false)) << "without Ctrl: the menu";
    EXPECT_TRUE(h.windows[1]->Locked());
}

TEST(TabBarActions, SaveActionsGoToTheWindowAndSortSaveMarksItFirst) {
    TitledWindows h(2, "AllowMC=7\r\nAllowDBC=3\r\nAllowRC=2\r\n");
    h.Bar().OnMiddleDown(h.tabs.PointIn(1));
    EXPECT_TRUE(h.windows[1]->View().SortSaveRequested());
    EXPECT_EQ(h.Posted(h.windows[1]->Id(), kWmCommand, IDM_AUTO_SAVE), 1);
    h.Bar().OnLeftDoubleClick(h.tabs.PointIn(1));
    EXPECT_EQ(h.Posted(h.windows[1]->Id(), kWmCommand, IDM_SAVE_HTML), 1);
    h.Bar().OnRightUp(h.tabs.PointIn(0), true);
    EXPECT_EQ(h.Posted(h.windows[0]->Id(), kWmCommand, IDM_SAVE_AS), 1);
    EXPECT_FALSE(h.windows[0]->View().SortSaveRequested());
}

TEST(TabBarActions, CloseActionAndOtherValues) {
    TitledWindows h(3, "AllowDBC=1\r\nAllowMC=0\r\nAllowRC=9\r\n");
    h.Bar().OnMiddleDown(h.tabs.PointIn(1));
    h.Bar().OnRightUp(h.tabs.PointIn(1), true);
    EXPECT_TRUE(h.platform.loop.Queue().empty()) << "0 and 9 do nothing";
    h.Bar().OnLeftDoubleClick(h.tabs.PointIn(1));
    EXPECT_FALSE(h.windows[1]->View().IsClosing()) << "marked only when its close goes ahead";
    h.Pump();
    EXPECT_EQ(h.Texts(), "1-A 2-C");
}

TEST(TabBarActions, AProtectedBackgroundTabIgnoresThem) {
    TitledWindows h(3, "AllowDBC=1\r\nAllowMC=5\r\n");
    h.windows[2]->SetPassword("pw");
    h.Bar().OnLeftDoubleClick(h.tabs.PointIn(2));
    h.Bar().OnMiddleDown(h.tabs.PointIn(2));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_FALSE(h.windows[2]->Locked());
}

TEST(TabBarEmptyBar, DoubleClicksRunTheirCommands) {
    TitledWindows h(2);
    const TabPoint empty{590, 5};  // right of the last tab
    ASSERT_EQ(h.tabs.HitTest(empty), -1);
    h.Bar().OnLeftDoubleClick(empty);
    EXPECT_EQ(h.Posted(kFrameTarget, kWmCommand, IDM_BLANK_PAGE), 1);
    h.Bar().OnRightDoubleClick(empty);
    EXPECT_EQ(h.Posted(kFrameTarget, kWmCommand, IDM_NEW_CURRENT_PAGE), 1);
    h.Bar().OnRightDoubleClick(h.tabs.PointIn(0));
    EXPECT_EQ(h.platform.loop.Queue().size(), 2u) << "on a tab a right double click is nothing";
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 4);
}

TEST(TabBarWheel, SwitchesWindowsOnlyWithWheelOnTab) {
    TitledWindows off(3);
    off.Bar().OnWheel(120);
    EXPECT_TRUE(off.platform.loop.Queue().empty());

    TitledWindows h(3, "[Mouse]\r\nWheelOnTab=1\r\n");
    h.Bar().OnWheel(120);
    h.Pump();
    EXPECT_EQ(h.Active(), h.windows[2]) << "forward: the previous window, wrapping";
    h.Bar().OnWheel(-120);
    h.Pump();
    EXPECT_EQ(h.Active(), h.windows[0]) << "backward: the next window";
}

}  // namespace
}  // namespace lumbrel
