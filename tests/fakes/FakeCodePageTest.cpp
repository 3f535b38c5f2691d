// The code-page fake stands in for Windows in every text test: these pin it to what the
// Windows conversions give (as measured under Wine) so that those tests prove something.
#include "support/FakeCodePage.h"

#include <gtest/gtest.h>

#include <string>

#include "support/GbkSamples.h"

namespace lumbrel::test {
namespace {

using namespace gbk;

TEST(FakeCodePage, LeadBytes) {
    FakeCodePage gbkPage(FakeCodePage::kGbk);
    FakeCodePage western(FakeCodePage::kWestern);
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(gbkPage.IsLeadByte(byte), b >= 0x81 && b <= 0xFE) << b;
        EXPECT_FALSE(western.IsLeadByte(byte)) << b;
    }
    EXPECT_EQ(gbkPage.AnsiCodePage(), 936u);
    EXPECT_EQ(western.AnsiCodePage(), 1252u);
}

TEST(FakeCodePage, GbkConvertsBothWays) {
    FakeCodePage cp(FakeCodePage::kGbk);
    EXPECT_EQ(cp.AnsiToUtf16(std::string("a") + kZhongWen), u"a\u4E2D\u6587");
    EXPECT_EQ(cp.AnsiToUtf16(std::string(kKao) + kTrailBackslash + kEuro), u"\u4E02\u4E57\u20AC");
    EXPECT_EQ(cp.Utf16ToAnsi(u"\u4E2D\u6587\u4E04\u20AC\u00E9"),
              std::string(kZhongWen) + kTrailUpperA + kEuro + "\xA8\xA6");
    EXPECT_EQ(cp.AnsiToUtf8(kZhongWen), "\xE4\xB8\xAD\xE6\x96\x87");
    EXPECT_EQ(cp.Utf8ToAnsi("\xE4\xB9\xA4x"), std::string(kTrailLowerA) + "x");
}

TEST(FakeCodePage, GbkBadSequencesReadAsQuestionMarks) {
    FakeCodePage cp(FakeCodePage::kGbk);
    // A lead byte takes the byte after it even when the pair is no character.
    EXPECT_EQ(cp.AnsiToUtf16("\x81\x7F"
                             "a"),
              u"?a");
    EXPECT_EQ(cp.AnsiToUtf16("a\x81"), u"a?");
    // No GBK form: one "?" per UTF-16 unit, so a surrogate pair gives two.
    EXPECT_EQ(cp.Utf16ToAnsi(u"x\u0E01\U0001F600"), "x???");
}

TEST(FakeCodePage, WesternMapsEveryByte) {
    FakeCodePage cp(FakeCodePage::kWestern);
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::u16string utf16 = cp.AnsiToUtf16(all);
    ASSERT_EQ(utf16.size(), 256u);
    EXPECT_EQ(utf16[0x80], u'\u20AC');
    EXPECT_EQ(utf16[0x81], u'\u0081');
    EXPECT_EQ(utf16[0x9F], u'\u0178');
    EXPECT_EQ(utf16[0xE9], u'\u00E9');
    EXPECT_EQ(cp.Utf16ToAnsi(utf16), all);
    EXPECT_EQ(cp.Utf8ToAnsi(cp.AnsiToUtf8(all)), all);
    // No best fit: a with macron does not turn into a plain "a".
    EXPECT_EQ(cp.Utf16ToAnsi(u"\u0101\u4E2D"), "??");
}

TEST(FakeCodePage, IllFormedUtf8GivesOneReplacementPerBrokenSequence) {
    EXPECT_EQ(Utf8ToUtf16("a\xE4\xB8"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xFF\xC0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(FakeCodePage(FakeCodePage::kGbk).Utf8ToAnsi("\xE4\xB8"), "?");
}

}  // namespace
}  // namespace lumbrel::test
