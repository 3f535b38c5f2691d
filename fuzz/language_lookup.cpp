// Fuzz target: the language file lookup (Language) and the escapes of its values, on the
// Western single-byte code page and on GBK.
//
// The first input byte chooses: bit 0 GBK, bit 1 a generated file. A generated file is built
// from sections of entries drawn from the input, with any bytes but line breaks and NUL in
// names and values (double-byte characters with every trail byte, '[', ']', '\' and '='
// included); every lookup must give what a reader of the file's lines finds. Otherwise the
// rest of the input is the file itself, and every header and key it shows is looked up: when
// the file's lines all end in CR LF the same line reading must agree; in any file a value
// found stands on a line of its own after its key, and cuts keep double-byte characters whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/DbcsText.h"
#include "language/Language.h"
#include "language/LanguageEscapes.h"
#include "support/FakeFileSystem.h"

namespace lumbrel::fuzz {
namespace {

const std::string kPath = "C:\\Lumbrel\\Language\\Fuzz.ini";
constexpr size_t kWhole = 1 << 20;
// The default of the lookups: no value found can hold a CR.
const std::string kMissing = "\r<missing>";

bool IsLineBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view WithoutLeadingBlanks(std::string_view line) {
    while (!line.empty() && IsLineBlank(line.front()))
        line.remove_prefix(1);
    return line;
}

// The file as a reader of its lines sees it: lines ended by CR LF, the last one perhaps
// without. A header line begins, after blanks, with '['; the section "N" is opened by the
// first line that begins with "[N]" and runs to the next header line; in it the first line
// that begins with "K=" holds the value of K. The last line counts only with its line end.
struct LineFile {
    std::vector<std::string> lines;
    bool endsWithLineBreak = true;

    std::string Text() const {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (i + 1 < lines.size() || endsWithLineBreak)
                text += "\r\n";
        }
        return text;
    }

    std::optional<std::string> Value(std::string_view section, std::string_view key) const {
        const std::string header = "[" + std::string(section) + "]";
        size_t i = 0;
        while (i < lines.size() && !WithoutLeadingBlanks(lines[i]).starts_with(header))
            ++i;
        const std::string prefix = std::string(key) + "=";
        for (++i; i < lines.size() && !WithoutLeadingBlanks(lines[i]).starts_with('['); ++i) {
            if (!lines[i].starts_with(prefix))
                continue;
            if (i + 1 == lines.size() && !endsWithLineBreak)
                return std::nullopt;
            return lines[i].substr(prefix.size());
        }
        return std::nullopt;
    }
};

// The file's lines when every line break in it is CR LF; nothing otherwise.
std::optional<LineFile> SplitCleanLines(std::string_view text) {
    LineFile file;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        const std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            return std::nullopt;
        file.lines.emplace_back(line);
        if (end == std::string_view::npos) {
            file.endsWithLineBreak = false;
            break;
        }
        pos = end + 2;
    }
    return file;
}

// One character under `cp`: a double-byte character with any trail byte, or any single
// byte except line breaks and NUL.
void AppendCharacter(FuzzedDataProvider& in, const CodePage& cp, std::string& text) {
    auto byte = in.ConsumeIntegral<uint8_t>();
    if (cp.IsLeadByte(byte)) {
        text += static_cast<char>(byte);
        text += static_cast<char>(in.ConsumeIntegralInRange<uint8_t>(0x40, 0xFE));
        return;
    }
    if (byte == '\r' || byte == '\n' || byte == '\0')
        byte = '[';
    text += static_cast<char>(byte);
}

std::string DrawWholeCharacters(FuzzedDataProvider& in, const CodePage& cp, size_t maxChars) {
    std::string text;
    const size_t count = in.ConsumeIntegralInRange<size_t>(0, maxChars);
    for (size_t i = 0; i < count && in.remaining_bytes() > 0; ++i)
        AppendCharacter(in, cp, text);
    return text;
}

// A generated file and the (section, key) pairs worth looking up in it.
struct Generated {
    LineFile file;
    std::vector<std::pair<std::string, std::string>> lookups;
};

Generated Generate(FuzzedDataProvider& in, const CodePage& cp) {
    Generated out;
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    const int lineCount = in.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < lineCount && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
            case 0: {  // a header, new or repeated, perhaps indented
                std::string name =
                    sections.empty() || in.ConsumeBool()
                        ? DrawWholeCharacters(in, cp, 8)
                        : sections[in.ConsumeIntegralInRange<size_t>(0, sections.size() - 1)];
                sections.push_back(name);
                out.file.lines.push_back(std::string(in.ConsumeIntegralInRange(0, 2), ' ') + "[" +
                                         name + "]" + DrawWholeCharacters(in, cp, 2));
                break;
            }
            case 1:  // anything else on a line of its own
                out.file.lines.push_back(DrawWholeCharacters(in, cp, 16));
                break;
            default: {  // an entry, new or repeated
                std::string key = keys.empty() || in.ConsumeBool()
                                      ? DrawWholeCharacters(in, cp, 6)
                                      : keys[in.ConsumeIntegralInRange<size_t>(0, keys.size() - 1)];
                keys.push_back(key);
                out.file.lines.push_back(key + "=" + DrawWholeCharacters(in, cp, 24));
                break;
            }
        }
    }
    out.file.endsWithLineBreak = in.ConsumeBool();
    for (const std::string& section : sections) {
        for (const std::string& key : keys)
            out.lookups.emplace_back(section, key);
    }
    for (const std::string& key : keys)
        out.lookups.emplace_back(DrawWholeCharacters(in, cp, 4), key);
    return out;
}

