#include "frame/SessionFiles.h"

#include "base/InternetShortcut.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

constexpr const char* kSessionSection = "LastVisit";
constexpr const char* kClosedSection = "LastClose";

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

}  // namespace

std::string SessionFiles::UserFile(const char* name) const {
    return frame_.App().Directories().user + name;
}

void SessionFiles::SaveSession(bool visiting) {
    if (frame_.App().Directories().user.empty())
        return;
    const std::string file = UserFile(visiting ? "Visiting.ini" : "LastVisit.ini");
    PrivateProfile& profile = frame_.App().Profiles();
    WindowList& windows = frame_.Windows();
    auto batch = profile.BeginBatch(file);
    profile.DeleteSection(file, kSessionSection);
    int n = 0;
    for (ChildId id : windows.InOrder()) {
        CChildFrame* child = windows.Find(id);
        if (!child)
            continue;
        const CQuorralView& view = child->View();
        const std::string& url = view.Location();
        if (url.empty() || view.IsClosing() || url == kAboutBlank)
            continue;
        const int state = child->Locked() ? static_cast<int>(kTabLocked) : view.TabImageShown();
        profile.WriteString(file, kSessionSection, Numbered("state", n), std::to_string(state));
        profile.WriteString(file, kSessionSection, Numbered("name", n), child->DisplayTitle());
        profile.WriteString(file, kSessionSection, Numbered("url", n), url);
        ++n;
    }
    batch.Commit();
}

std::vector<SessionEntry> SessionFiles::ReadSession(const std::string& file) {
    std::vector<SessionEntry> entries;
    PrivateProfile& profile = frame_.App().Profiles();
    for (int n = 0;; ++n) {
        SessionEntry entry;
        entry.url =
            profile.GetString(file, kSessionSection, Numbered("url", n), "", kAddressCapacity);
        if (entry.url.empty())
            break;
        entry.name = profile.GetString(file, kSessionSection, Numbered("name", n), "");
        entry.state = profile.GetInt(file, kSessionSection, Numbered("state", n), 0);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void SessionFiles::SaveClosedList(const UndoCloseRing& ring) {
    if (frame_.App().Directories().user.empty())
        return;
    const std::string file = UserFile("LastClose.ini");
    PrivateProfile& profile = frame_.App().Profiles();
    auto batch = profile.BeginBatch(file);
    profile.DeleteSection(file, kClosedSection);
    int n = 0;
    for (const ClosedPage& page : ring.OldestFirst()) {
        profile.WriteString(file, kClosedSection, Numbered("name", n), page.title);
        profile.WriteString(file, kClosedSection, Numbered("url", n), page.url);
        ++n;
    }
    batch.Commit();
}

void SessionFiles::LoadClosedList(UndoCloseRing& ring) {
    if (frame_.App().Directories().user.empty())
        return;
    const std::string file = UserFile("LastClose.ini");
    PrivateProfile& profile = frame_.App().Profiles();
    for (int n = 0;; ++n) {
        const std::string name = profile.GetString(file, kClosedSection, Numbered("name", n), "");
        const std::string url =
            profile.GetString(file, kClosedSection, Numbered("url", n), "", kAddressCapacity);
        // Only the address ends the list: a window closed before its page had a title is
        // written with an empty name, and the windows closed after it must come back too.
        if (url.empty())
            break;
        ring.Push(url, name);
    }
}

void SessionFiles::RestoreAtStart(StartupMode mode, bool uncleanEnd) {
    FileSystem& fs = frame_.App().Ports().fs;
    const std::string lastVisit = UserFile("LastVisit.ini");
    if (uncleanEnd) {
        // The windows of the last periodic save take the place of the last orderly exit's.
        fs.DeleteFile(lastVisit);
        fs.MoveFile(UserFile("Visiting.ini"), lastVisit);
        OfferLastSession();
        return;
    }
    switch (mode) {
        case StartupMode::BlankPage:
            frame_.OnCommand(IDM_BLANK_PAGE);
            break;
        case StartupMode::HomePage:
            frame_.OnCommand(IDM_NEW_HOME_PAGE);
            break;
        case StartupMode::OfferLastVisit:
            OfferLastSession();
            break;
        case StartupMode::LastVisit:
            ReopenSession(ReadSession(lastVisit));
            break;
        case StartupMode::FavoritesFolder: {
            const std::string folder = frame_.App().Settings().Get(keys::StartFolder);
            if (!folder.empty())
                frame_.OpenFolder(folder);
            break;
        }
        case StartupMode::Group:
            // FIXME: the start group opens here once groups exist.
        case StartupMode::Nothing:
            break;
    }
}

void SessionFiles::OfferLastSession() {
    const std::vector<SessionEntry> entries = ReadSession(UserFile("LastVisit.ini"));
    if (entries.empty())
        return;
    // FIXME: the Page Manager lets the user pick among these; until it exists every window
    // of the last session opens again.
    ReopenSession(entries);
}

void SessionFiles::ReopenSession(const std::vector<SessionEntry>& entries) {
    for (const SessionEntry& entry : entries) {
        NewChildRequest request = NewChildRequest::Url(entry.url);
        request.placement = TabPlacement::End;
        CChildFrame* child = frame_.NewChild(request);
        if (child && entry.state == kTabLocked)
            child->SetLocked(true);
    }
}

}  // namespace lumbrel
