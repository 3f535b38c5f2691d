// The page tools in the program: the scroll commands, timers and load events of real views
// over the fake engine, the sideways page scroll and the zoom scripts run in the pages.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "view/AutoScroll.h"
#include "view/PageScriptRunner.h"
#include "view/ViewScenario.h"
#include "view/ZoomScripts.h"

namespace lumbrel::test {
namespace {

constexpr uint32_t kScrollTimer = AutoScroll::kTimerId;

struct ScrollScenario {
    explicit ScrollScenario(const std::string& settings = "") : h(settings) {
        window = LoadedWindow(h, "http://a.example/", "A", true);
    }
    FakeBrowser& Browser() { return h.BrowserOf(window); }
    bool Scrolling() { return h.platform.loop.TimerRunning(window->Id(), kScrollTimer); }
    uint32_t Period() { return h.platform.loop.TimerPeriod(window->Id(), kScrollTimer); }
    bool Checked(int id) { return h.frame->QueryCommand(id).checked; }
    int ScrolledY() { return Browser().document.scrollY; }

    FrameHarness h;
    CChildFrame* window = nullptr;
};

TEST(AutoScrollInTheView, TheActivePageScrollsOnItsTimerAtTheChosenSpeed) {
    ScrollScenario s;
    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    ASSERT_TRUE(s.Scrolling());
    EXPECT_TRUE(s.Checked(IDM_AUTO_SCROLL_CURRENT));
    EXPECT_EQ(s.Period(), 100u);
    EXPECT_EQ(s.h.frame->Prefs().useAutoScroll, 1);
    s.h.platform.loop.Advance(1000);
    EXPECT_EQ(s.ScrolledY(), 10) << "one line every 100 ms";

    s.h.Command(IDM_SCROLL_MEDIUM);
    EXPECT_EQ(s.Period(), 25u);
    s.h.Command(IDM_SCROLL_FAST);
    EXPECT_EQ(s.Period(), 11u);
    EXPECT_TRUE(s.Checked(IDM_SCROLL_FAST));
    EXPECT_FALSE(s.Checked(IDM_SCROLL_SLOW));
    EXPECT_EQ(s.h.frame->Prefs().srSpeed, 3);

    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    EXPECT_FALSE(s.Scrolling());
    EXPECT_EQ(s.h.frame->Prefs().useAutoScroll, 0);
    const int stoppedAt = s.ScrolledY();
    s.h.platform.loop.Advance(1000);
    EXPECT_EQ(s.ScrolledY(), stoppedAt);
}

TEST(AutoScrollInTheView, AfterDownloadingWaitsForTheLoadAndStopsWhenTheNextOneBegins) {
    ScrollScenario s;
    s.h.Command(IDM_AUTO_SCROLL_AFTER_DOWNLOAD);
    EXPECT_TRUE(s.Checked(IDM_AUTO_SCROLL_AFTER_DOWNLOAD));
    EXPECT_EQ(s.h.frame->Prefs().autoScrollAfterDL, 1);
    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    EXPECT_TRUE(s.Scrolling()) << "the page had finished loading";

    FakeBrowser& browser = s.Browser();
    browser.RaiseBeforeNavigate("http://b.example/");
    browser.RaiseProgress(10, 100);
    EXPECT_FALSE(s.Scrolling()) << "a new load began";
    browser.RaiseProgress(60, 100);
    EXPECT_FALSE(s.Scrolling());
    browser.FinishLoad("B");
    s.h.Pump();
    EXPECT_TRUE(s.Scrolling()) << "started again when the page completed";
}

TEST(AutoScrollInTheView, HalfPageStepsJumpAbout300PixelsEvery300Ticks) {
    ScrollScenario s("AutoScrollPage=2\r\n");
    EXPECT_TRUE(s.Checked(IDM_SCROLL_HALF_PAGE));
    s.Browser().metrics.height = 600;
    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    s.h.platform.loop.Advance(299 * 100);
    EXPECT_EQ(s.ScrolledY(), 0);
    const uint64_t sleptBefore = s.h.platform.clock.slept;
    s.h.platform.loop.Advance(100);
    EXPECT_EQ(s.ScrolledY(), 300);
    EXPECT_EQ(s.h.platform.clock.slept - sleptBefore, 300u) << "150 moves of 2 pixels, 2 ms each";

    s.h.Command(IDM_SCROLL_ONE_LINE);
    EXPECT_EQ(s.h.frame->Prefs().autoScrollPage, 0);
    s.h.platform.loop.Advance(0);  // the one tick that came due during the jump
    const int before = s.ScrolledY();
    EXPECT_EQ(before, 301);
    s.h.platform.loop.Advance(1000);
    EXPECT_EQ(s.ScrolledY(), before + 10) << "one pixel a tick again";
}

TEST(AutoScrollInTheView, TheMouseOverTheScrollBarControlsTheSpeed) {
    ScrollScenario s("MouseCtrlSpeed=1\r\n");
    FakeBrowser& browser = s.Browser();
    browser.metrics = ScrollMetrics{800, 600, 16, 16, 400, 300};
    EXPECT_FALSE(s.h.frame->QueryCommand(IDM_SCROLL_FAST).enabled);
    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    EXPECT_EQ(s.Period(), 950u) << "paused until the mouse is over the scroll bar";
    s.h.platform.loop.Advance(950);
    EXPECT_EQ(s.ScrolledY(), 0);

    browser.metrics.cursorX = 790;  // over the bar, half way down its strip of 584 pixels
    s.h.platform.loop.Advance(950);
    EXPECT_EQ(s.Period(), 50u);
    browser.metrics.cursorY = 580;
    s.h.platform.loop.Advance(50);
    EXPECT_EQ(s.Period(), 2u);
    const int moved = s.ScrolledY();
    EXPECT_GT(moved, 0);
    browser.metrics.cursorX = 100;
    s.h.platform.loop.Advance(2);
    EXPECT_EQ(s.Period(), 950u) << "off the bar: a pause";
}

TEST(AutoScrollInTheView, ScrollAllMovesTheActiveWindowWithoutItsOwnSwitch) {
    ScrollScenario s;
    s.h.Command(IDM_AUTO_SCROLL_ALL);
    EXPECT_TRUE(s.Checked(IDM_AUTO_SCROLL_ALL));
    EXPECT_FALSE(s.Checked(IDM_AUTO_SCROLL_CURRENT));
    ASSERT_TRUE(s.Scrolling());
    EXPECT_EQ(s.Period(), 100u);
    s.h.platform.loop.Advance(300);
    EXPECT_EQ(s.ScrolledY(), 3);
    s.h.Command(IDM_AUTO_SCROLL_ALL);
    EXPECT_FALSE(s.Scrolling());
}

TEST(AutoScrollInTheView, NewWindowsTakeTheSettingsOrTheirOpenersSwitches) {
    // A window the page opens without a click: no popup filter in the way.
    ScrollScenario s("SrSpeed=3\r\nAutoScrollAfterDL=1\r\nKillAutoWin=0\r\n");
    const AutoScroll& fresh = s.window->View().Tools().Scroll();
    EXPECT_EQ(fresh.Speed(), 3);
    EXPECT_TRUE(fresh.AfterLoad());
    EXPECT_FALSE(fresh.ThisWindow());

    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    s.h.Command(IDM_SCROLL_SLOW);
    FakeBrowser* opened = s.Browser().OpenWindowFromScript("http://popup.example/");
    ASSERT_NE(opened, nullptr);
    s.h.Pump();
    CChildFrame* child = s.h.frame->Windows().At(s.h.frame->Windows().Count() - 1);
    ASSERT_NE(child, s.window);
    const AutoScroll& inherited = child->View().Tools().Scroll();
    EXPECT_TRUE(inherited.ThisWindow());
    EXPECT_EQ(inherited.Speed(), 1);
}

TEST(AutoScrollInTheView, AClosedWindowsTimerStops) {
    ScrollScenario s;
    s.h.Command(IDM_AUTO_SCROLL_CURRENT);
    const ChildId id = s.window->Id();
    s.h.frame->CloseChild(id);
    s.h.Pump();
    EXPECT_EQ(s.h.frame->Windows().Find(id), nullptr);
    EXPECT_FALSE(s.h.platform.loop.TimerRunning(id, kScrollTimer));
}

TEST(PageScroll, SidewaysByAlmostTheWindowsWidth) {
    ScrollScenario s;
    FakeBrowser& browser = s.Browser();
    browser.document.pageWidth = 3000;
    s.h.Command(IDM_SCROLL_PAGE_RIGHT);
    EXPECT_EQ(browser.document.scrollX, 696);
    s.h.Command(IDM_SCROLL_PAGE_RIGHT);
    s.h.Command(IDM_SCROLL_PAGE_LEFT);
    EXPECT_EQ(browser.document.scrollX, 696);
    browser.document.exists = false;
    s.h.Command(IDM_SCROLL_PAGE_LEFT);  // no page, nothing
    EXPECT_EQ(browser.document.scrollX, 696);
}

TEST(Zoom, TheScriptRunsInTheActivePageOrWithCtrlShiftInEveryWindow) {
    ScrollScenario s;
    CChildFrame* second = LoadedWindow(s.h, "http://b.example/", "B", false);
    s.h.frame->ActivateChild(*s.window);
    s.h.Pump();
    FakeDocumentState& first = s.Browser().document;
    FakeDocumentState& other = s.h.BrowserOf(second).document;
    // What the loads ran (the page clean-up) is not the zoom's.
    first.scripts.clear();
    other.scripts.clear();

    s.h.Command(IDM_ZOOM_MORE);
    ASSERT_EQ(first.scripts.size(), 1u);
    EXPECT_EQ(first.scripts[0].rfind("JavaScript: var i=parseInt(document.body.style.zoom)", 0), 0u)
        << first.scripts[0];
    EXPECT_TRUE(other.scripts.empty());

    s.h.platform.ui.ctrlHeld = true;
    s.h.Command(IDM_ZOOM_150);
    EXPECT_EQ(first.scripts.size(), 2u) << "Ctrl alone is the active page";
    EXPECT_TRUE(other.scripts.empty());
    s.h.platform.ui.shiftHeld = true;
    s.h.Command(IDM_ZOOM_50);
    EXPECT_EQ(first.scripts.back(), "JavaScript: document.body.style.zoom=\"50%\";");
    ASSERT_EQ(other.scripts.size(), 1u);
    EXPECT_EQ(other.scripts[0], first.scripts.back());

    // A failing script or a page without a document tells nothing.
    first.scriptFails = true;
    other.exists = false;
    s.h.Command(IDM_ZOOM_LESS);
    EXPECT_TRUE(s.h.platform.ui.Questions().empty());
}

TEST(ScriptElement, LanguageAndBodyAreTakenFromTheElement) {
    struct Case {
        const char* text;
        const char* language;  // nullptr: refused
        const char* body;
    };
    const Case cases[] = {
        {"<script language=\"JavaScript\">a=1;</script>", "JavaScript", "a=1;"},
        {"<SCRIPT LANGUAGE=JScript>b()</Script>", "JScript", "b()"},
        {"<script language=vbscript>MsgBox 1</SCRIPT> trailing", "VBScript", "MsgBox 1"},
        {"  <script language=javascript></script>", "JavaScript", ""},
        {"<script>x</script>", nullptr, nullptr},                        // no language
        {"<script language=javascript>x", nullptr, nullptr},             // no end tag
        {"> <script language=javascript>x</script>", nullptr, nullptr},  // ">" first
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<ScriptElement> script = ParseScriptElement(c.text);
        if (!c.language) {
            EXPECT_FALSE(script) << c.text;
            continue;
        }
        ASSERT_TRUE(script) << c.text;
        EXPECT_EQ(script->language, c.language) << c.text;
        EXPECT_EQ(script->body, c.body) << c.text;
    }
    for (int id : {IDM_ZOOM_50, IDM_ZOOM_100, IDM_ZOOM_150, IDM_ZOOM_MORE, IDM_ZOOM_LESS})
        EXPECT_TRUE(ParseScriptElement(ZoomScript(id))) << "the zoom scripts run as elements";
}

}  // namespace
}  // namespace lumbrel::test
