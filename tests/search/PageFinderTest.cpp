#include "search/PageFinder.h"

#include <gtest/gtest.h>

#include "SearchFakes.h"

namespace lumbrel {
namespace {

using test::FakePageText;

// Presses find as the frame does: a re-post runs the command again at once.
struct FindPresses {
    FakePageText page;
    FindState state;
    FindOptions options;
    int reposts = 0;

    std::string Press(const std::string& keyword, bool backward = false) {
        FindOutcome outcome = FindInPage(state, page, keyword, options, backward);
        while (outcome.repost) {
            ++reposts;
            EXPECT_LE(reposts, 1000) << "find keeps re-posting itself";
            if (reposts > 1000)
                return "loop";
            outcome = FindInPage(state, page, keyword, options, false);
        }
        return outcome.shown ? FindStatusNumbers(*outcome.shown) : "none";
    }
};

TEST(PageFinderTest, ThreeMatchesStepForwardAndWrapToTheFirst) {
    FindPresses f;
    f.page.body = "cat dog Cat bird cat";
    EXPECT_EQ(f.Press("cat"), "1/3");
    EXPECT_EQ(f.page.selectedAt, 0u);
    EXPECT_EQ(f.Press("cat"), "2/3");
    EXPECT_EQ(f.page.selectedAt, 8u);
    EXPECT_EQ(f.Press("cat"), "3/3");
    EXPECT_EQ(f.reposts, 0);
    EXPECT_EQ(f.Press("cat"), "1/3");
    EXPECT_EQ(f.page.selectedAt, 0u);
    EXPECT_EQ(f.reposts, 1);
}

TEST(PageFinderTest, ShiftOnTheFirstPressSelectsTheLastAndBackwardWrapsToTheLast) {
    FindPresses f;
    f.page.body = "cat dog cat bird cat";
    EXPECT_EQ(f.Press("cat", true), "3/3");
    EXPECT_EQ(f.Press("cat", true), "2/3");
    EXPECT_EQ(f.Press("cat", true), "1/3");
    EXPECT_EQ(f.Press("cat", true), "3/3");
    EXPECT_EQ(f.page.selectedAt, 17u);
    // Forward again from the last goes on to the first.
    EXPECT_EQ(f.Press("cat"), "1/3");
}

TEST(PageFinderTest, NoMatchShowsZeroOfZeroAndDoesNotRepeat) {
    FindPresses f;
    f.page.body = "nothing here";
    EXPECT_EQ(f.Press("cat"), "0/0");
    EXPECT_EQ(f.Press("cat", true), "0/0");
    EXPECT_EQ(f.reposts, 0);
    EXPECT_EQ(f.page.selectedAt, std::string::npos);
}

TEST(PageFinderTest, CountFollowsThePageWhenItChangesUnderTheSameKeyword) {
    FindPresses f;
    f.page.body = "x cat cat cat";
    EXPECT_EQ(f.Press("cat"), "1/3");
    EXPECT_EQ(f.Press("cat"), "2/3");
    EXPECT_EQ(f.Press("cat"), "3/3");
    // The page is replaced (navigation, script): one match left. A stale total of three
    // made a backward find re-post itself for ever.
    f.page.body = "only one cat";
    EXPECT_EQ(f.Press("cat", true), "1/1");
    EXPECT_LE(f.reposts, 1);
    f.page.body = "";
    EXPECT_EQ(f.Press("cat"), "0/0");
    f.page.body = "cat cat";
    EXPECT_EQ(f.Press("cat"), "1/2");
}

TEST(PageFinderTest, ARepostedFindNeverAsksAgain) {
    // A page that answers the count but loses its matches before the walk (a script rewriting
    // the body): the wrap is tried once and then the find stops.
    class FlakyPage : public PageText {
    public:
        FakePageText inner;
        int ranges = 0;
        std::unique_ptr<TextRange> BodyRange() override {
            ++ranges;
            inner.body = ranges % 2 == 1 ? "" : "cat cat";  // walk sees none, count sees two
            return inner.BodyRange();
        }
    } page;
    FindState state;
    int reposts = 0;
    FindOutcome outcome = FindInPage(state, page, "cat", {}, false);
    while (outcome.repost && reposts < 10) {
        ++reposts;
        outcome = FindInPage(state, page, "cat", {}, false);
    }
    EXPECT_EQ(reposts, 1);
    ASSERT_TRUE(outcome.shown);
    EXPECT_EQ(FindStatusNumbers(*outcome.shown), "0/0");
}

TEST(PageFinderTest, OptionsAndKeywordChangesRestartTheWalk) {
    FindPresses f;
    f.page.body = "Cat cat category";
    EXPECT_EQ(f.Press("cat"), "1/3");
    EXPECT_EQ(f.Press("cat"), "2/3");
    // Another case of the same word without "match case" keeps the position.
    EXPECT_EQ(f.Press("CAT"), "3/3");
    f.options.matchCase = true;
    EXPECT_EQ(f.Press("cat"), "1/2");
    EXPECT_EQ(f.page.selectedAt, 4u);
    f.options = {.matchCase = false, .wholeWord = true};
    f.state.findKeyword.clear();  // what toggling an option does
    EXPECT_EQ(f.Press("cat"), "1/2");
    EXPECT_EQ(f.Press("cat"), "2/2");
    EXPECT_EQ(f.Press("dog"), "0/0");
}

TEST(PageFinderTest, NoBodyShowsNothing) {
    FindPresses f;
    f.page.hasBody = false;
    EXPECT_EQ(f.Press("cat"), "none");
    FindState state;
    EXPECT_FALSE(HighlightInPage(state, f.page, "cat", {}));
}

TEST(PageFinderTest, HighlightTwiceMarksThenUnmarksWithAMinusCount) {
    FakePageText page;
    page.body = "a cat, a cat";
    FindState state;
    auto first = HighlightInPage(state, page, "cat", {});
    ASSERT_TRUE(first);
    EXPECT_EQ(HighlightStatusNumbers(*first), "2");
    EXPECT_EQ(page.marks[2].back, "yellow");
    EXPECT_EQ(page.marks[9].fore, "red");
    EXPECT_EQ(page.scrolls, 1);

    auto second = HighlightInPage(state, page, "cat", {});
    EXPECT_EQ(HighlightStatusNumbers(*second), "-2");
    EXPECT_EQ(page.marks[2].back, "");
    EXPECT_EQ(page.marks[9].fore, "");
    EXPECT_EQ(page.scrolls, 1);

    // A new keyword marks first, whatever the toggle said; no match gives a plain 0.
    auto other = HighlightInPage(state, page, "dog", {});
    EXPECT_EQ(HighlightStatusNumbers(*other), "0");
    auto again = HighlightInPage(state, page, "dog", {});
    EXPECT_EQ(HighlightStatusNumbers(*again), "0");
}

}  // namespace
}  // namespace lumbrel