// Every header name and key the lines of `text` show, each key paired with the header above.
std::vector<std::pair<std::string, std::string>> LookupsIn(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> lookups;
    std::string section;
    size_t pos = 0;
    while (pos < text.size() && lookups.size() < 512) {
        size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view trimmed = WithoutLeadingBlanks(line);
        if (trimmed.starts_with('[')) {
            section = std::string(trimmed.substr(1, trimmed.find(']') - 1));
            lookups.emplace_back(section, "Caption");
        } else if (size_t equals = line.find('='); equals != std::string_view::npos) {
            lookups.emplace_back(section, std::string(line.substr(0, equals)));
        }
        if (end == std::string_view::npos)
            break;
        pos = end + 1;
    }
    return lookups;
}

// A value found stands after "CR LF key =" and runs to a CR.
void CheckFoundInText(std::string_view text, std::string_view key, std::string_view value) {
    const std::string line = "\r\n" + std::string(key) + "=" + std::string(value) + "\r";
    FUZZ_CHECK(text.find(line) != std::string_view::npos);
    FUZZ_CHECK(value.find('\r') == std::string_view::npos);
}

// A cut ends on a character boundary of the whole value, and as late as fits.
void CheckCut(const CodePage& cp, std::string_view whole, std::string_view cut, size_t capacity) {
    if (capacity == 0) {
        FUZZ_CHECK(cut.empty());
        return;
    }
    FUZZ_CHECK(whole.starts_with(cut));
    FUZZ_CHECK(cut.size() <= capacity - 1);
    size_t pos = 0;
    while (pos < cut.size())
        pos += CharLength(cp, whole, pos);
    FUZZ_CHECK(pos == cut.size());
    if (cut.size() < whole.size())
        FUZZ_CHECK(cut.size() + CharLength(cp, whole, cut.size()) > capacity - 1);
}

// Escapes act only on single-byte backslashes: a double-byte character whose trail byte is
// a backslash stays whole, so no character of the result pairs a lead byte with a control
// character; and cutting at the line escapes is undone by joining with them.
void CheckEscapes(const CodePage& cp, std::string_view value) {
    const std::vector<std::string> pieces = SplitAtLineEscapes(value, &cp);
    std::string joined;
    for (size_t i = 0; i < pieces.size(); ++i)
        joined += (i ? "\\n" : "") + pieces[i];
    FUZZ_CHECK_EQ_TEXT(joined, value);
    if (value.find_first_of("\r\n\t") != std::string_view::npos)
        return;
    const std::string expanded = ExpandEscapes(value, "rnt", &cp);
    for (size_t pos = 0, len; (len = CharLength(cp, expanded, pos)) != 0; pos += len) {
        if (len == 2) {
            const char trail = expanded[pos + 1];
            FUZZ_CHECK(trail != '\r' && trail != '\n' && trail != '\t');
        }
    }
}

void Look(const Language& language, const CodePage& cp, std::string_view text,
          const std::optional<LineFile>& lines, std::string_view section, std::string_view key,
          size_t capacity) {
    std::string whole;
    const size_t copied = language.LngGetString(section, key, kMissing, whole, kWhole);
    FUZZ_CHECK(copied == whole.size());
    const std::optional<std::string> found = language.Find(section, key, kWhole);
    FUZZ_CHECK(found.has_value() == (whole != kMissing && !whole.empty()));
    if (lines) {
        const std::optional<std::string> expected = lines->Value(section, key);
        if (expected.value_or(kMissing) != whole) {
            std::fprintf(stderr, "file \"%s\"\nlooked up [%s] %s\n", Shown(text).c_str(),
                         Shown(section).c_str(), Shown(key).c_str());
            FUZZ_CHECK_EQ_TEXT(whole, expected.value_or(kMissing));
        }
    }
    if (whole != kMissing)
        CheckFoundInText(text, key, whole);
    std::string cut;
    language.LngGetString(section, key, kMissing, cut, capacity);
    CheckCut(cp, whole, cut, capacity);
    CheckEscapes(cp, whole);
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    if (size == 0)
        return 0;
    const uint8_t flags = data[0];
    const CodePage& cp = CodePageFor(flags);
    FuzzedDataProvider in(data + 1, size - 1);

    std::string text;
    std::optional<LineFile> lines;
    std::vector<std::pair<std::string, std::string>> lookups;
    if (flags & 2) {
        Generated generated = Generate(in, cp);
        text = generated.file.Text();
        lines = std::move(generated.file);
        lookups = std::move(generated.lookups);
    } else {
        text.assign(reinterpret_cast<const char*>(data + 1), size - 1);
        lookups = LookupsIn(text);
        // A NUL ends the text the lookup searches.
        if (text.find('\0') == std::string::npos)
            lines = SplitCleanLines(text);
    }

    test::FakeFileSystem fs;
    fs.AddFile(kPath, text);
    Language language(&cp);
    language.SetMode(Language::kFile);
    language.LngLoad(fs, kPath);
    FUZZ_CHECK(language.IsActive() == !text.empty());
    if (!language.IsActive())
        return 0;
    const std::string searched = text.substr(0, text.find('\0'));
    for (size_t i = 0; i < lookups.size(); ++i) {
        const size_t capacity = (i * 7 + flags) % 40;
        Look(language, cp, searched, lines, lookups[i].first, lookups[i].second, capacity);
    }
    return 0;
}
