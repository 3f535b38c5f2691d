// The session files, the undo-close ring and its menu, the start-up restore and the Page
// Manager.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr const char* kVisiting = "C:\\Lumbrel\\User\\Visiting.ini";
constexpr const char* kLastVisit = "C:\\Lumbrel\\User\\LastVisit.ini";
constexpr const char* kLastClose = "C:\\Lumbrel\\User\\LastClose.ini";

std::string Url(int i) {
    return "http://p" + std::to_string(i) + ".example/";
}

CChildFrame* OpenLoaded(FrameHarness& h, const std::string& url, const std::string& title) {
    CChildFrame* child = h.Open(url);
    h.BrowserOf(child).FinishLoad(title);
    return child;
}

std::vector<std::string> UrlsOf(const std::vector<SessionEntry>& entries) {
    std::vector<std::string> urls;
    for (const SessionEntry& entry : entries)
        urls.push_back(entry.url);
    return urls;
}

std::vector<std::string> OpenUrls(FrameHarness& h) {
    std::vector<std::string> urls;
    for (int i = 0; i < h.frame->Windows().Count(); ++i)
        urls.push_back(h.frame->Windows().At(i)->View().Location());
    return urls;
}

// --- The files ----------------------------------------------------------------------------

TEST(SessionFile, IsWrittenWholeInItsFormat) {
    FrameHarness h("NewSequence=0\r\n");
    OpenLoaded(h, "http://a.example/", "A");
    h.OpenBlank();
    CChildFrame* locked = OpenLoaded(h, "http://c.example/", "Line one\r\nurl5=http://evil/");
    locked->SetLocked(true);
    // A locked window loading in the background shows its progress, not its lock.
    h.BrowserOf(locked).RaiseProgress(50, 100);
    ASSERT_NE(locked->View().TabImageShown(), 4);
    const int writes = h.platform.fs.WriteCount();
    ASSERT_TRUE(h.frame->Sessions().SaveSession(true));
    EXPECT_EQ(h.platform.fs.WriteCount(), writes + 1);
    const std::string state0 = std::to_string(h.frame->Windows().At(0)->View().TabImageShown());
    EXPECT_EQ(h.platform.fs.Content(kVisiting),
              "[LastVisit]\r\nstate0=" + state0 +
                  "\r\nname0=A\r\nurl0=http://a.example/\r\n"
                  "state1=4\r\nname1=Line one  url5=http://evil/\r\nurl1=http://c.example/\r\n");
}

TEST(SessionFile, ADirectRestoreReopensTheSavedWindowsInOrderAndLocked) {
    FrameHarness before("NewSequence=0\r\n");
    OpenLoaded(before, "http://a.example/", "A");
    before.OpenBlank();
    OpenLoaded(before, "http://c.example/", "C")->SetLocked(true);
    before.frame->Sessions().SaveSession(false);

    FrameHarness after("NewSequence=1\r\n", false);
    after.platform.fs.AddFile(kLastVisit, before.platform.fs.Content(kLastVisit));
    after.frame->RestoreAtStart(3, false);
    after.Pump();
    EXPECT_EQ(OpenUrls(after),
              (std::vector<std::string>{"http://a.example/", "http://c.example/"}));
    EXPECT_FALSE(after.frame->Windows().At(0)->Locked());
    EXPECT_TRUE(after.frame->Windows().At(1)->Locked());
}

TEST(ClosedList, ThirtyClosesKeepTheTwentyThreeNewestInTheRingAndTheFile) {
    FrameHarness h("NewSequence=0\r\n");
    for (int i = 0; i < 30; ++i) {
        CChildFrame* child = OpenLoaded(h, Url(i), "T" + std::to_string(i));
        h.frame->CloseChild(child->Id());
    }
    h.Pump();
    const UndoCloseRing& ring = h.frame->Closer().Ring();
    ASSERT_EQ(ring.Size(), 23);
    EXPECT_EQ(ring.Newest().url, Url(29));
    EXPECT_EQ(h.window.undoItems.size(), 23u);
    EXPECT_EQ(h.window.undoItems.front().text, "T29");

    ASSERT_TRUE(h.frame->Sessions().SaveClosedList(ring));
    const std::vector<ClosedPage> back = h.frame->Sessions().ReadClosedList();
    ASSERT_EQ(back.size(), 23u);
    EXPECT_EQ(back.front().url, Url(7));
    EXPECT_EQ(back.back().url, Url(29));
    EXPECT_TRUE(h.platform.fs.Content(kLastClose).starts_with("[LastClose]\r\nname0=T7\r\nurl0="));
}

