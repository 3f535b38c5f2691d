#include "frame/OpenQueue.h"

namespace lumbrel {

void OpenQueue::Begin(int newSequence, std::vector<std::string> urls) {
    // A batch started while another runs keeps the rule saved by the first one.
    if (!running_)
        savedNewSequence_ = newSequence;
    for (auto& url : urls)
        urls_.push_back(std::move(url));
    running_ = true;
}

std::vector<std::string> OpenQueue::Take(size_t count) {
    std::vector<std::string> taken;
    while (count-- > 0 && !urls_.empty()) {
        taken.push_back(std::move(urls_.front()));
        urls_.pop_front();
    }
    return taken;
}

int OpenQueue::End() {
    running_ = false;
    urls_.clear();
    return savedNewSequence_;
}

}  // namespace lumbrel
