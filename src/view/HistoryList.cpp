#include "view/HistoryList.h"

#include <algorithm>

namespace lumbrel {
namespace {

// Arrays cut by more than this give their spare memory back.
constexpr size_t kShrinkAfterCut = 10;

}  // namespace

bool HistoryList::TakeLength(const HistoryObservation& seen) {
    const int n = seen.length;
    if (n <= 0) {
        historyPos = 0;
        return false;
    }
    if (n == historyLength)
        return false;
    const auto count = static_cast<size_t>(n);
    const std::string& title = seen.title.empty() ? seen.url : seen.title;
    if (n > historyLength) {
        historyTitles.resize(std::max(historyTitles.size(), count));
        historyUrls.resize(std::max(historyUrls.size(), count));
    }
    historyTitles[count - 1] = title;
    historyUrls[count - 1] = seen.url;
    if (n < historyLength) {
        const bool shrink = historyUrls.size() - count > kShrinkAfterCut;
        historyTitles.resize(count);
        historyUrls.resize(count);
        if (shrink) {
            historyTitles.shrink_to_fit();
            historyUrls.shrink_to_fit();
        }
    }
    historyPos = n;
    return true;
}

// The entry equal to `url` among the current position, two back and two ahead, in that order.
void HistoryList::FindUrlNearPosition(const std::string& url, int n) {
    for (int offset : {0, -1, -2, 1, 2}) {
        const int at = historyPos + offset;
        if (at >= 0 && at < n && historyUrls[static_cast<size_t>(at)] == url) {
            historyPos = at;
            return;
        }
    }
}

void HistoryList::Record(const HistoryObservation& seen) {
    const bool changed = TakeLength(seen);
    const int n = std::max(seen.length, 0);
    historyPos -= seen.pendingSteps;
    if (!seen.backEnabled)
        historyPos = 0;
    else if (!seen.forwardEnabled && changed && seen.pendingSteps >= 0)
        historyPos = n;
    else
        FindUrlNearPosition(seen.url, std::min(n, static_cast<int>(historyUrls.size())));
    if (seen.forwardEnabled && historyPos >= n - 1)
        historyPos = n - 2;
    if (seen.backEnabled && historyPos == 0)
        historyPos = 1;
    historyLength = n;
    historyPos = std::clamp(historyPos, 0, std::max(historyLength - 1, 0));
}

void HistoryList::NameCurrent(const std::string& url, const std::string& title) {
    const auto at = static_cast<size_t>(historyPos);
    if (!title.empty() && at < historyUrls.size() && historyUrls[at] == url)
        historyTitles[at] = title;
}

}  // namespace lumbrel