TEST(ClosedList, CleanUndoCloseEmptiesTheRingTheMenuAndTheFile) {
    FrameHarness h;
    h.frame->CloseChild(OpenLoaded(h, "http://a.example/", "A")->Id());
    ASSERT_EQ(h.window.undoItems.size(), 1u);
    h.Command(IDM_CLEAN_UNDO_CLOSE);
    EXPECT_TRUE(h.frame->Closer().Ring().Empty());
    EXPECT_TRUE(h.window.undoItems.empty());
    EXPECT_FALSE(h.frame->QueryCommand(IDM_UNDO_CLOSE).enabled);
    EXPECT_EQ(h.platform.fs.Content(kLastClose), "[LastClose]\r\n");
}

TEST(ClosedList, IsLoadedAtCreationOnlyWhenAsked) {
    const std::string file = "[LastClose]\r\nname0=A\r\nurl0=http://a.example/\r\n";
    FrameHarness loads;
    loads.platform.fs.AddFile(kLastClose, file);
    // The frame's window made again, now over the file.
    loads.frame->OnCreate(FrameWidgets{loads.window, loads.tabs, loads.address, loads.status});
    EXPECT_EQ(loads.frame->Closer().Ring().Size(), 1);
    EXPECT_EQ(loads.window.undoItems.size(), 1u);

    FrameHarness off("MenuLoadLastClose=0\r\n");
    off.platform.fs.AddFile(kLastClose, file);
    off.frame->OnCreate(FrameWidgets{off.window, off.tabs, off.address, off.status});
    EXPECT_TRUE(off.frame->Closer().Ring().Empty());
}

// A save cut at any step, or failing, leaves a whole session: the old one or the new one.
TEST(SessionFile, ACutOrAFailureAtAnyStepLeavesTheOldOrTheNewSession) {
    const std::vector<std::string> oldUrls{"http://old.example/"};
    const std::string oldFile =
        "[LastVisit]\r\nstate0=0\r\nname0=Old\r\nurl0=http://old.example/\r\n";
    for (int steps = 0; steps <= 3; ++steps) {
        SCOPED_TRACE(steps);
        FrameHarness h("NewSequence=0\r\n");
        OpenLoaded(h, "http://a.example/", "A");
        OpenLoaded(h, "http://b.example/", "B");
        h.platform.fs.AddFile(kVisiting, oldFile);
        h.platform.fs.CutAfter(steps);
        const bool saved = h.frame->Sessions().SaveSession(true);
        h.platform.fs.CutAfter(-1);
        const std::vector<std::string> urls = UrlsOf(h.frame->Sessions().ReadSession(kVisiting));
        if (saved)
            EXPECT_EQ(urls, (std::vector<std::string>{"http://a.example/", "http://b.example/"}));
        else
            EXPECT_EQ(urls, oldUrls);
        EXPECT_EQ(saved, steps >= 2);
    }
    FrameHarness failing;
    OpenLoaded(failing, "http://a.example/", "A");
    failing.platform.fs.AddFile(kLastVisit, oldFile);
    failing.platform.fs.FailOn(test::FsOp::Write, kLastVisit);
    EXPECT_FALSE(failing.frame->Sessions().SaveSession(false));
    EXPECT_EQ(failing.platform.fs.Content(kLastVisit), oldFile);
}

// --- Start-up -----------------------------------------------------------------------------

