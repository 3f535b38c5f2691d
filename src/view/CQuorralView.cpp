#include "view/CQuorralView.h"

#include "commands/CommandIds.h"
#include "commands/VirtualKeys.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"
#include "view/NavigationPolicy.h"
#include "view/PageLoadEvents.h"
#include "view/PageRules.h"
#include "view/PopupChecks.h"
#include "view/ViewCommands.h"

namespace lumbrel {
namespace {

// The tab style whose tabs are buttons: a changed image or text may change the rows.
constexpr int kButtonTabStyle = 2;
// The WebBrowser control's own window inside the view.
constexpr int kBrowserControlId = 100;
constexpr uint16_t kEnterKey = 13;

}  // namespace

CQuorralView::CQuorralView(CMainFrame& frame, CChildFrame& child, int defaultProperty,
                           std::string defaultWebProxy)
    : frame_(frame),
      child_(child),
      defaultWebProxy_(std::move(defaultWebProxy)),
      flags_(defaultProperty),
      refresh_([this](uint32_t id, uint32_t ms) { Timers().StartTimer(child_.Id(), id, ms); },
               [this](uint32_t id) { Timers().StopTimer(child_.Id(), id); },
               frame.App().Settings().Get(keys::AutoRefresh)),
      tools_(*this) {
    page_.fontSize = frame.Prefs().defFontSize;
}

EventLoop& CQuorralView::Timers() {
    return frame_.App().Ports().loop;
}

void CQuorralView::OnTimer(uint32_t timerId) {
    if (tools_.OnTimer(timerId))
        return;
    const bool refreshActive = frame_.App().Settings().Get(keys::AutoRefreshActive) != 0;
    if (!IsClosing() && refresh_.OnTimer(timerId, IsActiveView(), refreshActive))
        Refresh();
}

// --- Navigation ---------------------------------------------------------------------------

void CQuorralView::InitialNavigate(int kind, const std::string& url) {
    opening_.programmaticNav = true;
    // Set first: the navigation may end this window before it returns.
    proxy_.webProxyTemplate = defaultWebProxy_;
    if (kind == static_cast<int>(NavKind::Home)) {
        if (browser_)
            browser_->GoHome();
    } else if (kind == static_cast<int>(NavKind::Url) && !url.empty()) {
        nav_.lastUrl = url;
        Navigate2(NavigateRequest::To(url));
    } else {
        nav_.lastUrl = kAboutBlank;
        Navigate2(NavigateRequest::To(kAboutBlank));
    }
}

void CQuorralView::OpenUrl(const std::string& url, bool onlyIfProxied) {
    OpenUrl(NavigateRequest::To(url), onlyIfProxied);
}

void CQuorralView::OpenUrl(const NavigateRequest& request, bool onlyIfProxied) {
    const std::optional<std::string> target =
        proxy_.Rewrite(request.url, onlyIfProxied, frame_.Prefs().defaultWebProxy);
    if (!target)
        return;
    nav_.lastUrl = request.url;
    opening_.programmaticNav = true;
    NavigateRequest navigation = request;
    navigation.url = *target;
    // The engine asks about the navigation before Navigate2 returns, and a question asked
    // then may end this window: it is looked up again afterwards.
    CMainFrame& frame = frame_;
    const ChildId id = child_.Id();
    Navigate2(navigation);
    if (CChildFrame* child = frame.Windows().Find(id))
        child->View().nav_.progress = kProgressStarted;
}

void CQuorralView::Navigate2(const NavigateRequest& request) {
    if (opening_.activeView && frame_.ActiveChild() == &child_)
        frame_.Widgets().address.SetText(request.url);
    if (browser_)
        browser_->Navigate2(request.url, request.flags, request.target, request.headers,
                            request.postData);
}

void CQuorralView::Refresh() {
    if (nav_.lastUrl == kAboutBlank)
        return;
    // An engine error page is refreshed by loading the address that failed, and only an
    // address that can be loaded: the rest of its text is any page's to choose.
    const bool errorPage = nav_.lastUrl.starts_with("res://");
    const std::optional<std::string> target =
        errorPage ? ErrorPageTarget(nav_.lastUrl) : std::nullopt;
    if (errorPage && !target)
        return;
    if (page_.tabImage == kTabNoImage && frame_.Options().tabStyle == kButtonTabStyle)
        frame_.Post(UM_TAB_LAYOUT);
    ShowTabImage(LoadingImage(0));
    // The user asked for the page: also an error page's new navigation must not be refused.
    opening_.forbidNavigate = false;
    if (!errorPage) {
        if (browser_)
            browser_->Refresh2(0);
        return;
    }
    // The window's own failed address, whichever window is active.
    if (opening_.activeView)
        frame_.Widgets().address.SetText(*target);
    Navigate2(NavigateRequest::To(*target));
}

void CQuorralView::RefreshCompletely() {
    opening_.forbidNavigate = false;
    if (browser_)
        browser_->Refresh2(3);
}

// --- Window state -------------------------------------------------------------------------

void CQuorralView::CloseWindow() {
    opening_.closing = true;
    frame_.App().Ports().loop.Post(child_.Id(), kWmClose, 0, 0);
}

void CQuorralView::ReuseIdleBlank() {
    nav_.progress = kProgressStarted;
    opening_.activatePending = true;
}

InheritedPageSettings CQuorralView::Inherited() const {
    const AutoScroll& scroll = tools_.Scroll();
    return InheritedPageSettings{flags_.userDlFlags, proxy_.webProxyOn,  proxy_.webProxyTemplate,
                                 scroll.Speed(),     scroll.AfterLoad(), scroll.ThisWindow()};
}

void CQuorralView::Inherit(const InheritedPageSettings& settings) {
    flags_.Inherit(settings.dlFlags);
    proxy_.webProxyOn = settings.webProxyOn;
    proxy_.webProxyTemplate = settings.webProxyTemplate;
    tools_.Adopt(settings.autoScrollSpeed, settings.autoScrollAfterDL, settings.autoScroll);
    nav_.progress = kProgressStarted;
}

void CQuorralView::KillAsPopup(const std::string& killedUrl, int progress, bool closeNow) {
    opening_.popupKilled = true;
    opening_.killedUrl = killedUrl;
    nav_.progress = progress;
    if (closeNow)
        CloseWindow();
}

std::function<CFixedHtmlView*()> CQuorralView::Finder() {
    return [&frame = frame_, id = child_.Id()]() -> CFixedHtmlView* {
        CChildFrame* child = frame.Windows().Find(id);
        return child ? &child->View() : nullptr;
    };
}

bool CQuorralView::HasTab() {
    return frame_.Windows().IndexOf(child_.Id()) >= 0;
}

void CQuorralView::ShowTabImage(int image) {
    if (HasTab())
        page_.tabImage = frame_.Windows().ShowImage(child_.Id(), image);
}

double CQuorralView::SecondsSinceLeftClick() {
    if (clicks_.leftClickTime == 0)
        return -1.0;
    Clock& clock = frame_.App().Ports().clock;
    return static_cast<double>(clock.PerformanceCounter() - clicks_.leftClickTime) /
           static_cast<double>(clock.PerformanceFrequency());
}

// --- Page settings ------------------------------------------------------------------------

int32_t CQuorralView::EngineDownloadFlags() const {
    return flags_.EngineFlags(frame_.Prefs().disDownActivex != 0);
}

void CQuorralView::ApplyDownloadFlags() {
    if (browser_)
        browser_->SetDownloadControlFlags(EngineDownloadFlags());
}

void CQuorralView::ApplyDownloadFlagsIfChanged(int before) {
    if (flags_.dlFlags != before)
        ApplyDownloadFlags();
}

void CQuorralView::SetFixedDownloadFlags(int flags) {
    flags_.SetFixed(flags);
    ApplyDownloadFlags();
}

void CQuorralView::ToggleWebProxy() {
    if (proxy_.webProxyOn) {
        proxy_.webProxyOn = false;
        return;
    }
    if (proxy_.webProxyTemplate.empty())
        proxy_.webProxyTemplate = frame_.Prefs().defaultWebProxy;
    if (proxy_.webProxyTemplate.empty()) {
        // The box runs the message loop: this view may be gone when it returns, and with the
        // switch off there is nothing left to do.
        frame_.Tell(IDS_SELECT_PROXY_FIRST);
        return;
    }
    proxy_.webProxyOn = true;
    if (!nav_.lastUrl.empty() && nav_.lastUrl != kAboutBlank)
        OpenUrl(nav_.lastUrl, true);
}

// --- Commands -----------------------------------------------------------------------------

bool CQuorralView::HandlesCommand(int id) {
    return ViewCommands::Knows(id);
}

void CQuorralView::OnCommand(int id) {
    ViewCommands(*this).Run(id);
}

CQuorralView::CommandUpdate CQuorralView::QueryCommand(int id) {
    return ViewCommands(*this).State(id);
}

// --- Engine events ------------------------------------------------------------------------

void CQuorralView::OnBeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) {
    NavigationPolicy(*this).BeforeNavigate2(args, cancel);
}

