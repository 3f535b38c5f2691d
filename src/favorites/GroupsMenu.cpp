#include "favorites/GroupsMenu.h"

namespace lumbrel {

std::optional<std::string> GroupsMenu::OpenFile(int commandId) const {
    for (const GroupItem& group : groups)
        if (group.openId == commandId)
            return group.file;
    return std::nullopt;
}

std::optional<std::string> GroupsMenu::AddFile(int commandId) const {
    for (const GroupItem& group : groups)
        if (group.addId == commandId)
            return group.file;
    return std::nullopt;
}

const GroupMemberItem* GroupsMenu::Member(int commandId) const {
    for (const GroupItem& group : groups)
        for (const GroupMemberItem& member : group.members)
            if (member.commandId == commandId)
                return &member;
    return nullptr;
}

std::vector<MenuEntry> GroupsMenu::AddToGroupItems(const std::string& emptyLabel) const {
    std::vector<MenuEntry> items;
    for (const GroupItem& group : groups)
        items.push_back({group.addId, group.text});
    if (items.empty())
        items.push_back({0, emptyLabel});
    return items;
}

}  // namespace lumbrel
