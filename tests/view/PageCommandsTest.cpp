// The window's page settings and commands as the user meets them: download-control flags with
// the zone rule, the web proxy switch, text size, back and forward, the edit and dialog
// commands, and the keys and clicks the view's window reports.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "commands/VirtualKeys.h"
#include "frame/FrameMessages.h"
#include "view/DownloadFlags.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::FrameHarness;
using test::LoadedWindow;

constexpr int kUserFlags = kDlNoScripts | kDlNoJava | kDlNoActiveXRun;  // 0x380

TEST(DownAll, ALocalPageLoadsEverythingAndTheInternetGetsTheUsersFlagsBack) {
    FrameHarness h("DownAll=1\r\nDefaultProperty=896\r\nDisDownActivex=0\r\n");
    CChildFrame* page = LoadedWindow(h, "http://site.example/", "Site");
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.RaiseBeforeNavigate("C:\\pages\\local.htm");
    EXPECT_EQ(page->View().Flags().dlFlags, kDlEverything);
    EXPECT_EQ(engine.downloadFlags, kDlEverything) << "the engine is told";
    engine.FinishLoad("Local");
    EXPECT_TRUE(h.frame->QueryCommand(IDM_ENABLE_SCRIPTS).checked);

    h.platform.ui.ctrlHeld = true;
    h.Command(IDM_PLAY_SOUNDS);  // sounds off while on the local page
    engine.RaiseBeforeNavigate("http://www.site.example/next.htm");
    EXPECT_EQ(page->View().Flags().dlFlags, kUserFlags)
        << "scripts, Java and ActiveX stay off as the user chose";
    EXPECT_EQ(engine.downloadFlags, kUserFlags);
}

TEST(DownAll, FixedFlagsAreLeftAlone) {
    FrameHarness h("DownAll=2\r\nDisDownActivex=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://site.example/", "Site");
    page->View().SetFixedDownloadFlags(kDlImages);
    EXPECT_EQ(h.BrowserOf(page).downloadFlags, kDlImages | kDlNoActiveXDownload);
    h.BrowserOf(page).RaiseBeforeNavigate("file:///C:/a.htm");
    EXPECT_EQ(page->View().Flags().dlFlags, kDlImages);
}

TEST(DownloadFlagCommands, CtrlChangesTheFlagWithoutReloading) {
    FrameHarness h("DefaultProperty=112\r\nDisDownActivex=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_SHOW_IMAGES).checked);
    h.platform.ui.ctrlHeld = true;
    const int refreshesBefore = h.window.commandRefreshes;
    h.Command(IDM_SHOW_IMAGES);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_SHOW_IMAGES).checked);
    EXPECT_EQ(engine.downloadFlags, kDlVideos | kDlSounds | kDlNoActiveXDownload);
    EXPECT_TRUE(engine.refreshes.empty());
    EXPECT_GT(h.window.commandRefreshes, refreshesBefore) << "the toolbar button follows";
    h.platform.ui.ctrlHeld = false;
    h.Command(IDM_SHOW_IMAGES);
    EXPECT_EQ(engine.refreshes, std::vector<int>{0});
}

TEST(WebProxySwitch, ReopensThePageThroughTheProxyOnce) {
    FrameHarness h("DefaultWebProxy=http://proxy.example/go?u=%s\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/x?y=1", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    h.Command(IDM_ENABLE_WEB_PROXY);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_ENABLE_WEB_PROXY).checked);
    const std::string proxied = "http://proxy.example/go?u=http%3A%2F%2Fa.example%2Fx%3Fy%3D1";
    EXPECT_EQ(engine.navigations.back(), proxied);
    engine.FinishLoad("A via proxy");
    h.Command(IDM_ENABLE_WEB_PROXY);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_ENABLE_WEB_PROXY).checked);
    const size_t navigations = engine.navigations.size();
    h.Command(IDM_ENABLE_WEB_PROXY);
    EXPECT_EQ(engine.navigations.size(), navigations) << "the page is proxied already";
    page->View().OpenUrl("www.b.example/");
    EXPECT_EQ(engine.navigations.back(), "http://proxy.example/go?u=http%3A%2F%2Fwww.b.example%2F");
}

