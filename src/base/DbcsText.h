// Byte-string operations that keep double-byte characters whole.
//
// Texts in the core are bytes in the ANSI code page. On a DBCS code page (GBK, Shift-JIS, Big5,
// ...) a lead byte starts a two-byte character whose trail byte may be any of 0x40-0xFE, so it
// can look like an ASCII letter, "\" or "|". Every cut, search, case fold or trim that must
// not tear such a character goes through these helpers; they ask the CodePage port only which
// bytes are lead bytes. On a single-byte code page they behave like the plain byte operations.
//
// A position is a byte offset. A "character boundary" is an offset reached by walking the text
// from its start one character at a time. A lead byte takes the byte after it, whatever that
// byte is, as Windows reads it; a lead byte in the last position counts as a one-byte
// character (a cut-off text), so every walk ends exactly at the end. Bytes below 0x80 are
// never lead bytes on any Windows code page, so ASCII walks without asking the port.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// --- walking ---

// Bytes of the character at `pos`: 2 for a lead byte with a byte after it, 1 otherwise,
// 0 at or past the end. `pos` must be a character boundary.
size_t CharLength(const CodePage& cp, std::string_view text, size_t pos);

// The longest prefix of at most `maxBytes` bytes that does not end inside a character.
std::string_view CutToBytes(const CodePage& cp, std::string_view text, size_t maxBytes);

// The first `maxChars` characters of `text` (a double-byte character counts as one).
std::string_view CutToChars(const CodePage& cp, std::string_view text, size_t maxChars);

// --- searching (npos when absent) ---
// A match always starts and ends on character boundaries, so a trail byte never matches.
// `from` is where the search starts and must be a character boundary (0, or a position an
// earlier search or walk returned). `atOrBefore` bounds where a backward match may start.

size_t FindChar(const CodePage& cp, std::string_view text, char c, size_t from = 0);
size_t FindSubstring(const CodePage& cp, std::string_view text, std::string_view needle,
                     size_t from = 0);
size_t RFindChar(const CodePage& cp, std::string_view text, char c,
                 size_t atOrBefore = std::string_view::npos);
size_t RFindSubstring(const CodePage& cp, std::string_view text, std::string_view needle,
                      size_t atOrBefore = std::string_view::npos);

// `text` with every one-byte character `from` made `to`; a trail byte that equals `from` stays
// (the "\" inside a double-byte character is no separator).
std::string ReplaceChar(const CodePage& cp, std::string_view text, char from, char to);

// --- case and blanks ---
// Only the ASCII letters A-Z and a-z fold; bytes >= 0x80 and every trail byte stay as they are.

// <0, 0 or >0 as `a` sorts before, equal to or after `b`, comparing lower-cased bytes as
// unsigned values.
int CompareNoCase(const CodePage& cp, std::string_view a, std::string_view b);
bool EqualsNoCase(const CodePage& cp, std::string_view a, std::string_view b);
std::string ToLowerAscii(const CodePage& cp, std::string_view text);
std::string ToUpperAscii(const CodePage& cp, std::string_view text);
// True when `text` ends with `suffix` without regard to ASCII case, the suffix starting on a
// character boundary (".url" never matches the trail byte of a double-byte character).
bool EndsWithNoCase(const CodePage& cp, std::string_view text, std::string_view suffix);

// Blanks are space, tab, CR, LF, vertical tab and form feed (the C locale's white space).
bool IsBlank(char c);
// `text` without blanks at either end.
std::string_view TrimBlanks(const CodePage& cp, std::string_view text);

}  // namespace lumbrel
