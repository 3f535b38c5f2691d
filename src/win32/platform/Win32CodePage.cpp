#include "win32/platform/Win32CodePage.h"

#include "win32/platform/WinApi.h"

#include <climits>

namespace lumbrel::win32 {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

// Code pages for which WideCharToMultiByte refuses a default character and the
// WC_NO_BEST_FIT_CHARS flag (the UTF forms, GB18030, the ISO-2022 family, ISCII, Symbol):
// a system whose ANSI code page is UTF-8 would otherwise get nothing back.
bool TakesConversionFlags(unsigned codePage) {
    switch (codePage) {
        case CP_UTF7:
        case CP_UTF8:
        case 42:
        case 54936:
        case 50220:
        case 50221:
        case 50222:
        case 50225:
        case 50227:
        case 50229:
        case 52936:
            return false;
        default:
            return !(codePage >= 57002 && codePage <= 57011);
    }
}

std::u16string ToUtf16(unsigned codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX)
        return {};
    int inLength = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    if (length <= 0)
        return {};
    std::u16string utf16(static_cast<size_t>(length), u'\0');
    length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength,
                                 reinterpret_cast<wchar_t*>(utf16.data()), length);
    utf16.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return utf16;
}

std::string FromUtf16(unsigned codePage, std::u16string_view utf16) {
    if (utf16.empty() || utf16.size() > INT_MAX)
        return {};
    auto in = reinterpret_cast<const wchar_t*>(utf16.data());
    int inLength = static_cast<int>(utf16.size());
    bool flags = TakesConversionFlags(codePage);
    DWORD how = flags ? WC_NO_BEST_FIT_CHARS : 0;
    const char* defaultChar = flags ? "?" : nullptr;
    int length = WideCharToMultiByte(codePage, how, in, inLength, nullptr, 0, defaultChar, nullptr);
    if (length <= 0)
        return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    length = WideCharToMultiByte(codePage, how, in, inLength, bytes.data(), length, defaultChar,
                                 nullptr);
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return bytes;
}

}  // namespace

Win32CodePage::Win32CodePage(unsigned codePage)
    : codePage_(codePage == kSystemAnsi ? GetACP() : codePage) {
    // No Windows code page has a lead byte below 0x80.
    for (unsigned byte = 0x80; byte < 0x100; ++byte) {
        leadBytes_[byte] = IsDBCSLeadByteEx(codePage_, static_cast<BYTE>(byte)) != FALSE;
    }
}

std::u16string Win32CodePage::AnsiToUtf16(std::string_view ansi) const {
    return ToUtf16(codePage_, ansi);
}

std::string Win32CodePage::Utf16ToAnsi(std::u16string_view utf16) const {
    return FromUtf16(codePage_, utf16);
}

std::string Win32CodePage::AnsiToUtf8(std::string_view ansi) const {
    return FromUtf16(CP_UTF8, ToUtf16(codePage_, ansi));
}

std::string Win32CodePage::Utf8ToAnsi(std::string_view utf8) const {
    return FromUtf16(codePage_, ToUtf16(CP_UTF8, utf8));
}

}  // namespace lumbrel::win32
