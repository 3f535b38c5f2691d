#include "filter/FilterListPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filter/FilterListFile.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeNamespaceSession.h"
#include "support/ImmediateTasks.h"
#include "support/NoRequestFilterHost.h"

namespace lumbrel {
namespace {

using Strings = std::vector<std::string>;
constexpr char kPath[] = "C:\\Lumbrel\\User\\Filter.ini";

TEST(FilterListEditor, InsertEditDeleteKeepTheSelectionWhereTheUserExpectsIt) {
    FilterListEditor list({"a", "b", "c"});
    EXPECT_FALSE(list.BeginEdit());  // nothing selected yet
    EXPECT_FALSE(list.Delete());

    EXPECT_EQ(list.Insert(), 3u);
    EXPECT_EQ(list.EditingRow(), 3u);
    list.EndEdit(std::string("http://www.ads.com/*"));
    EXPECT_EQ(list.Entries(), (Strings{"a", "b", "c", "http://www.ads.com/*"}));

    list.Select(1);
    ASSERT_TRUE(list.BeginEdit());
    list.EndEdit(std::nullopt);  // Escape keeps the row
    EXPECT_EQ(list.Entries()[1], "b");

    // The row that takes the deleted one's place is selected; after the last, the new last.
    ASSERT_TRUE(list.Delete());
    EXPECT_EQ(list.Entries(), (Strings{"a", "c", "http://www.ads.com/*"}));
    EXPECT_EQ(list.Selection(), 1u);
    list.Select(2);
    ASSERT_TRUE(list.Delete());
    EXPECT_EQ(list.Selection(), 1u);
    list.Select(7);  // past the end: no row
    EXPECT_EQ(list.Selection(), std::nullopt);
}

TEST(FilterListEditor, AnEditWhoseRowWasDeletedChangesNothing) {
    FilterListEditor list({"a"});
    list.Select(0);
    ASSERT_TRUE(list.BeginEdit());
    ASSERT_TRUE(list.Delete());
    list.EndEdit(std::string("late"));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_EQ(list.Selection(), std::nullopt);
}

using NoHost = test::NoRequestFilterHost;

class FilterListPagesTest : public ::testing::Test {
protected:
    FilterListPagesTest() {
        fs_.AddFile(kPath,
                    "[PopFilter]\r\npop1=http://p/\r\n[PopUnFilter]\r\npop1=http://keep/\r\n"
                    "[UrlFilter]\r\nurl1=http://ads.com/*\r\n[UrlUnFilter]\r\nurl1=http://ok/\r\n");
        filter_.LoadFilterLists(store_);
    }
    FilterListsCopy OnDisk() {
        PrivateProfile fresh(fs_);
        return FilterListFile::Read(fresh, cp_, kPath);
    }

    test::FakeCodePage cp_;
    test::FakeFileSystem fs_;
    test::ImmediateTasks tasks_;
    test::FakeNamespaceSession session_;
    NoHost host_;
    PrivateProfile store_{fs_};
    UrlFilter filter_{{fs_, tasks_, cp_, session_, host_}, kPath};
};

TEST_F(FilterListPagesTest, PopupPageOkWritesBothListsInDisplayOrderWithoutBlankRows) {
    PopupFilterListsPage page(filter_.Lists());
    page.Filter().Insert();
    page.Filter().EndEdit(std::string("*.popads.org*"));
    page.Filter().Insert();
    page.Filter().EndEdit(std::string("   "));  // edited to blanks
    page.Filter().Insert();
    page.Filter().EndEdit(std::string("http://later/"));
    page.UnFilter().Select(0);
    page.UnFilter().Delete();
    page.Confirm(filter_);

    const Strings expected{"http://p/", "*.popads.org*", "http://later/"};
    EXPECT_EQ(filter_.Lists().PopFilter(), expected);
    EXPECT_TRUE(filter_.Lists().IsPopupBlocked("x.popads.org/"));
    filter_.Exit();
    const FilterListsCopy disk = OnDisk();
    // The entry after the blank one survives the round trip, and the other pair is intact.
    EXPECT_EQ(disk.popFilter, expected);
    EXPECT_TRUE(disk.popUnFilter.empty());
    EXPECT_EQ(disk.urlFilter, Strings{"http://ads.com/*"});
}

TEST_F(FilterListPagesTest, ContentPageOkNormalisesDrivePathsCompilesAndSaves) {
    ContentFilterListsPage page(cp_, filter_.Lists());
    page.Filter().Insert();
    page.Filter().EndEdit(std::string("C:\\ads\\banner.gif"));
    page.Filter().Insert();
    page.Filter().EndEdit(std::string(""));
    page.Confirm(filter_);

    EXPECT_FALSE(filter_.Lists().urlListsDirty);
    EXPECT_TRUE(filter_.Lists().IsUrlBlocked("file:///c:/ads/banner.gif"));
    filter_.Exit();
    const FilterListsCopy disk = OnDisk();
    EXPECT_EQ(disk.urlFilter, (Strings{"http://ads.com/*", "file:///C:/ads/banner.gif"}));
    EXPECT_EQ(disk.urlUnFilter, Strings{"http://ok/"});
    EXPECT_EQ(disk.popFilter, Strings{"http://p/"});
}

// The popup question is asked from a posted message, which the options dialog's own message
// loop delivers while the popup page is open; an entry its "Add to Filter List" appended (and
// saved) meanwhile is not among the rows the page shows. The page's OK must not take it away.
TEST_F(FilterListPagesTest, AnEntryAddedWhileThePageWasOpenOutlivesItsOk) {
    PopupFilterListsPage page(filter_.Lists());
    ASSERT_TRUE(filter_.AddToPopFilter("http://added/*"));
    page.UnFilter().Select(0);
    page.UnFilter().Delete();
    page.Confirm(filter_);

    EXPECT_TRUE(filter_.Lists().InPopFilter("http://added/x"));
    filter_.Exit();
    const Strings saved = OnDisk().popFilter;
    EXPECT_TRUE(std::find(saved.begin(), saved.end(), "http://added/*") != saved.end())
        << "the added entry was lost from Filter.ini";
    EXPECT_TRUE(OnDisk().popUnFilter.empty()) << "the page's own edit still counts";
}

}  // namespace
}  // namespace lumbrel
