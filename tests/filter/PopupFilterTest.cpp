// The popup filter as the frame runs it: windows a page asks for, judged by the clicks that
// came before; windows closed by the popup list on navigation and on a completed page;
// duplicates of another tab; script dialogs emptied; questions asked only from a posted
// message, with every window looked up again afterwards; "Add to Popup Filter...".
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/CommandIds.h"
#include "filter/FilterListFile.h"
#include "filter/UrlRequestFilter.h"
#include "frame/FrameMessages.h"
#include "support/FakeFilterDialogs.h"
#include "support/FrameHarness.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::ClickInPage;
using test::FakeBrowser;
using test::FrameHarness;
using test::LoadedWindow;

constexpr char kFilterIni[] = "C:\\Lumbrel\\User\\Filter.ini";
constexpr char kSound[] = "C:\\Lumbrel\\Resource\\PopFilter.wav";
constexpr char kLists[] =
    "[PopFilter]\r\npop1=http://ads.example/*\r\n"
    "[PopUnFilter]\r\npop1=http://ads.example/ok*\r\n";
// Automatic windows refused at once, not made to be logged.
constexpr char kNoLogging[] = "[Collector]\r\nOutputSaveFilter=0\r\n";

// A frame whose deferred start finds the popup lists, with the filter's dialogs answered
// from a script (running the message loop while open) and its log lines kept.
struct PopupHarness {
    explicit PopupHarness(const std::string& settings = "", const std::string& lists = kLists)
        : h(settings, false) {
        h.platform.fs.AddFile(kFilterIni, lists);
        h.platform.fs.AddFile(kSound, "RIFF");
        dialogs.RunLoopInsideDialogs(&h.platform.loop);
        h.frame->Filters().SetDialogs(&dialogs);
        h.frame->Filters().SetCollector([this](const std::string& text, int kind) {
            log.push_back(std::to_string(kind) + " " + text);
        });
        h.frame->DeferredInit();
        h.Pump();
    }
    PopupFilter& Popups() { return h.frame->Filters().Popups(); }
    int Refused() { return Popups().PopupFilteredCount(); }
    // A script of `page` opens `url`; the new window's id, or kNoChild when refused.
    ChildId ScriptOpens(CChildFrame* page, const std::string& url) {
        const ChildId id = page->Id();
        FakeBrowser* opened = h.BrowserOf(page).OpenWindowFromScript(url);
        CChildFrame* opener = h.frame->Windows().Find(id);
        return opened && opener ? opener->LastOpened() : kNoChild;
    }
    bool Alive(ChildId id) { return id != kNoChild && h.frame->Windows().Find(id) != nullptr; }
    std::vector<std::string> SavedPopList() {
        PrivateProfile fresh(h.platform.fs);
        return FilterListFile::Read(fresh, h.platform.codePage, kFilterIni).popFilter;
    }

    FrameHarness h;
    test::FakeFilterDialogs dialogs;
    std::vector<std::string> log;
};

// --- Windows a page asks for -----------------------------------------------------------------

TEST(PopupNewWindow, AClickWithinTheBoundOpensALateOneOnlyOnALink) {
    PopupHarness p(kNoLogging);
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    ClickInPage(p.h, page, 500);
    const ChildId recent = p.ScriptOpens(page, "http://a.example/win1.htm");
    p.h.Pump();
    EXPECT_TRUE(p.Alive(recent)) << "0.5 s after the click";

    ClickInPage(p.h, page, 2000);
    EXPECT_EQ(p.ScriptOpens(page, "http://a.example/win2.htm"), kNoChild)
        << "2 s after a press on no link";
    p.h.BrowserOf(page).document.links["10,20"] = "http://a.example/link.htm";
    ClickInPage(p.h, page, 2000);
    const ChildId onLink = p.ScriptOpens(page, "http://a.example/win3.htm");
    p.h.Pump();
    EXPECT_TRUE(p.Alive(onLink)) << "2 s after a press on a link";

    p.h.BrowserOf(page).document.links.clear();
    ClickInPage(p.h, page, 5000);
    EXPECT_EQ(p.ScriptOpens(page, "http://a.example/win4.htm"), kNoChild)
        << "a click 5 s ago is no click";
    EXPECT_EQ(p.Refused(), 2);
    EXPECT_EQ(p.dialogs.Count("sound"), 2);
    EXPECT_TRUE(p.log.empty()) << "a window refused before it exists has no address to log";
}