TEST(WebProxySwitch, WithoutAProxyItSaysSoAndStaysOffEvenIfTheWindowCloses) {
    FrameHarness h;
    LoadedWindow(h, "http://one.example/", "One");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.Command(IDM_ENABLE_WEB_PROXY);
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Please select a proxy before enable !");
    EXPECT_FALSE(h.frame->QueryCommand(IDM_ENABLE_WEB_PROXY).checked);
    const ChildId id = page->Id();
    h.platform.loop.Post(id, kWmClose, 0, 0);
    h.frame->OnCommand(IDM_ENABLE_WEB_PROXY);
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
}

TEST(TextSize, SetsTheEnginesZoomAndTheDefault) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    EXPECT_TRUE(h.frame->QueryCommand(IDM_TEXT_SIZE_MEDIUM).checked);
    h.Command(IDM_TEXT_SIZE_SMALLEST);
    EXPECT_EQ(h.BrowserOf(page).execs.back(), "19,2,0");
    EXPECT_TRUE(h.frame->QueryCommand(IDM_TEXT_SIZE_SMALLEST).checked);
    EXPECT_EQ(h.app->Prefs().defFontSize, 4);
    h.Command(IDM_TEXT_SIZE_LARGEST);
    EXPECT_EQ(h.BrowserOf(page).execs.back(), "19,2,4");
}

TEST(EditCommands, GoToTheEngineAndItsDialogs) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    for (int id : {IDM_EDIT_COPY, IDM_EDIT_CUT, IDM_EDIT_PASTE, IDM_EDIT_SELECT_ALL})
        h.Command(id);
    EXPECT_EQ(engine.execs, (std::vector<std::string>{"12,2", "11,2", "13,2", "17,2"}));
    h.Command(IDM_PAGE_SETUP);
    h.Command(IDM_PROPERTY);
    EXPECT_EQ(engine.document.commands, (std::vector<int>{8, 10}));
    engine.document.exists = false;
    h.Command(IDM_PAGE_SETUP);
    EXPECT_EQ(engine.document.commands.size(), 2u) << "no document, no dialog";
    h.Command(IDM_IMPORT_EXPORT);
    EXPECT_EQ(engine.documentViewCommands, std::vector<int>{374});
}

TEST(BackForward, FollowTheEngineAndKeepTheirOwnListWithoutATravelLog) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_BACK).enabled);
    page->View().GoBack(2);
    EXPECT_EQ(page->View().PendingSteps(), 0) << "no step could be taken";
    for (const char* name : {"B", "C"}) {
        engine.RaiseBeforeNavigate(std::string("http://") + name + ".example/");
        engine.FinishLoad(name);
    }
    EXPECT_TRUE(h.frame->QueryCommand(IDM_BACK).enabled);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_FORWARD).enabled);
    h.Command(IDM_BACK);
    EXPECT_EQ(page->View().PendingSteps(), 1);
    engine.FinishLoad("B");
    EXPECT_EQ(engine.location, "http://B.example/");
    EXPECT_TRUE(h.frame->QueryCommand(IDM_FORWARD).enabled);
    const HistoryList& list = page->View().History();
    EXPECT_EQ(list.historyUrls, (std::vector<std::string>{"http://a.example/", "http://B.example/",
                                                          "http://C.example/"}));
    EXPECT_EQ(list.historyTitles, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list.historyPos, 1);
    EXPECT_EQ(page->View().PendingSteps(), 0);

    FrameHarness logged;
    CChildFrame* other = logged.Open("http://a.example/", true);
    logged.BrowserOf(other).travelLog = true;
    logged.BrowserOf(other).FinishLoad("A");
    EXPECT_TRUE(other->View().History().historyUrls.empty()) << "the engine keeps its own";
}

