#include "language/LanguageEscapes.h"

#include "platform/CodePage.h"

namespace lumbrel {
namespace {

char ControlFor(char letter) {
    switch (letter) {
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        case 't':
            return '\t';
        default:
            return letter;
    }
}

bool IsLead(const CodePage* codePage, char c) {
    return codePage != nullptr && codePage->IsLeadByte(static_cast<unsigned char>(c));
}

// Walks `text` character by character (a double-byte character is one step) and calls
// `onEscape(letter)` for every escape of `letters`, `onText(piece)` for everything else.
template <typename OnText, typename OnEscape>
void Scan(std::string_view text, std::string_view letters, const CodePage* codePage, OnText onText,
          OnEscape onEscape) {
    size_t runStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (IsLead(codePage, text[i]) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (text[i] == '\\' && i + 1 < text.size() &&
            letters.find(text[i + 1]) != std::string_view::npos) {
            onText(text.substr(runStart, i - runStart));
            onEscape(text[i + 1]);
            i += 2;
            runStart = i;
            continue;
        }
        ++i;
    }
    onText(text.substr(runStart));
}

}  // namespace

std::string ExpandEscapes(std::string_view text, std::string_view letters,
                          const CodePage* codePage) {
    std::string out;
    out.reserve(text.size());
    Scan(
        text, letters, codePage, [&](std::string_view piece) { out.append(piece); },
        [&](char letter) { out.push_back(ControlFor(letter)); });
    return out;
}

std::vector<std::string> SplitAtLineEscapes(std::string_view text, const CodePage* codePage) {
    std::vector<std::string> pieces(1);
    Scan(
        text, "n", codePage, [&](std::string_view piece) { pieces.back().append(piece); },
        [&](char) { pieces.emplace_back(); });
    return pieces;
}

}  // namespace lumbrel