TEST(PopupNewWindow, WithoutAClickItIsMadeAndClosedAtItsFirstNavigationWithItsLine) {
    PopupHarness p;
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    const ChildId popup = p.ScriptOpens(page, "http://pop.example/offer.htm");
    ASSERT_NE(popup, kNoChild);
    EXPECT_FALSE(p.h.window.ChildWindowOf(popup)->visible) << "never shown";
    p.h.Pump();
    EXPECT_FALSE(p.Alive(popup));
    EXPECT_EQ(p.h.frame->Windows().Count(), 1);
    EXPECT_EQ(p.log,
              std::vector<std::string>{"11 Auto Popup Filter => http://pop.example/offer.htm"});
    EXPECT_EQ(p.Refused(), 1);
    EXPECT_TRUE(p.dialogs.Count("confirm") == 0) << "NotConfirmPopupFilter is on by default";
}

TEST(PopupNewWindow, AnAddressOnTheExceptionListLivesThoughNoClickExplainsIt) {
    PopupHarness p;
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    const ChildId popup = p.ScriptOpens(page, "http://ads.example/ok.htm");
    p.h.Pump();
    EXPECT_TRUE(p.Alive(popup));
    EXPECT_EQ(p.Refused(), 0);
}

TEST(PopupNewWindow, AfterARightPressFilterRefreshWantsALink) {
    for (const bool filterRefresh : {false, true}) {
        PopupHarness p(std::string("FilterRefresh=") + (filterRefresh ? "1" : "0") + "\r\n" +
                       kNoLogging);
        CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
        p.h.BrowserOf(page).RaiseParentNotify(ChildNoticeKind::RightPress, 0, 30, 40);
        const bool opened = p.ScriptOpens(page, "http://a.example/r1.htm") != kNoChild;
        EXPECT_EQ(opened, !filterRefresh) << "FilterRefresh " << filterRefresh;

        p.h.BrowserOf(page).document.links["30,40"] = "javascript:reload()";
        p.h.BrowserOf(page).RaiseParentNotify(ChildNoticeKind::RightPress, 0, 30, 40);
        EXPECT_NE(p.ScriptOpens(page, "http://a.example/r2.htm"), kNoChild)
            << "a press on a script link, FilterRefresh " << filterRefresh;
    }
}

TEST(PopupNewWindow, TheProgramsOwnScriptOpensOneWindowAndAClosingPageNone) {
    PopupHarness p(kNoLogging);
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    page->View().Clicks().lastButton = LastButton::ProgramScript;
    EXPECT_NE(p.ScriptOpens(page, "http://a.example/s1.htm"), kNoChild);
    EXPECT_EQ(page->View().Clicks().lastButton, LastButton::LeftOrOther);
    EXPECT_EQ(p.ScriptOpens(page, "http://a.example/s2.htm"), kNoChild) << "only once";
    EXPECT_EQ(p.Refused(), 1);

    ClickInPage(p.h, page, 100);
    page->View().MarkClosing();
    bool cancel = false;
    EXPECT_EQ(p.h.BrowserOf(page).RaiseNewWindow(cancel), nullptr);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(p.Refused(), 1) << "a closing page's request is not counted";
}

