// Opening many addresses at once (a favorites folder, start mode 4): the first opens at
// once, the others wait in the open queue for its timer. Every window of a batch appends
// its tab at the end, so the batch keeps its order; the user's own tab rule is never
// touched, whatever happens while the batch runs.
#pragma once

#include <string>
#include <vector>

#include "frame/OpenQueue.h"

namespace lumbrel {

class CMainFrame;

class BatchOpener {
public:
    explicit BatchOpener(CMainFrame& frame) : frame_(frame) {}

    // The folder's Internet Shortcuts and shell links, at most `MaxWins` of them; folders,
    // hidden and system files and links that cannot be resolved are skipped.
    void OpenFolder(const std::string& folder);
    void Open(std::vector<std::string> urls);
    // The open-queue timer: up to 6 addresses per tick, or 1 with an `Interval`.
    void OnTimer();
    // "Stop Open Windows": the waiting addresses are dropped.
    void Stop() { queue_.Clear(); }
    bool Running() const { return queue_.Running(); }
    // Stops the timer (the queue ran empty, or the program exits).
    void End();

private:
    void OpenInWindow(const std::string& url);
    void OpenQueued(const std::string& url);

    CMainFrame& frame_;
    OpenQueue queue_;
};

}  // namespace lumbrel
