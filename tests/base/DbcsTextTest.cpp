#include "base/DbcsText.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using namespace test::gbk;
using test::FakeCodePage;

constexpr size_t npos = std::string_view::npos;

std::string S(const char* a, const char* b = "", const char* c = "", const char* d = "") {
    return std::string(a) + b + c + d;
}

class DbcsTextTest : public ::testing::Test {
protected:
    FakeCodePage gbk_{FakeCodePage::kGbk};
    FakeCodePage western_{FakeCodePage::kWestern};
};

TEST_F(DbcsTextTest, CharLengthFollowsLeadBytes) {
    std::string text = S("a", kKao, "\x81");  // ends with a cut-off character
    EXPECT_EQ(CharLength(gbk_, text, 0), 1u);
    EXPECT_EQ(CharLength(gbk_, text, 1), 2u);
    EXPECT_EQ(CharLength(gbk_, text, 3), 1u);
    EXPECT_EQ(CharLength(gbk_, text, 4), 0u);
    EXPECT_EQ(CharLength(western_, text, 1), 1u);
}

TEST_F(DbcsTextTest, CutNeverEndsInsideACharacter) {
    std::string zw = kZhongWen;
    EXPECT_EQ(CutToBytes(gbk_, zw, 0), "");
    EXPECT_EQ(CutToBytes(gbk_, zw, 1), "");
    EXPECT_EQ(CutToBytes(gbk_, zw, 2), kZhong);
    EXPECT_EQ(CutToBytes(gbk_, zw, 3), kZhong);
    EXPECT_EQ(CutToBytes(gbk_, zw, 4), zw);
    EXPECT_EQ(CutToBytes(gbk_, zw, 99), zw);
    // A trail byte below 0x80: the character still counts as two bytes.
    EXPECT_EQ(CutToBytes(gbk_, S("a", kKao, kKao), 4), S("a", kKao));
    // A text that already ends in a cut-off lead byte is not shortened further.
    EXPECT_EQ(CutToBytes(gbk_, S("ab\x81"), 3), "ab\x81");
    // Single-byte code page: high bytes are characters of their own.
    EXPECT_EQ(CutToBytes(western_, zw, 3), "\xD6\xD0\xCE");
}

TEST_F(DbcsTextTest, FindCharSkipsTrailBytes) {
    std::string path = S("C:", kTrailBackslash, "\\x");
    EXPECT_EQ(FindChar(gbk_, path, '\\'), 4u);
    EXPECT_EQ(FindChar(western_, path, '\\'), 3u);
    EXPECT_EQ(FindChar(gbk_, S(kTrailBar, "|"), '|'), 2u);
    EXPECT_EQ(FindChar(gbk_, S(kTrailUpperA), 'A'), npos);
    EXPECT_EQ(FindChar(gbk_, "a/b/c", '/', 2), 3u);
    EXPECT_EQ(FindChar(gbk_, "abc", 'x'), npos);
}

TEST_F(DbcsTextTest, RFindCharSkipsTrailBytes) {
    std::string path = S("a\\", kTrailBackslash);
    EXPECT_EQ(RFindChar(gbk_, path, '\\'), 1u);
    EXPECT_EQ(RFindChar(western_, path, '\\'), 3u);
    EXPECT_EQ(RFindChar(gbk_, "a/b/c", '/', 2), 1u);
    EXPECT_EQ(RFindChar(gbk_, "a/b/c", '/', 0), npos);
    EXPECT_EQ(RFindChar(gbk_, "", '/'), npos);
}

TEST_F(DbcsTextTest, FindSubstringMatchesOnlyWholeCharacters) {
    // "AB" straddling the trail byte of 丄 and the next letter is no match.
    EXPECT_EQ(FindSubstring(gbk_, S(kTrailUpperA, "B"), "AB"), npos);
    EXPECT_EQ(FindSubstring(western_, S(kTrailUpperA, "B"), "AB"), 1u);
    EXPECT_EQ(FindSubstring(gbk_, S(kTrailUpperA, "BAB"), "AB"), 3u);
    EXPECT_EQ(FindSubstring(gbk_, S("x", kZhongWen), kZhongWen), 1u);
    EXPECT_EQ(FindSubstring(gbk_, "abab", "ab", 1), 2u);
    EXPECT_EQ(FindSubstring(gbk_, "abab", "", 3), 3u);
    EXPECT_EQ(FindSubstring(gbk_, "ab", "abc"), npos);
    EXPECT_EQ(FindSubstring(gbk_, "ab", "b", 5), npos);
}

TEST_F(DbcsTextTest, NeedleEndingInALeadByteMatchesOnlyAtTheEnd) {
    // Half of 中 is not a match inside 中文 but a cut-off last byte is.
    EXPECT_EQ(FindSubstring(gbk_, kZhongWen, "\xD6"), npos);
    EXPECT_EQ(FindSubstring(gbk_, "ab\xD6", "b\xD6"), 1u);
    EXPECT_EQ(RFindSubstring(gbk_, S("x", kZhong), "\xD6"), npos);
    EXPECT_EQ(RFindSubstring(gbk_, S(kZhong, "\xD6"), "\xD6"), 2u);
}

