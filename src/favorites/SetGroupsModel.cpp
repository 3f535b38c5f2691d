#include "favorites/SetGroupsModel.h"

#include <utility>

#include "base/DbcsText.h"
#include "favorites/Groups.h"
#include "favorites/GroupsUi.h"
#include "language/StringIds.h"

namespace lumbrel {

SetGroupsModel::SetGroupsModel(Groups& groups, GroupsUi* ui) : groups_(groups), ui_(ui) {
    const Preferences& prefs = groups_.App().Prefs();
    const CodePage& cp = groups_.App().Ports().codePage;
    for (std::string& name : groups_.Names()) {
        const bool startup = !prefs.startGroup.empty() && EqualsNoCase(cp, name, prefs.startGroup);
        rows_.push_back({std::move(name), startup});
    }
    showMembers = prefs.groupMenuShowMember != 0;
    closeAllFirst = prefs.closeAllBeforeNewGroup != 0;
}

void SetGroupsModel::SelectGroup(int index) {
    SaveMembersOrTell();
    members_.clear();
    membersChanged_ = false;
    selected_ = index >= 0 && static_cast<size_t>(index) < rows_.size() ? index : -1;
    if (selected_ >= 0)
        members_ = GroupSection::Read(groups_.App().Profiles(),
                                      groups_.FileOf(rows_[static_cast<size_t>(selected_)].name))
                       .Members();
}

bool SetGroupsModel::NameTaken(const std::string& name) const {
    const CodePage& cp = groups_.App().Ports().codePage;
    for (const GroupRow& row : rows_)
        if (EqualsNoCase(cp, row.name, name))
            return true;
    return groups_.App().Ports().fs.Exists(groups_.FileOf(name));
}

std::string SetGroupsModel::NewGroupName() const {
    const std::string base = groups_.App().LngLoadString(IDS_NEW_GROUP);
    if (!NameTaken(base))
        return base;
    for (int n = 1;; ++n) {
        std::string name = base + " (" + std::to_string(n) + ")";
        if (!NameTaken(name))
            return name;
    }
}

int SetGroupsModel::InsertGroup() {
    const std::string name = NewGroupName();
    if (!groups_.App().Ports().fs.WriteFileAtomic(groups_.FileOf(name), "[Group]\r\n"))
        return -1;
    rows_.push_back({name, false});
    SelectGroup(static_cast<int>(rows_.size()) - 1);
    return selected_;
}

bool SetGroupsModel::DeleteGroup() {
    if (selected_ < 0)
        return false;
    CBrowserApp& app = groups_.App();
    if (app.Ports().ui.MessageBox(app.LngLoadString(IDS_CONFIRM_DELETE_GROUP), MsgButtons::YesNo,
                                  MsgIcon::Question) != MsgResult::Yes)
        return false;
    const GroupRow row = rows_[static_cast<size_t>(selected_)];
    if (!app.Ports().fs.DeleteFile(groups_.FileOf(row.name)))
        return false;
    rows_.erase(rows_.begin() + selected_);
    selected_ = -1;
    members_.clear();
    membersChanged_ = false;
    if (row.startup)
        app.Prefs().startGroup.clear();
    return true;
}

void SetGroupsModel::SetStartup(int index, bool ticked) {
    for (size_t i = 0; i < rows_.size(); ++i)
        rows_[i].startup = ticked && static_cast<int>(i) == index;
}

int SetGroupsModel::InsertMember(int after) {
    if (selected_ < 0 || !ui_)
        return -1;
    GroupUrlForm form;
    if (!ui_->EditGroupUrl(form))
        return -1;
    const GroupMember member = form.ToMember(groups_.App().Ports().codePage);
    if (member.url.empty())
        return -1;
    const size_t at = after >= 0 && static_cast<size_t>(after) < members_.size()
                          ? static_cast<size_t>(after) + 1
                          : members_.size();
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(at), member);
    membersChanged_ = true;
    return static_cast<int>(at);
}

bool SetGroupsModel::EditMember(int index) {
    if (index < 0 || static_cast<size_t>(index) >= members_.size() || !ui_)
        return false;
    GroupUrlForm form = GroupUrlForm::For(members_[static_cast<size_t>(index)]);
    if (!ui_->EditGroupUrl(form))
        return false;
    GroupMember member = form.ToMember(groups_.App().Ports().codePage);
    if (member.url.empty())
        return false;
    members_[static_cast<size_t>(index)] = std::move(member);
    membersChanged_ = true;
    return true;
}

void SetGroupsModel::DeleteMember(int index) {
    if (index < 0 || static_cast<size_t>(index) >= members_.size())
        return;
    members_.erase(members_.begin() + index);
    membersChanged_ = true;
}

void SetGroupsModel::SetMemberTicked(int index, bool ticked) {
    if (index < 0 || static_cast<size_t>(index) >= members_.size())
        return;
    members_[static_cast<size_t>(index)].state = ticked ? kMemberOpens : kMemberStaysClosed;
    membersChanged_ = true;
}

int SetGroupsModel::MoveMember(int index, bool up) {
    const int to = up ? index - 1 : index + 1;
    if (index < 0 || to < 0 || static_cast<size_t>(index) >= members_.size() ||
        static_cast<size_t>(to) >= members_.size())
        return index;
    std::swap(members_[static_cast<size_t>(index)], members_[static_cast<size_t>(to)]);
    membersChanged_ = true;
    return to;
}

bool SetGroupsModel::SaveMembers() {
    if (selected_ < 0 || !membersChanged_)
        return true;
    const bool saved =
        WriteGroup(groups_.App().Profiles(),
                   groups_.FileOf(rows_[static_cast<size_t>(selected_)].name), members_);
    membersChanged_ = !saved;
    return saved;
}

// The user hears of a group that could not be written; the file keeps what it held.
void SetGroupsModel::SaveMembersOrTell() {
    if (SaveMembers())
        return;
    CBrowserApp& app = groups_.App();
    app.Ports().ui.MessageBox(app.LngLoadString(IDS_FILE_NOT_WRITTEN), MsgButtons::Ok,
                              MsgIcon::Warning);
}

void SetGroupsModel::Apply() {
    SaveMembersOrTell();
    Preferences& prefs = groups_.App().Prefs();
    prefs.startGroup.clear();
    for (const GroupRow& row : rows_)
        if (row.startup)
            prefs.startGroup = row.name;
    prefs.groupMenuShowMember = showMembers ? 1 : 0;
    prefs.closeAllBeforeNewGroup = closeAllFirst ? 1 : 0;
}

}  // namespace lumbrel
