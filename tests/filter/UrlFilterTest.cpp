#include "filter/UrlFilter.h"

#include <gtest/gtest.h>

#include <string>

#include "filter/FilterListFile.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeNamespaceSession.h"
#include "support/ImmediateTasks.h"
#include "support/NoRequestFilterHost.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;
using test::FakeFileSystem;

constexpr char kPath[] = "C:\\Lumbrel\\User\\Filter.ini";

using NoHost = test::NoRequestFilterHost;

class UrlFilterTest : public ::testing::Test {
protected:
    UrlFilterTest() {
        fs_.AddFile(kPath,
                    "[UrlFilter]\r\nurl1=http://ads.com/*\r\n[PopFilter]\r\npop1=http://p/\r\n");
    }
    bool Blocked(const std::string& url) { return !filter_.Requests().Decide(url, 0).useDefault; }

    FakeCodePage cp_;
    FakeFileSystem fs_;
    test::ImmediateTasks tasks_;
    test::FakeNamespaceSession session_;
    NoHost host_;
    PrivateProfile store_{fs_};
    UrlFilter filter_{{fs_, tasks_, cp_, session_, host_}, kPath};
};

TEST_F(UrlFilterTest, LoadCompilesTheListsAndRegistersTheHandler) {
    filter_.LoadFilterLists(store_);
    EXPECT_TRUE(session_.registered);
    EXPECT_TRUE(Blocked("http://ads.com/x.gif"));
    EXPECT_TRUE(filter_.Lists().IsPopupBlocked("http://p/"));
}

TEST_F(UrlFilterTest, TheHandlerStaysWhileEitherSwitchIsOn) {
    filter_.LoadFilterLists(store_);
    filter_.ApplySettings({.useUrlFilter = false, .useDialogFilter = true});
    EXPECT_TRUE(session_.registered);
    EXPECT_FALSE(Blocked("http://ads.com/x.gif"));
    filter_.ApplySettings({.useUrlFilter = false, .useDialogFilter = false});
    EXPECT_FALSE(session_.registered);
    filter_.ApplySettings({.useUrlFilter = true, .useDialogFilter = false});
    EXPECT_TRUE(session_.registered);
    EXPECT_TRUE(Blocked("http://ads.com/x.gif"));
    EXPECT_EQ(session_.calls, "RRUR");
}

TEST_F(UrlFilterTest, EntriesAddedByCommandsReachTheFile) {
    filter_.LoadFilterLists(store_);
    EXPECT_TRUE(filter_.AddToUrlFilter("http://more-ads.com/*"));
    EXPECT_TRUE(filter_.AddToPopFilter("http://pop.com/"));
    int writes = fs_.WriteCount();
    EXPECT_FALSE(filter_.AddToUrlFilter("http://more-ads.com/*"));
    EXPECT_EQ(fs_.WriteCount(), writes);  // nothing new, nothing written

    PrivateProfile fresh(fs_);
    FilterListsCopy saved = FilterListFile::Read(fresh, cp_, kPath);
    EXPECT_EQ(saved.urlFilter,
              (std::vector<std::string>{"http://ads.com/*", "http://more-ads.com/*"}));
    EXPECT_EQ(saved.popFilter, (std::vector<std::string>{"http://p/", "http://pop.com/"}));
    EXPECT_TRUE(Blocked("http://more-ads.com/a.js"));
}

TEST_F(UrlFilterTest, ExitUnregistersAndAFailedRegistrationIsTriedAgain) {
    session_.available = false;
    filter_.LoadFilterLists(store_);
    EXPECT_FALSE(session_.registered);
    session_.available = true;
    filter_.RegisterFilterHandler();
    EXPECT_TRUE(session_.registered);
    filter_.Exit();
    EXPECT_FALSE(session_.registered);
}

}  // namespace
}  // namespace lumbrel
