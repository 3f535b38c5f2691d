// What a navigation must pass before it goes on: the spoofing question, the popup checks, the
// target-name reuse, forbidden navigation and the hand-offs to other programs. Questions run
// the message loop, and the window may close while one is up.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "view/PopupChecks.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::ClickInPage;
using test::FrameHarness;
using test::LoadedWindow;

const std::string kSpoof = "http://www.bank.example\x01@evil.example/";

TEST(Spoofing, AfterYesTheWindowShowsTheRealAddress) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://start.example/", "Start");
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate(kSpoof));
    ASSERT_EQ(h.platform.ui.MessagesShown().size(), 1u);
    EXPECT_EQ(h.platform.ui.MessagesShown()[0],
              kSpoof +
                  "\r\n\r\nThis maybe is a \"Spoofing Vulnerability\" URL. "
                  "Do you really want to browse ?");
    // The engine shows the address without what follows the \x01.
    h.BrowserOf(page).Load(test::FakePage{"http://www.bank.example/", "Bank", {}});
    EXPECT_EQ(page->View().Location(), kSpoof);
    EXPECT_EQ(h.address.text, kSpoof);

    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate("http://next.example/"));
    h.BrowserOf(page).FinishLoad("Next");
    EXPECT_EQ(page->View().Location(), "http://next.example/") << "the override ends";
}

TEST(Spoofing, NoClosesTheWindow) {
    FrameHarness h;
    LoadedWindow(h, "http://one.example/");
    CChildFrame* page = LoadedWindow(h, "http://start.example/");
    const ChildId id = page->Id();
    h.platform.ui.AnswerMessage(MsgResult::No);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate(kSpoof));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(Spoofing, AWindowClosedWhileTheQuestionIsUpIsLeftAlone) {
    FrameHarness h;
    LoadedWindow(h, "http://one.example/");
    CChildFrame* page = LoadedWindow(h, "http://start.example/");
    const ChildId id = page->Id();
    test::FakeBrowser& engine = h.BrowserOf(page);
    // A close request already queued runs inside the question's message loop.
    h.platform.loop.Post(id, kWmClose, 0, 0);
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_TRUE(engine.RaiseBeforeNavigate(kSpoof));
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(Spoofing, AnAddressTypedIntoAWindowThatClosesDuringTheQuestionLeavesItAlone) {
    FrameHarness h;
    LoadedWindow(h, "http://one.example/");
    CChildFrame* page = LoadedWindow(h, "http://start.example/");
    const ChildId id = page->Id();
    h.platform.loop.Post(id, kWmClose, 0, 0);
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    h.frame->Address().GoAddress(kSpoof, KeyModifiers{});
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.window.Children().size(), 1u);
}

TEST(Spoofing, AFrameOfThePageAsksNothing) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://start.example/");
    h.BrowserOf(page).Load(test::FakePage{"http://start.example/f.htm", "", {kSpoof}});
    EXPECT_TRUE(h.platform.ui.MessagesShown().empty());
    EXPECT_EQ(page->View().Location(), "http://start.example/f.htm");
}

// A popup list of the test's own: an automatic window whose first navigation goes to a listed
// address is closed.
class StandInPopupList : public PopupChecks {
public:
    std::vector<std::string> list;
    NewWindowVerdict OnNewWindow(CQuorralView&) override { return {true, true}; }
    void OnPageNavigation(CQuorralView&) override {}
    bool CheckNavigation(CQuorralView& view, const std::string&,
                         const std::string& normalizedUrl) override {
        if (!view.Opening().checkPopupAfterNav ||
            std::find(list.begin(), list.end(), normalizedUrl) == list.end())
            return false;
        view.KillAsPopup(normalizedUrl, kProgressStarted, true);
        return true;
    }
    bool CheckCompleted(CQuorralView&, const std::string&) override { return false; }
};

TEST(Popups, AListedWindowOpenedByScriptClosesWithoutATab) {
    FrameHarness h;
    StandInPopupList popups;
    popups.list = {"http://ads.example/pop.htm"};
    h.frame->Services().SetPopupChecks(&popups);
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser* popup = h.BrowserOf(page).OpenWindowFromScript("http://ads.example/pop.htm");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->lastNavigationCancelled);
    const ChildId id = page->LastOpened();
    EXPECT_FALSE(h.window.ChildWindowOf(id)->visible);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.Tabs(), "0*:0") << "never a tab for it";

    ASSERT_NE(h.BrowserOf(page).OpenWindowFromScript("http://news.example/"), nullptr);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2) << "an address off the list opens";
    h.frame->Services().SetPopupChecks(nullptr);
}

// A popup rule that asks before a page may open a window.
class AskingPopupChecks : public AllowAllPopups {
public:
    explicit AskingPopupChecks(Ui& ui) : ui_(ui) {}
    NewWindowVerdict OnNewWindow(CQuorralView&) override {
        ui_.MessageBox("Open it?", MsgButtons::YesNo, MsgIcon::Question);
        return {};
    }

private:
    Ui& ui_;
};

