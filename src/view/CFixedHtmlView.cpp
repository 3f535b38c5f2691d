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
    Travel(steps, true);
}

void CFixedHtmlView::GoForward(int steps) {
    Travel(steps, false);
}

void CFixedHtmlView::Travel(int steps, bool back) {
    const std::function<CFixedHtmlView*()> find = Finder();
    CFixedHtmlView* self = this;
    int taken = 0;
    while (taken < steps && self->browser_) {
        BrowserControl& browser = *self->browser_;
        const bool moved = back ? browser.GoBack() : browser.GoForward();
        self = find();
        if (!self)
            return;
        if (!moved)
            break;
        ++taken;
    }
    self->backForward_.pendingSteps = back ? taken : -taken;
}

void CFixedHtmlView::OnCommandStateChange(int32_t command, bool enabled) {
    if (command == kCscNavigateBack)
        backForward_.backEnabled = enabled;
    else if (command == kCscNavigateForward)
        backForward_.forwardEnabled = enabled;
}

bool CFixedHtmlView::KeepsOwnHistory() {
    return backForward_.travelLog != true;
}

void CFixedHtmlView::RecordHistory(const std::string& url, const std::string& title) {
    if (!browser_)
        return;
    if (!backForward_.travelLog && !url.empty() && url != "about:blank")
        backForward_.travelLog = browser_->HasTravelLog();
    if (!KeepsOwnHistory())
        return;
    const std::unique_ptr<PageDocument> document = browser_->Document();
    const std::optional<int> length = document ? document->HistoryLength() : std::nullopt;
    if (!length)
        return;
    history_.Record(HistoryObservation{*length, title, url, backForward_.backEnabled,
                                       backForward_.forwardEnabled, backForward_.pendingSteps});
    history_.NameCurrent(url, title);
    backForward_.pendingSteps = 0;
}

}  // namespace lumbrel
