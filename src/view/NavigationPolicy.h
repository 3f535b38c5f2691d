// What a view does before each navigation of its page and its frames (BeforeNavigate2): the
// spoofing question, reuse of the window a target name belongs to, hand-offs to other
// programs, the download-control flags of the new zone, the guard against the engine's repeat
// of a click, opening a link in a new window, the popup checks, and the first navigation that
// shows the window and inserts its tab.
//
// Made for one event. Whatever may run the message loop (a question, the popup confirmation,
// making another window) may close this window: afterwards the window is looked up again by
// its id and nothing of the old view is touched when it is gone.
#pragma once

#include <string>

#include "platform/BrowserControl.h"
#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;
class CQuorralView;

class NavigationPolicy {
public:
    explicit NavigationPolicy(CQuorralView& view);

    void BeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel);

private:
    enum class Step { Continue, Stop };

    void RunSteps(const BeforeNavigateArgs& args, bool& cancel);

    // The view of this window if it still exists and is not closing; null otherwise.
    CQuorralView* Alive();
    Step ConfirmSpoofing(const BeforeNavigateArgs& args, bool& cancel);
    Step ReuseTargetWindow(const BeforeNavigateArgs& args, bool& cancel);
    Step HandOff(const BeforeNavigateArgs& args, bool& cancel);
    bool UserInitiated();
    void ApplyZoneRule(const std::string& normalized);
    Step GuardRepeatedClick(const std::string& url, bool& cancel);
    Step OpenInNewWindow(const BeforeNavigateArgs& args, const std::string& normalized,
                         bool& cancel);
    bool OpenWindowFor(const std::string& url);
    Step CheckPopups(const std::string& url, const std::string& normalized, bool& cancel);
    void ShowLoading(const std::string& url);
    void UpdateSecurity(const std::string& url);
    // Both false when the window went during an activation.
    bool ActivateIfPending();
    bool ShowFirstTime(const std::string& url);
    bool ShouldActivate();

    CQuorralView* view_;
    CMainFrame& frame_;
    const ChildId id_;
};

}  // namespace lumbrel
