// The session across runs: the windows open now ("Visiting.ini", rewritten while running,
// and "LastVisit.ini" at exit), the closed windows ("LastClose.ini") and the windows opened
// at start. Restored windows keep the order of the file whatever `NewSequence` says.
#pragma once

#include <string>
#include <vector>

#include "frame/UndoCloseRing.h"

namespace lumbrel {

class CMainFrame;

// One window of a session file.
struct SessionEntry {
    int state = 0;  // its tab image; 4 = locked
    std::string name;
    std::string url;
};

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

class SessionFiles {
public:
    explicit SessionFiles(CMainFrame& frame) : frame_(frame) {}

    // Writes "Visiting.ini" (while running) or "LastVisit.ini" (at exit): every window with a
    // tab that is neither blank nor closing.
    void SaveSession(bool visiting);
    std::vector<SessionEntry> ReadSession(const std::string& file);
    // "LastClose.ini" from and into the undo-close ring.
    void SaveClosedList(const UndoCloseRing& ring);
    void LoadClosedList(UndoCloseRing& ring);
    // Opens the first windows when the command line named nothing: the start mode, or after
    // an unclean end the windows of the last periodic save.
    void RestoreAtStart(StartupMode mode, bool uncleanEnd);
    std::string UserFile(const char* name) const;

private:
    void OfferLastSession();
    void ReopenSession(const std::vector<SessionEntry>& entries);

    CMainFrame& frame_;
};

}  // namespace lumbrel
