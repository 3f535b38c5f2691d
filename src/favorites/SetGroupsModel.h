// The model of the "Set Groups" dialog: the groups (the ticked one is the start group), the
// members of the selected group (ticked ones open with it), and the two check boxes. A
// group's members are written back whole, in one file replacement, when another group is
// selected and when the dialog ends. The Windows binding shows it; the rules live here.
#pragma once

#include <string>
#include <vector>

#include "favorites/GroupFile.h"

namespace lumbrel {

class Groups;
class GroupsUi;

class SetGroupsModel {
public:
    struct GroupRow {
        std::string name;
        bool startup = false;
    };

    SetGroupsModel(Groups& groups, GroupsUi* ui);

    // --- Groups ---
    const std::vector<GroupRow>& GroupRows() const { return rows_; }
    int SelectedGroup() const { return selected_; }
    // Selects a group and reads its members (after writing back the previous one's).
    void SelectGroup(int index);
    // "Insert": "New Group", or "New Group (n)" with the first free n; its file is made at
    // once and it is selected. Returns its row, -1 when the file cannot be made.
    int InsertGroup();
    // "Delete": asks first; the file goes, and the start group with it.
    bool DeleteGroup();
    // Ticks one group as the start group (ticking another clears the first); unticking
    // leaves none.
    void SetStartup(int index, bool ticked);

    // --- Members of the selected group ---
    const std::vector<GroupMember>& Members() const { return members_; }
    // "Insert": the "URL in Group" dialog; the member goes after `after` (or at the end when
    // `after` is -1). Returns its position, -1 when nothing was inserted.
    int InsertMember(int after);
    // "Edit": the dialog over the member. False when cancelled.
    bool EditMember(int index);
    void DeleteMember(int index);
    void SetMemberTicked(int index, bool ticked);
    // The spin control: returns the member's new position.
    int MoveMember(int index, bool up);
    // Writes the selected group's members when they changed; false when that failed.
    bool SaveMembers();
    void SaveMembersOrTell();

    // --- The check boxes ---
    bool showMembers = true;     // "Show Member in Group Menu"
    bool closeAllFirst = false;  // "Close All Before Open New Group"

    // The dialog ends: members written, the start group and the check boxes kept in the
    // preferences (saved with the others when the program closes).
    void Apply();

private:
    std::string NewGroupName() const;
    bool NameTaken(const std::string& name) const;

    Groups& groups_;
    GroupsUi* ui_;
    std::vector<GroupRow> rows_;
    int selected_ = -1;
    std::vector<GroupMember> members_;
    bool membersChanged_ = false;
};

}  // namespace lumbrel
