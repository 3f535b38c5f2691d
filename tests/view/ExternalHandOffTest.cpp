// Addresses handed to other programs: quoted whole, refused when unsafe, folders only when
// they exist.
#include "view/ExternalHandOff.h"

#include <gtest/gtest.h>

#include "support/FakeCodePage.h"

namespace lumbrel {
namespace {

TEST(ExternalHandOff, AnAddressIsOneQuotedArgumentOrNone) {
    EXPECT_EQ(QuotedArgument("ftp://files.example/a b"), "\"ftp://files.example/a b\"");
    EXPECT_EQ(QuotedArgument("ftp://x/\" -evil"), std::nullopt);
    EXPECT_EQ(QuotedArgument("ftp://x/\r\nmore"), std::nullopt);
    EXPECT_EQ(QuotedArgument(std::string("ftp://x/\0y", 10)), std::nullopt);
}

TEST(ExternalHandOff, LocalPathsOfFileUrlsUncAndDrivePaths) {
    test::FakeCodePage cp(1252);
    EXPECT_EQ(LocalPathOf(cp, "file:///C:/My%20Docs/"), "C:\\My Docs\\");
    EXPECT_EQ(LocalPathOf(cp, "file://server/share/x"), "\\\\server\\share\\x");
    EXPECT_EQ(LocalPathOf(cp, "\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(LocalPathOf(cp, "D:/games"), "D:\\games");
    EXPECT_EQ(LocalPathOf(cp, "shell:startup"), std::nullopt);
    EXPECT_EQ(LocalPathOf(cp, "http://a.example/"), std::nullopt);
    EXPECT_EQ(LocalPathOf(cp, "file:///relative"), std::nullopt);
}

}  // namespace
}  // namespace lumbrel