struct UncleanStart : FrameHarness {
    UncleanStart() : FrameHarness("", false) {}
    std::vector<std::string> Offered() {
        std::vector<std::string> urls;
        window.pageManagerScript = [&urls](PageManager& manager) {
            for (const PageRow& row : manager.Rows()) {
                EXPECT_TRUE(row.checked);
                urls.push_back(row.url);
            }
        };
        frame->RestoreAtStart(0, true);
        Pump();
        return urls;
    }
};

TEST(Restore, ACrashOffersThePeriodicSaveInThePageManagerWhateverTheMode) {
    FrameHarness before("NewSequence=0\r\n");
    OpenLoaded(before, "http://a.example/", "A");
    OpenLoaded(before, "http://b.example/", "B")->SetLocked(true);
    OpenLoaded(before, "http://c.example/", "C");
    for (int tick = 0; tick <= 40; ++tick)
        before.frame->OnTimer(kUiTickTimer);
    ASSERT_TRUE(before.platform.fs.HasFile(kVisiting));

    UncleanStart after;
    after.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\nurl0=http://old.example/\r\n");
    after.platform.fs.AddFile(kVisiting, before.platform.fs.Content(kVisiting));
    after.window.pageManagerScript = [](PageManager& manager) { manager.Ok(); };
    after.frame->RestoreAtStart(0, true);
    after.Pump();
    EXPECT_EQ(after.window.pageManagersShown,
              std::vector<PageManagerTab>{PageManagerTab::LastVisiting});
    EXPECT_EQ(OpenUrls(after), (std::vector<std::string>{"http://a.example/", "http://b.example/",
                                                         "http://c.example/"}));
    EXPECT_TRUE(after.frame->Windows().At(1)->Locked());
    EXPECT_FALSE(after.platform.fs.HasFile(kVisiting));
    EXPECT_NE(after.platform.fs.Content(kLastVisit).find("url2=http://c.example/"),
              std::string::npos);
}

TEST(Restore, ACrashKeepsTheLastExitsSessionWhenNoNewerSaveExists) {
    UncleanStart missing;
    missing.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\nurl0=http://exit.example/\r\n");
    EXPECT_EQ(missing.Offered(), std::vector<std::string>{"http://exit.example/"});
    EXPECT_TRUE(missing.platform.fs.HasFile(kLastVisit));

    UncleanStart stale;
    stale.platform.fs.AddFile(kVisiting, "[LastVisit]\r\nurl0=http://stale.example/\r\n");
    stale.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\nurl0=http://exit.example/\r\n");
    EXPECT_EQ(stale.Offered(), std::vector<std::string>{"http://exit.example/"});
    // Cancelled: nothing opens, and the session stays for the next start.
    EXPECT_EQ(stale.frame->Windows().Count(), 0);
    EXPECT_NE(stale.platform.fs.Content(kLastVisit).find("exit.example"), std::string::npos);
}

// A start cut at any step of taking over the periodic save, then started again: the newest
// session is offered both times.
TEST(Restore, ACutWhileTakingOverThePeriodicSaveLosesNothing) {
    for (int steps = 0; steps <= 3; ++steps) {
        SCOPED_TRACE(steps);
        UncleanStart h;
        h.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\nurl0=http://exit.example/\r\n");
        h.platform.fs.AddFile(kVisiting, "[LastVisit]\r\nurl0=http://crash.example/\r\n");
        h.platform.fs.CutAfter(steps);
        h.frame->Sessions().RestoreAtStart(StartupMode::Nothing, true);
        h.platform.fs.CutAfter(-1);
        EXPECT_EQ(h.Offered(), std::vector<std::string>{"http://crash.example/"});
    }
}

TEST(Restore, ModeTwoOffersTheLastSessionAndNothingWhenItIsEmpty) {
    FrameHarness h("", false);
    h.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\nurl0=http://a.example/\r\n");
    h.frame->RestoreAtStart(2, false);
    EXPECT_EQ(h.window.pageManagersShown.size(), 1u);
    EXPECT_EQ(h.frame->Windows().Count(), 0);

    FrameHarness empty("", false);
    empty.platform.fs.AddFile(kLastVisit, "[LastVisit]\r\n");
    empty.frame->RestoreAtStart(2, false);
    EXPECT_TRUE(empty.window.pageManagersShown.empty());
}