void CQuorralView::OnNavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) {
    PageLoadEvents(*this).NavigateComplete2(url, frame, topLevel);
}

void CQuorralView::OnDocumentComplete(const std::string& url, FrameToken frame, bool topLevel) {
    PageLoadEvents(*this).DocumentComplete(url, frame, topLevel);
}

void CQuorralView::OnNavigateError(const std::string&, FrameToken, int32_t, bool&) {}

void CQuorralView::OnTitleChange(const std::string& text) {
    PageLoadEvents(*this).TitleChange(text);
}

void CQuorralView::OnProgressChange(int32_t progressNow, int32_t progressMax) {
    PageLoadEvents(*this).ProgressChange(progressNow, progressMax);
}

void CQuorralView::OnStatusTextChange(const std::string& text) {
    PageLoadEvents(*this).StatusTextChange(text);
}

bool CQuorralView::OnScriptError() {
    return frame_.Filters().Cleanup().OnScriptError();
}

bool CQuorralView::OnPageMessage(const std::string& messageText) {
    return frame_.Filters().Cleanup().OnPageMessage(messageText);
}

BrowserControl* CQuorralView::OnNewWindow2(bool& cancel) {
    cancel = true;
    // The popup rules may ask the user, and making a window may run the message loop: this
    // window may be gone after either, and is looked up again.
    CMainFrame& frame = frame_;
    const ChildId id = child_.Id();
    const NewWindowVerdict verdict = frame.Services().Popups().OnNewWindow(*this);
    CChildFrame* self = frame.Windows().Find(id);
    if (!verdict.allow || !self || self->View().IsClosing())
        return nullptr;
    return self->View().OpenPageWindow(verdict, cancel);
}

