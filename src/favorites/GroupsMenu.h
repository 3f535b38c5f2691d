// The "Groups" menu as data (after its fixed items), and the "&Add To Group" menus. Each item
// keeps the file it was built from, so its command opens or changes that group even after
// groups were added or deleted since; a member item keeps its address and flags.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "favorites/GroupFile.h"
#include "platform/FrameWindow.h"

namespace lumbrel {

struct GroupMemberItem {
    std::string text;  // the member's name
    int commandId = 0;
    bool ticked = true;  // opens with the group
    std::string url;
    int download = -1;
};

struct GroupItem {
    std::string text;           // "1. name"
    std::string file;           // the group file's full path
    int openId = 0;             // the group item, or "Open All Selected Group Member"
    int addId = 0;              // "Add URL to this Group..."
    bool showsMembers = false;  // a submenu: add, open, separator, members
    std::vector<GroupMemberItem> members;
    bool columnBreak = false;
};

struct GroupsMenu {
    std::vector<GroupItem> groups;
    // The texts of a group's submenu and of an empty "&Add To Group" menu, in the language
    // the menu was built in.
    std::string addText = "Add URL to this Group...";
    std::string openText = "Open All Selected Group Member";
    std::string emptyText = "Empty";

    std::optional<std::string> OpenFile(int commandId) const;
    std::optional<std::string> AddFile(int commandId) const;
    const GroupMemberItem* Member(int commandId) const;
    // The items of an "&Add To Group" menu: "n. name" with the group's add command, or the
    // disabled "Empty" (id 0) when there is no group.
    std::vector<MenuEntry> AddToGroupItems(const std::string& emptyLabel) const;
};

}  // namespace lumbrel
