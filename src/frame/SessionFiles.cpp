#include "frame/SessionFiles.h"

#include <cctype>
#include <cstdlib>

#include "base/DbcsText.h"
#include "base/InternetShortcut.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/PageManager.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

constexpr size_t kNameCapacity = 4096;

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

// The value of `key` among the lines of one section read whole (the first of duplicates).
const std::string* Find(const std::vector<ProfileEntry>& lines, const std::string& key) {
    for (const ProfileEntry& line : lines) {
        if (line.key.size() != key.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < key.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(line.key[i])) ==
                   std::tolower(static_cast<unsigned char>(key[i]));
        if (same)
            return &line.value;
    }
    return nullptr;
}

// Names and addresses are read as a profile read with the default buffers returns them,
// cut on a character boundary.
std::string CutValue(const CodePage& cp, const std::string* value, size_t capacity) {
    return value ? std::string(CutToBytes(cp, *value, capacity - 1)) : std::string();
}

}  // namespace

std::string SessionFiles::UserFile(const char* name) const {
    return frame_.App().Directories().user + name;
}

bool SessionFiles::WriteWhole(const char* name, const std::string& text) {
    if (frame_.App().Directories().user.empty())
        return false;
    return frame_.App().Ports().fs.WriteFileAtomic(UserFile(name), text);
}

std::vector<OpenWindowEntry> SessionFiles::OpenWindows() {
    std::vector<OpenWindowEntry> open;
    WindowList& windows = frame_.Windows();
    for (ChildId id : windows.InOrder()) {
        CChildFrame* child = windows.Find(id);
        if (!child)
            continue;
        const CQuorralView& view = child->View();
        const std::string& url = view.Location();
        if (url.empty() || view.IsClosing() || url == kAboutBlank)
            continue;
        // The tab image of a locked window may show its loading or unread state; the lock is
        // what must survive the restart.
        const int state = child->Locked() ? static_cast<int>(kTabLocked) : view.TabImageShown();
        open.push_back({id, SessionEntry{state, child->DisplayTitle(), url}});
    }
    return open;
}

bool SessionFiles::SaveSession(bool visiting) {
    std::vector<SessionEntry> entries;
    for (OpenWindowEntry& open : OpenWindows())
        entries.push_back(std::move(open.entry));
    return WriteWhole(visiting ? "Visiting.ini" : "LastVisit.ini", RenderSession(entries));
}

std::vector<SessionEntry> SessionFiles::ReadSession(const std::string& file) {
    std::vector<SessionEntry> entries;
    const std::vector<ProfileEntry> lines =
        frame_.App().Profiles().GetSection(file, kSessionSection);
    for (int n = 0;; ++n) {
        const std::string* url = Find(lines, Numbered("url", n));
        if (!url || url->empty())
            break;
        SessionEntry entry;
        const CodePage& cp = frame_.App().Ports().codePage;
        entry.url = CutValue(cp, url, kAddressCapacity);
        entry.name = CutValue(cp, Find(lines, Numbered("name", n)), kNameCapacity);
        if (const std::string* state = Find(lines, Numbered("state", n)))
            entry.state = std::atoi(state->c_str());
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool SessionFiles::SaveClosedList(const UndoCloseRing& ring) {
    return WriteWhole("LastClose.ini", RenderClosedList(ring.OldestFirst()));
}

std::vector<ClosedPage> SessionFiles::ReadClosedList() {
    std::vector<ClosedPage> pages;
    if (frame_.App().Directories().user.empty())
        return pages;
    const std::vector<ProfileEntry> lines =
        frame_.App().Profiles().GetSection(UserFile("LastClose.ini"), kClosedSection);
    for (int n = 0;; ++n) {
        const std::string* url = Find(lines, Numbered("url", n));
        // Only the address ends the list: a window closed before its page had a title is
        // written with an empty name, and the windows closed after it must come back too.
        if (!url || url->empty())
            break;
        const CodePage& cp = frame_.App().Ports().codePage;
        pages.push_back({CutValue(cp, url, kAddressCapacity),
                         CutValue(cp, Find(lines, Numbered("name", n)), kNameCapacity)});
    }
    return pages;
}

void SessionFiles::LoadClosedList(UndoCloseRing& ring) {
    for (ClosedPage& page : ReadClosedList())
        ring.Push(std::move(page.url), std::move(page.title));
}

void SessionFiles::KeepNewestSession() {
    FileSystem& fs = frame_.App().Ports().fs;
    const std::string visiting = UserFile("Visiting.ini");
    const std::string lastVisit = UserFile("LastVisit.ini");
    const std::optional<FileStamp> periodic = fs.Stamp(visiting);
    if (!periodic)
        return;  // the run ended before its first periodic save: the last exit's stays
    const std::optional<FileStamp> orderly = fs.Stamp(lastVisit);
    // A tie keeps the last exit's: with file times of two seconds' grain, a periodic save as
    // old as the exit's is one of the run that exit ended, just before it.
    if (orderly && orderly->writeTime >= periodic->writeTime)
        return;  // a stale periodic save from before the last orderly exit
    // A periodic save with no window (a start on a blank page, killed after its first save)
    // never replaces a session that has windows: the last exit's stays on offer.
    if (orderly && ReadSession(visiting).empty() && !ReadSession(lastVisit).empty())
        return;
    // Copied by an atomic replacement, then removed: a crash in between leaves both files
    // with the same session, never neither.
    const std::optional<std::string> text = fs.ReadFile(visiting);
    if (text && fs.WriteFileAtomic(lastVisit, *text))
        fs.DeleteFile(visiting);
}

void SessionFiles::RestoreAtStart(StartupMode mode, bool uncleanEnd) {
    const std::string lastVisit = UserFile("LastVisit.ini");
    if (uncleanEnd) {
        KeepNewestSession();
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
            for (const SessionEntry& entry : ReadSession(lastVisit))
                Reopen(entry, TabPlacement::End);
            break;
        case StartupMode::FavoritesFolder: {
            const std::string folder = frame_.App().Settings().Get(keys::StartFolder);
            if (!folder.empty())
                frame_.OpenFolder(folder);
            break;
        }
        case StartupMode::Group:
            frame_.UrlGroups().OpenStartGroup();
            break;
        case StartupMode::Nothing:
            break;
    }
}

void SessionFiles::OfferLastSession() {
    if (frame_.App()
            .Profiles()
            .GetString(UserFile("LastVisit.ini"), kSessionSection, "url0", "")
            .empty())
        return;
    PageManager manager(frame_, PageManagerTab::LastVisiting);
    frame_.Widgets().window.RunPageManager(manager);
}

void SessionFiles::Reopen(const SessionEntry& entry, TabPlacement placement) {
    NewChildRequest request = NewChildRequest::Url(entry.url);
    request.placement = placement;
    CChildFrame* child = frame_.NewChild(request);
    if (child && entry.state == kTabLocked)
        child->SetLocked(true);
}

}  // namespace lumbrel
