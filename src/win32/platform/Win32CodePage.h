// The CodePage port over the Windows national-language functions: IsDBCSLeadByteEx,
// MultiByteToWideChar and WideCharToMultiByte. One instance serves the whole program with
// the system's ANSI code page; tests build others (936, 1252) to compare.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel::win32 {

class Win32CodePage : public CodePage {
public:
    // CP_ACP: whatever ANSI code page the system runs with.
    static constexpr unsigned kSystemAnsi = 0;

    // The lead-byte table is read once here: the text helpers ask for every byte they walk.
    explicit Win32CodePage(unsigned codePage = kSystemAnsi);

    // The real number (GetACP() for kSystemAnsi), never 0.
    unsigned AnsiCodePage() const override { return codePage_; }
    bool IsLeadByte(unsigned char byte) const override { return leadBytes_[byte]; }

    // A text the system cannot convert (or too long for its int sizes) gives an empty result.
    std::u16string AnsiToUtf16(std::string_view ansi) const override;
    // No best-fit replacements: "ā" becomes "?" in 1252, not "a", so that a converted
    // title never gains characters it did not have, such as "/" from a full-width slash.
    std::string Utf16ToAnsi(std::u16string_view utf16) const override;
    std::string AnsiToUtf8(std::string_view ansi) const override;
    std::string Utf8ToAnsi(std::string_view utf8) const override;

private:
    unsigned codePage_;
    std::array<bool, 256> leadBytes_{};
};

}  // namespace lumbrel::win32
