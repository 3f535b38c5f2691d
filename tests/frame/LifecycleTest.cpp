// The frame's timers, showing and hiding, the start-up restore and the ordered shutdown.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "frame/SessionFiles.h"
#include "frame/UndoCloseRing.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

TEST(Exit, AsksAndWritesTheCloseSettingsInOrder) {
    FrameHarness h("Running=1\r\nEnableFilter=5\r\n");
    h.Open("http://a.example/");
    h.platform.ui.AnswerMessage(MsgResult::No);
    EXPECT_FALSE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Do you really want to exit?");
    EXPECT_FALSE(h.window.destroyed);

    h.window.maximized = false;
    h.app->Prefs().killPop = 0;
    h.app->Prefs().useUrlFilter = 1;
    h.app->Prefs().useDialogFilter = 0;
    h.app->Prefs().useFlyingFilter = 0;
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_TRUE(h.frame->OnCloseRequest(false));
    EXPECT_TRUE(h.window.destroyed);
    EXPECT_EQ(h.window.ChildWindowOf(2), nullptr) << "browser windows go before the frame";
    SettingsStore& s = h.app->Settings();
    EXPECT_EQ(s.Get(keys::Running), 0);
    EXPECT_EQ(s.Get(keys::Zoomed), 0);
    EXPECT_EQ(s.Get(keys::MainWidth), 900);
    EXPECT_EQ(s.Get(keys::EnableFilter), 2);
    EXPECT_EQ(s.Get(keys::BandId, 0), 1);
    EXPECT_EQ(s.Get(keys::BandSize, 1), 300);
    EXPECT_EQ(s.Get(keys::BandId, 2), 0) << "a band id of 0 closes the layout";
    EXPECT_EQ(s.Get(keys::BandShown, 1), 0);
    EXPECT_EQ(s.Get(keys::StatusBarShown), 1);
    EXPECT_NE(
        h.platform.fs.Content("C:\\Lumbrel\\User\\LastVisit.ini").find("url0=http://a.example/"),
        std::string::npos);
    EXPECT_FALSE(h.window.visible);
}

TEST(Exit, PageMaxIsWrittenFromTheChildrenDisplayMode) {
    FrameHarness h("PageMax=1\r\nConfirmExit=0\r\n");
    CChildFrame* page = h.Open("http://a.example/");
    ASSERT_TRUE(h.WindowOf(page).maximized);
    page->OnSizeCommand(ChildWindowEvents::SizeCommand::Restore);
    ASSERT_TRUE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.app->Settings().Get(keys::PageMax), 3);

    FrameHarness next("PageMax=3\r\n");
    EXPECT_FALSE(next.WindowOf(next.Open("http://a.example/")).maximized)
        << "restored before the exit: the next start is not maximised";

    FrameHarness again("PageMax=0\r\nConfirmExit=0\r\n");
    again.Open("http://a.example/")->OnSizeCommand(ChildWindowEvents::SizeCommand::Maximize);
    ASSERT_TRUE(again.frame->OnCloseRequest(false));
    EXPECT_EQ(again.app->Settings().Get(keys::PageMax), 1);
}

TEST(Exit, DownloadsAskOncePerDialogAndForBusyPages) {
    FrameHarness h("ConfirmExit=0\r\n");
    CChildFrame* page = h.Open("http://a.example/");
    h.window.foreignDialogs = 2;
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    h.platform.ui.AnswerMessage(MsgResult::No);
    EXPECT_FALSE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.platform.ui.MessagesShown().size(), 2u);

    h.window.foreignDialogs = 0;
    h.BrowserOf(page).busy = true;
    h.platform.ui.AnswerMessage(MsgResult::No);
    EXPECT_FALSE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.platform.ui.MessagesShown().back(),
              "Some pages are downloading, do you really want to exit ?");
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_TRUE(h.frame->OnCloseRequest(false));
}

TEST(Exit, EndingTheSessionSkipsTheFirstQuestion) {
    FrameHarness h;
    EXPECT_TRUE(h.frame->OnCloseRequest(true));
    EXPECT_TRUE(h.platform.ui.MessagesShown().empty());
}

// The exit question runs the message loop; a second close request of the frame comes in it
// (Exit from the tray menu): it is the same exit, which keeps the session it ends.
TEST(Exit, ASecondRequestDuringTheQuestionIsTheSameExit) {
    FrameHarness h("ConfirmExit=1\r\nConfirmExitDowning=0\r\n");
    h.Open("http://a.example/");
    h.platform.loop.Post(kFrameTarget, kWmClose, 0, 0);
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_TRUE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.platform.ui.MessagesShown().size(), 1u) << "asked once";
    EXPECT_NE(
        h.platform.fs.Content("C:\\Lumbrel\\User\\LastVisit.ini").find("url0=http://a.example/"),
        std::string::npos);
}

