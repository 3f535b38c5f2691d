// The browser view of one window: it drives the window's engine and turns the engine's events
// into the window list's state (tab text and image, progress, address box, status text).
// Owned by its CChildFrame; speaks to the main frame for everything outside the window.
//
// This is the part of the view the window list relies on: the first navigation that shows the
// window and inserts its tab, titles, progress and the final tab image. The navigation policy
// (popups, hand-offs, opening links in new windows) hooks into OnBeforeNavigate2.
#pragma once

#include <string>

#include "platform/BrowserControl.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;

// Values a new view starts from.
struct ViewSettings {
    int defaultProperty = 0;  // download-control flags
    int defFontSize = 2;
    std::string defaultWebProxy;
};

// Tab images the window list assigns.
enum TabImage : int {
    kTabNoImage = -1,
    kTabNew = 0,
    kTabLocked = 4,
    kTabUnread = 5,
    kTabProtected = 6,
    kTabSaved = 7,
    kTabRead = 9,
    kTabMarked = 10,
};

class CQuorralView : public BrowserEvents {
public:
    CQuorralView(CMainFrame& frame, CChildFrame& child, const ViewSettings& settings);

    void AttachBrowser(BrowserControl* browser) { browser_ = browser; }
    BrowserControl* Browser() { return browser_; }
    CChildFrame& Child() { return child_; }

    // --- Navigation ---
    // The first navigation of a new window: 1 the home page, 2 `url`, else the blank page.
    void InitialNavigate(int kind, const std::string& url);
    // Navigates this window to `url` on the program's behalf.
    void OpenUrl(const std::string& url);
    // The URL the view considers loaded.
    const std::string& Location() const { return lastUrl; }
    bool IsLoading() const { return progress >= 0; }

    // --- State ---
    std::string currentUrl;
    std::string lastUrl;
    std::string title;
    std::string targetName;
    bool programmaticNav = true;
    bool firstNavPending = true;
    bool activeView = false;
    bool activatePending = false;
    bool closing = false;
    bool secure = false;
    bool openedByPage = false;
    bool popupKilled = false;
    int progress = -1;
    int tabImage = kTabNoImage;
    int savedTabImage = kTabNoImage;
    int openerTabIndex = -1;
    int pendingOpenMode = 0;
    int dlFlags = 0;
    int userDlFlags = 0;
    int fontSize = 2;
    bool webProxyOn = false;
    std::string webProxyTemplate;
    int autoScrollSpeed = 1;
    bool autoScrollAfterDL = false;
    bool autoScroll = false;
    bool backEnabled = false;
    bool forwardEnabled = false;

    // --- BrowserEvents ---
    void OnBeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) override;
    void OnNavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) override;
    void OnDocumentComplete(const std::string& url, FrameToken frame, bool topLevel) override;
    void OnNavigateError(const std::string& url, FrameToken frame, int32_t status,
                         bool& cancel) override;
    void OnTitleChange(const std::string& text) override;
    void OnProgressChange(int32_t progressNow, int32_t progressMax) override;
    void OnStatusTextChange(const std::string& text) override;
    void OnCommandStateChange(int32_t command, bool enabled) override;
    void OnDownloadBegin() override {}
    void OnDownloadComplete() override {}
    BrowserControl* OnNewWindow2(bool& cancel) override;

private:
    void Navigate(const std::string& url);
    // Whether showing this window also activates it (not a background window, and new
    // windows come to the front or this one was asked to).
    bool ShouldActivate() const;
    void ActivateIfPending();
    void ShowFirstTime(const std::string& url);
    // The tab image at the end of a load: locked, protected or read for the active window;
    // unread for a background one when `endSignal` (the engine's ProgressChange(0, 0)).
    void SetFinalTabImage(bool endSignal);
    void MoveFocusAfterLoad();

    CMainFrame& frame_;
    CChildFrame& child_;
    BrowserControl* browser_ = nullptr;
    std::string defaultWebProxy_;
    FrameToken topFrame_ = nullptr;
};

}  // namespace lumbrel