TEST(PopupNewWindow, APageGetsAFreshHiddenWindowNeverAnIdleBlankTab) {
    PopupHarness p;
    CChildFrame* blank = p.h.OpenBlank();
    ASSERT_NE(blank, nullptr);
    p.h.Pump();
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    const size_t before = p.h.window.Children().size();
    ClickInPage(p.h, page, 100);
    bool cancel = true;
    BrowserControl* control = p.h.BrowserOf(page).RaiseNewWindow(cancel);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(cancel);
    EXPECT_NE(control, blank->View().Browser());
    EXPECT_EQ(p.h.window.Children().size(), before + 1);
    EXPECT_FALSE(p.h.window.ChildWindowOf(page->LastOpened())->visible);
}

// --- Windows on the popup list -----------------------------------------------------------

TEST(PopupList, AWindowOpenedForAListedAddressClosesAndTheExceptionWins) {
    PopupHarness p;
    LoadedWindow(p.h, "http://a.example/", "A");
    // Opened without pumping: the close the filter posts ends the window at the next pump.
    CChildFrame* listed = p.h.NewChild(ChildMode::ReuseOrCreate, NavKind::Url,
                                       "http://ads.example/banner.htm", false);
    ASSERT_NE(listed, nullptr);
    const ChildId id = listed->Id();
    EXPECT_TRUE(listed->View().IsClosing());
    p.h.Pump();
    EXPECT_FALSE(p.Alive(id));
    EXPECT_EQ(p.log,
              std::vector<std::string>{"11 User List  Filter => http://ads.example/banner.htm"});

    CChildFrame* excepted = p.h.Open("http://ads.example/ok.htm");
    ASSERT_NE(excepted, nullptr);
    p.h.Pump();
    EXPECT_TRUE(p.Alive(excepted->Id()));
    EXPECT_EQ(p.Refused(), 1);
}

TEST(PopupList, APageThatCompletesAtAListedAddressIsClosed) {
    PopupHarness p;
    CChildFrame* page = LoadedWindow(p.h, "http://news.example/", "News");
    const ChildId id = page->Id();
    p.h.BrowserOf(page).Load(test::FakePage{"http://ads.example/landing.htm", "", {}});
    EXPECT_EQ(page->View().Progress(), kProgressIdle);
    EXPECT_TRUE(page->View().IsClosing());
    p.h.Pump();
    EXPECT_FALSE(p.Alive(id));
    EXPECT_EQ(p.log,
              std::vector<std::string>{"11 User List  Filter => http://ads.example/landing.htm"});

    PopupHarness off("KillListWin=0\r\n");
    CChildFrame* kept = LoadedWindow(off.h, "http://news.example/", "News");
    off.h.BrowserOf(kept).Load(test::FakePage{"http://ads.example/landing.htm", "", {}});
    off.h.Pump();
    EXPECT_TRUE(off.Alive(kept->Id()));
}

TEST(PopupDuplicate, APageWindowOnAnAddressAnotherTabShowsGivesWayToThatTab) {
    PopupHarness p;
    CChildFrame* shown = LoadedWindow(p.h, "http://b.example/", "B");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    ClickInPage(p.h, page, 100);
    const ChildId popup = p.ScriptOpens(page, "http://b.example/");
    ASSERT_NE(popup, kNoChild);
    CChildFrame* duplicate = p.h.frame->Windows().Find(popup);
    ASSERT_NE(duplicate, nullptr);
    EXPECT_TRUE(duplicate->View().Opening().popupKilled);
    EXPECT_EQ(duplicate->View().Opening().dupCheckBudget, 0);
    EXPECT_EQ(p.h.Active(), shown);
    p.h.BrowserOf(duplicate).RaiseLoaded("res://ieframe.dll/navcancl.htm#http://b.example/");
    p.h.Pump();
    EXPECT_FALSE(p.Alive(popup));
    EXPECT_TRUE(p.log.empty()) << "a duplicate is no filtered popup";
}

// --- Questions, asked only from a posted message -----------------------------------------

