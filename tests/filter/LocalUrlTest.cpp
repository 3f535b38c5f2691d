#include "filter/LocalUrl.h"

#include <gtest/gtest.h>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

TEST(NormalizeLocalUrl, DrivePathsBecomeFileAddressesOthersStay) {
    FakeCodePage western;
    EXPECT_EQ(NormalizeLocalUrl(western, "C:\\dir\\a.htm"), "file:///C:/dir/a.htm");
    EXPECT_EQ(NormalizeLocalUrl(western, "d:"), "file:///d:");
    EXPECT_EQ(NormalizeLocalUrl(western, "http://a.com/b\\c"), "http://a.com/b\\c");
    EXPECT_EQ(NormalizeLocalUrl(western, "\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(NormalizeLocalUrl(western, ""), "");

    FakeCodePage gbk(FakeCodePage::kGbk);
    std::string dbcs = std::string("C:\\") + test::gbk::kTrailBackslash + "\\x";
    EXPECT_EQ(NormalizeLocalUrl(gbk, dbcs),
              std::string("file:///C:/") + test::gbk::kTrailBackslash + "/x");
    // A double-byte first character: its trail byte is no ":".
    std::string notDrive = std::string("\x81:") + ":x";
    EXPECT_EQ(NormalizeLocalUrl(gbk, notDrive), notDrive);
}

}  // namespace
}  // namespace lumbrel
