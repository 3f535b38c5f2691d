// A scriptable engine for one browser window. It records what the program asks of it; the
// test raises the engine's events through it. With `autoNavigate` a Navigate2 raises
// BeforeNavigate2 at once, as the engine does for most addresses.
#pragma once

#include <string>
#include <vector>

#include "platform/BrowserControl.h"

namespace lumbrel::test {

class FakeBrowser : public BrowserControl {
public:
    explicit FakeBrowser(BrowserEvents& events) : events_(events) {}

    std::vector<std::string> navigations;  // every URL given to Navigate2 (and "home")
    std::string location;                  // what LocationURL answers
    std::string selectedText;
    std::vector<std::string> selectedLinks;
    bool busy = false;
    bool autoNavigate = true;
    int focusCount = 0;
    bool lastNavigationCancelled = false;

    // Engine events, as the engine would raise them for this window.
    bool RaiseBeforeNavigate(const std::string& url);  // returns whether it was cancelled
    void RaiseTitle(const std::string& title) { events_.OnTitleChange(title); }
    void RaiseProgress(int now, int max) { events_.OnProgressChange(now, max); }
    void RaiseStatus(const std::string& text) { events_.OnStatusTextChange(text); }
    // NavigateComplete2 and DocumentComplete of the top-level page; the location follows.
    void RaiseLoaded(const std::string& url);
    BrowserControl* RaiseNewWindow(bool& cancel) { return events_.OnNewWindow2(cancel); }

    bool Navigate2(const std::string& url, int32_t flags, const std::string& target,
                   const std::string& headers, const std::string& postData) override;
    bool GoHome() override;
    bool GoBack() override { return false; }
    bool GoForward() override { return false; }
    bool Refresh2(int) override { return true; }
    bool Stop() override { return true; }
    std::string LocationUrl() override { return location; }
    std::string LocationName() override { return location; }
    bool Busy() override { return busy; }
    void FocusPage() override { ++focusCount; }
    std::string SelectedText() override { return selectedText; }
    std::vector<std::string> SelectedLinks() override { return selectedLinks; }

private:
    BrowserEvents& events_;
};

}  // namespace lumbrel::test
