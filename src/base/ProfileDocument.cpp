#include "base/ProfileDocument.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace lumbrel {
namespace {

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// What the parser sees of a line: the private-profile functions read a line as a C string,
// so nothing after an embedded NUL counts.
std::string_view Visible(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

uint32_t OffsetIn(const std::string& text, std::string_view part) {
    return static_cast<uint32_t>(part.data() - text.data());
}

bool IsBlankLine(std::string_view text) {
    return TrimProfileBlanks(Visible(text)).empty();
}

// Notepad's UTF-8 mark. Only the first bytes of a file can be one.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

size_t NoCaseHash::operator()(std::string_view text) const noexcept {
    uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(FoldCase(c));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash ^ (hash >> 32));
}

// FIXME: only ASCII letters fold; the Windows functions also fold the code page's other
// letters, and a DBCS-aware fold needs the lead-byte test of the CodePage port.
bool NoCaseEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

bool IsProfileBlank(char c) {
    // 0x1A is the old end-of-file mark, which the Windows functions treat as a blank.
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1a';
}

std::string_view TrimProfileBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileBlank(text[begin]))
        ++begin;
    while (end > begin && IsProfileBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view UnquoteProfileValue(std::string_view raw) {
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
        return raw.substr(1, raw.size() - 2);
    return raw;
}

ProfileDocument::ProfileDocument() : sections_(1) {
    sectionIndex_.try_emplace(std::string(), 0);
}

ProfileDocument ProfileDocument::Parse(std::string_view text) {
    ProfileDocument doc;
    // The mark would otherwise glue itself to the first header.
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        doc.byteOrderMark_ = kUtf8Mark;
        text.remove_prefix(kUtf8Mark.size());
    }
    size_t pos = 0;
    const size_t size = text.size();
    while (pos < size) {
        size_t end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        doc.AddParsedLine(std::string(text.substr(pos, end - pos)));
        if (end < size && text[end] == '\r' && end + 1 < size && text[end + 1] == '\n')
            ++end;
        pos = end + 1;
    }
    doc.RebuildSectionIndex();
    return doc;
}

bool ProfileDocument::ParseHeader(std::string_view text, uint32_t& nameBegin,
                                  uint32_t& nameLength) {
    std::string_view line = TrimProfileBlanks(Visible(text));
    if (line.empty() || line.front() != '[')
        return false;
    size_t close = line.rfind(']');
    if (close == std::string_view::npos)
        return false;
    std::string_view name = TrimProfileBlanks(line.substr(1, close - 1));
    nameBegin = static_cast<uint32_t>(name.data() - text.data());
    nameLength = static_cast<uint32_t>(name.size());
    return true;
}

ProfileDocument::Line ProfileDocument::ParseLine(std::string text) {
    Line line;
    line.text = std::move(text);
    if (line.text.size() >= std::numeric_limits<uint32_t>::max())
        return line;
    std::string_view visible = TrimProfileBlanks(Visible(line.text));
    size_t equals = visible.find('=');
    if (equals == std::string_view::npos)
        return line;
    std::string_view key = TrimProfileBlanks(visible.substr(0, equals));
    std::string_view value = TrimProfileBlanks(visible.substr(equals + 1));
    line.kind = LineKind::Entry;
    line.keyBegin = OffsetIn(line.text, key);
    line.keyLength = static_cast<uint32_t>(key.size());
    line.valueBegin = OffsetIn(line.text, value);
    line.valueLength = static_cast<uint32_t>(value.size());
    return line;
}

void ProfileDocument::AddParsedLine(std::string text) {
    uint32_t nameBegin = 0;
    uint32_t nameLength = 0;
    if (text.size() < std::numeric_limits<uint32_t>::max() &&
        ParseHeader(text, nameBegin, nameLength)) {
        Section& section = sections_.emplace_back();
        section.header = std::move(text);
        section.nameBegin = nameBegin;
        section.nameLength = nameLength;
        return;
    }
    Section& section = sections_.back();
    section.lines.push_back(ParseLine(std::move(text)));
    if (section.lines.back().kind == LineKind::Entry)
        IndexKey(section, static_cast<uint32_t>(section.lines.size() - 1));
}

void ProfileDocument::IndexKey(Section& section, uint32_t index) {
    auto [it, inserted] = section.keys.try_emplace(std::string(section.lines[index].Key()), index);
    if (!inserted)
        section.duplicateKeys = true;
}

void ProfileDocument::RebuildSectionIndex() {
    sectionIndex_.clear();
    sectionIndex_.try_emplace(std::string(), 0);
    for (uint32_t i = 1; i < sections_.size(); ++i)
        sectionIndex_.try_emplace(std::string(sections_[i].Name()), i);
}

