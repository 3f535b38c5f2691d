// A group file ("name.cgp"): section "Group" with "name"+i, "url"+i, "state"+i (1 open with
// the group, 0 kept but not opened; default 1) and "download"+i (the window's download-control
// flags; default -1), i counted from 0. The section is read once per use; the writers omit
// default values, turn control characters into blanks (a title holding a line break must not
// add keys) and replace the file in one step.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/PrivateProfile.h"

namespace lumbrel {

inline constexpr const char* kGroupSection = "Group";
inline constexpr const char* kGroupExtension = ".cgp";
inline constexpr int kMemberOpens = 1;
inline constexpr int kMemberStaysClosed = 0;

struct GroupMember {
    std::string name;
    std::string url;
    int state = kMemberOpens;
    int download = -1;
    friend bool operator==(const GroupMember&, const GroupMember&) = default;
};

class GroupSection {
public:
    static GroupSection Read(PrivateProfile& profiles, const std::string& path);

    std::optional<std::string> Name(int i) const { return Find("name", i); }
    std::optional<std::string> Url(int i) const { return Find("url", i); }
    int State(int i) const { return Number("state", i, kMemberOpens); }
    int Download(int i) const { return Number("download", i, -1); }
    // The highest i any numbered key carries; -1 when none does.
    int LastIndex() const { return lastIndex_; }

    // The members the menus and "Set Groups" show: up to the first i without both a name
    // and an address.
    std::vector<GroupMember> Members() const;
    // Where appended members start: the first i without a name.
    int AppendIndex() const;

private:
    std::optional<std::string> Find(const char* prefix, int i) const;
    int Number(const char* prefix, int i, int def) const;

    std::map<std::string, std::string> values_;  // lower-case key -> first value
    int lastIndex_ = -1;
};

// Rewrites the whole section with `members` in order, as one file replacement.
bool WriteGroup(PrivateProfile& profiles, const std::string& path,
                const std::vector<GroupMember>& members);

// Appends `members` after the existing ones (from AppendIndex on), as one file replacement.
// Every appended member's "state" and "download" are written or removed, so none inherits
// the stale keys of a member hidden after a gap.
bool AppendMembers(PrivateProfile& profiles, const std::string& path,
                   const std::vector<GroupMember>& members);

}  // namespace lumbrel
