#include "base/DbcsText.h"

#include <algorithm>

namespace lumbrel {
namespace {

constexpr size_t npos = std::string_view::npos;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `needle` ends with a lead byte that has no trail byte: it then matches only at
// the very end of a text, or it would match the first half of a character.
bool EndsWithLoneLeadByte(const CodePage& cp, std::string_view needle) {
    size_t pos = 0;
    size_t last = 0;
    while (pos < needle.size()) {
        last = CharLength(cp, needle, pos);
        pos += last;
    }
    return last == 1 && !needle.empty() && cp.IsLeadByte(static_cast<unsigned char>(needle.back()));
}

// Walks `boundary` (a character start) forward to `candidate`, a position where the needle's
// bytes occur; true when the candidate is a character start too and, for a needle ending in
// a lone lead byte, ends the text.
bool IsWholeMatch(const CodePage& cp, std::string_view text, size_t needleSize, bool loneLead,
                  size_t candidate, size_t& boundary) {
    while (boundary < candidate)
        boundary += CharLength(cp, text, boundary);
    return boundary == candidate && (!loneLead || candidate + needleSize == text.size());
}

}  // namespace

size_t CharLength(const CodePage& cp, std::string_view text, size_t pos) {
    if (pos >= text.size())
        return 0;
    auto byte = static_cast<unsigned char>(text[pos]);
    // No Windows code page has a lead byte below 0x80: mostly-ASCII texts such as addresses
    // walk without asking the port.
    if (byte < 0x80 || pos + 1 == text.size())
        return 1;
    return cp.IsLeadByte(byte) ? 2 : 1;
}

std::string_view CutToBytes(const CodePage& cp, std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    size_t pos = 0;
    for (size_t len; (len = CharLength(cp, text, pos)) != 0 && pos + len <= maxBytes;)
        pos += len;
    return text.substr(0, pos);
}

std::string_view CutToChars(const CodePage& cp, std::string_view text, size_t maxChars) {
    size_t pos = 0;
    for (size_t chars = 0, len; chars < maxChars && (len = CharLength(cp, text, pos)) != 0; ++chars)
        pos += len;
    return text.substr(0, pos);
}

size_t FindChar(const CodePage& cp, std::string_view text, char c, size_t from) {
    return FindSubstring(cp, text, std::string_view(&c, 1), from);
}

// The byte search finds candidates quickly; only they need the walk's verdict.
size_t FindSubstring(const CodePage& cp, std::string_view text, std::string_view needle,
                     size_t from) {
    if (from > text.size())
        return npos;
    if (needle.empty())
        return from;
    bool loneLead = EndsWithLoneLeadByte(cp, needle);
    size_t boundary = from;
    for (size_t at = text.find(needle, from); at != npos; at = text.find(needle, at + 1)) {
        if (IsWholeMatch(cp, text, needle.size(), loneLead, at, boundary))
            return at;
    }
    return npos;
}

size_t RFindChar(const CodePage& cp, std::string_view text, char c, size_t atOrBefore) {
    return RFindSubstring(cp, text, std::string_view(&c, 1), atOrBefore);
}

// Character starts are only known walking forward, so the last match is found that way.
size_t RFindSubstring(const CodePage& cp, std::string_view text, std::string_view needle,
                      size_t atOrBefore) {
    if (needle.size() > text.size())
        return npos;
    size_t last = std::min(atOrBefore, text.size() - needle.size());
    bool loneLead = EndsWithLoneLeadByte(cp, needle);
    size_t boundary = 0;
    size_t found = npos;
    for (size_t at = text.find(needle); at != npos && at <= last; at = text.find(needle, at + 1)) {
        if (IsWholeMatch(cp, text, needle.size(), loneLead, at, boundary))
            found = at;
    }
    return found;
}

int CompareNoCase(const CodePage& cp, std::string_view a, std::string_view b) {
    size_t pos = 0;
    while (pos < a.size() && pos < b.size()) {
        // Both texts agree up to `pos`, so a character starts here in both or in neither.
        auto x = static_cast<unsigned char>(LowerAscii(a[pos]));
        auto y = static_cast<unsigned char>(LowerAscii(b[pos]));
        if (x != y)
            return x < y ? -1 : 1;
        if (CharLength(cp, a, pos) == 2 && CharLength(cp, b, pos) == 2) {
            auto trailA = static_cast<unsigned char>(a[pos + 1]);
            auto trailB = static_cast<unsigned char>(b[pos + 1]);
            if (trailA != trailB)
                return trailA < trailB ? -1 : 1;
            pos += 2;
        } else {
            pos += 1;
        }
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(const CodePage& cp, std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(cp, a, b) == 0;
}

bool EndsWithNoCase(const CodePage& cp, std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size())
        return false;
    const size_t start = text.size() - suffix.size();
    size_t pos = 0;
    while (pos < start)
        pos += CharLength(cp, text, pos);
    return pos == start && EqualsNoCase(cp, text.substr(start), suffix);
}

std::string ToLowerAscii(const CodePage& cp, std::string_view text) {
    std::string lower(text);
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 1)
            lower[pos] = LowerAscii(text[pos]);
    }
    return lower;
}

std::string ToUpperAscii(const CodePage& cp, std::string_view text) {
    std::string upper(text);
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 1 && text[pos] >= 'a' && text[pos] <= 'z')
            upper[pos] = static_cast<char>(text[pos] - 'a' + 'A');
    }
    return upper;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimBlanks(const CodePage& cp, std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin]))
        ++begin;
    // The end is found walking forward: the byte before it could be a trail byte.
    size_t end = begin;
    for (size_t pos = begin, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 2 || !IsBlank(text[pos]))
            end = pos + len;
    }
    return text.substr(begin, end - begin);
}

std::string ReplaceChar(const CodePage& cp, std::string_view text, char from, char to) {
    std::string result(text);
    for (size_t i = 0; i < result.size();) {
        const size_t length = std::max<size_t>(CharLength(cp, text, i), 1);
        if (length == 1 && result[i] == from)
            result[i] = to;
        i += length;
    }
    return result;
}

}  // namespace lumbrel
