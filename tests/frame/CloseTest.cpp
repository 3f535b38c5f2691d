// Closing windows: one, many, the confirmations, the undo list and the next active window.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

// Three loaded windows a, b, c with titles, the first one active.
struct ThreeWindows : FrameHarness {
    // Appended in order unless the settings say otherwise (the first of duplicate keys wins).
    explicit ThreeWindows(const std::string& settings = "")
        : FrameHarness(settings + "NewSequence=0\r\n") {
        for (const char* name : {"a", "b", "c"}) {
            CChildFrame* child = Open(std::string("http://") + name + ".example/");
            BrowserOf(child).FinishLoad(std::string("Title ") + name);
            windows.push_back(child);
        }
    }
    std::vector<std::string> Urls() {
        std::vector<std::string> urls;
        for (int i = 0; i < frame->Windows().Count(); ++i)
            urls.push_back(frame->Windows().At(i)->View().Location());
        return urls;
    }
    std::vector<CChildFrame*> windows;
};

TEST(CloseWindow, ChoosesTheNextWindowByCloseSequence) {
    ThreeWindows left("CloseSequence=2\r\n");
    left.frame->ActivateChild(*left.windows[1]);
    left.Command(IDM_CLOSE);
    EXPECT_EQ(left.Active(), left.windows[0]);
    EXPECT_EQ(left.frame->Windows().Count(), 2);

    ThreeWindows right("CloseSequence=1\r\n");
    right.frame->ActivateChild(*right.windows[1]);
    right.Command(IDM_CLOSE);
    EXPECT_EQ(right.Active(), right.windows[2]);
    EXPECT_EQ(right.tabs.selected, 1);

    ThreeWindows last("CloseSequence=0\r\n");
    last.frame->ActivateChild(*last.windows[0]);
    last.Command(IDM_CLOSE);
    EXPECT_EQ(last.Active(), last.windows[2]);
}

// The window a page of `opener` opens, shown by its first navigation.
CChildFrame* OpenPopupFrom(FrameHarness& h, CChildFrame* opener) {
    h.frame->ActivateChild(*opener);
    // Clicked: a window no click explains would be closed as an automatic popup.
    h.BrowserOf(opener).RaiseParentNotify(ChildNoticeKind::LeftPress, 0, 10, 20);
    bool cancel = false;
    h.BrowserOf(opener).RaiseNewWindow(cancel);
    CChildFrame* opened = h.frame->Windows().Find(opener->LastOpened());
    h.BrowserOf(opened).RaiseBeforeNavigate("http://popup.example/");
    h.Pump();
    return opened;
}

TEST(CloseWindow, ReturnsToTheOpenerWithActiveNew) {
    FrameHarness h("ActiveNew=1\r\nCloseSequence=1\r\n");
    h.Open("http://zero.example/");
    CChildFrame* opener = h.Open("http://opener.example/");
    h.Open("http://other.example/");
    CChildFrame* opened = OpenPopupFrom(h, opener);
    ASSERT_EQ(h.Active(), opened);
    ASSERT_EQ(h.frame->FindTab(*opened), 2) << "NewSequence 1 puts it right of its opener";
    h.Command(IDM_CLOSE);
    EXPECT_EQ(h.Active(), opener) << "not the right neighbour";
}

TEST(CloseWindow, ReturnsToTheOpenerAfterATabLeftOfItClosed) {
    FrameHarness h("ActiveNew=1\r\nCloseSequence=1\r\nNewSequence=0\r\n");
    CChildFrame* left = h.Open("http://left.example/");
    CChildFrame* opener = h.Open("http://opener.example/");
    h.Open("http://other.example/");
    CChildFrame* opened = OpenPopupFrom(h, opener);
    h.frame->CloseChild(left->Id());
    h.Pump();
    h.frame->ActivateChild(*opened);
    h.Command(IDM_CLOSE);
    EXPECT_EQ(h.Active(), opener) << "the opener moved one tab to the left; it is still found";
}