TEST(PopupQuestion, AnAutomaticWindowIsAskedAboutAfterTheEventAndClosedOnOk) {
    PopupHarness p("NotConfirmPopupFilter=0\r\n");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    p.dialogs.confirmAnswer = {.ok = true, .text = "http://pop.example/*", .addToList = true};
    const ChildId popup = p.ScriptOpens(page, "http://pop.example/offer.htm");
    ASSERT_NE(popup, kNoChild);
    EXPECT_EQ(p.dialogs.Count("confirm"), 0) << "nothing is asked inside the engine's event";
    EXPECT_TRUE(p.Alive(popup));
    p.h.Pump();
    EXPECT_EQ(p.dialogs.Count("confirm"), 1);
    EXPECT_FALSE(p.Alive(popup));
    EXPECT_EQ(p.log,
              std::vector<std::string>{"11 Auto Popup Filter => http://pop.example/offer.htm"});
    EXPECT_EQ(p.SavedPopList(),
              (std::vector<std::string>{"http://ads.example/*", "http://pop.example/*"}))
        << "the added entry is in Filter.ini at once";
}

TEST(PopupQuestion, CancelKeepsTheWindowAndStillStoresDontShowAgain) {
    PopupHarness p("NotConfirmPopupFilter=0\r\n");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    p.dialogs.confirmAnswer = {.ok = false, .dontShowAgain = true};
    const ChildId popup = p.ScriptOpens(page, "http://pop.example/offer.htm");
    p.h.Pump();
    EXPECT_TRUE(p.Alive(popup));
    EXPECT_FALSE(p.h.frame->Windows().Find(popup)->View().IsClosing());
    EXPECT_EQ(p.h.app->Settings().Get(keys::NotConfirmPopupFilter), 1);
    EXPECT_EQ(p.Refused(), 0);
}

TEST(PopupQuestion, AWindowGoneBeforeOrDuringTheQuestionIsLeftAlone) {
    PopupHarness p("NotConfirmPopupFilter=0\r\n");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    p.dialogs.confirmAnswer = {.ok = true};
    const ChildId early = p.ScriptOpens(page, "http://pop.example/one.htm");
    p.h.frame->Windows().Find(early)->View().CloseWindow();
    p.h.Pump();
    EXPECT_EQ(p.dialogs.Count("confirm"), 0) << "no question about a window that went";

    const ChildId during = p.ScriptOpens(page, "http://pop.example/two.htm");
    p.dialogs.whileOpen = [&] {
        p.h.platform.loop.Post(during, kWmClose, 0, 0);
        p.h.Pump();
    };
    p.h.Pump();
    EXPECT_EQ(p.dialogs.Count("confirm"), 1);
    EXPECT_FALSE(p.Alive(during));
    EXPECT_TRUE(p.log.empty()) << "what the user closed was not filtered";
}

TEST(PopupQuestion, TwoWindowsAreAskedAboutOneAfterTheOther) {
    PopupHarness p("NotConfirmPopupFilter=0\r\n");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    p.dialogs.confirmAnswer = {.ok = true};
    int open = 0;
    int deepest = 0;
    p.dialogs.whileOpen = [&] { deepest = std::max(deepest, ++open); };
    const ChildId first = p.ScriptOpens(page, "http://pop.example/one.htm");
    const ChildId second = p.ScriptOpens(page, "http://pop.example/two.htm");
    p.dialogs.whileOpen = [&] {
        deepest = std::max(deepest, ++open);
        p.h.Pump();  // the second question's message arrives while the first is open
        --open;
    };
    p.h.Pump();
    EXPECT_EQ(deepest, 1) << "never one question inside another";
    EXPECT_EQ(p.dialogs.Count("confirm"), 2);
    EXPECT_FALSE(p.Alive(first));
    EXPECT_FALSE(p.Alive(second));
    EXPECT_EQ(p.Refused(), 2);
}

// --- Script dialogs ----------------------------------------------------------------------

