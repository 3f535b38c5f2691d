// Protected windows: the password dialog and every path through it.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

struct ProtectedWindow : FrameHarness {
    ProtectedWindow() {
        first = Open("http://a.example/");
        second = Open("http://b.example/");
        frame->ActivateChild(*second);
        platform.ui.AnswerPassword(PasswordAnswer{"secret", true});
        Command(IDM_PROTECT_TAB);
        frame->ActivateChild(*first);
        platform.ui.Clear();
    }
    CChildFrame* first = nullptr;
    CChildFrame* second = nullptr;
};

TEST(Protect, APasswordProtectsTheWindowAndShowsItsImage) {
    ProtectedWindow h;
    EXPECT_TRUE(h.second->Protected());
    EXPECT_EQ(h.frame->Protection().ProtectedCount(), 1);
    EXPECT_EQ(h.tabs.Image(1), 6);
    EXPECT_TRUE(h.second->PasswordMatches("secret"));
    EXPECT_FALSE(h.second->PasswordMatches("Secret"));
}

TEST(Protect, AnEmptyPasswordOrCancelProtectsNothing) {
    FrameHarness h;
    CChildFrame* child = h.Open("http://a.example/");
    h.platform.ui.AnswerPassword(PasswordAnswer{"", false});
    h.Command(IDM_PROTECT_TAB);
    h.platform.ui.AnswerPassword(std::nullopt);
    h.Command(IDM_PROTECT_TAB);
    EXPECT_FALSE(child->Protected());
    EXPECT_EQ(h.frame->Protection().ProtectedCount(), 0);
}

TEST(Protect, TheNextPromptRemembersThePasswordWhenAsked) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(std::nullopt);
    h.Command(IDM_PROTECT_TAB);
    EXPECT_EQ(h.platform.ui.lastPasswordInitial.password, "secret");
    EXPECT_TRUE(h.platform.ui.lastPasswordInitial.remember);
}

TEST(Protect, ActivatingAsksThePasswordAndAWrongOneMovesOn) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"wrong", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    EXPECT_EQ(h.platform.ui.MessagesShown(), std::vector<std::string>{"Password is incorrect."});
    EXPECT_EQ(h.Active(), h.first) << "the next window comes instead";
    EXPECT_FALSE(h.WindowOf(h.second).pageVisible);

    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    EXPECT_EQ(h.Active(), h.second);
    EXPECT_TRUE(h.WindowOf(h.second).pageVisible);
}

TEST(Protect, SelectingAProtectedTabDefersThePromptByAMessage) {
    ProtectedWindow h;
    h.tabs.selected = 1;
    h.frame->OnPosted(UM_TAB_SELECTED, 0, 0);
    EXPECT_EQ(h.platform.loop.Queued(kFrameTarget, UM_ACTIVATE_CHILD), 1);
    EXPECT_TRUE(h.platform.ui.Questions().empty()) << "no prompt inside the tab control";
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.Pump();
    EXPECT_EQ(h.Active(), h.second);
    EXPECT_EQ(h.platform.ui.Questions().size(), 1u);
}

TEST(Protect, WhenEveryWindowIsProtectedAWrongPasswordOpensABlankWindow) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    h.Command(IDM_PROTECT_TAB);  // the first window too
    ASSERT_EQ(h.frame->Protection().ProtectedCount(), 2);
    h.platform.ui.AnswerPassword(PasswordAnswer{"wrong", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_EQ(h.Active()->View().Location(), "about:blank");
    EXPECT_TRUE(h.address.focused);
    EXPECT_EQ(h.app->Prefs().activeNew, 0) << "forced on for that window only";
}

TEST(Protect, TheRightPasswordRemovesProtectionAndAWrongOneKeepsIt) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.platform.ui.AnswerPassword(PasswordAnswer{"nope", false});
    h.Command(IDM_PROTECT_TAB);
    EXPECT_TRUE(h.second->Protected());
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Password is incorrect.");
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.Command(IDM_PROTECT_TAB);
    EXPECT_FALSE(h.second->Protected());
    EXPECT_EQ(h.frame->Protection().ProtectedCount(), 0);
    EXPECT_NE(h.tabs.Image(1), 6);
}

TEST(Protect, ProtectedWindowsCannotBeLockedOrArranged) {
    ProtectedWindow h;
    h.frame->OnTabMenuCommand(IDM_LOCK_TAB, 1);
    EXPECT_FALSE(h.second->Locked());
    h.Command(IDM_WINDOW_CASCADE);
    EXPECT_EQ(h.window.arranged, 0);
    EXPECT_EQ(h.platform.ui.MessagesShown().back(),
              "Can't minimizing or restoring window because some windows are in protected.");
    FrameHarness free;
    free.Open("http://a.example/");
    free.Command(IDM_WINDOW_TILE_VERT);
    EXPECT_EQ(free.window.arranged, 1);
    EXPECT_EQ(free.frame->ChildrenDisplayMode(), DisplayMode::Arranged);
}