TEST(TabMenu, EveryCommandActsOnTheRightClickedTab) {
    ThreeWindows h("ConfirmCloseAllKeepCur=0\r\n");
    h.frame->ActivateChild(*h.windows[0]);
    h.frame->OnTabMenuCommand(IDM_LOCK_TAB, h.frame->TabMenuSubject(1));
    EXPECT_TRUE(h.windows[1]->Locked());
    EXPECT_FALSE(h.windows[0]->Locked());
    h.frame->OnTabMenuCommand(IDM_MARK_TAB, h.frame->TabMenuSubject(2));
    EXPECT_TRUE(h.windows[2]->Marked());
    h.frame->OnTabMenuCommand(IDM_TAB_NEW_WINDOW, h.frame->TabMenuSubject(2));
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 4);
    EXPECT_EQ(h.frame->Windows().At(3)->View().Location(), "http://c.example/");

    h.frame->OnTabMenuCommand(IDM_CLOSE, h.frame->TabMenuSubject(2));
    h.Pump();
    EXPECT_EQ(h.Urls(), (std::vector<std::string>{"http://a.example/", "http://b.example/",
                                                  "http://c.example/"}))
        << "the right-clicked tab closed, not the active one";
    EXPECT_EQ(h.Active(), h.windows[0]);
    h.frame->OnTabMenuCommand(IDM_CLOSE, h.frame->TabMenuSubject(7));
    EXPECT_EQ(h.frame->Windows().Count(), 3) << "no tab there: nothing";
}

TEST(TabMenu, TheSubjectIsTheWindowNotTheTabPlace) {
    ThreeWindows h;
    const ChildId c = h.frame->TabMenuSubject(2);
    // While the menu is up a page closes itself: the tabs move one place to the left.
    h.frame->CloseChild(h.windows[0]->Id());
    h.frame->OnTabMenuCommand(IDM_CLOSE, c);
    h.Pump();
    EXPECT_EQ(h.Urls(), std::vector<std::string>{"http://b.example/"});
    // The subject itself went while the menu was up: nothing is done to another window.
    const ChildId b = h.frame->TabMenuSubject(0);
    h.frame->CloseChild(b);
    h.Open("http://d.example/");
    h.frame->OnTabMenuCommand(IDM_LOCK_TAB, b);
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_FALSE(h.frame->Windows().At(0)->Locked());
}

// A second close request of a window whose close is under way (it arrives during the next
// window's password prompt) is the same close: the page is remembered once.
TEST(CloseWindow, ASecondRequestDuringTheCloseIsTheSameClose) {
    FrameHarness h("NewSequence=0\r\nCloseSequence=2\r\n");
    h.Open("http://p.example/", true);
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    h.Command(IDM_PROTECT_TAB);
    CChildFrame* y = h.Open("http://y.example/", true);
    ASSERT_EQ(h.Active(), y);
    h.platform.loop.Post(y->Id(), kWmClose, 0, 0);  // a page script closed it as well
    h.platform.ui.AnswerPassword(PasswordAnswer{"pw", false});
    h.Command(IDM_CLOSE);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 1);
}

TEST(UndoMenu, KeepsItsPagesWhenTheFavoritesRebuildTheMenus) {
    ThreeWindows h;
    h.frame->CloseChild(h.windows[2]->Id());
    ASSERT_EQ(h.window.undoItems.size(), 1u);
    h.frame->OnPosted(UM_FAVORITES_CHANGED, 0, 0);
    EXPECT_EQ(h.window.undoItems.size(), 1u);
}

TEST(CloseWindow, AClosedPageGoesToTheUndoListAndComesBack) {
    ThreeWindows h;
    h.frame->ActivateChild(*h.windows[1]);
    h.Command(IDM_CLOSE);
    ASSERT_FALSE(h.frame->Closer().Ring().Empty());
    EXPECT_EQ(h.frame->Closer().Ring().Newest().url, "http://b.example/");
    EXPECT_EQ(h.frame->Closer().Ring().Newest().title, "Title b");
    ASSERT_EQ(h.window.undoItems.size(), 1u);
    EXPECT_EQ(h.window.undoItems[0].text, "Title b");
    EXPECT_TRUE(h.frame->QueryCommand(IDM_UNDO_CLOSE).enabled);

    h.Command(IDM_UNDO_CLOSE);
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_TRUE(h.frame->Closer().Ring().Empty());
    EXPECT_FALSE(h.frame->QueryCommand(IDM_UNDO_CLOSE).enabled);
    EXPECT_TRUE(h.window.undoItems.empty());
}

