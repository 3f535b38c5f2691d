#include "view/CFixedHtmlView.h"

namespace lumbrel {
namespace {

// CommandStateChange commands.
constexpr int32_t kCscNavigateForward = 1;
constexpr int32_t kCscNavigateBack = 2;

}  // namespace

std::string CFixedHtmlView::GetLocation() {
    if (nav_.locationOverride)
        return nav_.lastUrl;
    return browser_ ? browser_->LocationUrl() : std::string();
}

void CFixedHtmlView::GoBack(int steps) {
    int taken = 0;
    while (taken < steps && browser_ && browser_->GoBack())
        ++taken;
    pendingSteps_ = taken;
}

void CFixedHtmlView::GoForward(int steps) {
    int taken = 0;
    while (taken < steps && browser_ && browser_->GoForward())
        ++taken;
    pendingSteps_ = -taken;
}

void CFixedHtmlView::OnCommandStateChange(int32_t command, bool enabled) {
    if (command == kCscNavigateBack)
        backEnabled_ = enabled;
    else if (command == kCscNavigateForward)
        forwardEnabled_ = enabled;
}

bool CFixedHtmlView::KeepsOwnHistory() {
    return travelLog_ != true;
}

void CFixedHtmlView::RecordHistory(const std::string& url, const std::string& title) {
    if (!browser_)
        return;
    if (!travelLog_ && !url.empty() && url != "about:blank")
        travelLog_ = browser_->HasTravelLog();
    if (!KeepsOwnHistory())
        return;
    const std::unique_ptr<PageDocument> document = browser_->Document();
    const std::optional<int> length = document ? document->HistoryLength() : std::nullopt;
    if (!length)
        return;
    history_.Record(
        HistoryObservation{*length, title, url, backEnabled_, forwardEnabled_, pendingSteps_});
    history_.NameCurrent(url, title);
    pendingSteps_ = 0;
}

}  // namespace lumbrel