// --- The undo commands ----------------------------------------------------------------------

struct ClosedThree : FrameHarness {
    ClosedThree() : FrameHarness("NewSequence=0\r\n") {
        for (const char* name : {"a", "b", "c"})
            frame->CloseChild(
                OpenLoaded(*this, std::string("http://") + name + ".example/", name)->Id());
        Pump();
    }
    // The user drops the menu down and finds the item.
    int SlotOf(const std::string& title) {
        frame->Closer().OnUndoMenuOpening();
        for (const MenuEntry& item : window.undoItems)
            if (item.text == title)
                return item.commandId;
        return -1;
    }
};

TEST(UndoMenu, ReopensTheItemsPageAndClosesTheGap) {
    ClosedThree h;
    h.Command(h.SlotOf("b"));
    EXPECT_EQ(OpenUrls(h), std::vector<std::string>{"http://b.example/"});
    std::vector<std::string> left;
    for (const ClosedPage& page : h.frame->Closer().Ring().OldestFirst())
        left.push_back(page.url);
    EXPECT_EQ(left, (std::vector<std::string>{"http://a.example/", "http://c.example/"}));
    ASSERT_EQ(h.window.undoItems.size(), 2u);
    EXPECT_EQ(h.window.undoItems[0].text, "c");
}

TEST(UndoMenu, AnItemThatNoLongerMatchesTheRingOpensNothing) {
    ClosedThree h;
    const int itemA = h.SlotOf("a");
    // The newest went: the menu's item for it now names an empty slot beyond the tail.
    const int itemC = h.SlotOf("c");
    h.frame->Closer().Ring().PopNewest();
    h.Command(itemC);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 2);
    EXPECT_EQ(h.window.undoItems.size(), 2u);  // rebuilt from the ring

    // A full ring drops its oldest on the next push: the item for it opens nothing.
    for (int i = 0; i < 21; ++i)
        h.frame->Closer().Ring().Push(Url(i), "x");
    h.frame->Closer().RebuildUndoMenu();
    const int oldest = h.SlotOf("a");
    ASSERT_EQ(oldest, itemA);
    h.frame->Closer().Ring().Push("http://new.example/", "new");
    h.Command(oldest);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 23);
    // An id past the ring's slots changes nothing either.
    h.Command(IDM_UNDO_CLOSE_ITEM_LAST);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 23);
}

TEST(UndoMenu, AnEntryWithoutAnAddressIsDroppedByUndo) {
    ClosedThree h;
    h.frame->Closer().Ring().Push("", "loading");
    h.Command(IDM_UNDO_CLOSE);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 3);
    h.Command(IDM_UNDO_CLOSE);
    EXPECT_EQ(OpenUrls(h), std::vector<std::string>{"http://c.example/"});
}

// --- The Page Manager -------------------------------------------------------------------------

TEST(PageManager, ListsTheFourSourcesWithTheirPictures) {
    ClosedThree h;
    h.platform.fs.AddFile(kLastVisit,
                          "[LastVisit]\r\nstate0=4\r\nname0=L\r\nurl0=http://l.example/\r\n");
    h.platform.fs.AddFile(kLastClose,
                          "[LastClose]\r\nname0=O\r\nurl0=http://o.example/\r\n"
                          "name1=N\r\nurl1=http://n.example/\r\n");
    CChildFrame* open = OpenLoaded(h, "http://open.example/", "Open");
    PageManager manager(*h.frame, PageManagerTab::LastVisiting);
    ASSERT_EQ(manager.Rows().size(), 1u);
    EXPECT_TRUE(manager.Rows()[0].checked);
    EXPECT_EQ(manager.Rows()[0].image, 4);

    manager.SelectTab(PageManagerTab::LastClosed);
    ASSERT_EQ(manager.Rows().size(), 2u);
    EXPECT_EQ(manager.Rows()[0].title, "N");
    EXPECT_EQ(manager.Rows()[0].image, 9);
    EXPECT_FALSE(manager.Rows()[0].checked);

    manager.SelectTab(PageManagerTab::CurrentVisiting);
    ASSERT_EQ(manager.Rows().size(), 1u);
    EXPECT_EQ(manager.Rows()[0].child, open->Id());

    manager.SelectTab(PageManagerTab::CurrentClosed);
    ASSERT_EQ(manager.Rows().size(), 3u);
    EXPECT_EQ(manager.Rows()[0].url, "http://c.example/");
}

