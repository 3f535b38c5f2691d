// The browser view of one window: the program's rules on top of the window's engine. It
// decides before each navigation whether it goes on, is handed to another program or opens
// in another window; it turns titles, progress, status texts and the page's security into
// what the tab, the address box and the status bar show; and it keeps the window's page
// settings (download-control flags, text size, web proxy) and runs the page commands.
//
// Owned by its CChildFrame; speaks to the main frame for everything outside the window. The
// navigation rules live in NavigationPolicy, the load events in PageLoadEvents and the
// commands in ViewCommands; this class holds the state they share and the operations the
// rest of the program calls.
#pragma once

#include <string>

#include "platform/FrameWindow.h"
#include "search/PageFinder.h"
#include "view/AutoRefresh.h"
#include "view/CFixedHtmlView.h"
#include "view/DownloadFlags.h"
#include "view/PageTools.h"
#include "view/ViewMouse.h"
#include "view/WebProxy.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;
struct NewWindowVerdict;

// What a new view takes over from the view whose page opened it, or from the settings when
// no page did.
struct InheritedPageSettings {
    int dlFlags = 0;  // download-control flags in force
    bool webProxyOn = false;
    std::string webProxyTemplate;
    int autoScrollSpeed = 1;
    bool autoScrollAfterDL = false;
    bool autoScroll = false;
};

// A navigation the program asks for.
struct NavigateRequest {
    std::string url;
    int32_t flags = 0;
    std::string target;
    std::string headers;
    std::string postData;  // bytes with their own length; empty: none

    static NavigateRequest To(std::string url) {
        NavigateRequest request;
        request.url = std::move(url);
        return request;
    }
};

class CQuorralView : public CFixedHtmlView {
public:
    // `defaultProperty`: the download-control flags a view starts with.
    CQuorralView(CMainFrame& frame, CChildFrame& child, int defaultProperty,
                 std::string defaultWebProxy);

    CChildFrame& Child() { return child_; }
    CMainFrame& Frame() { return frame_; }

    // --- Navigation ---
    // The first navigation of a new window: 1 the home page, 2 `url`, else the blank page.
    void InitialNavigate(int kind, const std::string& url);
    // Navigates this window on the program's behalf, through the web proxy when it is on.
    // With `onlyIfProxied` nothing happens unless the proxy rewrites the address.
    void OpenUrl(const std::string& url, bool onlyIfProxied = false);
    void OpenUrl(const NavigateRequest& request, bool onlyIfProxied = false);
    // The engine's Navigate2; the active window's address box shows the URL first.
    void Navigate2(const NavigateRequest& request);
    // Reloads the page; an engine error page is replaced by a new navigation to the address
    // that failed.
    void Refresh();
    // Reloads the page and everything on it ("Completely Refresh").
    void RefreshCompletely();

    // --- Page tools ---
    AutoRefresh& AutoRefresher() { return refresh_; }
    PageTools& Tools() { return tools_; }
    // A timer of this view went off.
    void OnTimer(uint32_t timerId);

    // --- What the window list keeps in the view ---
    // The URL the view considers loaded.
    const std::string& Location() const { return Nav().lastUrl; }
    int Progress() const { return Nav().progress; }
    bool IsLoading() const { return Nav().progress >= 0; }
    bool IsSecure() const { return page_.secure; }
    // Whether this is the view of the active window (only it writes to the shared bars).
    bool IsActiveView() const { return opening_.activeView; }
    void SetActiveView(bool active) { opening_.activeView = active; }
    // A close request is on its way: no more work is done for this view.
    bool IsClosing() const { return opening_.closing; }
    void MarkClosing() { opening_.closing = true; }
    // The close was refused (a locked window kept): later closes may take the window again.
    void CancelClosing() { opening_.closing = false; }
    // Marks this view closing and posts its window the close request.
    void CloseWindow();
    // The window the page of which opened this one, kNoChild when none.
    ChildId Opener() const { return opening_.opener; }
    bool OpenedByPage() const { return opening_.openedByPage; }
    // Reused as an idle blank window: its next navigation may activate it.
    void ReuseIdleBlank();
    // Reused as the window this page opened a moment ago.
    void ReuseJustOpened() { nav_.progress = 0; }
    // Settings taken over when the window is created or reused.
    InheritedPageSettings Inherited() const;
    void Inherit(const InheritedPageSettings& settings);
    // Marks the view a popup being removed: the navigation that found it is cancelled by the
    // caller; with `closeNow` the window is closed as well.
    void KillAsPopup(const std::string& killedUrl, int progress, bool closeNow);

