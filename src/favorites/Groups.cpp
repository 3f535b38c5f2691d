#include "favorites/Groups.h"

#include "base/DbcsText.h"
#include "base/FileHelpers.h"
#include "base/FileNameCleaning.h"
#include "base/Paths.h"
#include "commands/CommandIds.h"
#include "favorites/GroupFile.h"
#include "favorites/SetGroupsModel.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr int kGroupsMenuFixedItems = 4;

bool IsProgram(const std::string& address) {
    return address.ends_with(".exe") || address.ends_with(".EXE");
}

}  // namespace

std::string Groups::Folder() const {
    const CodePage& cp = app_.Ports().codePage;
    return std::string(StripTrailingSeparators(cp, app_.Directories().group)) + "\\";
}

std::string Groups::FileOf(const std::string& name) const {
    return Folder() + name + kGroupExtension;
}

bool Groups::FolderExists() {
    return app_.Ports().fs.IsDirectory(Folder());
}

void Groups::Tell(int stringId) {
    app_.Ports().ui.MessageBox(app_.LngLoadString(stringId), MsgButtons::Ok, MsgIcon::Warning);
}

std::vector<std::string> Groups::Names() {
    const CodePage& cp = app_.Ports().codePage;
    std::vector<std::string> names;
    for (const DirEntry& entry : app_.Ports().fs.ListFolder(Folder() + "*" + kGroupExtension)) {
        if ((entry.attributes & kAttrDirectory) || !EndsWithNoCase(cp, entry.name, kGroupExtension))
            continue;
        names.push_back(entry.name.substr(0, entry.name.size() - 4));
        if (static_cast<int>(names.size()) >= kMaxGroups)
            break;
    }
    return names;
}

void Groups::RebuildMenu() {
    const Platform& ports = app_.Ports();
    if (!FolderExists())
        CreateFolderPath(ports.fs, ports.codePage, Folder());
    menu_ = {};
    menu_.addText = app_.LngLoadString(IDS_ADD_URL_TO_GROUP);
    menu_.openText = app_.LngLoadString(IDS_OPEN_GROUP_MEMBERS);
    menu_.emptyText = app_.LngLoadString(IDS_EMPTY);
    const bool showMembers = app_.Prefs().groupMenuShowMember != 0;
    int memberId = IDM_GROUP_MEMBER_FIRST;
    const std::vector<std::string> names = Names();
    for (size_t k = 0; k < names.size(); ++k) {
        GroupItem item;
        item.text = std::to_string(k + 1) + ". " + names[k];
        item.file = FileOf(names[k]);
        item.openId = IDM_GROUP_OPEN_FIRST + static_cast<int>(k);
        item.addId = IDM_ADD_TO_GROUP_FIRST + static_cast<int>(k);
        item.showsMembers = showMembers;
        if (showMembers) {
            for (GroupMember& member : GroupSection::Read(app_.Profiles(), item.file).Members()) {
                // A full range would hand out the next range's ids.
                if (memberId > IDM_GROUP_MEMBER_LAST)
                    break;
                item.members.push_back({std::move(member.name), memberId++,
                                        member.state != kMemberStaysClosed, std::move(member.url),
                                        member.download});
            }
        }
        menu_.groups.push_back(std::move(item));
    }
    if (ui_ && app_.Settings().Get(keys::SingleMenu) == 0) {
        const int perColumn = ItemsPerColumn(ui_->Metrics());
        for (size_t k = 0; perColumn > 0 && k < menu_.groups.size(); ++k) {
            const int position = kGroupsMenuFixedItems + static_cast<int>(k);
            menu_.groups[k].columnBreak = position % perColumn == 0;
        }
    }
    if (ui_)
        ui_->ShowGroups(menu_);
}

bool Groups::IsGroupsCommand(int id) {
    return (id >= IDM_GROUP_OPEN_FIRST && id <= IDM_GROUP_OPEN_LAST) ||
           (id >= IDM_ADD_TO_GROUP_FIRST && id <= IDM_ADD_TO_GROUP_LAST) ||
           (id >= IDM_GROUP_MEMBER_FIRST && id <= IDM_GROUP_MEMBER_LAST);
}

