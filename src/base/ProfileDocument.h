// One INI file held in memory the way the private-profile functions see it, for PrivateProfile.
//
// Every line is kept verbatim (comments, blank lines, malformed lines, the user's spacing), so
// writing the document back changes only the lines that were edited. Sections and keys are
// indexed by name without regard to ASCII case, so a lookup costs one hash probe whatever the
// file's size. PrivateProfile parses a file into a document, edits it and serialises it; the
// document knows nothing of files.
//
// Names given to the lookups and edits are compared after removing blanks around them. The
// edits expect names and values that PrivateProfile has already checked (no line breaks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumbrel {

struct ProfileEntry {
    std::string key;
    std::string value;  // as GetString would return it (trimmed, quotes removed)
};

// Hash and equality for names compared without regard to ASCII case; transparent, so a map
// keyed by std::string can be searched with a std::string_view.
struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const noexcept;
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};
template <typename T>
using NoCaseMap = std::unordered_map<std::string, T, NoCaseHash, NoCaseEqual>;

// The blanks the private-profile functions strip around names and values.
bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
// The value as read: one pair of matching double or single quotes around it removed.
std::string_view UnquoteProfileValue(std::string_view raw);

class ProfileDocument {
public:
    ProfileDocument();
    static ProfileDocument Parse(std::string_view text);
    // The file's text: every line ended by CRLF.
    std::string Serialize() const;

    // Lookups; `section` and `key` are trimmed first. The first section of a name wins, and
    // the first entry of a key within it. The section "" holds the lines before any header.
    // The stored value of an entry: blanks around it removed, quotes kept.
    std::optional<std::string_view> FindRaw(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Every entry of the first section of that name, in file order, duplicates and empty keys
    // kept; comment entries (keys starting with ';') and lines without '=' left out.
    std::vector<ProfileEntry> Entries(std::string_view section) const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    // Every non-empty section name in file order, duplicates kept.
    std::vector<std::string> SectionNames() const;

    // Edits; each returns true when the document changed.
    // Replaces the first entry of `key` in the first section of that name, keeping the stored
    // spelling of the key, or adds "key=value" after the last non-blank line of the section
    // (a new section goes at the end). `value` is stored as given.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every entry of `key` in the first section of that name, so a later read cannot
    // find an older duplicate.
    bool EraseKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines; "" empties the lines before the
    // first header.
    bool EraseSection(std::string_view section);

private:
    enum class LineKind : uint8_t { Other, Entry, Erased };
    struct Line {
        std::string text;  // verbatim, without its line end
        LineKind kind = LineKind::Other;
        uint32_t keyBegin = 0, keyLength = 0, valueBegin = 0, valueLength = 0;
        std::string_view Key() const { return {text.data() + keyBegin, keyLength}; }
        std::string_view Value() const { return {text.data() + valueBegin, valueLength}; }
    };
    struct Section {
        std::string header;  // verbatim header line; unused for the lines before any header
        uint32_t nameBegin = 0, nameLength = 0;
        std::vector<Line> lines;
        NoCaseMap<uint32_t> keys;  // key -> index in `lines` of its first entry
        uint32_t erased = 0;
        bool duplicateKeys = false;
        std::string_view Name() const { return {header.data() + nameBegin, nameLength}; }
    };

    static Line ParseLine(std::string text);
    static bool ParseHeader(std::string_view text, uint32_t& nameBegin, uint32_t& nameLength);
    void AddParsedLine(std::string text);
    void IndexKey(Section& section, uint32_t index);
    void RebuildSectionIndex();
    void CompactIfSparse(Section& section);
    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    static void AppendEntry(Section& section, std::string_view key, std::string_view value);

    std::string byteOrderMark_;
    std::vector<Section> sections_;     // [0] holds the lines before the first header
    NoCaseMap<uint32_t> sectionIndex_;  // name -> index of its first section
};

}  // namespace lumbrel
