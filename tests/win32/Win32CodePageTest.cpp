// Win32CodePage against the system it wraps: lead-byte tables, round trips of GBK and 1252
// texts, and the core's DBCS helpers giving the same answers whether the lead bytes come
// from Windows or from the published GBK ranges.
#include "win32/platform/Win32CodePage.h"

#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <string>
#include <vector>

#include "base/DbcsText.h"
#include "support/GbkSamples.h"

namespace lumbrel::win32 {
namespace {

using namespace test::gbk;

// GBK's lead bytes as documented (0x81-0xFE), without asking Windows.
class GbkRangeCodePage : public CodePage {
public:
    unsigned AnsiCodePage() const override { return 936; }
    bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }
    std::u16string AnsiToUtf16(std::string_view) const override { return {}; }
    std::string Utf16ToAnsi(std::u16string_view) const override { return {}; }
    std::string AnsiToUtf8(std::string_view) const override { return {}; }
    std::string Utf8ToAnsi(std::string_view) const override { return {}; }
};

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

const std::vector<std::string>& GbkTexts() {
    static const std::vector<std::string> texts = {
        "plain ASCII, 123",
        kZhongWen,
        Cat({"C:\\", kTrailBackslash, "\\", kTrailBar, "|x"}),
        Cat({kKao, kTrailUpperA, "AB", kTrailLowerA, "ab"}),
        Cat({"a", kEuro, kZhong, " "}),
    };
    return texts;
}

TEST(Win32CodePage, LeadBytesMatchTheCodePages) {
    Win32CodePage gbk(936);
    Win32CodePage western(1252);
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(gbk.IsLeadByte(byte), b >= 0x81 && b <= 0xFE) << b;
        EXPECT_FALSE(western.IsLeadByte(byte)) << b;
    }
    EXPECT_EQ(gbk.AnsiCodePage(), 936u);
    EXPECT_EQ(Win32CodePage().AnsiCodePage(), GetACP());
}

TEST(Win32CodePage, GbkTextsRoundTripThroughUtf16AndUtf8) {
    Win32CodePage cp(936);
    for (const std::string& text : GbkTexts()) {
        std::u16string utf16 = cp.AnsiToUtf16(text);
        EXPECT_FALSE(utf16.empty()) << text;
        EXPECT_EQ(cp.Utf16ToAnsi(utf16), text);
        EXPECT_EQ(cp.Utf8ToAnsi(cp.AnsiToUtf8(text)), text);
    }
    EXPECT_EQ(cp.AnsiToUtf16(Cat({kZhongWen, kKao, kEuro})), u"\u4E2D\u6587\u4E02\u20AC");
    EXPECT_EQ(cp.AnsiToUtf8(kZhongWen), "\xE4\xB8\xAD\xE6\x96\x87");
    EXPECT_EQ(cp.AnsiToUtf16(""), u"");
}

TEST(Win32CodePage, WesternRoundTripsEveryByteAndRefusesBestFit) {
    Win32CodePage cp(1252);
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::u16string utf16 = cp.AnsiToUtf16(all);
    ASSERT_EQ(utf16.size(), 256u);
    EXPECT_EQ(utf16[0x80], u'\u20AC');
    EXPECT_EQ(cp.Utf16ToAnsi(utf16), all);
    EXPECT_EQ(cp.Utf8ToAnsi(cp.AnsiToUtf8(all)), all);
    // a with macron, a CJK character, a full-width slash, an emoji (two UTF-16 units).
    EXPECT_EQ(cp.Utf16ToAnsi(u"\u0101\u4E2D\uFF0F\U0001F600"), "?????");
}

// The same walk whichever port answers: the Windows table must not differ from the ranges
// the fake and the tests assume.
TEST(Win32CodePage, DbcsHelpersAgreeWithTheGbkRanges) {
    Win32CodePage windows(936);
    GbkRangeCodePage ranges;
    const char needles[][3] = {"\\", "|", "A", "a", "AB", "\xD0\xCE", "x"};
    for (const std::string& text : GbkTexts()) {
        for (size_t n = 0; n <= text.size() + 1; ++n) {
            EXPECT_EQ(CutToBytes(windows, text, n), CutToBytes(ranges, text, n)) << text << n;
        }
        for (const char* needle : needles) {
            EXPECT_EQ(FindSubstring(windows, text, needle), FindSubstring(ranges, text, needle))
                << text;
            EXPECT_EQ(RFindSubstring(windows, text, needle), RFindSubstring(ranges, text, needle))
                << text;
            EXPECT_EQ(FindChar(windows, text, needle[0]), FindChar(ranges, text, needle[0]));
            EXPECT_EQ(RFindChar(windows, text, needle[0]), RFindChar(ranges, text, needle[0]));
        }
        EXPECT_EQ(ToLowerAscii(windows, text), ToLowerAscii(ranges, text));
        EXPECT_EQ(TrimBlanks(windows, text), TrimBlanks(ranges, text));
    }
}

}  // namespace
}  // namespace lumbrel::win32
