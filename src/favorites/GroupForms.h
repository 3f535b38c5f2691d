// The models of the group dialogs: "URL in Group" (one member: name, address, whether it
// opens, its download-control boxes) and "Select URL" (the open windows to save as a group).
// The Windows binding shows them and hands the user's edits back; the rules live here.
#pragma once

#include <string>
#include <vector>

#include "favorites/FavoritesHost.h"
#include "favorites/GroupFile.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"

namespace lumbrel {

// "URL in Group".
struct GroupUrlForm {
    std::string name;
    std::string url;
    bool opens = true;     // "Open the url when open group"
    bool special = false;  // "Use Special Download Control"
    bool showImages = true, playSounds = true, playVideos = true;
    bool enableScript = true, enableActiveX = true, enableJava = true;

    // The flags the boxes give: -1 without "Use Special Download Control".
    int Flags() const;
    // The form for a member (the boxes from its flags).
    static GroupUrlForm For(const GroupMember& member);
    // The member the form gives: name and address trimmed, an empty name taken from the
    // address.
    GroupMember ToMember(const CodePage& cp) const;
};

// "Select URL": one line per page, ticked.
class SelectUrlModel {
public:
    struct Line {
        std::string title;
        std::string url;
        bool ticked = true;
        int download = -1;
    };

    SelectUrlModel(const std::vector<PageInfo>& pages, std::vector<std::string> groupNames);

    const std::vector<Line>& Lines() const { return lines_; }
    const std::vector<std::string>& GroupNames() const { return groupNames_; }
    void SelectAll() { SetAll(true); }
    void SelectNone() { SetAll(false); }
    void SetTicked(size_t line, bool ticked);
    void Edit(size_t line, std::string title, std::string url);
    // Moves a line one place; returns its new position (unchanged at an end).
    size_t MoveUp(size_t line);
    size_t MoveDown(size_t line);
    // The members the ticked lines give, in order.
    std::vector<GroupMember> TickedMembers() const;

    // "Get &Time": month_day-hour.minute.second.
    static std::string TimeName(const LocalTime& now);

private:
    void SetAll(bool ticked);

    std::vector<Line> lines_;
    std::vector<std::string> groupNames_;
};

}  // namespace lumbrel