// The session ends while the exit question is up: it does not wait for the answer.
TEST(Exit, TheEndOfTheSessionDuringTheQuestionExitsOnce) {
    FrameHarness h("ConfirmExit=1\r\nConfirmExitDowning=0\r\n");
    h.Open("http://a.example/");
    h.platform.ui.WhileNextBoxIsUp([&] { EXPECT_TRUE(h.frame->OnCloseRequest(true)); });
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_FALSE(h.frame->OnCloseRequest(false)) << "the inner exit did the work";
    EXPECT_NE(
        h.platform.fs.Content("C:\\Lumbrel\\User\\LastVisit.ini").find("url0=http://a.example/"),
        std::string::npos);
}

TEST(Exit, AMinimisedFrameKeepsItsLastPlacement) {
    FrameHarness h("top=77\r\nZoomed=0\r\nConfirmExit=0\r\n");
    h.window.minimized = true;
    EXPECT_TRUE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.app->Settings().Get(keys::MainTop), 77);
    EXPECT_EQ(h.app->Settings().Get(keys::Running), 0);
}

TEST(Timers, TheUiTickWritesTheVisitingFileEveryFortyTicksWhenTheListChanged) {
    FrameHarness h;
    h.Open("http://a.example/");
    EXPECT_EQ(h.platform.loop.TimerPeriod(kFrameTarget, kUiTickTimer), 750u);
    h.platform.loop.Advance(750 * 40);
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Lumbrel\\User\\Visiting.ini"));
    h.platform.loop.Advance(750);
    EXPECT_NE(
        h.platform.fs.Content("C:\\Lumbrel\\User\\Visiting.ini").find("url0=http://a.example/"),
        std::string::npos);
    EXPECT_FALSE(h.frame->Windows().Changed());
}

TEST(Timers, TheUiTickRestsWhileTheFrameIsHidden) {
    FrameHarness h;
    h.Open("http://a.example/");
    h.window.visible = false;
    h.platform.loop.Advance(750 * 100);
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Lumbrel\\User\\Visiting.ini"));
}

TEST(Timers, TheThrobberRunsWhilePagesLoad) {
    FrameHarness h;
    CChildFrame* page = h.Open("http://a.example/");
    h.BrowserOf(page).RaiseProgress(50, 100);
    h.platform.loop.Advance(250);
    EXPECT_GE(h.window.throbber, 0);
    h.BrowserOf(page).RaiseProgress(0, 0);
    h.platform.loop.Advance(250 * 7);
    EXPECT_EQ(h.window.throbber, -1);
}

TEST(Progress, ShowsInTheStatusBarAndTheTitle) {
    FrameHarness h;
    CChildFrame* page = h.Open("http://a.example/");
    h.BrowserOf(page).RaiseProgress(420, 1000);
    EXPECT_EQ(h.status.progress, 42);
    EXPECT_EQ(h.status.progressText, "42%");
    EXPECT_EQ(h.window.title, "42%-Lumbrel");
    EXPECT_EQ(h.tabs.Image(0), 2);
    h.BrowserOf(page).RaiseLoaded("http://a.example/");
    EXPECT_FALSE(h.status.progress.has_value());
    EXPECT_EQ(h.window.title, "Lumbrel");
}

TEST(ShowHide, HidesOnlyWhenThereIsAWayBack) {
    FrameHarness h;
    ASSERT_TRUE(h.window.hotKeyRegistered);
    h.Command(IDM_SHOW_HIDE);
    EXPECT_FALSE(h.window.visible);
    h.frame->OnHotKey();
    EXPECT_TRUE(h.window.visible);

    FrameHarness noWay("ShowTrayIcon=0\r\n");
    noWay.window.hotKeyAvailable = false;
    noWay.frame->OnCreate(FrameWidgets{noWay.window, noWay.tabs, noWay.address, noWay.status});
    noWay.Command(IDM_SHOW_HIDE);
    EXPECT_TRUE(noWay.window.visible);
}

TEST(SystemCommands, MinimiseAndCloseGoToTheTrayWhenAsked) {
    FrameHarness h;
    EXPECT_TRUE(h.frame->OnSysCommand(CMainFrame::SysCommand::Minimize));
    EXPECT_FALSE(h.window.visible);
    h.frame->ShowHide(false);
    EXPECT_TRUE(h.frame->OnSysCommand(CMainFrame::SysCommand::Close));
    EXPECT_FALSE(h.window.visible);
    EXPECT_FALSE(h.window.destroyed);

    FrameHarness plain("MinimizeToTray=0\r\nCloseToTray=0\r\n");
    EXPECT_FALSE(plain.frame->OnSysCommand(CMainFrame::SysCommand::Minimize));
    EXPECT_FALSE(plain.frame->OnSysCommand(CMainFrame::SysCommand::Close));
}