TEST(PageManager, OpensTheTickedRowsInListOrderAndLocksLockedOnes) {
    FrameHarness h("NewSequence=1\r\n");
    h.platform.fs.AddFile(kLastVisit,
                          "[LastVisit]\r\nstate0=0\r\nname0=A\r\nurl0=http://a/\r\n"
                          "state1=4\r\nname1=B\r\nurl1=http://b/\r\n"
                          "state2=0\r\nname2=C\r\nurl2=http://c/\r\n");
    PageManager manager(*h.frame, PageManagerTab::LastVisiting);
    manager.SetChecked(2, false);
    manager.OpenSelected();
    h.Pump();
    EXPECT_TRUE(manager.Ended());
    EXPECT_EQ(OpenUrls(h), (std::vector<std::string>{"http://a/", "http://b/"}));
    EXPECT_TRUE(h.frame->Windows().At(1)->Locked());
}

TEST(PageManager, RowsOfOpenWindowsAreLookedUpAgainBeforeUse) {
    ClosedThree h;
    CChildFrame* first = OpenLoaded(h, "http://x.example/", "X");
    CChildFrame* locked = OpenLoaded(h, "http://y.example/", "Y");
    locked->SetLocked(true);
    const ChildId firstId = first->Id();
    h.window.pageManagerScript = [&](PageManager& manager) {
        ASSERT_EQ(manager.Rows().size(), 2u);
        h.frame->CloseChild(firstId);  // went while the dialog was up
        manager.OpenCurrent(0);
        manager.SelectAll();
        manager.DeleteSelected();
        EXPECT_TRUE(manager.Rows().empty());
        manager.Ok();
    };
    h.Command(IDM_CURRENT_VISITING_PAGES);
    h.Pump();
    EXPECT_EQ(OpenUrls(h), std::vector<std::string>{"http://y.example/"});
    EXPECT_EQ(UrlsOf(h.frame->Sessions().ReadSession(kVisiting)),
              std::vector<std::string>{"http://y.example/"});
}

TEST(PageManager, OkOnTheRingKeepsWindowsClosedWhileItWasUp) {
    ClosedThree h;
    const ChildId late = OpenLoaded(h, "http://late.example/", "late")->Id();
    h.window.pageManagerScript = [&](PageManager& manager) {
        manager.DeleteCurrent(0);  // "c"
        ASSERT_TRUE(manager.EditTitle(0));
        h.frame->CloseChild(late);
        manager.Ok();
    };
    h.platform.ui.AnswerInput(std::string("bee"));
    h.Command(IDM_SET_UNDO_CLOSE);
    std::vector<std::string> titles;
    for (const ClosedPage& page : h.frame->Closer().Ring().OldestFirst())
        titles.push_back(page.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"a", "bee", "late"}));
    EXPECT_EQ(h.window.undoItems.size(), 3u);
}

TEST(PageManager, WorkOfflineShowsTheStateTheSystemReports) {
    FrameHarness h;
    PageManager manager(*h.frame, PageManagerTab::LastVisiting);
    EXPECT_FALSE(manager.WorkOffline());
    EXPECT_TRUE(manager.SetWorkOffline(true));
    EXPECT_TRUE(h.platform.network.offline);
    // A system that refuses to go back online keeps the box ticked.
    h.platform.network.refusesOffline = true;
    EXPECT_TRUE(manager.SetWorkOffline(false));
    EXPECT_TRUE(manager.WorkOffline());
}

}  // namespace
}  // namespace lumbrel
