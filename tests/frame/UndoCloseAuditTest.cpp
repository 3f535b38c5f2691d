// Faults of the undo-close ring, its menu and the crash insurance found by a second outside
// read: each test fails on the code as it stands and passes once the fault is mended.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr const char* kVisiting = "C:\\Lumbrel\\User\\Visiting.ini";

CChildFrame* OpenLoaded(FrameHarness& h, const std::string& url, const std::string& title) {
    CChildFrame* child = h.Open(url);
    h.BrowserOf(child).FinishLoad(title);
    return child;
}

void CloseLoaded(FrameHarness& h, const std::string& url, const std::string& title) {
    h.frame->CloseChild(OpenLoaded(h, url, title)->Id());
    h.Pump();
}

// The user drops the menu down and finds the item.
int ItemFor(FrameHarness& h, const std::string& title) {
    h.frame->Closer().OnUndoMenuOpening();
    for (const MenuEntry& item : h.window.undoItems)
        if (item.text == title)
            return item.commandId;
    return -1;
}

std::vector<std::string> OpenUrls(FrameHarness& h) {
    std::vector<std::string> urls;
    for (int i = 0; i < h.frame->Windows().Count(); ++i)
        urls.push_back(h.frame->Windows().At(i)->View().Location());
    return urls;
}

std::vector<std::string> RingTitles(FrameHarness& h) {
    std::vector<std::string> titles;
    for (const ClosedPage& page : h.frame->Closer().Ring().OldestFirst())
        titles.push_back(page.title);
    return titles;
}

// The user picks the item of the oldest closed window; before the command runs two more
// windows close (a page closing itself, a "Close All" still under way). The oldest entry is
// gone, and its slot now holds the newest page: the command must not open and remove that
// page, which the user never picked. Every close rebuilds the menu, so a table of addresses
// refreshed by that rebuild always agrees with the ring and cannot tell the item is stale.
TEST(UndoMenuAudit, AnItemPickedBeforeLaterClosesNeverOpensAPageItDidNotShow) {
    FrameHarness h("NewSequence=0\r\n");
    for (int i = 0; i < 23; ++i)
        h.frame->Closer().Ring().Push("http://p" + std::to_string(i) + ".example/",
                                      "t" + std::to_string(i));
    h.frame->Closer().RebuildUndoMenu();
    const int picked = ItemFor(h, "t0");
    ASSERT_GE(picked, IDM_UNDO_CLOSE_ITEM_FIRST);

    CloseLoaded(h, "http://late1.example/", "late1");
    CloseLoaded(h, "http://late2.example/", "late2");
    ASSERT_EQ(h.frame->Windows().Count(), 0);

    h.Command(picked);
    EXPECT_EQ(OpenUrls(h), std::vector<std::string>{});
    EXPECT_EQ(h.frame->Closer().Ring().Size(), 23);
    EXPECT_EQ(h.frame->Closer().Ring().Newest().url, "http://late2.example/");
}

// The entries "pushed since" a count are what arrived after it; an entry removed meanwhile
// (reopened by undo) must not make an older entry look new.
TEST(UndoCloseRingAudit, PushedSinceNamesOnlyEntriesThatArrivedAfterTheCount) {
    UndoCloseRing ring;
    ring.Push("http://a.example/", "a");
    ring.Push("http://b.example/", "b");
    const uint64_t seen = ring.PushCount();
    ring.Push("http://late.example/", "late");
    ring.PopNewest();
    EXPECT_TRUE(ring.PushedSince(seen).empty());

    ring.Push("http://late2.example/", "late2");
    ring.RemoveSlot(0);  // "a" reopened from the menu
    const std::vector<ClosedPage> arrived = ring.PushedSince(seen);
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].title, "late2");
}

// The same through the Page Manager on the ring: a window closed and reopened while the
// dialog was up leaves the ring as the rows say, without a second copy of an old entry.
TEST(PageManagerAudit, OkOnTheRingDoesNotDuplicateAnEntryWhenTheRingShrankMeanwhile) {
    FrameHarness h("NewSequence=0\r\n");
    for (const char* name : {"a", "b", "c"})
        CloseLoaded(h, std::string("http://") + name + ".example/", name);
    const ChildId late = OpenLoaded(h, "http://late.example/", "late")->Id();
    h.window.pageManagerScript = [&](PageManager& manager) {
        h.frame->CloseChild(late);
        h.Pump();
        h.Command(IDM_UNDO_CLOSE);  // "late" comes back at once
        manager.Ok();
    };
    h.Command(IDM_SET_UNDO_CLOSE);
    EXPECT_EQ(RingTitles(h), (std::vector<std::string>{"a", "b", "c"}));
}

// Locking a window is what keeps it through "Close All" after a crash; a lock set after the
// last periodic save, with no other change, must still reach "Visiting.ini".
TEST(SessionAudit11b, ALockSetAfterThePeriodicSaveReachesTheNextSave) {
    FrameHarness h("NewSequence=0\r\n");
    CChildFrame* child = OpenLoaded(h, "http://a.example/", "A");
    const ChildId id = child->Id();
    for (int tick = 0; tick <= 40; ++tick)
        h.frame->OnTimer(kUiTickTimer);
    ASSERT_EQ(h.frame->Sessions().ReadSession(kVisiting).size(), 1u);
    ASSERT_NE(h.frame->Sessions().ReadSession(kVisiting)[0].state, 4);

    h.frame->Protection().ToggleLock(id);
    ASSERT_TRUE(h.frame->Windows().Find(id)->Locked());
    for (int tick = 0; tick <= 40; ++tick)
        h.frame->OnTimer(kUiTickTimer);
    const std::vector<SessionEntry> saved = h.frame->Sessions().ReadSession(kVisiting);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].state, 4);
}

}  // namespace
}  // namespace lumbrel
