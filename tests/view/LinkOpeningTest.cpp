// Links opened in new windows, the engine's repeat of a click, and what stays in place.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "view/DownloadFlags.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::ClickInPage;
using test::FrameHarness;
using test::LoadedWindow;

TEST(LinkInNewWindow, AClickOpensOnceAndTheEnginesRepeatIsCancelled) {
    FrameHarness h("LinkInNewWindow=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    ClickInPage(h, page);
    EXPECT_TRUE(engine.RaiseBeforeNavigate("http://b.example/x.htm"));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    CChildFrame* opened = h.frame->Windows().At(1);
    EXPECT_EQ(h.BrowserOf(opened).navigations, std::vector<std::string>{"http://b.example/x.htm"});
    EXPECT_FALSE(opened->View().OpenedByPage());

    h.platform.clock.Advance(200);
    EXPECT_TRUE(engine.RaiseBeforeNavigate("http://b.example/x.htm"))
        << "the engine repeats the navigation in the old window within the bound";
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(engine.location, "http://a.example/");
}

TEST(LinkInNewWindow, AnchorsScriptsMailAndFormsStayInPlace) {
    FrameHarness h("LinkInNewWindow=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/p.htm", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    for (const char* url : {"http://a.example/p.htm#part2", "javascript:show(1)", "vbscript:go",
                            "mailto:me@example.com"}) {
        ClickInPage(h, page);
        EXPECT_FALSE(engine.RaiseBeforeNavigate(url)) << url;
    }
    ClickInPage(h, page);
    EXPECT_FALSE(engine.RaiseBeforeNavigate("http://a.example/search", "q=one")) << "a form post";
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(LinkInNewWindow, ALinkFollowedAfterTheBoundStaysInPlace) {
    FrameHarness h("LinkInNewWindow=1\r\nPopupBound=120\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    ClickInPage(h, page, 1300);
    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate("http://later.example/"));
    EXPECT_EQ(page->View().Clicks().leftClickTime, 0) << "the old click is forgotten";
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(LinkInNewWindow, APageAlreadyOpenInATabIsActivatedInstead) {
    FrameHarness h("LinkInNewWindow=1\r\n");
    CChildFrame* other = LoadedWindow(h, "http://b.example/", "B");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A", true);
    h.frame->ActivateChild(*page);
    ClickInPage(h, page);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("http://b.example/"));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.Active(), other);
}

TEST(LinkInNewWindow, AnAddressTheProgramOpensSoonAfterAClickIsNotItsOwnDuplicate) {
    FrameHarness h("LinkInNewWindow=1\r\nKillPop=1\r\nKillDupWin=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    ClickInPage(h, page, 300);
    page->View().OpenUrl("http://b.example/");
    h.Pump();
    EXPECT_FALSE(h.BrowserOf(page).lastNavigationCancelled);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(LinkInNewWindow, PendingOpenModeOpensInTheBackgroundOnTheOtherSide) {
    FrameHarness h("NewSequence=1\r\nActiveNew=1\r\n");
    LoadedWindow(h, "http://zero.example/", "0");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.frame->ActivateChild(*page);
    page->View().SetPendingOpenMode(kOpenLinkInNewWindow | kOpenBackground | kOpenOtherSide);
    ClickInPage(h, page);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("http://c.example/"));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_EQ(h.Active(), page) << "a background window";
    EXPECT_EQ(h.frame->Windows().At(1)->View().Location(), "http://c.example/")
        << "left of the current tab";
    EXPECT_EQ(page->View().Opening().pendingOpenMode, 0) << "used once";
}

TEST(LinkInNewWindow, ALinkInABlankPageOpensAFreshWindow) {
    FrameHarness h("LinkInNewWindow=1\r\n");
    CChildFrame* page = LoadedWindow(h, "about:blank", "");
    ClickInPage(h, page);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("http://b.example/"));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 2) << "not the idle blank window that asked";
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(1)).navigations,
              std::vector<std::string>{"http://b.example/"});
    EXPECT_EQ(h.BrowserOf(page).location, "about:blank");
}

TEST(NewWindow2, AScriptWindowOfABlankPageIsAFreshWindow) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "about:blank", "");
    test::FakeBrowser& engine = h.BrowserOf(page);
    bool cancel = true;
    BrowserControl* control = engine.RaiseNewWindow(cancel);
    EXPECT_FALSE(cancel);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(control, &engine) << "not the opener's own control";
    CChildFrame* opened = h.frame->Windows().Find(page->LastOpened());
    ASSERT_NE(opened, nullptr);
    EXPECT_NE(opened, page);
    EXPECT_TRUE(opened->View().OpenedByPage());
    EXPECT_FALSE(page->View().OpenedByPage());
}

TEST(NewWindow2, APageWindowTakesTheOpenersFlagsAndOpenMode) {
    FrameHarness h("DefaultProperty=16\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    page->View().SetPendingOpenMode(kOpenLinkInNewWindow | kOpenBackground);
    ClickInPage(h, page);  // the user's doing, not an automatic popup
    test::FakeBrowser* popup = h.BrowserOf(page).OpenWindowFromScript("http://b.example/");
    ASSERT_NE(popup, nullptr);
    CChildFrame* opened = h.frame->Windows().Find(page->LastOpened());
    ASSERT_NE(opened, nullptr);
    const CQuorralView& view = opened->View();
    EXPECT_TRUE(view.OpenedByPage());
    EXPECT_EQ(view.Opening().dupCheckBudget, 0) << "its first navigation was checked";
    EXPECT_EQ(view.Flags().dlFlags, 16);
    EXPECT_EQ(page->View().Opening().pendingOpenMode, 0);
    EXPECT_EQ(h.frame->Windows().Count(), 2) << "its first navigation showed it";
    EXPECT_EQ(h.Active(), page) << "opened in the background";
}

TEST(NewWindow2, AWindowOfALocalPageKeepsTheUsersFlagsNotTheForcedOnes) {
    constexpr int kUserFlags = kDlNoScripts | kDlNoJava | kDlNoActiveXRun;
    FrameHarness h("DownAll=1\r\nDefaultProperty=896\r\nLinkInNewWindow=1\r\n");
    CChildFrame* page = LoadedWindow(h, "file:///C:/pages/local.htm", "Local");
    ASSERT_EQ(page->View().Flags().dlFlags, kDlEverything) << "forced on the local page";
    ClickInPage(h, page);
    CChildFrame* scripted = h.frame->Windows().Find(
        (h.BrowserOf(page).OpenWindowFromScript("http://internet.example/"), page->LastOpened()));
    ASSERT_NE(scripted, nullptr);
    EXPECT_EQ(scripted->View().Flags().userDlFlags, kUserFlags);
    EXPECT_EQ(scripted->View().Flags().dlFlags, kUserFlags);

    ClickInPage(h, page);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("http://other.example/"));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const CQuorralView& view = h.frame->Windows().At(i)->View();
        EXPECT_EQ(view.Flags().userDlFlags, kUserFlags) << i;
        if (h.frame->Windows().At(i) != page) {
            EXPECT_EQ(view.Flags().dlFlags, kUserFlags) << i;
        }
    }
}

}  // namespace
}  // namespace lumbrel
