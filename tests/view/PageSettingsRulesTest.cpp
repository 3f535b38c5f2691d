// A window's page settings on their own: download-control flags, the web proxy rewriting and
// the own back/forward list.
#include <gtest/gtest.h>

#include "view/DownloadFlags.h"
#include "view/HistoryList.h"
#include "view/WebProxy.h"

namespace lumbrel {
namespace {

const DownloadFlagCommand& Command(int id) {
    return *FindDownloadFlagCommand(id);
}

TEST(DownloadFlags, ChecksFollowTheTableAndTheActiveXDownloadBitIsAddedForTheEngine) {
    DownloadFlags flags(kDlImages | kDlNoScripts);
    EXPECT_TRUE(flags.Checked(Command(IDM_SHOW_IMAGES)));
    EXPECT_FALSE(flags.Checked(Command(IDM_PLAY_VIDEOS)));
    EXPECT_FALSE(flags.Checked(Command(IDM_ENABLE_SCRIPTS)));
    EXPECT_TRUE(flags.Checked(Command(IDM_ENABLE_JAVA)));
    EXPECT_EQ(flags.EngineFlags(false), kDlImages | kDlNoScripts);
    EXPECT_EQ(flags.EngineFlags(true), kDlImages | kDlNoScripts | kDlNoActiveXDownload);
    EXPECT_EQ(FindDownloadFlagCommand(IDM_ENABLE_WEB_PROXY), nullptr);
}

TEST(DownloadFlags, AToggleWhileTheZoneForcesEverythingKeepsTheUsersOtherChoices) {
    DownloadFlags flags(kDlNoScripts | kDlNoJava | kDlNoActiveXRun);
    flags.Apply(ZoneAction::All);  // a local page
    EXPECT_EQ(flags.dlFlags, kDlEverything);
    flags.Toggle(Command(IDM_PLAY_SOUNDS));  // sounds off while there
    EXPECT_EQ(flags.dlFlags, kDlImages | kDlVideos);
    flags.Apply(ZoneAction::User);  // back on the Internet
    EXPECT_EQ(flags.dlFlags, kDlNoScripts | kDlNoJava | kDlNoActiveXRun)
        << "no scripts, Java or ActiveX, as the user chose";
    flags.Toggle(Command(IDM_SHOW_IMAGES));
    EXPECT_EQ(flags.userDlFlags, kDlImages | kDlNoScripts | kDlNoJava | kDlNoActiveXRun);
}

TEST(DownloadFlags, FixedFlagsAreTheUsersAsWell) {
    DownloadFlags flags(0);
    flags.SetFixed(kDlImages);
    EXPECT_TRUE(flags.dlFlagsFixed);
    EXPECT_EQ(flags.userDlFlags, kDlImages);
}

TEST(WebProxy, TemplatesTakeTheAddressEncodedAsItIsOrAppended) {
    WebProxy proxy;
    proxy.webProxyOn = true;
    proxy.webProxyTemplate = "http://proxy.example/go?u=%s&lang=en";
    EXPECT_EQ(proxy.Rewrite("www.site.example/a?b=1&c=2#x", false, ""),
              "http://proxy.example/go?u=http%3A%2F%2Fwww.site.example%2Fa%3Fb%3D1%26c%3D2%23x"
              "&lang=en");
    EXPECT_EQ(proxy.Rewrite("http://a.example/100%+x", false, ""),
              "http://proxy.example/go?u=http%3A%2F%2Fa.example%2F100%25%2Bx&lang=en");
    proxy.webProxyTemplate = "http://proxy.example/%S";
    EXPECT_EQ(proxy.Rewrite("http://a.example/?q=1", false, ""),
              "http://proxy.example/http://a.example/?q=1");
    proxy.webProxyTemplate = "http://proxy.example/browse.php?u=";
    EXPECT_EQ(proxy.Rewrite("http://a.example/", false, ""),
              "http://proxy.example/browse.php?u=http://a.example/");
    EXPECT_EQ(proxy.Rewrite("ftp://a.example/", false, ""), "ftp://a.example/");
    EXPECT_EQ(proxy.Rewrite("ftp://a.example/", true, ""), std::nullopt);
}

TEST(WebProxy, AnAddressThatGoesThroughTheProxyIsNotRewrittenAgain) {
    WebProxy proxy;
    proxy.webProxyOn = true;
    proxy.webProxyTemplate = "http://proxy.example/go?u=%s";
    const std::string once = *proxy.Rewrite("http://a.example/", false, "");
    EXPECT_EQ(proxy.Rewrite(once, false, ""), once);
    EXPECT_EQ(proxy.Rewrite(once, true, ""), std::nullopt);
    proxy.webProxyTemplate = "http://proxy.example/%S";
    EXPECT_EQ(proxy.Rewrite("http://proxy.example/http://a.example/", true, ""), std::nullopt);
}

TEST(WebProxy, OffOrWithoutAnyTemplateNothingIsRewritten) {
    WebProxy proxy;
    EXPECT_EQ(proxy.Rewrite("http://a.example/", false, "http://p/%s"), "http://a.example/");
    EXPECT_EQ(proxy.Rewrite("http://a.example/", true, "http://p/%s"), std::nullopt);
    proxy.webProxyOn = true;
    EXPECT_EQ(proxy.Rewrite("http://a.example/", false, ""), "http://a.example/");
    EXPECT_EQ(proxy.Rewrite("http://a.example/", false, "http://p/?%s"),
              "http://p/?http%3A%2F%2Fa.example%2F")
        << "an empty template takes the default one";
}

HistoryObservation Seen(int length, const std::string& url, bool back, bool forward,
                        int pending = 0) {
    return HistoryObservation{length, "", url, back, forward, pending};
}

TEST(HistoryList, GrowsWithNewPagesAndFollowsBackAndForward) {
    HistoryList list;
    list.Record(Seen(1, "a", false, false));
    list.Record(Seen(2, "b", true, false));
    list.NameCurrent("b", "Page B");
    list.Record(Seen(3, "c", true, false));
    EXPECT_EQ(list.historyUrls, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list.historyTitles, (std::vector<std::string>{"a", "Page B", "c"}));
    EXPECT_EQ(list.historyPos, 2);
    list.Record(Seen(3, "b", true, true, 1));  // one step back
    EXPECT_EQ(list.historyPos, 1);
    list.Record(Seen(2, "d", true, false));  // a new page cuts the forward part
    EXPECT_EQ(list.historyUrls, (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(list.historyPos, 1);
}

TEST(HistoryList, ThePositionStaysInsideTheListForShortHistories) {
    for (int n = 0; n <= 2; ++n) {
        for (bool back : {false, true}) {
            for (bool forward : {false, true}) {
                for (int pending : {-2, 0, 3}) {
                    HistoryList list;
                    list.Record(Seen(n, "a", back, forward, pending));
                    EXPECT_GE(list.historyPos, 0);
                    EXPECT_LE(list.historyPos, std::max(n - 1, 0))
                        << n << back << forward << pending;
                }
            }
        }
    }
}

}  // namespace
}  // namespace lumbrel
