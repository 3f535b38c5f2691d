// One level up and the site root: what "&Up", its list, the input box's "&Up URL" and the
// "Current &Up Page" / "Current &Root Page" commands open.
#include <gtest/gtest.h>

#include "address/UpUrl.h"

namespace lumbrel {
namespace {

TEST(UpUrl, APathLosesItsLastElement) {
    EXPECT_EQ(UpUrl("http://a.com/x/y.htm"), "http://a.com/x/");
    EXPECT_EQ(UpUrl("http://a.com/x/"), "http://a.com/");
    EXPECT_EQ(UpUrl("http://a.com/x/y"), "http://a.com/x/");
    EXPECT_EQ(UpUrl("https://a.com/x/?q=1"), "https://a.com/x/");
    EXPECT_EQ(UpUrl("file:///C:/dir/f.htm"), "file:///C:/dir/");
}

TEST(UpUrl, AHostBelowASiteBecomesTheSitesWwwHost) {
    EXPECT_EQ(UpUrl("http://news.site.com/"), "http://www.site.com/");
    EXPECT_EQ(UpUrl("https://mail.site.org"), "https://www.site.org");
    EXPECT_EQ(UpUrl("http://a.b.site.com.cn"), "http://www.site.com.cn");
    EXPECT_EQ(UpUrl("http://news.bbc.co.uk/"), "http://www.bbc.co.uk/");
}

TEST(UpUrl, HostsWithNothingAboveThemComeBackUnchanged) {
    EXPECT_EQ(UpUrl("http://site.com/"), "http://site.com/") << "only the site name and .com";
    EXPECT_EQ(UpUrl("http://site.com"), "http://site.com");
    EXPECT_EQ(UpUrl("http://www.site.com/"), "http://www.site.com/");
    EXPECT_EQ(UpUrl("https://www.a.site.com/"), "https://www.a.site.com/");
    EXPECT_EQ(UpUrl("http://site.com.cn"), "http://site.com.cn") << "no label before the site";
    EXPECT_EQ(UpUrl("http://10.0.0.1/"), "http://10.0.0.1/") << "an IP address";
    EXPECT_EQ(UpUrl("http://192.168.1.20"), "http://192.168.1.20");
    EXPECT_EQ(UpUrl("ftp://host.site.com/"), "ftp://host.site.com/") << "another scheme";
    EXPECT_EQ(UpUrl("about:blank"), "about:blank");
    EXPECT_EQ(UpUrl(""), "");
    EXPECT_EQ(UpUrl("plain words"), "plain words");
}

TEST(UpUrl, NetworkPathsClimbToTheServerAndStop) {
    EXPECT_EQ(UpUrl("\\\\server\\share\\dir\\f.txt"), "\\\\server\\share\\dir\\");
    EXPECT_EQ(UpUrl("\\\\server\\share\\dir\\"), "\\\\server\\share\\");
    EXPECT_EQ(UpUrl("\\\\server\\share\\"), "\\\\server\\");
    EXPECT_EQ(UpUrl("\\\\server\\"), "\\\\server\\");
}

TEST(UpUrl, DrivePathsClimbToTheDriveRootAndStop) {
    EXPECT_EQ(UpUrl("C:\\dir\\file.txt"), "C:\\dir\\");
    EXPECT_EQ(UpUrl("C:\\dir\\sub\\"), "C:\\dir\\");
    EXPECT_EQ(UpUrl("C:\\dir\\"), "C:\\");
    EXPECT_EQ(UpUrl("C:\\"), "C:\\");
    EXPECT_EQ(UpUrl("C:\\dir"), "C:\\dir") << "a folder on the drive without its backslash";
}

TEST(RootUrl, ClimbsUntilNothingChanges) {
    EXPECT_EQ(RootUrl("http://deep.sub.site.com/a/b/c.htm"), "http://www.site.com/");
    EXPECT_EQ(RootUrl("C:\\a\\b\\c.txt"), "C:\\");
    EXPECT_EQ(RootUrl("plain words"), "plain words") << "not an address";
    EXPECT_EQ(RootUrl("\\\\server\\share\\x"), "\\\\server\\share\\x") << "not address-like";
}

}  // namespace
}  // namespace lumbrel
