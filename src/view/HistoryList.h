// The view's own back/forward list, kept when the engine offers no travel log of its own: the
// titles and addresses of the window's history, and where the window stands in it. The main
// frame shows them in the back and forward drop-down menus.
#pragma once

#include <string>
#include <vector>

namespace lumbrel {

// The engine's state when an address is recorded.
struct HistoryObservation {
    int length = 0;     // history.length of the page's window
    std::string title;  // the page title known now (may be empty)
    std::string url;    // the address recorded
    bool backEnabled = false;
    bool forwardEnabled = false;
    int pendingSteps = 0;  // back (> 0) or forward (< 0) steps the program asked for
};

class HistoryList {
public:
    // Takes one recorded address. `historyPos` always ends inside 0..historyLength − 1 (0 for
    // an empty list).
    void Record(const HistoryObservation& seen);
    // The page at `url` told its title: the entry the window stands on takes it.
    void NameCurrent(const std::string& url, const std::string& title);

    std::vector<std::string> historyTitles;
    std::vector<std::string> historyUrls;
    int historyLength = 0;
    int historyPos = 0;

private:
    bool TakeLength(const HistoryObservation& seen);
    void FindUrlNearPosition(const std::string& url, int n);
};

}  // namespace lumbrel
