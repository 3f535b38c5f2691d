#include "language/Language.h"

#include "language/LanguageEscapes.h"
#include "language/StringTable.h"
#include "platform/FileSystem.h"

namespace lumbrel {
namespace {

// Where the header line after the one holding `headerEnd` ends (its "]" before the carriage
// return); npos when no header follows. A value may end in "]" too ("Standard [Englisch]"):
// only a line that begins with "[" is a header.
size_t NextHeaderEnd(std::string_view text, size_t headerEnd) {
    const size_t headerLineEnd = text.find('\n', headerEnd);
    if (headerLineEnd == std::string_view::npos) {
        return std::string_view::npos;
    }
    for (size_t at = text.find("]\r", headerLineEnd); at != std::string_view::npos;
         at = text.find("]\r", at + 1)) {
        const size_t lineFeed = text.rfind('\n', at);
        const size_t lineStart = lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
        if (text[lineStart] == '[') {
            return at;
        }
    }
    return std::string_view::npos;
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

std::optional<std::string_view> Language::Locate(std::string_view section,
                                                 std::string_view key) const {
    if (!text_) {
        return std::nullopt;
    }
    const std::string_view text = *text_;
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");
    const size_t headerAt = text.find(header);
    if (headerAt == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t bodyStart = headerAt + header.size();
    // A key found beyond the end of the next header belongs to a later section.
    const size_t nextHeaderEnd = NextHeaderEnd(text, bodyStart);

    std::string needle;
    needle.reserve(key.size() + 3);
    needle.append("\r\n").append(key).append("=");
    const size_t keyAt = text.find(needle, bodyStart);
    if (keyAt == std::string_view::npos || keyAt >= nextHeaderEnd) {
        return std::nullopt;
    }
    const size_t valueStart = keyAt + needle.size();
    const size_t valueEnd = text.find('\r', valueStart);
    if (valueEnd == std::string_view::npos) {
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
    dest.assign(source.substr(0, capacity - 1));
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
