// The engine layer of a browser view: it holds the window's engine, wraps the engine calls the
// program makes (navigation, back and forward, refresh, the location, engine commands) and
// keeps the back/forward state — the engine's Back and Forward availability, the steps the
// program asked for, and the view's own back/forward list when the engine keeps no travel log.
// CQuorralView derives from it and answers the engine's events with the program's rules.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/BrowserControl.h"
#include "view/HistoryList.h"
#include "view/ViewState.h"

namespace lumbrel {

// The engine's Back and Forward availability, and the steps of the program's last move.
struct BackForwardState {
    bool backEnabled = false;
    bool forwardEnabled = false;
    int pendingSteps = 0;           // back (> 0) or forward (< 0); 0 once the move was recorded
    std::optional<bool> travelLog;  // whether the engine keeps one; unknown until asked
};

class CFixedHtmlView : public BrowserEvents {
public:
    void AttachBrowser(BrowserControl* browser) { browser_ = browser; }
    BrowserControl* Browser() { return browser_; }

    // --- Location
    // `lastUrl` while the user accepted a spoofing address, else the engine's LocationURL.
    std::string GetLocation();
    const NavigationState& Nav() const { return nav_; }
    NavigationState& Nav() { return nav_; }

    // --- Back and forward
    // The engine's GoBack (GoForward) `steps` times, stopping at the first that fails; the
    // steps taken are expected at the next recorded address.
    void GoBack(int steps);
    void GoForward(int steps);
    bool BackEnabled() const { return backForward_.backEnabled; }
    bool ForwardEnabled() const { return backForward_.forwardEnabled; }
    int PendingSteps() const { return backForward_.pendingSteps; }
    // The own back/forward list (only kept while the engine has no travel log).
    const HistoryList& History() const { return history_; }
    // Whether the engine keeps a travel log; asked once, when the first page other than
    // "about:blank" is recorded. Unknown until then.
    std::optional<bool> TravelLog() const { return backForward_.travelLog; }

    // BrowserEvents: CSC_NAVIGATEBACK and CSC_NAVIGATEFORWARD set the Back and Forward states.
    void OnCommandStateChange(int32_t command, bool enabled) override;

protected:
    // How to find this view again by its window's id. An engine call may raise an event whose
    // question runs the message loop, and the window may close in it; the finder holds nothing
    // of the view, and gives null once the window is gone.
    virtual std::function<CFixedHtmlView*()> Finder() = 0;

    // Records `url` with `title` (empty while the page has told none) in the own back/forward
    // list when the engine keeps no travel log of its own; a failing history read changes
    // nothing.
    void RecordHistory(const std::string& url, const std::string& title);
    bool KeepsOwnHistory();

    BrowserControl* browser_ = nullptr;
    NavigationState nav_;

private:
    // The engine's GoBack (`back`) or GoForward `steps` times; what the view writes afterwards it
    // writes to the view found again.
    void Travel(int steps, bool back);

    BackForwardState backForward_;
    HistoryList history_;
};

}  // namespace lumbrel