TEST(CloseWindow, ABlankPageIsNotRemembered) {
    FrameHarness h("NewSequence=0\r\n");
    h.OpenBlank();
    h.NewChild(ChildMode::Create, NavKind::Url, "http://a.example/", false);
    h.Pump();
    h.frame->ActivateChild(*h.frame->Windows().At(0));
    h.Command(IDM_CLOSE);
    EXPECT_TRUE(h.frame->Closer().Ring().Empty());
}

TEST(CloseWindow, KeepOnePageReplacesTheLastWindowWithABlankOne) {
    FrameHarness h("KeepOnePage=1\r\n");
    CChildFrame* only = h.Open("http://a.example/");
    h.frame->CloseChild(only->Id());
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    CChildFrame* blank = h.frame->Windows().At(0);
    EXPECT_EQ(blank->View().Location(), "about:blank");

    h.frame->CloseChild(blank->Id());
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.frame->Windows().At(0), blank) << "a lone blank page stays";
    EXPECT_EQ(h.window.created, 2);
}

TEST(CloseWindow, ALockedWindowAsksFirst) {
    ThreeWindows h;
    h.frame->ActivateChild(*h.windows[0]);
    h.Command(IDM_LOCK_TAB);
    ASSERT_TRUE(h.windows[0]->Locked());
    h.platform.ui.AnswerMessage(MsgResult::No);
    h.Command(IDM_CLOSE);
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_EQ(h.platform.ui.MessagesShown().back(),
              "Do you really want to close the locked window?");
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    h.Command(IDM_CLOSE);
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

TEST(CloseAll, SparesLockedWindowsAndAsksFirst) {
    ThreeWindows h;
    h.frame->ActivateChild(*h.windows[1]);
    h.Command(IDM_LOCK_TAB);
    h.platform.ui.AnswerMessage(MsgResult::No);
    h.Command(IDM_CLOSE_ALL);
    EXPECT_EQ(h.frame->Windows().Count(), 3);
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Do you really want to close all windows?");

    h.platform.ui.AnswerMessage(MsgResult::Yes);
    h.Command(IDM_CLOSE_ALL);
    EXPECT_EQ(h.Urls(), std::vector<std::string>{"http://b.example/"});
}

TEST(CloseAll, WithoutConfirmationClosesEverything) {
    ThreeWindows h("ConfirmCloseAll=0\r\n");
    h.Command(IDM_CLOSE_ALL);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_TRUE(h.platform.ui.MessagesShown().empty());
    EXPECT_EQ(h.address.text, "");
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 3);
}

TEST(BulkClose, LeftRightKeepCurrentAndUnmarked) {
    ThreeWindows keep("ConfirmCloseAllKeepCur=0\r\n");
    keep.frame->ActivateChild(*keep.windows[1]);
    keep.Command(IDM_CLOSE_ALL_KEEP_CURRENT);
    EXPECT_EQ(keep.Urls(), std::vector<std::string>{"http://b.example/"});

    ThreeWindows left;
    left.frame->ActivateChild(*left.windows[1]);
    left.Command(IDM_CLOSE_LEFT);
    EXPECT_EQ(left.Urls(), (std::vector<std::string>{"http://b.example/", "http://c.example/"}));

    ThreeWindows right;
    right.frame->OnTabMenuCommand(IDM_CLOSE_RIGHT, right.frame->TabMenuSubject(0));
    right.Pump();
    EXPECT_EQ(right.Urls(), std::vector<std::string>{"http://a.example/"});

    ThreeWindows marked;
    marked.frame->ActivateChild(*marked.windows[2]);
    marked.Command(IDM_MARK_TAB);
    marked.Command(IDM_CLOSE_UNMARKED);
    EXPECT_EQ(marked.Urls(), std::vector<std::string>{"http://c.example/"});
}

