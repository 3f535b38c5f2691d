#include "filter/UrlRequestFilter.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/FakeCodePage.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

class RecordingHost : public RequestFilterHost {
public:
    std::string lastNavigationUrl = "http://site.com/page.html";
    std::optional<double> sinceClick;
    bool filterAnswer = true;
    std::vector<std::string> askedDialogs;
    std::vector<std::string> collector;

    const std::string& LastNavigationUrl() override { return lastNavigationUrl; }
    std::optional<double> SecondsSinceSelectedClick() override { return sinceClick; }
    bool FilterDialog(const std::string& url) override {
        askedDialogs.push_back(url);
        return filterAnswer;
    }
    void AddToCollector(const std::string& text, int kind) override {
        collector.push_back(std::to_string(kind) + " " + text);
    }
};

class UrlRequestFilterTest : public ::testing::Test {
protected:
    UrlRequestFilterTest() {
        lists_.Assign({.popUnFilter = {"http://site.com/ok-dialog.html"},
                       .urlFilter = {"http://ads.com/*", "*/banner.gif"},
                       .urlUnFilter = {"http://ads.com/keep.js"}});
    }
    bool Emptied(const std::string& url) {
        RequestDecision d = filter_.Decide(url, kDialogBindFlags);
        return !d.useDefault && d.body.empty();
    }
    FakeCodePage cp_;
    FilterLists lists_{cp_};
    RecordingHost host_;
    UrlRequestFilter filter_{cp_, lists_, host_};
};

TEST_F(UrlRequestFilterTest, BlockedRequestsGetTheBlankImageOthersTheEngine) {
    RequestDecision blocked = filter_.Decide("HTTP://ADS.com/Script.js", 0x40);
    EXPECT_FALSE(blocked.useDefault);
    ASSERT_EQ(blocked.body.size(), 42u);
    EXPECT_EQ(blocked.body.substr(0, 6), "GIF89a");
    EXPECT_EQ(blocked.body.back(), ';');
    EXPECT_TRUE(filter_.Decide("http://ads.com/keep.js", 0x40).useDefault);
    EXPECT_TRUE(filter_.Decide("http://news.com/banner.gif?x", 0x40).useDefault);
    EXPECT_FALSE(filter_.Decide("http://news.com/img/banner.gif", 0x40).useDefault);
    EXPECT_TRUE(host_.collector.empty());  // OutputSaveUrlFilter is off by default
}

TEST_F(UrlRequestFilterTest, TheCollectorGetsTheLowerCaseAddressWhenAsked) {
    filter_.SetSettings({.outputSaveUrlFilter = true});
    filter_.Decide("http://ADS.com/x", 0x40);
    filter_.Decide("http://fine.com/x", 0x40);
    EXPECT_EQ(host_.collector, std::vector<std::string>{"15 Content Filter => http://ads.com/x"});
}

TEST_F(UrlRequestFilterTest, NothingIsBlockedWhileTheListsAreStaleOrTheFilterIsOff) {
    lists_.urlListsDirty = true;
    EXPECT_TRUE(filter_.Decide("http://ads.com/x", 0x40).useDefault);
    lists_.CompileUrlLists();
    EXPECT_FALSE(filter_.Decide("http://ads.com/x", 0x40).useDefault);
    filter_.SetSettings({.useUrlFilter = false});
    EXPECT_TRUE(filter_.Decide("http://ads.com/x", 0x40).useDefault);
    EXPECT_TRUE(filter_.NeedsHandler());
    filter_.SetSettings({.useUrlFilter = false, .useDialogFilter = false});
    EXPECT_FALSE(filter_.NeedsHandler());
}

TEST_F(UrlRequestFilterTest, OnlyScriptDialogContentIsEmptied) {
    EXPECT_TRUE(Emptied("http://pop.com/dialog.html"));
    EXPECT_TRUE(filter_.Decide("http://pop.com/dialog.html", kDialogBindFlags | 0x4).useDefault);
    // Behaviours, style sheets, the exception list and the page's own navigation are kept.
    EXPECT_FALSE(Emptied("http://pop.com/menu.htc"));
    EXPECT_FALSE(Emptied("http://pop.com/style.xsl"));
    EXPECT_FALSE(Emptied("http://site.com/ok-dialog.html"));
    EXPECT_FALSE(Emptied("http://site.com/page"));
    EXPECT_EQ(host_.askedDialogs, std::vector<std::string>{"http://pop.com/dialog.html"});
    host_.filterAnswer = false;
    EXPECT_FALSE(Emptied("http://pop.com/dialog2.html"));
    filter_.SetSettings({.useDialogFilter = false});
    host_.filterAnswer = true;
    EXPECT_FALSE(Emptied("http://pop.com/dialog.html"));
}

TEST_F(UrlRequestFilterTest, ADialogRightAfterAClickIsKeptWhenSoSetButTheContentListStillApplies) {
    host_.sinceClick = 0.5;
    EXPECT_FALSE(Emptied("http://pop.com/dialog.html"));
    RequestDecision ad = filter_.Decide("http://ads.com/dialog.html", kDialogBindFlags);
    EXPECT_EQ(ad.body.size(), 42u);
    host_.sinceClick = 2.0;
    EXPECT_TRUE(Emptied("http://pop.com/dialog.html"));
    host_.sinceClick = 0.5;
    filter_.SetSettings({.notFilterClickDialog = false});
    EXPECT_TRUE(Emptied("http://pop.com/dialog.html"));
}

}  // namespace
}  // namespace lumbrel
