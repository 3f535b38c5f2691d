#include "favorites/GroupFile.h"

#include <cerrno>
#include <cstdlib>

#include "frame/SessionFormat.h"

namespace lumbrel {
namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The index of a numbered key ("url12" -> 12); -1 for any other key.
int IndexOf(const std::string& key) {
    for (const char* prefix : {"name", "url", "state", "download"}) {
        const std::string_view p(prefix);
        if (key.size() <= p.size() || key.compare(0, p.size(), p) != 0)
            continue;
        const std::string digits = key.substr(p.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            return -1;
        return std::atoi(digits.c_str());
    }
    return -1;
}

std::string Key(const char* prefix, int i) {
    return prefix + std::to_string(i);
}

void WriteMember(PrivateProfile& profiles, const std::string& path, int i,
                 const GroupMember& member) {
    profiles.WriteString(path, kGroupSection, Key("name", i), IniSafeValue(member.name));
    profiles.WriteString(path, kGroupSection, Key("url", i), IniSafeValue(member.url));
    if (member.state != kMemberOpens)
        profiles.WriteString(path, kGroupSection, Key("state", i), std::to_string(member.state));
    else
        profiles.DeleteKey(path, kGroupSection, Key("state", i));
    if (member.download != -1)
        profiles.WriteString(path, kGroupSection, Key("download", i),
                             std::to_string(member.download));
    else
        profiles.DeleteKey(path, kGroupSection, Key("download", i));
}

}  // namespace

GroupSection GroupSection::Read(PrivateProfile& profiles, const std::string& path) {
    GroupSection section;
    for (ProfileEntry& entry : profiles.GetSection(path, kGroupSection)) {
        std::string key = Lower(entry.key);
        section.lastIndex_ = std::max(section.lastIndex_, IndexOf(key));
        section.values_.try_emplace(std::move(key), std::move(entry.value));
    }
    return section;
}

std::optional<std::string> GroupSection::Find(const char* prefix, int i) const {
    auto it = values_.find(Key(prefix, i));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

int GroupSection::Number(const char* prefix, int i, int def) const {
    const auto text = Find(prefix, i);
    if (!text || text->empty())
        return def;
    // As the private-profile integer read: digits up to the first other character.
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text->c_str(), &end, 10);
    if (end == text->c_str() || errno == ERANGE)
        return def;
    return static_cast<int>(value);
}

std::vector<GroupMember> GroupSection::Members() const {
    std::vector<GroupMember> members;
    for (int i = 0; i <= lastIndex_; ++i) {
        auto name = Name(i);
        auto url = Url(i);
        if (!name || !url)
            break;
        members.push_back({std::move(*name), std::move(*url), State(i), Download(i)});
    }
    return members;
}

int GroupSection::AppendIndex() const {
    int i = 0;
    // After the last member the list reads, which ends at the first index missing either key:
    // a page put behind a name without an address would be in the file and nowhere else.
    while (i <= lastIndex_ && Name(i) && Url(i))
        ++i;
    return i;
}

bool WriteGroup(PrivateProfile& profiles, const std::string& path,
                const std::vector<GroupMember>& members) {
    auto batch = profiles.BeginBatch(path);
    profiles.DeleteSection(path, kGroupSection);
    for (size_t i = 0; i < members.size(); ++i)
        WriteMember(profiles, path, static_cast<int>(i), members[i]);
    return batch.Commit();
}

bool AppendMembers(PrivateProfile& profiles, const std::string& path,
                   const std::vector<GroupMember>& members) {
    const int first = GroupSection::Read(profiles, path).AppendIndex();
    auto batch = profiles.BeginBatch(path);
    for (size_t i = 0; i < members.size(); ++i)
        WriteMember(profiles, path, first + static_cast<int>(i), members[i]);
    return batch.Commit();
}

}  // namespace lumbrel