BrowserControl* CQuorralView::OpenPageWindow(const NewWindowVerdict& verdict, bool& cancel) {
    clicks_.leftClickArmed = false;
    NewChildRequest request;
    request.mode = ChildMode::NoNavigation;
    request.kind = NavKind::Blank;
    request.source = child_.Id();
    CMainFrame& frame = frame_;
    const ChildId id = child_.Id();
    CChildFrame* opened = frame.NewChild(request);
    if (!opened)
        return nullptr;
    const ChildId openedId = opened->Id();
    CChildFrame* self = frame.Windows().Find(id);
    if (!self || self->View().IsClosing() || !opened->View().Browser()) {
        // No page is left to fill the window, which would stay hidden for good.
        if (CChildFrame* orphan = frame.Windows().Find(openedId))
            orphan->View().CloseWindow();
        return nullptr;
    }
    CQuorralView& view = opened->View();
    view.opening_.openedByPage = true;
    // What the page asks the window to load is the page's doing, not the user's.
    view.opening_.programmaticNav = false;
    view.opening_.opener = id;
    view.opening_.popupKilled = false;
    view.opening_.closing = false;
    view.opening_.dupCheckBudget = 1;
    view.opening_.checkPopupAfterNav = verdict.checkFirstNavigation;
    view.nav_.progress = 0;
    // The user's choice, not what the zone rule forces on the opener's own page.
    view.flags_.Inherit(flags_.userDlFlags);
    if (const int mode = opening_.pendingOpenMode; mode != 0) {
        opened->SetOpenFlags(mode);
        opened->Reopen(ChildOpening{(mode & kOpenForeground) != 0, opened->Placement()});
        opening_.pendingOpenMode = 0;
    }
    child_.RememberOpened(opened->Id(), frame_.App().Ports().clock.PerformanceCounter());
    cancel = false;
    return view.Browser();
}

