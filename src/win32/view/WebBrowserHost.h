// Hosts one WebBrowser control (the system's HTML engine) inside a parent window, without a
// framework: it creates the view window and, inside it, the control in place behind its own
// site, connects the event sink that feeds the core's BrowserEvents, and implements the
// BrowserControl port over IWebBrowser2. The core also hears what the view window sees: its
// children's ends and presses, and (through PreTranslateMessage) the page's keys and mouse
// buttons before the engine. The owner (the browser window) creates it on a thread that
// called OleInitialize and passes every resize on; the host goes with the owner's call to
// Destroy or with its parent window, whichever comes first.
// The view covers the area it is given; the control sits 2 pixels up and left of it and is
// 4 pixels larger, so that its sunken border lies outside the view.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/BrowserControl.h"
#include "platform/CodePage.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"
#include "win32/view/BrowserViewWindow.h"
#include "win32/view/EnginePrompts.h"
#include "win32/view/HostedControl.h"
#include "win32/view/ViewMouseWindow.h"

#include <exdisp.h>
#include <mshtmdid.h>
#include <ocidl.h>

namespace lumbrel::win32 {

class BrowserSite;
class BrowserEventSink;

class WebBrowserHost : public BrowserControl {
public:
    static constexpr int kControlId = 100;
    // How far the control reaches past each edge of its area.
    static constexpr int kBorder = 2;
    // What the engine downloads when nobody says.
    static constexpr int32_t kDefaultDownloadControlFlags =
        DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS;

    WebBrowserHost(BrowserEvents& events, const CodePage& codePage);
    ~WebBrowserHost() override;
    WebBrowserHost(const WebBrowserHost&) = delete;
    WebBrowserHost& operator=(const WebBrowserHost&) = delete;

    // --- basic
    // Creates the view as a visible child of `parent` for an area of width x height, the
    // control inside it, and connects its events. False (and nothing left behind) when any
    // step fails, or when a control is already hosted.
    bool Create(HWND parent, int width, int height);
    // Tears the control down in a fixed order: events unadvised, the control closed, its
    // client site unset, every reference released; then the view window goes. Events and
    // notifications from here on are ignored. Safe to call twice.
    void Destroy();
    bool IsCreated() const { return static_cast<bool>(control_.browser); }

    // Fits the control to an area of width x height of its parent (whatever rectangle the
    // owner takes the size from).
    void Resize(int width, int height);
    // The DISPID_AMBIENT_DLCONTROL answer (DLCTL_* bits); the engine is told at once.
    void SetDownloadControlFlags(int32_t flags) override;
    int32_t DownloadControlFlags() const { return downloadControlFlags_; }
    // Customises the document host (context menu, external object); not owned, null for
    // the engine's defaults. Outlives the host or is reset before it goes. Until one is set
    // the view decides on the engine's script-error and message boxes.
    void SetDocHostPolicy(DocHostPolicy* policy);
    // A queued message for the view or a window inside it, before it is dispatched: keys and
    // mouse buttons go to the core's view first, then keys to the engine (Tab, Ctrl+C, …).
    // True when the message was used up and the loop must not dispatch it; the message may
    // come back changed (Enter released as a character).
    bool PreTranslateMessage(MSG& message);

    // --- the engine
    // The control's automation object: what NewWindow2 hands to the engine. Not AddRef'ed.
    IDispatch* Dispatch() const { return control_.dispatch.Get(); }
    IWebBrowser2* Browser() const { return control_.browser.Get(); }
    // The control's own window ("Shell Embedding"), null before Create.
    HWND ControlWindow() const { return controlWindow_; }
    // The window the control lives in, null before Create.
    HWND ViewWindow() const { return view_.Handle(); }
    // Capture and posted clicks of the view's window.
    PageMouseWindow& MouseWindow() { return mouseWindow_; }

    // --- BrowserControl
    bool Navigate2(const std::string& url, int32_t flags, const std::string& target,
                   const std::string& headers, const std::string& postData) override;
    bool GoHome() override;
    bool GoBack() override;
    bool GoForward() override;
    bool Refresh2(int level) override;
    bool Stop() override;
    std::string LocationUrl() override;
    std::string LocationName() override;
    bool Busy() override;
    void FocusPage() override;
    std::string SelectedText() override;
    std::vector<std::string> SelectedLinks() override;
    std::unique_ptr<PageDocument> Document() override;
    bool HasTravelLog() override;
    bool ExecWB(int command, int option, std::optional<int32_t> argument) override;
    bool CommandDocumentView(int commandId) override;
    bool ScrollPage(int dx, int dy) override;
    ScrollMetrics Metrics() override;

private:
    bool CreateControl(HWND parent, const RECT& position);
    bool ConnectEvents();
    void ReleaseControl();
    bool IsInView(HWND window) const;
    bool OfferToView(MSG& message);
    bool TranslateKey(MSG& message);
    void FitView(int width, int height);
    void MoveControl(const RECT& position);
    bool ResizeThroughProperties(const RECT& current, int width, int height);
    void AnnounceAmbientChange(int32_t oldFlags);
    template <class Call>
    bool Guarded(Call&& call);

    BrowserEvents& events_;
    const CodePage& codePage_;
    int32_t downloadControlFlags_ = kDefaultDownloadControlFlags;
    // The engine's boxes go to the view unless a policy of the program's replaces it.
    EnginePrompts prompts_{events_, codePage_};
    DocHostPolicy* policy_ = &prompts_;

    ComPtr<BrowserSite> site_;
    ComPtr<BrowserEventSink> sink_;
    HostedControl control_;
    BrowserViewWindow view_;
    ViewMouseWindow mouseWindow_{view_};
    HWND controlWindow_ = nullptr;
    // Expires with the host: a call into the core may end the window and this object.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace lumbrel::win32
