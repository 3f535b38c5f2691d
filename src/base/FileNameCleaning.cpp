#include "base/FileNameCleaning.h"

#include "base/DbcsText.h"

namespace lumbrel {

bool IsForbiddenFileNameChar(char c) {
    switch (c) {
        case '\\':
        case '/':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
        case '\r':
        case '\n':
            return true;
        default:
            return false;
    }
}

size_t FindForbiddenFileNameChar(const CodePage& cp, std::string_view text) {
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 1 && IsForbiddenFileNameChar(text[pos]))
            return pos;
    }
    return std::string_view::npos;
}

std::string CleanFileName(const CodePage& cp, std::string_view text) {
    std::string clean(text);
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        if (len == 1 && IsForbiddenFileNameChar(text[pos]))
            clean[pos] = '_';
    }
    return clean;
}

std::string ProposedFileName(const CodePage& cp, std::string_view text) {
    size_t forbidden = FindForbiddenFileNameChar(cp, text);
    if (forbidden == std::string_view::npos)
        return std::string(text);
    if (forbidden > 0)
        return std::string(text.substr(0, forbidden));
    return CleanFileName(cp, text);
}

}  // namespace lumbrel