// --- The view's window --------------------------------------------------------------------

void CQuorralView::StampLeftClick() {
    clicks_.leftClickTime = frame_.App().Ports().clock.PerformanceCounter();
}

KeyVerdict CQuorralView::OnPageKey(const PageKey& key) {
    const LastKey previous = lastKey_;
    lastKey_ = LastKey::Other;
    if (key.phase == KeyPhase::Char) {
        lastKey_ = LastKey::Char;
        return KeyVerdict::Deliver;
    }
    if (key.virtualKey == kEnterKey) {
        if (key.phase == KeyPhase::Down) {
            // A link followed with Enter counts as a click.
            lastKey_ = key.ctrlHeld ? LastKey::EnterDownWithCtrl : LastKey::EnterDown;
            StampLeftClick();
            return KeyVerdict::Deliver;
        }
        return previous == LastKey::EnterDown ? KeyVerdict::DeliverAsChar : KeyVerdict::Deliver;
    }
    const bool previousWindow = key.virtualKey == vk::kLeft;
    if (key.phase != KeyPhase::Down || !key.ctrlHeld ||
        (!previousWindow && key.virtualKey != vk::kRight))
        return KeyVerdict::Deliver;
    // Text fields keep Ctrl+arrows for moving by words.
    const std::unique_ptr<PageDocument> document = browser_ ? browser_->Document() : nullptr;
    const FocusedElementKind focused =
        document ? document->FocusedElement() : FocusedElementKind::None;
    if (focused == FocusedElementKind::TextInput || focused == FocusedElementKind::TextArea)
        return KeyVerdict::Deliver;
    frame_.Post(kWmCommand, previousWindow ? IDM_PREVIOUS_WINDOW : IDM_NEXT_WINDOW);
    return KeyVerdict::Eat;
}

bool CQuorralView::OnPageMouse(const PageMouse& mouse) {
    if (mouse.kind == PageMouseKind::LeftUp)
        opening_.justOpenedUrl.clear();
    return Mouse().PreTranslate(MouseMessage{mouse.kind, mouse.keyState, mouse.wheelDelta});
}

bool CQuorralView::OnViewMouse(const PageMouse& mouse) {
    const PagePoint point{mouse.x, mouse.y};
    switch (mouse.kind) {
        case PageMouseKind::Move:
            return Mouse().OnMouseMove(point, mouse.keyState);
        case PageMouseKind::RightUp:
            Mouse().OnRightUp(point, mouse.keyState);
            return false;
        case PageMouseKind::LeftUp:
            Mouse().OnLeftUp();
            return false;
        default:
            return false;
    }
}

void CQuorralView::OnParentNotify(const ChildNotice& notice) {
    const PagePoint point{notice.x, notice.y};
    switch (notice.kind) {
        case ChildNoticeKind::Destroyed:
            // Windows inside the control (plugins, a document view swapped during a
            // navigation) come and go; only the control's own end ends the window.
            if (notice.controlId == kBrowserControlId && !opening_.closing)
                CloseWindow();
            break;
        case ChildNoticeKind::LeftPress:
            clicks_.lastClickPoint = point;
            Mouse().OnButtonPress(MouseButton::Left, point);
            break;
        case ChildNoticeKind::RightPress:
            // A right press always counts for the popup rules, whatever the mouse settings.
            clicks_.lastClickPoint = point;
            clicks_.rightClickTime = frame_.App().Ports().clock.PerformanceCounter();
            clicks_.lastButton = LastButton::Right;
            clicks_.leftClickArmed = false;
            Mouse().OnButtonPress(MouseButton::Right, point);
            break;
        case ChildNoticeKind::MiddlePress:
            clicks_.lastClickPoint = point;
            Mouse().OnButtonPress(MouseButton::Middle, point);
            break;
        case ChildNoticeKind::Created:
            break;
    }
}

}  // namespace lumbrel
