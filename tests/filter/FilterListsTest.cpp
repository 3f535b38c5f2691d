#include "filter/FilterLists.h"

#include <gtest/gtest.h>

#include "support/FakeCodePage.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

class FilterListsTest : public ::testing::Test {
protected:
    FakeCodePage cp_;
    FilterLists lists_{cp_};
};

TEST_F(FilterListsTest, ContentEntriesMatchLowerCaseWithoutBlanksPopupEntriesAsStored) {
    lists_.Assign({.popFilter = {"http://Pop.Example.com/*"},
                   .urlFilter = {"  HTTP://Ads.Example.com/Banner.GIF \t", " *.DoubleAd.net/* "}});
    // The entries stay as typed; only their compiled forms are folded.
    EXPECT_EQ(lists_.UrlFilter()[0], "  HTTP://Ads.Example.com/Banner.GIF \t");
    EXPECT_TRUE(lists_.IsUrlBlocked("http://ads.example.com/banner.gif"));
    EXPECT_TRUE(lists_.IsUrlBlocked("http://x.doublead.net/a.js"));
    EXPECT_FALSE(lists_.IsUrlBlocked("http://ads.example.com/banner.gif2"));

    EXPECT_TRUE(lists_.IsPopupBlocked("http://Pop.Example.com/win.html"));
    EXPECT_FALSE(lists_.IsPopupBlocked("http://pop.example.com/win.html"));
}

TEST_F(FilterListsTest, LastPieceMayOverlapInUrlStyleButNotInPopupStyle) {
    lists_.Assign({.popFilter = {"http://a.com/ab*b"}, .urlFilter = {"http://a.com/ab*b"}});
    EXPECT_TRUE(lists_.InUrlFilter("http://a.com/ab"));
    EXPECT_FALSE(lists_.InPopFilter("http://a.com/ab"));
    EXPECT_TRUE(lists_.InPopFilter("http://a.com/abxb"));
    // Url style pins the last piece to the end; popup style finds it anywhere after.
    EXPECT_FALSE(lists_.InUrlFilter("http://a.com/abxb?q"));
    EXPECT_TRUE(lists_.InPopFilter("http://a.com/abxb?q"));
}

TEST_F(FilterListsTest, ExceptionsWinInBothStyles) {
    lists_.Assign({.popFilter = {"http://pop.com/*"},
                   .popUnFilter = {"http://pop.com/ok*"},
                   .urlFilter = {"*/ads/*"},
                   .urlUnFilter = {"http://news.com/ads/keep.js"}});
    EXPECT_TRUE(lists_.IsPopupBlocked("http://pop.com/x"));
    EXPECT_FALSE(lists_.IsPopupBlocked("http://pop.com/ok.html"));
    EXPECT_TRUE(lists_.IsUrlBlocked("http://news.com/ads/other.js"));
    EXPECT_FALSE(lists_.IsUrlBlocked("http://news.com/ads/keep.js"));
}

TEST_F(FilterListsTest, StarAloneBlocksEveryAddressInUrlStyleOnly) {
    lists_.Assign({.popFilter = {"*"}, .urlFilter = {"*"}});
    EXPECT_TRUE(lists_.IsUrlBlocked("http://any.where/"));
    EXPECT_TRUE(lists_.IsUrlBlocked(""));
    EXPECT_FALSE(lists_.IsPopupBlocked("http://any.where/"));
    // It still counts as an exact entry.
    EXPECT_TRUE(lists_.IsPopupBlocked("*"));
    lists_.Assign({.popFilter = {"**"}});
    EXPECT_TRUE(lists_.IsPopupBlocked("http://any.where/"));
}

TEST_F(FilterListsTest, PopupEntriesWithoutStarCountOnlyWhole) {
    lists_.Assign({.popFilter = {"http://pop.com/"}});
    EXPECT_TRUE(lists_.InPopFilter("http://pop.com/"));
    EXPECT_FALSE(lists_.InPopFilter("http://pop.com/x"));
}

TEST_F(FilterListsTest, AddsSkipDuplicatesAndBlanksAndTakeEffectAtOnce) {
    EXPECT_TRUE(lists_.AddToUrlFilter("http://ad.com/*"));
    EXPECT_FALSE(lists_.AddToUrlFilter("http://ad.com/*"));
    EXPECT_FALSE(lists_.AddToUrlFilter("  "));
    EXPECT_TRUE(lists_.AddToUrlFilter("HTTP://AD.COM/*"));  // not identical
    EXPECT_FALSE(lists_.urlListsDirty);
    EXPECT_TRUE(lists_.IsUrlBlocked("http://ad.com/x"));

    EXPECT_TRUE(lists_.AddToPopFilter("http://p.com/"));
    EXPECT_FALSE(lists_.AddToPopFilter("http://p.com/"));
    EXPECT_TRUE(lists_.IsPopupBlocked("http://p.com/"));
    EXPECT_EQ(lists_.UrlFilter().size(), 2u);
    EXPECT_EQ(lists_.PopFilter().size(), 1u);
}

TEST_F(FilterListsTest, RebuiltListsDropEntriesThatWouldReadBackEmpty) {
    lists_.SetUrlLists({"a.com", "", "  \t", "\"\"", "b.com"}, {" ", "c.com"});
    EXPECT_EQ(lists_.UrlFilter(), (std::vector<std::string>{"a.com", "b.com"}));
    EXPECT_EQ(lists_.UrlUnFilter(), (std::vector<std::string>{"c.com"}));
    EXPECT_TRUE(lists_.IsUrlBlocked("b.com"));
    lists_.SetPopupLists({"", "p"}, {"\t"});
    EXPECT_EQ(lists_.PopFilter(), (std::vector<std::string>{"p"}));
    EXPECT_TRUE(lists_.PopUnFilter().empty());
}

}  // namespace
}  // namespace lumbrel
