#include "frame/OpenQueue.h"

namespace lumbrel {

void OpenQueue::Begin(std::vector<std::string> urls) {
    // A batch started while another runs joins its queue.
    for (auto& url : urls)
        urls_.push_back(std::move(url));
    running_ = true;
}

std::vector<std::string> OpenQueue::Take(size_t count) {
    std::vector<std::string> taken;
    while (!urls_.empty() && taken.size() < count) {
        taken.push_back(std::move(urls_.front()));
        urls_.pop_front();
    }
    return taken;
}

void OpenQueue::End() {
    urls_.clear();
    running_ = false;
}

}  // namespace lumbrel
