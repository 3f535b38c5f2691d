// The popup rules a browser view consults: whether a page may open a window, whether a
// navigation is a popup to be cancelled, and whether a finished page is one to be closed. A
// rule that finds a popup marks the view through CQuorralView::KillAsPopup.
// The popup filter implements them; AllowAllPopups, which lets every window open and every
// navigation go on, serves views without a frame's filter (tests of other rules).
#pragma once

#include <string>

namespace lumbrel {

class CQuorralView;

// The answer to a page's request for a new window.
struct NewWindowVerdict {
    bool allow = true;
    // The new window judges its first navigation by the automatic popup rule.
    bool checkFirstNavigation = false;
};

class PopupChecks {
public:
    virtual ~PopupChecks() = default;
    // NewWindow2 of `opener`'s page.
    virtual NewWindowVerdict OnNewWindow(CQuorralView& opener) = 0;
    // A top-level navigation of `view`'s page begins, whatever the switches say.
    virtual void OnPageNavigation(CQuorralView& view) = 0;
    // A navigation of `view` (run only while `KillPop` is on); true when it is to be cancelled.
    // Asks nothing: a question comes later, from a posted message.
    virtual bool CheckNavigation(CQuorralView& view, const std::string& url,
                                 const std::string& normalizedUrl) = 0;
    // The top document of `view` completed at `url`; true when the window is being closed.
    virtual bool CheckCompleted(CQuorralView& view, const std::string& url) = 0;
};

class AllowAllPopups : public PopupChecks {
public:
    NewWindowVerdict OnNewWindow(CQuorralView&) override { return {}; }
    void OnPageNavigation(CQuorralView&) override {}
    bool CheckNavigation(CQuorralView&, const std::string&, const std::string&) override {
        return false;
    }
    bool CheckCompleted(CQuorralView&, const std::string&) override { return false; }
};

}  // namespace lumbrel
