#include <gtest/gtest.h>

#include "frame/UndoCloseRing.h"
#include "frame/WindowListRules.h"
#include "support/FakeCodePage.h"

namespace lumbrel {
namespace {

TEST(TabInsertPosition, FollowsNewSequenceAndTheOtherSideFlag) {
    struct Case {
        int sequence, count, current, flags, requested, expected;
    };
    const Case cases[] = {
        {0, 3, 1, 0, -1, 3},  {0, 3, 1, kOpenOtherSide, -1, 1},
        {1, 3, 1, 0, -1, 2},  {1, 3, 1, kOpenOtherSide, -1, 1},
        {2, 3, 1, 0, -1, 1},  {2, 3, 1, kOpenOtherSide, -1, 2},
        {5, 3, 1, 0, 2, 2},   {5, 3, 1, 0, -1, 0},  // other values keep the index asked for
        {1, 0, -1, 0, -1, 0}, {2, 0, -1, kOpenOtherSide, -1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TabInsertPosition(c.sequence, c.count, c.current, c.flags, c.requested),
                  c.expected)
            << "sequence " << c.sequence << " flags " << c.flags;
}

TEST(TabInsertPosition, ABackgroundTabKeepsThePreviousSelection) {
    EXPECT_EQ(SelectionAfterBackgroundInsert(1, 2), 1);
    EXPECT_EQ(SelectionAfterBackgroundInsert(1, 1), 2);
    EXPECT_EQ(SelectionAfterBackgroundInsert(1, 0), 2);
}

// `remaining` windows after the close, none of them closing.
std::vector<bool> NoneClosing(int remaining) {
    return std::vector<bool>(static_cast<size_t>(remaining), false);
}

TEST(NextAfterClose, FollowsCloseSequenceUnlessTheOpenerIsWanted) {
    EXPECT_EQ(NextAfterClose(0, 1, NoneClosing(3), -1, false), 2);
    EXPECT_EQ(NextAfterClose(0, 0, NoneClosing(0), -1, false), -1) << "no window left";
    EXPECT_EQ(NextAfterClose(1, 1, NoneClosing(3), -1, false), 1);
    EXPECT_EQ(NextAfterClose(2, 1, NoneClosing(3), -1, false), 0);
    EXPECT_EQ(NextAfterClose(2, 0, NoneClosing(3), -1, false), 0);
    EXPECT_EQ(NextAfterClose(7, 1, NoneClosing(3), -1, false), -1);
    EXPECT_EQ(NextAfterClose(1, 3, NoneClosing(3), 0, true), 0);
    EXPECT_EQ(NextAfterClose(1, 1, NoneClosing(3), 0, false), 1)
        << "the opener counts only with ActiveNew";
    EXPECT_EQ(NextAfterClose(1, 1, NoneClosing(2), 5, true), 1)
        << "an opener that is gone is ignored";
    EXPECT_EQ(NextAfterClose(1, 2, NoneClosing(2), -1, false), 1)
        << "no right neighbour: the left one";
}

TEST(NextAfterClose, NeverChoosesAWindowThatIsClosing) {
    // P X Y, Y closed by "Close All": X and P have their close requests queued.
    EXPECT_EQ(NextAfterClose(2, 2, {true, true}, -1, false), -1);
    EXPECT_EQ(NextAfterClose(0, 2, {false, true}, -1, false), 0);
    EXPECT_EQ(NextAfterClose(1, 1, {false, true, false}, -1, false), 2);
    EXPECT_EQ(NextAfterClose(1, 1, {false, true, true}, -1, false), 0);
    EXPECT_EQ(NextAfterClose(2, 2, {false, true, false}, -1, false), 0);
    EXPECT_EQ(NextAfterClose(2, 2, {true, true, false}, -1, false), 2);
    EXPECT_EQ(NextAfterClose(1, 1, {true, false}, 0, true), 1) << "a closing opener neither";
}

TEST(PreviousAndNextWindow, WrapAround) {
    EXPECT_EQ(PreviousWindowIndex(0, 3), 2);
    EXPECT_EQ(PreviousWindowIndex(2, 3), 1);
    EXPECT_EQ(NextWindowIndex(2, 3), 0);
    EXPECT_EQ(NextWindowIndex(-1, 3), 0);
    EXPECT_EQ(NextWindowIndex(0, 0), -1);
}

TEST(RequestedUrl, IsTrimmedAndLosesLineBreaks) {
    const test::FakeCodePage cp(1252);
    EXPECT_EQ(CleanRequestedUrl(cp, "  http://a.com/x\r\ny \t"), "http://a.com/xy");
    EXPECT_TRUE(HasRefusedScheme("x javascript:alert(1)"));
    EXPECT_TRUE(HasRefusedScheme("mailto:a@b.c"));
    EXPECT_FALSE(HasRefusedScheme("http://java.com/script"));
}

TEST(WwwRule, AddsWwwOnlyToABareSiteName) {
    const test::FakeCodePage cp(1252);
    EXPECT_EQ(ApplyWwwRule(cp, "example.com"), "www.example.com");
    EXPECT_EQ(ApplyWwwRule(cp, "Example.COM"), "www.Example.COM");
    EXPECT_EQ(ApplyWwwRule(cp, "example.com.cn"), "www.example.com.cn");
    EXPECT_EQ(ApplyWwwRule(cp, "example.org"), "www.example.org");
    EXPECT_EQ(ApplyWwwRule(cp, "example.com/path"), "example.com/path");
    EXPECT_EQ(ApplyWwwRule(cp, "example.de"), "example.de");
    EXPECT_EQ(ApplyWwwRule(cp, "example.community"), "example.community");
    EXPECT_EQ(ApplyWwwRule(cp, "www.example.com"), "www.example.com");
    EXPECT_EQ(ApplyWwwRule(cp, "http://example.com"), "http://example.com");
    EXPECT_EQ(ApplyWwwRule(cp, ".com"), ".com");
    EXPECT_EQ(ApplyWwwRule(cp, "news.example.com"), "news.example.com");
}

TEST(UndoCloseRing, HoldsTheTwentyThreeMostRecent) {
    UndoCloseRing ring;
    for (int i = 0; i < 30; ++i)
        ring.Push("u" + std::to_string(i), "t" + std::to_string(i));
    EXPECT_EQ(ring.Size(), 23);
    auto pages = ring.OldestFirst();
    EXPECT_EQ(pages.front().url, "u7");
    EXPECT_EQ(pages.back().url, "u29");
    EXPECT_EQ(ring.Newest().title, "t29");
    ring.PopNewest();
    EXPECT_EQ(ring.Newest().url, "u28");
    EXPECT_EQ(ring.Size(), 22);
}

TEST(UndoCloseRing, RemovingASlotClosesTheGap) {
    UndoCloseRing ring;
    for (int i = 0; i < 4; ++i)
        ring.Push("u" + std::to_string(i), "");
    const int second = ring.SlotsNewestFirst()[2];  // "u1"
    ASSERT_EQ(ring.Slot(second).url, "u1");
    EXPECT_TRUE(ring.RemoveSlot(second));
    std::vector<std::string> urls;
    for (const ClosedPage& page : ring.OldestFirst())
        urls.push_back(page.url);
    EXPECT_EQ(urls, (std::vector<std::string>{"u0", "u2", "u3"}));
    EXPECT_FALSE(ring.RemoveSlot(20));
    ring.Clear();
    EXPECT_TRUE(ring.Empty());
}

}  // namespace
}  // namespace lumbrel