TEST(BackForward, AWindowClosedWhileTheEngineAsksAboutTheStepIsLeftAlone) {
    const std::string spoof = "http://www.bank.example\x01@evil.example/";
    for (const int command : {IDM_BACK, IDM_FORWARD}) {
        FrameHarness h;
        CChildFrame* other = LoadedWindow(h, "http://one.example/");
        CChildFrame* page = LoadedWindow(h, "http://p.example/");
        const ChildId id = page->Id();
        test::FakeBrowser& engine = h.BrowserOf(page);
        h.platform.ui.AnswerMessage(MsgResult::Yes);
        engine.RaiseBeforeNavigate(spoof);
        engine.FinishLoad("Spoof");
        engine.RaiseBeforeNavigate("http://two.example/");
        engine.FinishLoad("Two");
        if (command == IDM_FORWARD) {
            h.platform.ui.AnswerMessage(MsgResult::Yes);
            h.Command(IDM_BACK);
            engine.FinishLoad("Spoof");
            h.Command(IDM_BACK);
            engine.FinishLoad("P");
        }
        ASSERT_TRUE(h.frame->QueryCommand(command).enabled);
        // The step's address asks its question, and a close waits in the message loop.
        h.platform.loop.Post(id, kWmClose, 0, 0);
        h.platform.ui.AnswerMessage(MsgResult::Yes);
        h.Command(command);
        EXPECT_EQ(h.frame->Windows().Find(id), nullptr) << command;
        EXPECT_NE(h.frame->Windows().Find(other->Id()), nullptr) << command;
        EXPECT_TRUE(h.platform.ui.AllAnswersUsed()) << command;
    }
}

TEST(ViewWindow, EnterCountsAsAClickAndItsReleaseAsACharacter) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    EXPECT_EQ(engine.RaiseKey(KeyPhase::Down, 13), KeyVerdict::Deliver);
    EXPECT_NE(page->View().Clicks().leftClickTime, 0);
    EXPECT_EQ(engine.RaiseKey(KeyPhase::Up, 13), KeyVerdict::DeliverAsChar);
    engine.RaiseKey(KeyPhase::Down, 13, true);
    EXPECT_EQ(engine.RaiseKey(KeyPhase::Up, 13, true), KeyVerdict::Deliver);
}

TEST(ViewWindow, CtrlArrowsMoveBetweenWindowsOutsideTextFields) {
    FrameHarness h("NewSequence=0\r\n");
    CChildFrame* first = LoadedWindow(h, "http://a.example/", "A");
    CChildFrame* second = LoadedWindow(h, "http://b.example/", "B");
    h.frame->ActivateChild(*second);
    test::FakeBrowser& engine = h.BrowserOf(second);
    engine.document.focused = FocusedElementKind::TextArea;
    EXPECT_EQ(engine.RaiseKey(KeyPhase::Down, vk::kLeft, true), KeyVerdict::Deliver);
    h.Pump();
    EXPECT_EQ(h.Active(), second);
    engine.document.focused = FocusedElementKind::Other;
    EXPECT_EQ(engine.RaiseKey(KeyPhase::Down, vk::kLeft, true), KeyVerdict::Eat);
    h.Pump();
    EXPECT_EQ(h.Active(), first);
}

TEST(ViewWindow, OnlyTheControlsOwnEndClosesTheWindow) {
    FrameHarness h;
    LoadedWindow(h, "http://one.example/", "One");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    const ChildId id = page->Id();
    h.BrowserOf(page).RaiseParentNotify(ChildNoticeKind::Destroyed, 0x4711);
    h.Pump();
    ASSERT_NE(h.frame->Windows().Find(id), nullptr) << "a plugin's window went";
    h.BrowserOf(page).RaiseParentNotify(ChildNoticeKind::Destroyed, 100);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Find(id), nullptr);
}

TEST(ViewWindow, TheClickRecordTellsLeftFromRight) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.RaiseParentNotify(ChildNoticeKind::LeftPress, 0, 30, 40);
    const ClickRecord& clicks = page->View().Clicks();
    EXPECT_TRUE(clicks.leftClickArmed);
    EXPECT_EQ(clicks.leftClickPoint.x, 30);
    EXPECT_EQ(clicks.lastButton, LastButton::LeftOrOther);
    engine.RaiseParentNotify(ChildNoticeKind::RightPress, 0, 1, 1);
    EXPECT_FALSE(clicks.leftClickArmed);
    EXPECT_EQ(clicks.lastButton, LastButton::Right);
    page->View().Opening().justOpenedUrl = "http://x/";
    engine.RaiseMouse(PageMouseKind::LeftUp);
    EXPECT_EQ(page->View().Opening().justOpenedUrl, "");
}

}  // namespace
}  // namespace lumbrel
