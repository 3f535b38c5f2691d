// Percent-encoding of a search keyword before it is put into a search engine's address
// template. Works on bytes: the caller chooses the bytes (the ANSI code page for "%s"
// templates, UTF-8 for "%u"), and each byte of a multi-byte character is encoded on its own.
#pragma once

#include <string>
#include <string_view>

namespace lumbrel {

// Every byte other than an ASCII letter or digit becomes "%" and two upper-case hex digits:
// a space gives "%20" (there is no "+" form), "." gives "%2E".
std::string EncodeKeyword(std::string_view keyword);

}  // namespace lumbrel
