// The tab bar's arithmetic: fixed widths, band heights and what a tab shows.
#include <gtest/gtest.h>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"
#include "tabs/TabRules.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

TEST(AutoTabWidth, SharesTheBarWithinTheBounds) {
    // A 600-pixel bar, `MinTabWidth` 50, `MaxTabWidth` 100.
    EXPECT_EQ(AutoTabWidth(TabLook::Flat, 600, 3, 50, 100), 100) << "198 is above the maximum";
    EXPECT_EQ(AutoTabWidth(TabLook::Flat, 600, 10, 50, 100), 59) << "(600 - 5) / 10";
    EXPECT_EQ(AutoTabWidth(TabLook::Flat, 600, 20, 50, 100), 50) << "29 is below the minimum";
    EXPECT_EQ(AutoTabWidth(TabLook::Normal, 600, 10, 50, 100), 59);
    EXPECT_EQ(AutoTabWidth(TabLook::Buttons, 600, 10, 50, 100), 50)
        << "buttons: 600 / 10 - 11 = 49, held at the minimum";
    EXPECT_EQ(AutoTabWidth(TabLook::Buttons, 600, 8, 50, 100), 64) << "600 / 8 - 11";
    EXPECT_EQ(AutoTabWidth(TabLook::Flat, 600, 0, 50, 100), 100) << "no tabs: the maximum";
    EXPECT_EQ(AutoTabWidth(TabLook::Flat, 600, 3, 120, 100), 100)
        << "a minimum above the maximum: the maximum is tested first";
}

TEST(TabBandHeight, AddsEachStylesBorder) {
    EXPECT_EQ(TabBandHeight(TabLook::Normal, 1, 19), 24);
    EXPECT_EQ(TabBandHeight(TabLook::Normal, 2, 19), 43);
    EXPECT_EQ(TabBandHeight(TabLook::Flat, 1, 19), 23);
    EXPECT_EQ(TabBandHeight(TabLook::Flat, 3, 19), 61);
    EXPECT_EQ(TabBandHeight(TabLook::Buttons, 1, 19), 19);
    EXPECT_EQ(TabBandHeight(TabLook::Buttons, 2, 19), 44) << "3 pixels between button rows";
    EXPECT_EQ(TabBandHeight(TabLook::Flat, 0, 19), 23) << "no tabs still take one row";
}

TEST(TabText, CutsTheTitleToTabSizeCharactersAndNumbersIt) {
    const FakeCodePage western;
    TabTextOptions options{true, 5, true};
    EXPECT_EQ(TabText(western, "Short", 0, options), "1-Short") << "exactly five: not cut";
    EXPECT_EQ(TabText(western, "Longer title", 2, options), "3-Longe...");
    options.showDot = false;
    EXPECT_EQ(TabText(western, "Longer title", 2, options), "3-Longe");
    options.showIndex = false;
    EXPECT_EQ(TabText(western, "Longer title", 2, options), "Longe");
    EXPECT_EQ(TabText(western, "", 0, options), "about")
        << "an empty title shows as about:blank, cut like any other";
}

TEST(TabText, NeverSplitsADoubleByteCharacter) {
    const FakeCodePage gbk(FakeCodePage::kGbk);
    using namespace test::gbk;
    const TabTextOptions options{false, 3, false};
    // "a" + 中文 + 乗 (trail byte "\") + "b": a byte cut at 3 would tear 文 in half.
    const std::string title = std::string("a") + kZhongWen + kTrailBackslash + "b";
    EXPECT_EQ(TabText(gbk, title, 0, options), std::string("a") + kZhongWen)
        << "three characters, five bytes";
    const TabTextOptions four{false, 4, true};
    EXPECT_EQ(TabText(gbk, title, 0, four), std::string("a") + kZhongWen + kTrailBackslash + "...");
    const TabTextOptions one{false, 1, false};
    EXPECT_EQ(TabText(gbk, kKao, 0, one), kKao) << "a trail byte below 0x80 stays with its lead";
}

TEST(TabAction, OnlySevenValuesDoSomething) {
    EXPECT_EQ(TabActionOf(1), TabAction::Close);
    EXPECT_EQ(TabActionOf(7), TabAction::SortSave);
    EXPECT_EQ(TabActionOf(0), TabAction::None);
    EXPECT_EQ(TabActionOf(8), TabAction::None);
    EXPECT_EQ(TabActionOf(-1), TabAction::None);
}

}  // namespace
}  // namespace lumbrel