TEST_F(DbcsTextTest, RFindSubstringFindsTheLastWholeMatch) {
    EXPECT_EQ(RFindSubstring(gbk_, "ABxAB", "AB"), 3u);
    EXPECT_EQ(RFindSubstring(gbk_, "ABxAB", "AB", 2), 0u);
    EXPECT_EQ(RFindSubstring(gbk_, S("AB", kTrailUpperA, "B"), "AB"), 0u);
    EXPECT_EQ(RFindSubstring(western_, S("AB", kTrailUpperA, "B"), "AB"), 3u);
    EXPECT_EQ(RFindSubstring(gbk_, "ab", "abc"), npos);
    EXPECT_EQ(RFindSubstring(gbk_, S(kZhong, "x"), ""), 3u);
    EXPECT_EQ(RFindSubstring(gbk_, S(kZhong, "x"), "", 1), 0u);
}

TEST_F(DbcsTextTest, EndsWithNoCaseStartsTheSuffixOnACharacter) {
    EXPECT_TRUE(EndsWithNoCase(gbk_, "C:\\Desk\\Site.URL", ".url"));
    EXPECT_TRUE(EndsWithNoCase(gbk_, S(kZhong, ".url"), ".url"));
    EXPECT_FALSE(EndsWithNoCase(gbk_, "site.urlx", ".url"));
    EXPECT_FALSE(EndsWithNoCase(gbk_, "rl", ".url"));
    // "\x81" takes "a" as its trail byte: what remains is "bc", not "abc".
    EXPECT_FALSE(EndsWithNoCase(gbk_, S(kTrailLowerA, "bc"), "abc"));
    EXPECT_TRUE(EndsWithNoCase(western_, S(kTrailLowerA, "bc"), "abc"));
}

TEST_F(DbcsTextTest, CaseFoldingTouchesAsciiLettersOnly) {
    EXPECT_TRUE(EqualsNoCase(gbk_, "Hello World", "hELLO wORLD"));
    EXPECT_TRUE(EqualsNoCase(gbk_, S(kTrailUpperA, "X"), S(kTrailUpperA, "x")));
    // 丄 and 乤 differ only in a trail byte that looks like "A" / "a".
    EXPECT_FALSE(EqualsNoCase(gbk_, kTrailUpperA, kTrailLowerA));
    EXPECT_TRUE(EqualsNoCase(western_, kTrailUpperA, kTrailLowerA));
    // No folding beyond ASCII, even on a single-byte code page (À, à).
    EXPECT_FALSE(EqualsNoCase(western_, "\xC0", "\xE0"));
    EXPECT_FALSE(EqualsNoCase(gbk_, "abc", "ab"));

    EXPECT_EQ(ToLowerAscii(gbk_, S("ABC", kTrailUpperA, "Z", kZhong)),
              S("abc", kTrailUpperA, "z", kZhong));
    EXPECT_EQ(ToLowerAscii(western_, kTrailUpperA), S("\x81", "a"));
    EXPECT_EQ(ToLowerAscii(gbk_, "X\x81"), "x\x81");
}

TEST_F(DbcsTextTest, CompareNoCaseOrdersLikeLowerCasedBytes) {
    EXPECT_LT(CompareNoCase(gbk_, "apple", "BANANA"), 0);
    EXPECT_GT(CompareNoCase(gbk_, "b", "A"), 0);
    EXPECT_LT(CompareNoCase(gbk_, "ab", "ABC"), 0);
    EXPECT_EQ(CompareNoCase(gbk_, "ABC", "abc"), 0);
    // Bytes compare unsigned: a double-byte character sorts after every ASCII letter.
    EXPECT_GT(CompareNoCase(gbk_, kZhong, "z"), 0);
    // "[" (0x5B) lies between "Z" and "a": folding happens before comparing.
    EXPECT_LT(CompareNoCase(gbk_, "[", "A"), 0);
    EXPECT_LT(CompareNoCase(gbk_, kTrailUpperA, kTrailLowerA), 0);
    EXPECT_GT(CompareNoCase(gbk_, S(kZhong, "x"), kZhong), 0);
}

TEST_F(DbcsTextTest, TrimRemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks(gbk_, S(" \t", kZhongWen, " \r\n")), kZhongWen);
    EXPECT_EQ(TrimBlanks(gbk_, " a b "), "a b");
    EXPECT_EQ(TrimBlanks(gbk_, "\v\f"), "");
    EXPECT_EQ(TrimBlanks(gbk_, ""), "");
    // A lead byte always takes the byte after it, even a blank: trimming never separates
    // them (Windows reads the pair as one character too).
    EXPECT_EQ(TrimBlanks(gbk_, "a\x81 "), "a\x81 ");
    EXPECT_EQ(TrimBlanks(western_, "a\x81 "), "a\x81");
}

}  // namespace
}  // namespace lumbrel