    // --- Tab image ---
    int TabImageShown() const { return page_.tabImage; }
    // Shows `image` on the window's tab and remembers what was set; nothing without a tab.
    void ShowTabImage(int image);
    // Remembers the image shown now, to come back to when the tab is unlocked or unmarked.
    void SaveTabImage() { page_.savedTabImage = page_.tabImage; }
    int SavedTabImage() const { return page_.savedTabImage; }
    bool HasTab();
    // The next "Auto Save" of this window files the page by the sort-save rules.
    void RequestSortSave() { page_.sortSave = true; }
    bool SortSaveRequested() const { return page_.sortSave; }

    // --- Page settings ---
    const DownloadFlags& Flags() const { return flags_; }
    // Tells the engine the flags in force ("no ActiveX download" added with `DisDownActivex`).
    void ApplyDownloadFlags();
    // The main frame applies flags to this window explicitly; the zone rule leaves them alone.
    void SetFixedDownloadFlags(int flags);
    // The flags the engine is told, for a control created for this view.
    int32_t EngineDownloadFlags() const;
    const WebProxy& Proxy() const { return proxy_; }
    // "Enable Web Proxy": off, or on and the page re-opened through the proxy.
    void ToggleWebProxy();
    // Gestures and button actions in this view's page.
    MouseGestures& Mouse() { return mouse_.Gestures(); }
    // How the next link navigation opens (mouse and drag commands set it).
    void SetPendingOpenMode(int mode) { opening_.pendingOpenMode = mode; }

    // --- Commands (the active view receives them) ---
    static bool HandlesCommand(int id);
    void OnCommand(int id);
    struct CommandUpdate {
        bool enabled = true;
        bool checked = false;
    };
    CommandUpdate QueryCommand(int id);

    // --- State the view's parts share ---
    WindowOpeningState& Opening() { return opening_; }
    const WindowOpeningState& Opening() const { return opening_; }
    ClickRecord& Clicks() { return clicks_; }
    PageState& Page() { return page_; }
    DownloadFlags& MutableFlags() { return flags_; }
    WebProxy& MutableProxy() { return proxy_; }
    // Find and highlight in this window's page.
    FindState& Find() { return find_; }
    // Seconds since the last recorded left click; a negative value when there was none.
    double SecondsSinceLeftClick();
    // Tells the engine the flags when the zone rule or a command changed them.
    void ApplyDownloadFlagsIfChanged(int before);
    // Records a title or address in the own back/forward list (no travel log).
    void RecordHistoryEntry(const std::string& url, const std::string& title) {
        RecordHistory(url, title);
    }

    // --- BrowserEvents ---
    void OnBeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) override;
    void OnNavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) override;
    void OnDocumentComplete(const std::string& url, FrameToken frame, bool topLevel) override;
    void OnNavigateError(const std::string& url, FrameToken frame, int32_t status,
                         bool& cancel) override;
    void OnTitleChange(const std::string& text) override;
    void OnProgressChange(int32_t progressNow, int32_t progressMax) override;
    void OnStatusTextChange(const std::string& text) override;
    void OnDownloadBegin() override {}
    void OnDownloadComplete() override {}
    BrowserControl* OnNewWindow2(bool& cancel) override;
    bool OnScriptError() override;
    bool OnPageMessage(const std::string& messageText) override;
    KeyVerdict OnPageKey(const PageKey& key) override;
    bool OnPageMouse(const PageMouse& mouse) override;
    bool OnViewMouse(const PageMouse& mouse) override;
    void OnParentNotify(const ChildNotice& notice) override;
    PageDropEvents* DropEvents() override { return &mouse_.Drop(); }

protected:
    std::function<CFixedHtmlView*()> Finder() override;

private:
    void StampLeftClick();
    EventLoop& Timers();
    // Makes the window a page asked for, as this window's; its control, or null when none.
    BrowserControl* OpenPageWindow(const NewWindowVerdict& verdict, bool& cancel);

    CMainFrame& frame_;
    CChildFrame& child_;
    const std::string defaultWebProxy_;
    WindowOpeningState opening_;
    ClickRecord clicks_;
    PageState page_;
    DownloadFlags flags_;
    WebProxy proxy_;
    FindState find_;
    AutoRefresh refresh_;
    PageTools tools_;
    // The message filter's memory of the last key message.
    enum class LastKey { Other, EnterDown, EnterDownWithCtrl, Char };
    LastKey lastKey_ = LastKey::Other;
    ViewMouse mouse_{*this};
};

}  // namespace lumbrel