std::string ProfileDocument::Serialize() const {
    size_t size = byteOrderMark_.size();
    for (const Section& section : sections_) {
        size += section.header.size() + 2;
        for (const Line& line : section.lines)
            size += line.text.size() + 2;
    }
    std::string out;
    out.reserve(size);
    out += byteOrderMark_;
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (i > 0) {
            out += section.header;
            out += "\r\n";
        }
        for (const Line& line : section.lines) {
            if (line.kind == LineKind::Erased)
                continue;
            out += line.text;
            out += "\r\n";
        }
    }
    // Once the lines above it are gone, a line that begins with the mark's bytes would start
    // the file and be read as a mark: a blank line first keeps it text.
    if (byteOrderMark_.empty() && out.starts_with(kUtf8Mark))
        out.insert(0, "\r\n");
    return out;
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const {
    auto it = sectionIndex_.find(TrimProfileBlanks(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) {
    auto it = sectionIndex_.find(TrimProfileBlanks(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string_view> ProfileDocument::FindRaw(std::string_view section,
                                                         std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    auto it = found->keys.find(TrimProfileBlanks(key));
    if (it == found->keys.end())
        return std::nullopt;
    return found->lines[it->second].Value();
}

bool ProfileDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::vector<ProfileEntry> ProfileDocument::Entries(std::string_view section) const {
    std::vector<ProfileEntry> entries;
    const Section* found = FindSection(section);
    if (!found)
        return entries;
    entries.reserve(found->lines.size() - found->erased);
    for (const Line& line : found->lines) {
        if (line.kind != LineKind::Entry || line.Key().starts_with(';'))
            continue;
        entries.push_back(
            {std::string(line.Key()), std::string(UnquoteProfileValue(line.Value()))});
    }
    return entries;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = FindSection(section);
    if (!found)
        return names;
    names.reserve(found->lines.size() - found->erased);
    for (const Line& line : found->lines) {
        if (line.kind == LineKind::Entry && !line.Key().starts_with(';'))
            names.emplace_back(line.Key());
    }
    return names;
}

std::vector<std::string> ProfileDocument::SectionNames() const {
    std::vector<std::string> names;
    for (size_t i = 1; i < sections_.size(); ++i) {
        if (sections_[i].nameLength > 0)
            names.emplace_back(sections_[i].Name());
    }
    return names;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimProfileBlanks(section);
    key = TrimProfileBlanks(key);
    Section* found = FindSection(section);
    if (!found) {
        Section& added = sections_.emplace_back();
        added.header = "[" + std::string(section) + "]";
        added.nameBegin = 1;
        added.nameLength = static_cast<uint32_t>(section.size());
        sectionIndex_.try_emplace(std::string(section),
                                  static_cast<uint32_t>(sections_.size() - 1));
        found = &added;
    }
    auto it = found->keys.find(key);
    if (it == found->keys.end()) {
        AppendEntry(*found, key, value);
        return true;
    }
    Line& line = found->lines[it->second];
    if (line.Value() == value)
        return false;
    // The stored spelling of the key stays, as the Windows functions keep it.
    std::string text(line.Key());
    text += '=';
    text += value;
    line.keyBegin = 0;
    line.valueBegin = line.keyLength + 1;
    line.valueLength = static_cast<uint32_t>(value.size());
    line.text = std::move(text);
    return true;
}

void ProfileDocument::AppendEntry(Section& section, std::string_view key, std::string_view value) {
    // After the section's last line that says anything (comments included), before the blank
    // lines that separate it from the next section.
    size_t at = section.lines.size();
    while (at > 0 && (section.lines[at - 1].kind == LineKind::Erased ||
                      (section.lines[at - 1].kind == LineKind::Other &&
                       IsBlankLine(section.lines[at - 1].text))))
        --at;
    Line line;
    line.text.reserve(key.size() + 1 + value.size());
    line.text.append(key).append("=").append(value);
    line.kind = LineKind::Entry;
    line.keyLength = static_cast<uint32_t>(key.size());
    line.valueBegin = line.keyLength + 1;
    line.valueLength = static_cast<uint32_t>(value.size());
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    // Only blank or erased lines moved, and neither is indexed.
    section.keys.try_emplace(std::string(key), static_cast<uint32_t>(at));
}

bool ProfileDocument::EraseKey(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    if (!found)
        return false;
    key = TrimProfileBlanks(key);
    auto it = found->keys.find(key);
    if (it == found->keys.end())
        return false;
    uint32_t first = it->second;
    found->keys.erase(it);
    const size_t end = found->duplicateKeys ? found->lines.size() : first + 1;
    for (size_t i = first; i < end; ++i) {
        Line& line = found->lines[i];
        if (line.kind != LineKind::Entry || !NoCaseEqual()(line.Key(), key))
            continue;
        line.kind = LineKind::Erased;
        std::string().swap(line.text);
        ++found->erased;
    }
    CompactIfSparse(*found);
    return true;
}

void ProfileDocument::CompactIfSparse(Section& section) {
    // Erased lines are left in place so that erasing is cheap; once they are the majority,
    // one pass drops them and re-indexes, which keeps a long run of erasures linear.
    if (section.erased < 32 || section.erased * 2 < section.lines.size())
        return;
    std::erase_if(section.lines, [](const Line& line) { return line.kind == LineKind::Erased; });
    section.erased = 0;
    section.duplicateKeys = false;
    section.keys.clear();
    for (uint32_t i = 0; i < section.lines.size(); ++i) {
        if (section.lines[i].kind == LineKind::Entry)
            IndexKey(section, i);
    }
}

bool ProfileDocument::EraseSection(std::string_view section) {
    section = TrimProfileBlanks(section);
    bool changed = false;
    if (section.empty() && !sections_[0].lines.empty()) {
        sections_[0] = Section();
        changed = true;
    }
    auto removed = std::remove_if(sections_.begin() + 1, sections_.end(), [&](const Section& s) {
        return NoCaseEqual()(s.Name(), section);
    });
    if (removed != sections_.end()) {
        sections_.erase(removed, sections_.end());
        changed = true;
    }
    if (changed)
        RebuildSectionIndex();
    return changed;
}

}  // namespace lumbrel