TEST(BulkClose, TheContextTabVariantKeepsTheContextTab) {
    ThreeWindows h("ConfirmCloseAllKeepCur=0\r\n");
    h.frame->ActivateChild(*h.windows[0]);
    h.frame->OnTabMenuCommand(IDM_TAB_CLOSE_ALL_KEEP_THIS, h.frame->TabMenuSubject(2));
    h.Pump();
    EXPECT_EQ(h.Urls(), std::vector<std::string>{"http://c.example/"});
}

TEST(BulkClose, AlikeClosesWindowsWhoseUrlOrTitleHoldsTheText) {
    FrameHarness h;
    for (const char* url : {"http://a.example/x", "http://b.other/x", "http://c.example/y"})
        h.Open(url);
    h.frame->ActivateChild(*h.frame->Windows().At(0));
    h.platform.ui.AnswerInput(std::string(".example/"));
    h.Command(IDM_CLOSE_ALIKE_URL);
    EXPECT_EQ(h.platform.ui.lastInputInitial, "http://a.example/x");
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.frame->Windows().At(0)->View().Location(), "http://b.other/x");

    h.platform.ui.AnswerInput(std::string(""));
    h.Command(IDM_CLOSE_ALIKE_TITLE);
    EXPECT_EQ(h.frame->Windows().Count(), 1) << "an empty text closes nothing";
    h.platform.ui.AnswerInput(std::nullopt);
    h.Command(IDM_CLOSE_ALIKE_URL);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
}

TEST(PreviousNext, WrapAroundTheWindowList) {
    ThreeWindows h;
    h.frame->ActivateChild(*h.windows[0]);
    h.Command(IDM_PREVIOUS_WINDOW);
    EXPECT_EQ(h.Active(), h.windows[2]);
    h.Command(IDM_NEXT_WINDOW);
    EXPECT_EQ(h.Active(), h.windows[0]);
    h.Command(IDM_QUICK_KEY_FIRST + 1);  // F3 without a binding: next window
    EXPECT_EQ(h.Active(), h.windows[1]);
    h.Command(IDM_ACTIVATE_TAB_FIRST + 2);  // Ctrl+3
    EXPECT_EQ(h.Active(), h.windows[2]);
    h.Command(IDM_ACTIVATE_TAB_FIRST + 8);  // no ninth tab
    EXPECT_EQ(h.Active(), h.windows[2]);
}

TEST(LockAndMark, ShowTheirImagesAndRestoreTheOldOnes) {
    ThreeWindows h;
    h.frame->ActivateChild(*h.windows[1]);
    const int before = h.tabs.Image(1);
    h.Command(IDM_LOCK_TAB);
    EXPECT_EQ(h.tabs.Image(1), 4);
    h.Command(IDM_LOCK_TAB);
    EXPECT_EQ(h.tabs.Image(1), before);
    h.Command(IDM_MARK_TAB);
    EXPECT_EQ(h.tabs.Image(1), 10);
    EXPECT_TRUE(h.windows[1]->Marked());
    h.Command(IDM_MARK_TAB);
    EXPECT_FALSE(h.windows[1]->Marked());
    EXPECT_EQ(h.tabs.Image(1), before);
}

TEST(SessionFile, SkipsBlankAndClosingWindowsAndNumbersTheRest) {
    FrameHarness h;
    h.Open("http://a.example/");
    h.OpenBlank();
    CChildFrame* locked = h.Open("http://c.example/");
    locked->SetLocked(true);
    h.frame->Sessions().SaveSession(true);
    auto entries = h.frame->Sessions().ReadSession("C:\\Lumbrel\\User\\Visiting.ini");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].url, "http://a.example/");
    EXPECT_EQ(entries[1].url, "http://c.example/");
    EXPECT_EQ(entries[1].state, 4);
}

}  // namespace
}  // namespace lumbrel
