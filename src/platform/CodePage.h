// The system's ANSI code page: the byte encoding of every text in the core and in the
// program's files. Conversions happen only at the edges that need them (UTF-16 for COM,
// UTF-8 for search templates). The fake covers 1252 and GBK (936).
#pragma once

#include <string>
#include <string_view>

namespace lumbrel {

class CodePage {
public:
    virtual ~CodePage() = default;

    virtual unsigned AnsiCodePage() const = 0;
    // True when `byte` starts a double-byte character in the ANSI code page.
    virtual bool IsLeadByte(unsigned char byte) const = 0;

    virtual std::u16string AnsiToUtf16(std::string_view ansi) const = 0;
    // Characters without an ANSI form become '?'.
    virtual std::string Utf16ToAnsi(std::u16string_view utf16) const = 0;
    virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;
    virtual std::string Utf8ToAnsi(std::string_view utf8) const = 0;
};

}  // namespace lumbrel
