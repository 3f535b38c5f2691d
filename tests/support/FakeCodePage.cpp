#include "support/FakeCodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <cstdint>
#include <vector>

namespace lumbrel::test {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// 0x80-0x9F of code page 1252; the bytes Windows leaves unassigned map to U+0080-U+009F.
constexpr std::array<char16_t, 32> kWestern80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// GBK in both directions, built once from glibc's CP936 table. Index of a two-byte
// character: lead * 256 + trail. 0 means "no mapping".
struct GbkTables {
    std::vector<char16_t> toUnicode = std::vector<char16_t>(0x10000, 0);
    std::vector<uint16_t> fromUnicode = std::vector<uint16_t>(0x10000, 0);

    GbkTables() {
        iconv_t cd = iconv_open("UTF-16LE", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            ADD_FAILURE() << "glibc iconv lacks CP936";
            return;
        }
        for (unsigned code = 0x80; code <= 0xFEFE; ++code) {
            if (code > 0x80 && (code >> 8) < 0x81)
                continue;
            char in[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            bool single = code == 0x80;
            char16_t unit = Convert(cd, single ? in + 1 : in, single ? 1 : 2);
            if (unit == 0)
                continue;
            toUnicode[code] = unit;
            if (fromUnicode[unit] == 0)
                fromUnicode[unit] = static_cast<uint16_t>(code);
        }
        iconv_close(cd);
    }

    static char16_t Convert(iconv_t cd, char* in, size_t inLeft) {
        unsigned char out[8];
        char* outPtr = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft)
            return 0;
        if (sizeof out - outLeft != 2)
            return 0;
        return static_cast<char16_t>(out[0] | (out[1] << 8));
    }
};

const GbkTables& Gbk() {
    static const GbkTables tables;
    return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](unsigned v) { out += static_cast<char>(v); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
        return;
    }
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
}

// Sequence length announced by a UTF-8 lead byte and the allowed range of the byte after
// it (which rules out overlong forms, surrogates and values above U+10FFFF); 0 when the
// byte cannot start a sequence.
struct Utf8Lead {
    int length;
    unsigned char low, high;
};

Utf8Lead ClassifyUtf8Lead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF)
        return {2, 0x80, 0xBF};
    if (b == 0xE0)
        return {3, 0xA0, 0xBF};
    if (b == 0xED)
        return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {3, 0x80, 0xBF};
    if (b == 0xF0)
        return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return {4, 0x80, 0xBF};
    if (b == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    size_t pos = 0;
    while (pos < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++pos;
            continue;
        }
        Utf8Lead lead = ClassifyUtf8Lead(b);
        char32_t cp = b & (0x7F >> lead.length);
        size_t next = pos + 1;
        int taken = 1;
        // An ill-formed sequence gives one U+FFFD for its longest well-formed beginning.
        for (; taken < lead.length && next < utf8.size(); ++taken, ++next) {
            auto c = static_cast<unsigned char>(utf8[next]);
            unsigned char low = taken == 1 ? lead.low : 0x80;
            unsigned char high = taken == 1 ? lead.high : 0xBF;
            if (c < low || c > high)
                break;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (lead.length == 0 || taken < lead.length)
            out += kReplacement;
        else
            AppendUtf16(out, cp);
        pos = next;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t unit = utf16[i];
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        bool pairs =
            high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
        if (pairs) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

FakeCodePage::FakeCodePage(unsigned codePage) : codePage_(codePage) {
    if (codePage != kWestern && codePage != kGbk) {
        ADD_FAILURE() << "FakeCodePage knows 1252 and 936, not " << codePage;
        codePage_ = kWestern;
    }
}

bool FakeCodePage::IsLeadByte(unsigned char byte) const {
    return codePage_ == kGbk && byte >= 0x81 && byte <= 0xFE;
}

std::u16string FakeCodePage::AnsiToUtf16(std::string_view ansi) const {
    std::u16string out;
    for (size_t pos = 0; pos < ansi.size(); ++pos) {
        auto b = static_cast<unsigned char>(ansi[pos]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
        } else if (codePage_ == kWestern) {
            out += b < 0xA0 ? kWestern80[b - 0x80] : static_cast<char16_t>(b);
        } else if (!IsLeadByte(b)) {
            char16_t unit = Gbk().toUnicode[b];
            out += unit ? unit : u'?';
        } else if (pos + 1 < ansi.size()) {
            char16_t unit = Gbk().toUnicode[b * 256u + static_cast<unsigned char>(ansi[++pos])];
            out += unit ? unit : u'?';
        } else {
            out += u'?';
        }
    }
    return out;
}

std::string FakeCodePage::Utf16ToAnsi(std::u16string_view utf16) const {
    std::string out;
    for (char16_t unit : utf16) {
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        unsigned code = 0;
        if (codePage_ == kGbk) {
            code = Gbk().fromUnicode[unit];
        } else if (unit >= 0xA0 && unit <= 0xFF) {
            code = unit;
        } else {
            for (unsigned i = 0; i < kWestern80.size(); ++i) {
                if (kWestern80[i] == unit)
                    code = 0x80 + i;
            }
        }
        if (code == 0) {
            out += '?';
        } else {
            if (code > 0xFF)
                out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

std::string FakeCodePage::AnsiToUtf8(std::string_view ansi) const {
    return Utf16ToUtf8(AnsiToUtf16(ansi));
}

std::string FakeCodePage::Utf8ToAnsi(std::string_view utf8) const {
    return Utf16ToAnsi(Utf8ToUtf16(utf8));
}

}  // namespace lumbrel::test