TEST(Popups, APageWhoseWindowClosesWhileItsRequestIsAskedAboutOpensNothing) {
    FrameHarness h;
    AskingPopupChecks popups(h.platform.ui);
    h.frame->Services().SetPopupChecks(&popups);
    LoadedWindow(h, "http://one.example/");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    const ChildId id = page->Id();
    test::FakeBrowser& engine = h.BrowserOf(page);
    h.platform.loop.Post(id, kWmClose, 0, 0);
    bool cancel = false;
    EXPECT_EQ(engine.RaiseNewWindow(cancel), nullptr);
    EXPECT_TRUE(cancel);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.window.Children().size(), 1u) << "no hidden window left behind";
    h.frame->Services().SetPopupChecks(nullptr);
}

// A duplicate of another window is refused without closing the window at once: the engine's
// cancel page closes it.
class RefuseWithoutClosing : public AllowAllPopups {
public:
    bool CheckNavigation(CQuorralView& view, const std::string&,
                         const std::string& normalizedUrl) override {
        if (!view.OpenedByPage())
            return false;
        view.KillAsPopup(normalizedUrl, kProgressStarted, false);
        return true;
    }
};

TEST(Popups, ARefusedPageWindowGoesWhenTheEngineShowsItsCancelPage) {
    FrameHarness h;
    RefuseWithoutClosing popups;
    h.frame->Services().SetPopupChecks(&popups);
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.window.visible = false;  // hidden to the tray: only the cancel page proves the refusal
    test::FakeBrowser* popup = h.BrowserOf(page).OpenWindowFromScript("http://dup.example/");
    ASSERT_NE(popup, nullptr);
    const ChildId id = page->LastOpened();
    popup->RaiseLoaded("http://elsewhere.example/");
    h.Pump();
    ASSERT_NE(h.frame->Windows().Find(id), nullptr) << "not the page that was refused";
    popup->RaiseLoaded("res://ieframe.dll/navcancl.htm#http://dup.example/");
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(h.Tabs(), "0*:0");
    h.frame->Services().SetPopupChecks(nullptr);
}

TEST(Popups, TheFramesPopupFilterOpensAClickedWindowAndClosesAnAutomaticOne) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    ClickInPage(h, page);
    ASSERT_NE(h.BrowserOf(page).OpenWindowFromScript("http://news.example/"), nullptr);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2);

    h.platform.clock.Advance(5000);
    ASSERT_NE(h.BrowserOf(page).OpenWindowFromScript("http://ads.example/pop.htm"), nullptr)
        << "made, to be judged at its first navigation";
    const ChildId automatic = page->LastOpened();
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(automatic), nullptr);
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

// Windows opened by scripts without a click: the automatic-window rule is off here.
TEST(TargetName, AWindowNamedByItsOpenerTakesLaterNavigationsToThatName) {
    FrameHarness h("LinkInNewWindow=0\r\nKillAutoWin=0\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser* named = h.BrowserOf(page).OpenWindowFromScript("http://b.example/");
    ASSERT_NE(named, nullptr);
    CChildFrame* results = h.frame->Windows().Find(page->LastOpened());
    // The engine names the window at its first navigation.
    named->RaiseBeforeNavigate("http://b.example/list", "", "results");
    named->FinishLoad("Results");
    EXPECT_EQ(results->View().Nav().targetName, "results");

    bool cancel = false;
    auto* fresh = dynamic_cast<test::FakeBrowser*>(h.BrowserOf(page).RaiseNewWindow(cancel));
    ASSERT_NE(fresh, nullptr);
    const ChildId freshId = page->LastOpened();
    EXPECT_TRUE(
        fresh->RaiseBeforeNavigate("http://b.example/search", std::string("q=1\0x", 5), "results"));
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(freshId), nullptr) << "the new window goes";
    const test::FakeBrowser::Request& sent = named->requests.back();
    EXPECT_EQ(sent.url, "http://b.example/search");
    EXPECT_EQ(sent.postData, std::string("q=1\0x", 5)) << "the form data goes along";
}

TEST(TargetName, FrameNamesAndClosingWindowsAreNotReused) {
    FrameHarness h("KillAutoWin=0\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    BeforeNavigateArgs frameNavigation;
    frameNavigation.url = "http://a.example/menu.htm";
    frameNavigation.targetFrame = "main";
    frameNavigation.frame = &frameNavigation;
    h.BrowserOf(page).RaiseBeforeNavigateArgs(frameNavigation);
    EXPECT_EQ(page->View().Nav().targetName, "") << "a frame's name is no window's";

    test::FakeBrowser* named = h.BrowserOf(page).OpenWindowFromScript("http://b.example/");
    named->RaiseBeforeNavigate("http://b.example/", "", "results");
    h.frame->Windows().Find(page->LastOpened())->View().MarkClosing();
    bool cancel = false;
    auto* fresh = dynamic_cast<test::FakeBrowser*>(h.BrowserOf(page).RaiseNewWindow(cancel));
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(fresh->RaiseBeforeNavigate("http://b.example/2", "", "results"))
        << "the named window is closing: the new one keeps the page";
}

TEST(ForbidNavigate, CancelsEveryNavigationUntilRefresh) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.Command(IDM_FORBID_AUTO_NAVIGATE);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_FORBID_AUTO_NAVIGATE).checked);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("http://redirect.example/"));
    h.Command(IDM_REFRESH);
    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate("http://redirect.example/"));
}