TEST(PopupDialogFilter, AListedDialogIsEmptiedLoggedAndAwaited) {
    PopupHarness p("UseDialogFilter=1\r\nNotFilterClickDialog=0\r\n");
    UrlRequestFilter& requests = p.h.frame->Filters().Url().Requests();
    const RequestDecision emptied = requests.Decide("http://ads.example/dlg.htm", kDialogBindFlags);
    EXPECT_FALSE(emptied.useDefault);
    EXPECT_TRUE(emptied.body.empty());
    EXPECT_EQ(p.log, std::vector<std::string>{"11 Dialog Filter => http://ads.example/dlg.htm"});
    EXPECT_EQ(p.Popups().PendingDialogKills().Pending(), 1);

    EXPECT_TRUE(requests.Decide("http://ads.example/style.htc", kDialogBindFlags).useDefault);
    EXPECT_TRUE(requests.Decide("http://ads.example/ok.htm", kDialogBindFlags).useDefault);
    EXPECT_EQ(p.Refused(), 1);
}

TEST(PopupDialogFilter, AnUnlistedDialogOpensAndItsQuestionComesLater) {
    PopupHarness p("UseDialogFilter=1\r\nNotFilterClickDialog=0\r\nNotConfirmPopupFilter=0\r\n");
    UrlRequestFilter& requests = p.h.frame->Filters().Url().Requests();
    p.dialogs.confirmAnswer = {.ok = true, .text = "http://dlg.example/*", .addToList = true};
    EXPECT_TRUE(requests.Decide("http://dlg.example/a.htm", kDialogBindFlags).useDefault);
    EXPECT_EQ(p.dialogs.Count("confirm"), 0);
    p.h.Pump();
    EXPECT_EQ(p.dialogs.Count("confirm"), 1);
    EXPECT_FALSE(requests.Decide("http://dlg.example/b.htm", kDialogBindFlags).useDefault)
        << "the address added from the question empties the next dialog";
}

