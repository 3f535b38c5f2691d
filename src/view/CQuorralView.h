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
#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;

// What a new view takes over from the view whose page opened it, or from the settings when
// no page did.
struct InheritedPageSettings {
    int dlFlags = 0;  // download-control flags
    bool webProxyOn = false;
    std::string webProxyTemplate;
    int autoScrollSpeed = 1;
    bool autoScrollAfterDL = false;
    bool autoScroll = false;
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

// `progress` while no load is under way: right after the program started a navigation, and
// when the engine reports no measurable progress or the load is over.
inline constexpr int kProgressStarted = -1;
inline constexpr int kProgressIdle = -10;

class CQuorralView : public BrowserEvents {
public:
    // `defaultProperty`: the download-control flags a view starts with.
    CQuorralView(CMainFrame& frame, CChildFrame& child, int defaultProperty,
                 std::string defaultWebProxy);

    void AttachBrowser(BrowserControl* browser) { browser_ = browser; }
    BrowserControl* Browser() { return browser_; }
    CChildFrame& Child() { return child_; }

    // --- Navigation ---
    // The first navigation of a new window: 1 the home page, 2 `url`, else the blank page.
    void InitialNavigate(int kind, const std::string& url);
    // Navigates this window to `url` on the program's behalf.
    void OpenUrl(const std::string& url);
    // The URL the view considers loaded.
    const std::string& Location() const { return lastUrl_; }
    int Progress() const { return progress_; }
    bool IsLoading() const { return progress_ >= 0; }
    bool IsSecure() const { return secure_; }

    // --- What the window list keeps in the view ---
    // Whether this is the view of the active window (only it writes to the shared bars).
    bool IsActiveView() const { return activeView_; }
    void SetActiveView(bool active) { activeView_ = active; }
    // A close request is on its way: no more work is done for this view.
    bool IsClosing() const { return closing_; }
    void MarkClosing() { closing_ = true; }
    // The close was refused (a locked window kept): later closes may take the window again.
    void CancelClosing() { closing_ = false; }
    // The window the page of which opened this one, kNoChild when none.
    ChildId Opener() const { return opener_; }
    bool OpenedByPage() const { return opener_ != kNoChild; }
    // Reused as an idle blank window: its next navigation may activate it.
    void ReuseIdleBlank();
    // Reused as the window this page opened a moment ago.
    void ReuseJustOpened() { progress_ = 0; }
    // Settings taken over when the window is created or reused.
    const InheritedPageSettings& Inherited() const { return inherited_; }
    void Inherit(const InheritedPageSettings& settings);

    // --- Tab image ---
    int TabImageShown() const { return tabImage_; }
    // Shows `image` on the window's tab (when it has one) and remembers what was set.
    void ShowTabImage(int image);
    // Remembers the image shown now, to come back to with RestoreTabImage.
    void SaveTabImage() { savedTabImage_ = tabImage_; }
    int SavedTabImage() const { return savedTabImage_; }

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
    bool HasTab() const;
    // Whether showing this window also activates it (not a background window, and new
    // windows come to the front or this one was asked to).
    bool ShouldActivate() const;
    // False when the window went during the activation.
    bool ActivateIfPending();
    void ShowFirstTime(const std::string& url);
    // The tab image at the end of a load: locked, protected or read for the active window;
    // unread for a background one when `endSignal` (the engine's ProgressChange(0, 0)).
    void SetFinalTabImage(bool endSignal);
    void MoveFocusAfterLoad();
    void PostTabLayout(bool onlyForButtonTabs);

    CMainFrame& frame_;
    CChildFrame& child_;
    BrowserControl* browser_ = nullptr;
    const std::string defaultWebProxy_;
    FrameToken topFrame_ = nullptr;

    std::string lastUrl_;
    std::string title_;
    bool firstNavPending_ = true;
    bool activeView_ = false;
    bool activatePending_ = false;
    bool closing_ = false;
    bool secure_ = false;
    int progress_ = kProgressStarted;
    int tabImage_ = kTabNoImage;
    int savedTabImage_ = kTabNoImage;
    ChildId opener_ = kNoChild;
    InheritedPageSettings inherited_;
};

}  // namespace lumbrel