TEST(HandOff, FtpAddressesGoQuotedToTheFtpProgramAndUnsafeOnesNowhere) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    EXPECT_TRUE(engine.RaiseBeforeNavigate("ftp://files.example/a b.zip"));
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "IEXPLORE.EXE");
    EXPECT_EQ(h.platform.shell.executed[0].parameters, "\"ftp://files.example/a b.zip\"");
    EXPECT_TRUE(engine.RaiseBeforeNavigate("ftp://x/\" -evil \"C:\\x"));
    EXPECT_EQ(h.platform.shell.executed.size(), 1u) << "refused, and not loaded either";
    h.platform.ui.ctrlHeld = true;
    EXPECT_FALSE(engine.RaiseBeforeNavigate("ftp://files.example/"))
        << "with Ctrl the engine opens it";
}

TEST(HandOff, AFailingFtpProgramIsReportedAndTheWindowMayCloseMeanwhile) {
    FrameHarness h;
    h.app->Settings().WriteProfileInt("FtpOpen", "FtpOpenType", 2);
    h.app->Settings().WriteProfileString("FtpOpen", "FtpExePath", "C:\\Ftp\\ftp.exe");
    LoadedWindow(h, "http://one.example/");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    const ChildId id = page->Id();
    h.platform.shell.failExecute = true;
    // The failure box runs the message loop, and a queued close request with it.
    h.platform.loop.Post(id, kWmClose, 0, 0);
    EXPECT_TRUE(h.BrowserOf(page).RaiseBeforeNavigate("ftp.example.com/pub"));
    EXPECT_EQ(h.platform.shell.executed.back().parameters, "\"ftp://ftp.example.com/pub\"");
    EXPECT_EQ(h.platform.shell.executed.back().directory, "C:\\Ftp");
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Open Ftp URL error !");
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
}

TEST(HandOff, OnlyExistingFoldersTheUserAskedForOpenInTheShell) {
    FrameHarness h;
    h.platform.fs.AddFolder("C:\\Windows");
    h.platform.fs.AddFile("C:\\Tools\\setup", "MZ");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    EXPECT_FALSE(engine.RaiseBeforeNavigate("file:///C:/Windows"))
        << "a page's own navigation is left to the engine";
    ClickInPage(h, page);
    EXPECT_FALSE(engine.RaiseBeforeNavigate("C:\\Tools\\setup")) << "a file without extension";
    EXPECT_FALSE(engine.RaiseBeforeNavigate("shell:startup"));
    EXPECT_FALSE(engine.RaiseBeforeNavigate("x.exe."));
    EXPECT_TRUE(h.platform.shell.executed.empty());
    BeforeNavigateArgs frameNavigation;
    frameNavigation.url = "file:///C:/Windows";
    frameNavigation.frame = &frameNavigation;
    EXPECT_FALSE(engine.RaiseBeforeNavigateArgs(frameNavigation)) << "a frame's, even clicked";
    EXPECT_TRUE(h.platform.shell.executed.empty());
    EXPECT_TRUE(engine.RaiseBeforeNavigate("file:///C:/Windows"));
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Windows");
}

TEST(HandOff, AClickedLinkToAServersShareIsNotLookedAtAnAddressTheUserOpenedIs) {
    FrameHarness h;
    h.platform.fs.AddFolder("\\\\server\\share");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    ClickInPage(h, page);
    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate("file://server/share"));
    EXPECT_TRUE(h.platform.shell.executed.empty());
    page->View().OpenUrl("\\\\server\\share");
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "\\\\server\\share");
}

TEST(HandOff, AFolderTheProgramOpenedDoesNotVouchForThePagesNextNavigation) {
    FrameHarness h;
    h.platform.fs.AddFolder("C:\\Windows");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    page->View().OpenUrl("file:///C:/Windows");
    EXPECT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_FALSE(h.BrowserOf(page).RaiseBeforeNavigate("file:///C:/Windows"))
        << "the page's own navigation, long after any click";
    EXPECT_EQ(h.platform.shell.executed.size(), 1u);
}

TEST(HandOff, AWindowAPageOpensDoesNotOpenFoldersInTheShell) {
    FrameHarness h;
    h.platform.fs.AddFolder("C:\\Windows");
    h.platform.fs.AddFolder("\\\\server\\share");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    for (const char* url : {"file:///C:/Windows", "file://server/share"}) {
        EXPECT_NE(h.BrowserOf(page).OpenWindowFromScript(url), nullptr) << url;
        h.Pump();
    }
    EXPECT_TRUE(h.platform.shell.executed.empty()) << "no click, no user: the page's doing";
}

}  // namespace
}  // namespace lumbrel
