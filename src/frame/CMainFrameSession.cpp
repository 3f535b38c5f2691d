// The session across runs: the windows open now ("Visiting.ini", rewritten while running, and
// "LastVisit.ini" at exit), the closed windows ("LastClose.ini") and the restore at start.
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

constexpr const char* kSessionSection = "LastVisit";
constexpr const char* kClosedSection = "LastClose";
constexpr size_t kUrlCapacity = 2049;

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

}  // namespace

std::string CMainFrame::UserFile(const char* name) const {
    return app_.Directories().user + name;
}

void CMainFrame::SaveSession(bool visiting) {
    if (app_.Directories().user.empty())
        return;
    const std::string file = UserFile(visiting ? "Visiting.ini" : "LastVisit.ini");
    PrivateProfile& profile = app_.Profiles();
    auto batch = profile.BeginBatch(file);
    profile.DeleteSection(file, kSessionSection);
    int n = 0;
    for (int i = 0; i < windowCount_; ++i) {
        CChildFrame* child = ChildAt(i);
        if (!child)
            continue;
        const CQuorralView& view = child->View();
        const std::string& url = view.Location();
        if (url.empty() || view.closing || url == kAboutBlank)
            continue;
        profile.WriteString(
            file, kSessionSection, Numbered("state", n),
            std::to_string(child->locked ? static_cast<int>(kTabLocked) : view.tabImage));
        profile.WriteString(file, kSessionSection, Numbered("name", n), child->DisplayTitle());
        profile.WriteString(file, kSessionSection, Numbered("url", n), url);
        ++n;
    }
    batch.Commit();
}

std::vector<SessionEntry> CMainFrame::ReadSession(const std::string& file) {
    std::vector<SessionEntry> entries;
    PrivateProfile& profile = app_.Profiles();
    for (int n = 0;; ++n) {
        SessionEntry entry;
        entry.url = profile.GetString(file, kSessionSection, Numbered("url", n), "", kUrlCapacity);
        if (entry.url.empty())
            break;
        entry.name = profile.GetString(file, kSessionSection, Numbered("name", n), "");
        entry.state = profile.GetInt(file, kSessionSection, Numbered("state", n), 0);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void CMainFrame::SaveClosedList() {
    if (app_.Directories().user.empty())
        return;
    const std::string file = UserFile("LastClose.ini");
    PrivateProfile& profile = app_.Profiles();
    auto batch = profile.BeginBatch(file);
    profile.DeleteSection(file, kClosedSection);
    int n = 0;
    for (const ClosedPage& page : undoRing_.OldestFirst()) {
        profile.WriteString(file, kClosedSection, Numbered("name", n), page.title);
        profile.WriteString(file, kClosedSection, Numbered("url", n), page.url);
        ++n;
    }
    batch.Commit();
}

void CMainFrame::LoadClosedList() {
    if (app_.Directories().user.empty())
        return;
    const std::string file = UserFile("LastClose.ini");
    PrivateProfile& profile = app_.Profiles();
    for (int n = 0;; ++n) {
        const std::string name = profile.GetString(file, kClosedSection, Numbered("name", n), "");
        const std::string url =
            profile.GetString(file, kClosedSection, Numbered("url", n), "", kUrlCapacity);
        // Only the address ends the list: a window closed before its page had a title is
        // written with an empty name, and the windows closed after it must come back too.
        if (url.empty())
            break;
        undoRing_.Push(url, name);
    }
    RebuildUndoMenu();
}

void CMainFrame::RestoreAtStart(int startupMode, bool uncleanEnd) {
    FileSystem& fs = app_.Ports().fs;
    const std::string lastVisit = UserFile("LastVisit.ini");
    if (uncleanEnd) {
        // The windows of the last periodic save take the place of the last orderly exit's.
        fs.DeleteFile(lastVisit);
        fs.MoveFile(UserFile("Visiting.ini"), lastVisit);
        OfferLastSession();
        return;
    }
    switch (startupMode) {
        case 0:
            OnCommand(IDM_BLANK_PAGE);
            break;
        case 1:
            OnCommand(IDM_NEW_HOME_PAGE);
            break;
        case 2:
            OfferLastSession();
            break;
        case 3:
            ReopenSession(ReadSession(lastVisit));
            break;
        case 4: {
            const std::string folder = app_.Settings().Get(keys::StartFolder);
            if (!folder.empty())
                OpenFolder(folder);
            break;
        }
        default:
            // 5 opens the start group once groups exist; 6 opens nothing.
            break;
    }
}

void CMainFrame::OfferLastSession() {
    const std::vector<SessionEntry> entries = ReadSession(UserFile("LastVisit.ini"));
    if (entries.empty())
        return;
    // FIXME: the Page Manager lets the user pick among these; until it exists every window
    // of the last session opens again.
    ReopenSession(entries);
}

void CMainFrame::ReopenSession(const std::vector<SessionEntry>& entries) {
    int& sequence = app_.Prefs().newSequence;
    const int saved = sequence;
    sequence = 0;
    for (const SessionEntry& entry : entries) {
        CChildFrame* child =
            NewChild(ChildMode::ReuseOrCreate, NavKind::Url, entry.url, nullptr, false);
        if (child && entry.state == kTabLocked)
            child->locked = true;
    }
    sequence = saved;
}

}  // namespace lumbrel
