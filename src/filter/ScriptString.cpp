#include "filter/ScriptString.h"

#include "base/DbcsText.h"

namespace lumbrel {

std::string EscapeForScriptString(const CodePage& cp, std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool afterLessThan = false;
    for (size_t pos = 0, len; (len = CharLength(cp, text, pos)) != 0; pos += len) {
        const bool slashEndsTag = afterLessThan;
        // A lead byte before a byte below 0x40 is no character of any Windows code page: the
        // engine's conversion keeps the second byte as a character of its own, so it is
        // escaped as one.
        if (len == 2 && static_cast<unsigned char>(text[pos + 1]) < 0x40)
            len = 1;
        afterLessThan = len == 1 && text[pos] == '<';
        if (len == 2) {
            out.append(text.substr(pos, 2));
            continue;
        }
        const char c = text[pos];
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\'':
                out += "\\'";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\0':
                out += "\\x00";
                break;
            case '/':
                out += slashEndsTag ? "\\/" : "/";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace lumbrel
