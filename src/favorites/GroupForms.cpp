#include "favorites/GroupForms.h"

#include <cstdio>
#include <utility>

#include "base/DbcsText.h"
#include "view/DownloadFlags.h"

namespace lumbrel {

int GroupUrlForm::Flags() const {
    if (!special)
        return -1;
    int flags = 0;
    if (showImages)
        flags |= kDlImages;
    if (playSounds)
        flags |= kDlSounds;
    if (playVideos)
        flags |= kDlVideos;
    if (!enableScript)
        flags |= kDlNoScripts;
    if (!enableActiveX)
        flags |= kDlNoActiveXRun;
    if (!enableJava)
        flags |= kDlNoJava;
    return flags;
}

GroupUrlForm GroupUrlForm::For(const GroupMember& member) {
    GroupUrlForm form;
    form.name = member.name;
    form.url = member.url;
    form.opens = member.state != kMemberStaysClosed;
    form.special = member.download != -1;
    if (form.special) {
        const int flags = member.download;
        form.showImages = (flags & kDlImages) != 0;
        form.playSounds = (flags & kDlSounds) != 0;
        form.playVideos = (flags & kDlVideos) != 0;
        form.enableScript = (flags & kDlNoScripts) == 0;
        form.enableActiveX = (flags & kDlNoActiveXRun) == 0;
        form.enableJava = (flags & kDlNoJava) == 0;
    }
    return form;
}

GroupMember GroupUrlForm::ToMember(const CodePage& cp) const {
    GroupMember member;
    member.url = std::string(TrimBlanks(cp, url));
    member.name = std::string(TrimBlanks(cp, name));
    if (member.name.empty())
        member.name = member.url;
    member.state = opens ? kMemberOpens : kMemberStaysClosed;
    member.download = Flags();
    return member;
}

SelectUrlModel::SelectUrlModel(const std::vector<PageInfo>& pages,
                               std::vector<std::string> groupNames)
    : groupNames_(std::move(groupNames)) {
    for (const PageInfo& page : pages)
        if (!page.url.empty())
            lines_.push_back({page.title, page.url, true, page.downloadFlags});
}

void SelectUrlModel::SetAll(bool ticked) {
    for (Line& line : lines_)
        line.ticked = ticked;
}

void SelectUrlModel::SetTicked(size_t line, bool ticked) {
    if (line < lines_.size())
        lines_[line].ticked = ticked;
}

void SelectUrlModel::Edit(size_t line, std::string title, std::string url) {
    if (line >= lines_.size())
        return;
    lines_[line].title = std::move(title);
    lines_[line].url = std::move(url);
}

size_t SelectUrlModel::MoveUp(size_t line) {
    if (line == 0 || line >= lines_.size())
        return line;
    std::swap(lines_[line], lines_[line - 1]);
    return line - 1;
}

size_t SelectUrlModel::MoveDown(size_t line) {
    if (line + 1 >= lines_.size())
        return line;
    std::swap(lines_[line], lines_[line + 1]);
    return line + 1;
}

std::vector<GroupMember> SelectUrlModel::TickedMembers() const {
    std::vector<GroupMember> members;
    for (const Line& line : lines_)
        if (line.ticked)
            members.push_back({line.title, line.url, kMemberOpens, line.download});
    return members;
}

std::string SelectUrlModel::TimeName(const LocalTime& now) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d_%02d-%02d.%02d.%02d", now.month, now.day, now.hour,
                  now.minute, now.second);
    return text;
}

}  // namespace lumbrel
