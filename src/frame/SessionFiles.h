// The session across runs: the windows open now ("Visiting.ini", rewritten while running,
// and "LastVisit.ini" at exit), the closed windows ("LastClose.ini") and the windows opened
// at start. Restored windows keep the order of the file whatever `NewSequence` says.
//
// Each file is rendered whole and replaced in one atomic write. After an unclean end the
// newest complete session is kept: the periodic save replaces the last orderly exit's only
// when it is the newer of the two.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "frame/NewChildRequest.h"
#include "frame/SessionFormat.h"
#include "frame/UndoCloseRing.h"

namespace lumbrel {

class CMainFrame;

// `StartupMode`: what the first start of a session opens.
enum class StartupMode {
    BlankPage = 0,
    HomePage = 1,
    OfferLastVisit = 2,
    LastVisit = 3,
    FavoritesFolder = 4,
    Group = 5,
    Nothing = 6,
};

// An open window as the session file saves it.
struct OpenWindowEntry {
    ChildId child = kNoChild;
    SessionEntry entry;
};

class SessionFiles {
public:
    explicit SessionFiles(CMainFrame& frame) : frame_(frame) {}

    // Writes "Visiting.ini" (while running) or "LastVisit.ini" (at exit): every window with a
    // tab that is neither blank nor closing. False when the file could not be replaced.
    bool SaveSession(bool visiting);
    // The windows SaveSession writes, in tab order; locked ones with state 4.
    std::vector<OpenWindowEntry> OpenWindows();
    std::vector<SessionEntry> ReadSession(const std::string& file);
    // "LastClose.ini" from and into the undo-close ring.
    bool SaveClosedList(const UndoCloseRing& ring);
    void LoadClosedList(UndoCloseRing& ring);
    // The entries of "LastClose.ini", oldest first.
    std::vector<ClosedPage> ReadClosedList();
    // Opens the first windows when the command line named nothing: the start mode, or after
    // an unclean end the Page Manager over the newest complete session.
    void RestoreAtStart(StartupMode mode, bool uncleanEnd);
    // Opens `entry` in a new window of its own, locked when its state says so.
    void Reopen(const SessionEntry& entry, TabPlacement placement);
    std::string UserFile(const char* name) const;

private:
    bool WriteWhole(const char* name, const std::string& text);
    // After an unclean end: the periodic save becomes the last session when it is newer.
    void KeepNewestSession();
    void OfferLastSession();

    CMainFrame& frame_;
};

}  // namespace lumbrel
