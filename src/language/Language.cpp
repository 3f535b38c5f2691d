#include "language/Language.h"

#include "base/DbcsText.h"
#include "language/LanguageEscapes.h"
#include "language/StringTable.h"
#include "platform/FileSystem.h"

namespace lumbrel {
namespace {

constexpr size_t npos = std::string_view::npos;

// Where the line that starts at `lineStart` has its first character other than a space or tab.
size_t AfterBlanks(std::string_view text, size_t lineStart) {
    while (lineStart < text.size() && (text[lineStart] == ' ' || text[lineStart] == '\t'))
        ++lineStart;
    return lineStart;
}

// The start of the line after the one that holds `pos`; npos on the last line.
size_t NextLineStart(std::string_view text, size_t pos) {
    const size_t lineFeed = text.find('\n', pos);
    return lineFeed == npos ? npos : lineFeed + 1;
}

}  // namespace

Language::Language(const CodePage* codePage) : codePage_(codePage) {}

bool Language::IsActive() const {
    return mode_ == kFile && text_.has_value();
}

std::string Language::FilePath(std::string_view programDir, std::string_view fileName) {
    std::string path(programDir);
    path += "Language\\";
    path += fileName;
    return path;
}

void Language::LngLoad(FileSystem& fs, const std::string& path) {
    text_.reset();
    path_ = path;
    if (mode_ != kFile) {
        return;
    }
    std::optional<std::string> content = fs.ReadFile(path);
    if (!content || content->empty()) {
        mode_ = kBuiltIn;
        return;
    }
    // The text is searched as a NUL-terminated buffer: nothing after a NUL byte is seen.
    if (size_t nul = content->find('\0'); nul != std::string::npos) {
        content->resize(nul);
    }
    text_ = std::move(content);
}

// Sections are whole lines: a header is a line that begins, after blanks, with '[', so a
// value that ends in ']' or holds a header's text is never taken for one. Nor is a
// double-byte character whose second byte is '[' or ']', since a line feed never is.
std::optional<std::string_view> Language::Locate(std::string_view section,
                                                 std::string_view key) const {
    if (!text_) {
        return std::nullopt;
    }
    const std::string_view text = *text_;
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");
    size_t bodyStart = npos;
    for (size_t line = 0; line != npos; line = NextLineStart(text, line)) {
        const size_t at = AfterBlanks(text, line);
        if (text.compare(at, header.size(), header) == 0) {
            bodyStart = at + header.size();
            break;
        }
    }
    if (bodyStart == npos) {
        return std::nullopt;
    }
    size_t bodyEnd = text.size();
    for (size_t line = NextLineStart(text, bodyStart); line != npos;
         line = NextLineStart(text, line)) {
        const size_t at = AfterBlanks(text, line);
        if (at < text.size() && text[at] == '[') {
            bodyEnd = line;
            break;
        }
    }

    std::string needle;
    needle.reserve(key.size() + 3);
    needle.append("\r\n").append(key).append("=");
    const size_t keyAt = text.find(needle, bodyStart);
    // The key's line must begin before the next header's line.
    if (keyAt == npos || keyAt + 2 >= bodyEnd) {
        return std::nullopt;
    }
    const size_t valueStart = keyAt + needle.size();
    const size_t valueEnd = text.find('\r', valueStart);
    if (valueEnd == npos) {
        return std::nullopt;  // a last line without its line end does not count
    }
    return text.substr(valueStart, valueEnd - valueStart);
}

size_t Language::LngGetString(std::string_view section, std::string_view key,
                              std::optional<std::string_view> def, std::string& dest,
                              size_t capacity) const {
    dest.clear();
    if (capacity == 0) {
        return 0;
    }
    const std::string_view source = Locate(section, key).value_or(def.value_or(""));
    dest.assign(codePage_ ? CutToBytes(*codePage_, source, capacity - 1)
                          : source.substr(0, capacity - 1));
    return dest.size();
}

std::optional<std::string> Language::Find(std::string_view section, std::string_view key,
                                          size_t capacity) const {
    std::string value;
    if (LngGetString(section, key, std::nullopt, value, capacity) == 0) {
        return std::nullopt;
    }
    return value;
}

std::string Language::LngLoadString(int id) const {
    if (IsActive()) {
        if (std::optional<std::string> text = Find("StringTable", std::to_string(id))) {
            return ExpandEscapes(*text, "rn", codePage_);
        }
    }
    return std::string(StringTable::Get(id));
}

}  // namespace lumbrel
