#include "filter/ScriptString.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/DbcsText.h"
#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

// What a script engine makes of '<literal>': nothing when the literal would end early or
// holds a raw line end.
std::optional<std::string> ReadLiteral(const CodePage& cp, const std::string& literal) {
    std::string value;
    for (size_t pos = 0, len; (len = CharLength(cp, literal, pos)) != 0; pos += len) {
        char c = literal[pos];
        if (len == 2) {
            value.append(literal, pos, 2);
            continue;
        }
        if (c == '\'' || c == '\r' || c == '\n')
            return std::nullopt;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++pos >= literal.size())
            return std::nullopt;
        switch (char e = literal[pos]) {
            case 'r':
                value += '\r';
                break;
            case 'n':
                value += '\n';
                break;
            case 'x':
                if (literal.compare(pos, 3, "x00") != 0)
                    return std::nullopt;
                value += '\0';
                pos += 2;
                break;
            default:
                value += e;
        }
    }
    return value;
}

TEST(ScriptString, AnyTextComesOutAsEnteredAndCannotEndTheString) {
    FakeCodePage western;
    const std::string texts[] = {
        "<AD>",
        "it's \"quoted\"",
        "C:\\path\\",
        "line one\r\nline two\n",
        "<b>ad</b></SCRIPT><script>alert(1)</script>",
        std::string("nul\0byte", 8),
        "\\'",
    };
    for (const std::string& text : texts) {
        std::string literal = EscapeForScriptString(western, text);
        EXPECT_EQ(ReadLiteral(western, literal), text) << literal;
        EXPECT_EQ(literal.find("</"), std::string::npos) << literal;
    }
}

TEST(ScriptString, DoubleByteCharactersStayWhole) {
    FakeCodePage gbk(FakeCodePage::kGbk);
    const std::string text = std::string(test::gbk::kTrailBackslash) + "'" + test::gbk::kZhongWen;
    std::string literal = EscapeForScriptString(gbk, text);
    EXPECT_EQ(literal, std::string(test::gbk::kTrailBackslash) + "\\'" + test::gbk::kZhongWen);
    EXPECT_EQ(ReadLiteral(gbk, literal), text);
}

// A lead byte followed by a byte below 0x40 is no double-byte character in any Windows
// code page (trail bytes start at 0x40): the conversion to the engine's text keeps that byte
// as a character of its own, so a quote or a line end there must be escaped like any other.
TEST(ScriptString, ABrokenDoubleByteCharacterCannotEndTheString) {
    FakeCodePage gbk(FakeCodePage::kGbk);
    for (const std::string& text :
         {std::string("\x81'"), std::string("\xB0\n"), std::string("\xD6\r\nx")}) {
        const std::string literal = EscapeForScriptString(gbk, text);
        for (size_t i = 0; i < literal.size(); ++i) {
            const bool escaped = i > 0 && literal[i - 1] == '\\';
            EXPECT_FALSE(literal[i] == '\'' && !escaped) << "raw quote at " << i;
            EXPECT_NE(literal[i], '\n') << "raw line end at " << i;
            EXPECT_NE(literal[i], '\r') << "raw line end at " << i;
        }
    }
}

}  // namespace
}  // namespace lumbrel
