// URLs waiting to be opened one tick at a time, for opening a whole folder without creating
// a hundred windows in one message.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace lumbrel {

class OpenQueue {
public:
    bool Running() const { return running_; }
    size_t Pending() const { return urls_.size(); }

    // Queues `urls` after any still waiting.
    void Begin(std::vector<std::string> urls);
    // Up to `count` URLs from the head of the queue.
    std::vector<std::string> Take(size_t count);
    void Clear() { urls_.clear(); }
    void End();

private:
    std::deque<std::string> urls_;
    bool running_ = false;
};

}  // namespace lumbrel
