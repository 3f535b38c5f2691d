// URLs waiting to be opened one tick at a time, for opening a whole folder without creating
// a hundred windows in one message. While a batch runs, new tabs are appended at the end; the
// user's `NewSequence` comes back when the batch ends.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace lumbrel {

class OpenQueue {
public:
    bool Running() const { return running_; }
    size_t Pending() const { return urls_.size(); }

    // Starts a batch: remembers the tab position rule to restore.
    void Begin(int newSequence, std::vector<std::string> urls);
    // Up to `count` URLs from the head of the queue.
    std::vector<std::string> Take(size_t count);
    void Clear() { urls_.clear(); }
    // Ends the batch; returns the rule to restore.
    int End();

private:
    std::deque<std::string> urls_;
    int savedNewSequence_ = 0;
    bool running_ = false;
};

}  // namespace lumbrel
