// The CodePage port for tests: Western European (1252) or Simplified Chinese GBK (936).
//
// Mirrors what the Windows conversions do on the cases the core meets, as observed under
// Wine: in 1252 every byte has a UTF-16 form (the five unassigned bytes map to U+0081 etc.);
// in 936 bytes 0x81-0xFE are lead bytes, a lead byte with a trail byte that forms no
// character, or with none, reads as one "?"; a UTF-16 unit without an ANSI form (each half
// of a surrogate pair too) writes as "?"; no best-fit replacements. The GBK table is glibc's
// CP936, which leaves out the user-defined areas (they read as "?").
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel::test {

class FakeCodePage : public CodePage {
public:
    static constexpr unsigned kWestern = 1252;
    static constexpr unsigned kGbk = 936;

    // `codePage` is kWestern or kGbk; any other number fails the running test.
    explicit FakeCodePage(unsigned codePage = kWestern);

    unsigned AnsiCodePage() const override { return codePage_; }
    bool IsLeadByte(unsigned char byte) const override;
    std::u16string AnsiToUtf16(std::string_view ansi) const override;
    std::string Utf16ToAnsi(std::u16string_view utf16) const override;
    std::string AnsiToUtf8(std::string_view ansi) const override;
    std::string Utf8ToAnsi(std::string_view utf8) const override;

private:
    unsigned codePage_;
};

// UTF-8 <-> UTF-16 as Windows converts with CP_UTF8: an ill-formed byte or a lone
// surrogate becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace lumbrel::test