TEST(Restore, AnUncleanEndOffersTheLastPeriodicSave) {
    FrameHarness h("", false);
    h.platform.fs.AddFile("C:\\Lumbrel\\User\\LastVisit.ini",
                          "[LastVisit]\r\nurl0=http://old.example/\r\n");
    h.platform.fs.AddFile("C:\\Lumbrel\\User\\Visiting.ini",
                          "[LastVisit]\r\nstate0=4\r\nname0=A\r\nurl0=http://a.example/\r\n"
                          "state1=0\r\nname1=B\r\nurl1=http://b.example/\r\n");
    h.window.pageManagerScript = [](PageManager& manager) { manager.Ok(); };
    h.frame->RestoreAtStart(0, true);
    h.Pump();
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Lumbrel\\User\\Visiting.ini"));
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.frame->Windows().At(0)->View().Location(), "http://a.example/");
    EXPECT_TRUE(h.frame->Windows().At(0)->Locked());
    EXPECT_EQ(h.frame->Windows().At(1)->View().Location(), "http://b.example/");
}

TEST(Restore, StartModes) {
    FrameHarness blank("", false);
    blank.frame->RestoreAtStart(0, false);
    ASSERT_EQ(blank.frame->Windows().Count(), 1);
    EXPECT_EQ(blank.frame->Windows().At(0)->View().Location(), "about:blank");

    FrameHarness home("", false);
    home.frame->RestoreAtStart(1, false);
    EXPECT_EQ(home.BrowserOf(home.frame->Windows().At(0)).navigations.back(), "home");

    FrameHarness none("", false);
    none.platform.fs.AddFile("C:\\Lumbrel\\User\\LastVisit.ini",
                             "[LastVisit]\r\nurl0=http://a.example/\r\n");
    none.frame->RestoreAtStart(6, false);
    EXPECT_EQ(none.frame->Windows().Count(), 0);
    none.frame->RestoreAtStart(3, false);
    EXPECT_EQ(none.frame->Windows().Count(), 1);
}

// A window closed before its page had a title is written with an empty name; the windows
// closed after it must not be lost at the next start.
TEST(Restore, ClosedWindowsComeBackAlsoAfterOneWithoutATitle) {
    FrameHarness h;
    SessionFiles& sessions = h.frame->Sessions();
    UndoCloseRing written;
    written.Push("http://a.example/", "A");
    written.Push("http://loading.example/", "");
    written.Push("http://c.example/", "C");
    sessions.SaveClosedList(written);
    UndoCloseRing ring;
    sessions.LoadClosedList(ring);
    const std::vector<ClosedPage> back = ring.OldestFirst();
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].url, "http://loading.example/");
    EXPECT_EQ(back[1].title, "");
    EXPECT_EQ(back[2].url, "http://c.example/");
    EXPECT_EQ(back[2].title, "C");

    // The list still ends at the first entry without an address.
    h.platform.fs.AddFile(sessions.UserFile("LastClose.ini"),
                          "[LastClose]\r\nname0=A\r\nurl0=http://a.example/\r\nname1=B\r\nurl1=\r\n"
                          "name2=C\r\nurl2=http://c.example/\r\n");
    ring.Clear();
    sessions.LoadClosedList(ring);
    ASSERT_EQ(ring.Size(), 1);
    EXPECT_EQ(ring.Newest().title, "A");
}

TEST(Language, ChoosingAFileTranslatesAndRebuildsTheMenus) {
    FrameHarness h;
    h.platform.fs.AddFile(
        "C:\\Lumbrel\\Language\\Deutsch.ini",
        "[Information]\r\nLanguage=Deutsch\r\n[StringTable]\r\n61402=Falsch.\r\n");
    h.platform.ui.AnswerLanguage(1);
    h.Command(IDM_SELECT_LANGUAGE);
    ASSERT_EQ(h.platform.ui.lastLanguageRows.size(), 2u);
    EXPECT_EQ(h.platform.ui.lastLanguageRows[0].fileName, "Default [English]");
    EXPECT_EQ(h.platform.ui.lastLanguageRows[1].language, "Deutsch");
    EXPECT_EQ(h.platform.ui.lastLanguageSelected, 0);
    EXPECT_EQ(h.window.menuRebuilds, 1);
    EXPECT_EQ(h.app->Settings().Get(keys::UseLngFile), 1);
    EXPECT_EQ(h.app->Settings().Get(keys::LngFile), "Deutsch.ini");
    EXPECT_EQ(h.app->LngLoadString(61402), "Falsch.");

    h.platform.ui.AnswerLanguage(std::nullopt);
    h.Command(IDM_SELECT_LANGUAGE);
    EXPECT_EQ(h.platform.ui.lastLanguageSelected, 1) << "the active file is selected";
    EXPECT_EQ(h.window.menuRebuilds, 1) << "cancel changes nothing";
}

}  // namespace
}  // namespace lumbrel
