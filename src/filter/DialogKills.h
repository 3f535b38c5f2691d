// The window side of the dialog filter. A script dialog whose content was emptied opens an
// empty window; when the main frame loses activation to it, the window is closed. Each
// emptied dialog accounts for one such close. A count left over by a dialog whose window
// never came would close the next legitimate script dialog, so an emptied dialog is waited
// for a few seconds only, and no longer than the next page navigation.
#pragma once

#include <cstdint>
#include <deque>
#include <string_view>

namespace lumbrel {

class DialogKills {
public:
    // How long an emptied dialog's window is waited for.
    static constexpr double kLifetimeSeconds = 5.0;

    // A dialog's content was emptied at `counter` (the monotonic counter).
    void Added(int64_t counter) { pending_.push_back(counter); }
    // A page navigated: windows of earlier requests are not waited for any more.
    void Navigated() { pending_.clear(); }
    // The frame lost activation to a window (`ownedByFrame`: it exists and the frame is its
    // parent). Uses up one waiting dialog; true when this window is that dialog and is to
    // be hidden and closed.
    bool OnDeactivate(int64_t counter, int64_t frequency, bool ownedByFrame,
                      std::string_view caption);
    int Pending() const { return static_cast<int>(pending_.size()); }

private:
    std::deque<int64_t> pending_;
};

}  // namespace lumbrel