TEST(PopupDialogFilter, TheEmptiedDialogsWindowIsClosedOnceAndOnlyWhileItIsAwaited) {
    PopupHarness p("UseDialogFilter=1\r\nNotFilterClickDialog=0\r\n");
    CChildFrame* page = LoadedWindow(p.h, "http://a.example/", "A");
    const int focusBefore = p.h.BrowserOf(page).focusCount;
    UrlRequestFilter& requests = p.h.frame->Filters().Url().Requests();
    PopupFilter& popups = p.Popups();
    EXPECT_FALSE(popups.OnFrameDeactivated(true, "Offer -- Web Page Dialog"))
        << "nothing emptied, nothing closed";

    requests.Decide("http://ads.example/dlg.htm", kDialogBindFlags);
    EXPECT_FALSE(popups.OnFrameDeactivated(true, "Offer")) << "not a script dialog's caption";
    EXPECT_FALSE(popups.OnFrameDeactivated(true, "Offer -- Web Page Dialog"))
        << "the one emptied dialog was used up";

    requests.Decide("http://ads.example/dlg.htm", kDialogBindFlags);
    EXPECT_TRUE(popups.OnFrameDeactivated(true, "Offer -- Web Page Dialog"));
    popups.RefocusPage();
    EXPECT_EQ(p.h.BrowserOf(page).focusCount, focusBefore + 1);

    requests.Decide("http://ads.example/dlg.htm", kDialogBindFlags);
    p.h.platform.clock.Advance(10'000);
    EXPECT_FALSE(popups.OnFrameDeactivated(true, "Legit -- Web Page Dialog"))
        << "a dialog emptied long ago closes no later one";
}

// A count left by an emptied dialog whose window never came must not outlive the next page
// navigation: the user's next script dialog on the new page is legitimate.
TEST(PopupDialogFilter, ANavigationEndsTheWaitForAnEmptiedDialog) {
    PopupHarness p("UseDialogFilter=1\r\nNotFilterClickDialog=0\r\n");
    UrlRequestFilter& requests = p.h.frame->Filters().Url().Requests();
    ASSERT_FALSE(requests.Decide("http://ads.example/dlg.htm", kDialogBindFlags).useDefault);
    ASSERT_EQ(p.Popups().PendingDialogKills().Pending(), 1);
    CChildFrame* page = LoadedWindow(p.h, "http://b.example/", "B");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(p.Popups().PendingDialogKills().Pending(), 0);
    EXPECT_FALSE(p.Popups().OnFrameDeactivated(true, "Legit -- Web Page Dialog"));
}

// --- "Add to Popup Filter..." ------------------------------------------------------------

TEST(AddToPopupFilter, AddsTheEditedAddressSavesItAndClosesThePage) {
    PopupHarness p;
    CChildFrame* page = LoadedWindow(p.h, "http://spam.example/x.htm", "Spam");
    const ChildId id = page->Id();
    p.dialogs.addAnswer = {.ok = true, .text = "http://spam.example/*", .closePage = true};
    p.h.Command(IDM_ADD_TO_POPUP_FILTER);
    EXPECT_EQ(p.dialogs.shown.back(), "add http://spam.example/x.htm");
    EXPECT_FALSE(p.Alive(id));
    EXPECT_EQ(p.SavedPopList(),
              (std::vector<std::string>{"http://ads.example/*", "http://spam.example/*"}));

    CChildFrame* kept = LoadedWindow(p.h, "http://spam2.example/", "Spam 2");
    p.dialogs.addAnswer = {.ok = true, .text = "http://spam2.example/", .closePage = false};
    p.h.Command(IDM_ADD_TO_POPUP_FILTER);
    EXPECT_TRUE(p.Alive(kept->Id()));
    EXPECT_EQ(p.SavedPopList().size(), 3u);

    p.dialogs.addAnswer = {.ok = false};
    p.h.Command(IDM_ADD_TO_POPUP_FILTER);
    EXPECT_TRUE(p.Alive(kept->Id()));
    EXPECT_EQ(p.SavedPopList().size(), 3u) << "Cancel adds nothing";
}

TEST(AddToPopupFilter, ABlankPageAsksNothing) {
    PopupHarness p;
    CChildFrame* blank = p.h.OpenBlank();
    ASSERT_NE(blank, nullptr);
    p.h.Pump();
    p.h.frame->ActivateChild(*blank);
    p.h.Command(IDM_ADD_TO_POPUP_FILTER);
    EXPECT_EQ(p.dialogs.Count("add"), 0);
    EXPECT_TRUE(p.Alive(blank->Id()));
}

TEST(AddToPopupFilter, TheTabMenuFormActsOnItsTabAndSurvivesTheTabClosingMeanwhile) {
    PopupHarness p;
    CChildFrame* subject = LoadedWindow(p.h, "http://spam.example/", "Spam");
    CChildFrame* active = LoadedWindow(p.h, "http://news.example/", "News");
    const ChildId subjectId = subject->Id();
    p.dialogs.addAnswer = {.ok = true, .text = "http://spam.example/", .closePage = true};
    p.dialogs.whileOpen = [&] {
        p.h.platform.loop.Post(subjectId, kWmClose, 0, 0);
        p.h.Pump();
    };
    p.h.frame->OnTabMenuCommand(IDM_TAB_TO_POPUP_FILTER, subjectId);
    EXPECT_EQ(p.dialogs.shown.back(), "add http://spam.example/");
    EXPECT_FALSE(p.Alive(subjectId));
    EXPECT_TRUE(p.Alive(active->Id()));
    EXPECT_FALSE(active->View().IsClosing()) << "never the window that took its place";
    EXPECT_EQ(p.SavedPopList().back(), "http://spam.example/");
}

}  // namespace
}  // namespace lumbrel