bool Groups::OnCommand(int id) {
    if (auto file = menu_.OpenFile(id)) {
        Open(*file, true);
        return true;
    }
    if (auto file = menu_.AddFile(id)) {
        AddPageTo(*file);
        return true;
    }
    if (const GroupMemberItem* member = menu_.Member(id)) {
        const std::string url = member->url;
        const int download = member->download;
        host_.OpenAddress(url, download, host_.FavoritesInNewWindow());
        return true;
    }
    return false;
}

void Groups::Open(const std::string& path, bool closeFirst) {
    if (!FolderExists()) {
        Tell(IDS_NO_GROUP_PATH);
        return;
    }
    // A group deleted since its menu was built opens nothing, and closes nothing either.
    if (!app_.Ports().fs.Exists(path))
        return;
    const GroupSection section = GroupSection::Read(app_.Profiles(), path);
    if (closeFirst && app_.Prefs().closeAllBeforeNewGroup)
        host_.CloseAllWindows();
    for (int i = 0; i <= section.LastIndex(); ++i) {
        if (section.State(i) == kMemberStaysClosed)
            continue;
        const auto url = section.Url(i);
        if (!url)
            break;
        std::string address = *url;
        if (address.empty() || host_.HandOutside(address))
            continue;
        if (IsProgram(address)) {
            host_.StartProgram(address);
            break;
        }
        host_.OpenAtEnd(address, section.Download(i));
    }
}

void Groups::OpenStartGroup() {
    const std::string name = app_.Prefs().startGroup;
    if (!name.empty())
        Open(FileOf(name), false);
}

void Groups::AddPageTo(const std::string& path) {
    if (const std::optional<PageInfo> page = host_.ActivePage())
        AddPageTo(path, *page);
}

void Groups::AddPageTo(const std::string& path, const PageInfo& page) {
    if (!ui_)
        return;
    GroupUrlForm form = GroupUrlForm::For({page.title, page.url, kMemberOpens, -1});
    if (!ui_->EditGroupUrl(form))
        return;
    const GroupMember member = form.ToMember(app_.Ports().codePage);
    // The group went while the dialog was up: writing would make it anew.
    if (member.url.empty() || !app_.Ports().fs.Exists(path)) {
        RebuildMenu();
        return;
    }
    if (!AppendMembers(app_.Profiles(), path, {member}))
        Tell(IDS_FILE_NOT_WRITTEN);
    RebuildMenu();
}

void Groups::SaveWindows() {
    std::vector<PageInfo> pages = host_.OpenPages();
    if (pages.empty() || !ui_)
        return;
    SelectUrlModel model(pages, Names());
    ui_->SelectUrls(model, *this);
}

bool Groups::SaveAsGroup(const std::string& name, const SelectUrlModel& model) {
    const Platform& ports = app_.Ports();
    const std::string trimmed(TrimBlanks(ports.codePage, name));
    // Tested by characters: a GBK name whose trail byte is "\" or "|" is a valid name.
    if (trimmed.empty() ||
        FindForbiddenFileNameChar(ports.codePage, trimmed) != std::string::npos) {
        Tell(IDS_BAD_GROUP_NAME);
        return false;
    }
    const std::string path = FileOf(trimmed);
    bool written = ports.fs.Exists(path) || ports.fs.WriteFileAtomic(path, "[Group]\r\n");
    written = written && AppendMembers(app_.Profiles(), path, model.TickedMembers());
    if (!written) {
        Tell(FolderExists() ? IDS_BAD_GROUP_NAME : IDS_NO_GROUP_PATH);
        return false;
    }
    RebuildMenu();
    return true;
}

void Groups::EditGroups() {
    if (!ui_)
        return;
    SetGroupsModel model(*this, ui_);
    ui_->SetGroups(model);
    model.Apply();
    RebuildMenu();
}

}  // namespace lumbrel
