// The small text rules shared across the program: link-like test, keyword encoding,
// file-name cleaning and menu titles.
#include <gtest/gtest.h>

#include <string>

#include "base/FileNameCleaning.h"
#include "base/KeywordEncoding.h"
#include "base/LinkLike.h"
#include "base/MenuTitle.h"
#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using namespace test::gbk;
using test::FakeCodePage;

TEST(LinkLike, AddressPrefixesAndDrivePaths) {
    struct Case {
        const char* text;
        bool linkLike;
    };
    const Case cases[] = {
        {"http://example.com/", true},
        {"https://a", true},
        {"file://C:/x.htm", true},
        {"www.example.com", true},
        {"ftp://host/", true},
        {"ftp.example.com", true},
        {"res://ieframe.dll/", true},
        {"about:blank", true},
        {"C:", true},
        {"c:\\dir\\page.htm", true},
        {"Z:/x", true},
        {"about:blank#top", false},
        {"about:home", false},
        {"HTTP://EXAMPLE.COM", false},
        {"Www.example.com", false},
        {" http://a", false},
        {"http:/a", false},
        {"ftp", false},
        {"wwwexample", false},
        {"mailto:a@b", false},
        {"C:x", false},
        {"1:\\", false},
        {"::", false},
        {"", false},
        {"javascript:void(0)", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsLinkLike(c.text), c.linkLike) << c.text;
}

TEST(LinkLike, WiderFormAlsoTakesScriptAddresses) {
    EXPECT_TRUE(IsLinkLikeOrScript("javascript:window.open('x')"));
    EXPECT_TRUE(IsLinkLikeOrScript("vbscript:msgbox"));
    EXPECT_TRUE(IsLinkLikeOrScript("http://a"));
    EXPECT_FALSE(IsLinkLikeOrScript("JavaScript:x"));
    EXPECT_FALSE(IsLinkLikeOrScript("java"));
}

TEST(EncodeKeyword, KeepsOnlyAsciiLettersAndDigits) {
    EXPECT_EQ(EncodeKeyword("Lumbrel2024"), "Lumbrel2024");
    EXPECT_EQ(EncodeKeyword(""), "");
    EXPECT_EQ(EncodeKeyword("a b"), "a%20b");
    EXPECT_EQ(EncodeKeyword("C++ & C#"), "C%2B%2B%20%26%20C%23");
    // Unreserved in URLs, but still encoded here.
    EXPECT_EQ(EncodeKeyword("-_.~"), "%2D%5F%2E%7E");
    // Every byte of a double-byte character on its own, upper-case hex.
    EXPECT_EQ(EncodeKeyword(kZhongWen), "%D6%D0%CE%C4");
    EXPECT_EQ(EncodeKeyword(kTrailUpperA), "%81A");
    EXPECT_EQ(EncodeKeyword(std::string("\0\xFF", 2)), "%00%FF");
}

class FileNameCleaningTest : public ::testing::Test {
protected:
    FakeCodePage gbk_{FakeCodePage::kGbk};
    FakeCodePage western_{FakeCodePage::kWestern};
};

TEST_F(FileNameCleaningTest, ReplacesEveryForbiddenCharacter) {
    EXPECT_EQ(CleanFileName(western_, "a\\b/c:d*e?f\"g<h>i|j\rk\nl"), "a_b_c_d_e_f_g_h_i_j_k_l");
    EXPECT_EQ(CleanFileName(western_, "Report (v2) #1.txt"), "Report (v2) #1.txt");
    EXPECT_EQ(CleanFileName(western_, "tab\there"), "tab\there");
}

TEST_F(FileNameCleaningTest, KeepsDoubleByteCharactersWithForbiddenTrailBytes) {
    std::string title = std::string(kTrailBackslash) + kTrailBar + "?";
    EXPECT_EQ(CleanFileName(gbk_, title), std::string(kTrailBackslash) + kTrailBar + "_");
    // Without lead bytes the same bytes are separators to clean.
    EXPECT_EQ(CleanFileName(western_, title), "\x81_\x81__");
    EXPECT_EQ(FindForbiddenFileNameChar(gbk_, title), 4u);
    EXPECT_EQ(FindForbiddenFileNameChar(western_, title), 1u);
    EXPECT_EQ(FindForbiddenFileNameChar(gbk_, kZhongWen), std::string_view::npos);
}

TEST_F(FileNameCleaningTest, ProposedNameStopsAtTheFirstForbiddenCharacter) {
    EXPECT_EQ(ProposedFileName(gbk_, "Meeting notes: Monday"), "Meeting notes");
    EXPECT_EQ(ProposedFileName(gbk_, "plain words"), "plain words");
    EXPECT_EQ(ProposedFileName(gbk_, ":a/b"), "_a_b");
    EXPECT_EQ(ProposedFileName(gbk_, std::string(kZhongWen) + "?x"), kZhongWen);
    EXPECT_EQ(ProposedFileName(gbk_, std::string(kTrailBackslash) + "x"),
              std::string(kTrailBackslash) + "x");
    EXPECT_EQ(ProposedFileName(gbk_, ""), "");
}

class MenuTitleTest : public ::testing::Test {
protected:
    FakeCodePage gbk_{FakeCodePage::kGbk};
};

TEST_F(MenuTitleTest, TitlesUpToTheLimitStayWhole) {
    std::string fifty(50, 'x');
    EXPECT_EQ(ShortenMenuTitle(gbk_, fifty), fifty);
    EXPECT_EQ(ShortenMenuTitle(gbk_, ""), "");
    EXPECT_EQ(ShortenMenuTitle(gbk_, kZhongWen, 4), kZhongWen);
}

TEST_F(MenuTitleTest, LongTitlesAreCutAndMarked) {
    EXPECT_EQ(ShortenMenuTitle(gbk_, std::string(51, 'x')), std::string(50, 'x') + "...");
    EXPECT_EQ(ShortenMenuTitle(gbk_, "abcdef", 3), "abc...");
    EXPECT_EQ(ShortenMenuTitle(gbk_, "abc", 0), "...");
    // Byte 3 would be the first half of 文.
    EXPECT_EQ(ShortenMenuTitle(gbk_, std::string("a") + kZhongWen, 4),
              std::string("a") + kZhong + "...");
}

TEST_F(MenuTitleTest, CutKeepsCharactersWhoseTrailByteIsBelow0x80) {
    // 丂 + 47 letters + 丂: the first 50 bytes hold two high-bit bytes (an even count), yet
    // byte 50 is the lead byte of the second 丂. Counting high bits would keep it.
    std::string letters(47, 'm');
    std::string title = kKao + letters + kKao;
    ASSERT_EQ(title.size(), 51u);
    EXPECT_EQ(ShortenMenuTitle(gbk_, title), kKao + letters + "...");
}

}  // namespace
}  // namespace lumbrel