TEST(Protect, ShowingTheHiddenFrameAsksForTheActiveWindowsPassword) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    h.window.visible = false;
    h.platform.ui.AnswerPassword(PasswordAnswer{"wrong", false});
    h.frame->ShowHide(false);
    EXPECT_FALSE(h.window.visible);
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ShowHide(false);
    EXPECT_TRUE(h.window.visible);
    h.window.visible = false;
    h.frame->OnHandover("http://c.example/");
    EXPECT_TRUE(h.window.visible) << "a hand-over shows the frame without the password";
}

// The password dialog runs the message loop, as every real dialog does: a close request
// queued before it reaches its window while the dialog is up.
TEST(PromptsRunTheLoop, CloseAllNeverActivatesNorAsksForAWindowWaitingToClose) {
    FrameHarness h("NewSequence=0\r\nConfirmCloseAll=0\r\nCloseSequence=2\r\n");
    CChildFrame* p = h.Open("http://p.example/");
    h.Open("http://x.example/");
    CChildFrame* y = h.Open("http://y.example/");
    h.frame->ActivateChild(*p);
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    h.Command(IDM_PROTECT_TAB);
    h.frame->ActivateChild(*y);
    h.platform.ui.Clear();
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});

    h.Command(IDM_CLOSE_ALL);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_TRUE(h.platform.ui.Questions().empty()) << "no password for a window on its way out";
    EXPECT_EQ(h.window.Children().size(), 0u);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 3);
}

TEST(PromptsRunTheLoop, AWindowThatClosesWhileItsProtectPromptIsUpIsLeftAlone) {
    FrameHarness h;
    h.Open("http://a.example/");
    CChildFrame* b = h.Open("http://b.example/");
    h.frame->ActivateChild(*b);
    h.platform.loop.Post(b->Id(), kWmClose, 0, 0);  // a page script closed it
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", true});
    h.frame->OnCommand(IDM_PROTECT_TAB);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.frame->Protection().ProtectedCount(), 0);
    h.platform.ui.AnswerPassword(std::nullopt);
    h.Command(IDM_PROTECT_TAB);
    EXPECT_FALSE(h.platform.ui.lastPasswordInitial.remember) << "nothing was protected";
}

// An idle protected blank window is reused for a new page and activated (ActiveNew): its
// password prompt runs the loop, where a close request queued for it arrives.
TEST(PromptsRunTheLoop, AReusedWindowClosedDuringItsPasswordPromptIsNotReturned) {
    FrameHarness h("ActiveNew=1\r\nNewSequence=0\r\n");
    CChildFrame* a = h.Open("http://a.example/", true);
    CChildFrame* p = h.OpenBlank();
    ASSERT_EQ(h.Active(), p);
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    h.Command(IDM_PROTECT_TAB);
    ASSERT_TRUE(p->Protected());
    h.frame->ActivateChild(*a);
    h.Pump();
    ASSERT_EQ(h.Active(), a);
    const ChildId gone = p->Id();
    h.platform.loop.Post(gone, kWmClose, 0, 0);  // a page script closed it
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    EXPECT_EQ(h.frame->NewChild(NewChildRequest::Url("http://b.example/")), nullptr);
    EXPECT_EQ(h.frame->Windows().Find(gone), nullptr);
    EXPECT_EQ(h.Active(), a);
}

TEST(PromptsRunTheLoop, ShowingTheFrameStopsWhenTheAskedWindowClosedMeanwhile) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    ASSERT_EQ(h.Active(), h.second);
    h.window.visible = false;
    h.platform.loop.Post(h.second->Id(), kWmClose, 0, 0);
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ShowHide(false);
    EXPECT_FALSE(h.window.visible) << "the answer was for a window that is gone";
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    h.frame->ShowHide(false);
    EXPECT_TRUE(h.window.visible) << "the window active now is not protected";
}

TEST(PromptsRunTheLoop, RestoringTheFrameStopsWhenTheAskedWindowClosedMeanwhile) {
    ProtectedWindow h;
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    h.window.minimized = true;
    h.platform.loop.Post(h.second->Id(), kWmClose, 0, 0);
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    EXPECT_TRUE(h.frame->OnSysCommand(CMainFrame::SysCommand::Restore)) << "stays minimised";
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_FALSE(h.frame->OnSysCommand(CMainFrame::SysCommand::Restore));
}

TEST(PromptsRunTheLoop, AProtectedWindowClosingDuringItsActivationPromptIsNotTouched) {
    ProtectedWindow h;
    h.platform.loop.Post(h.second->Id(), kWmClose, 0, 0);
    h.platform.ui.AnswerPassword(PasswordAnswer{"secret", false});
    h.frame->ActivateChild(*h.second);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.Active(), h.first);
    EXPECT_EQ(h.tabs.selected, 0);
}

}  // namespace
}  // namespace lumbrel
