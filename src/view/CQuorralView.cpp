#include "view/CQuorralView.h"

#include <algorithm>

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

// The tab style whose tabs are buttons: a changed image or text may change the rows.
constexpr int kButtonTabStyle = 2;
// Loading images 1, 2 and 3 split the progress into thirds.
constexpr int kProgressPerLoadingImage = 34;

// ProgressChange(0, 0): the engine's signal that the load is over.
bool IsEndSignal(int32_t now, int32_t max) {
    return now == 0 && max == 0;
}

}  // namespace

CQuorralView::CQuorralView(CMainFrame& frame, CChildFrame& child, int defaultProperty,
                           std::string defaultWebProxy)
    : frame_(frame), child_(child), defaultWebProxy_(std::move(defaultWebProxy)) {
    inherited_.dlFlags = defaultProperty;
}

// --- Navigation ---------------------------------------------------------------------------

void CQuorralView::InitialNavigate(int kind, const std::string& url) {
    // Set before navigating: the engine's first events come inside the call, and the window
    // may be gone when it returns.
    inherited_.webProxyTemplate = defaultWebProxy_;
    if (kind == static_cast<int>(NavKind::Home)) {
        if (browser_)
            browser_->GoHome();
    } else if (kind == static_cast<int>(NavKind::Url) && !url.empty()) {
        lastUrl_ = url;
        Navigate(url);
    } else {
        lastUrl_ = kAboutBlank;
        Navigate(kAboutBlank);
    }
}

void CQuorralView::OpenUrl(const std::string& url) {
    lastUrl_ = url;
    progress_ = kProgressStarted;
    Navigate(url);  // the window may be gone when it returns
}

void CQuorralView::Navigate(const std::string& url) {
    if (activeView_ && frame_.ActiveChild() == &child_)
        frame_.Widgets().address.SetText(url);
    if (browser_)
        browser_->Navigate2(url, 0, "", "", "");
}

void CQuorralView::ReuseIdleBlank() {
    progress_ = kProgressStarted;
    activatePending_ = true;
}

void CQuorralView::Inherit(const InheritedPageSettings& settings) {
    inherited_ = settings;
    progress_ = kProgressStarted;
}

// --- Tab image ----------------------------------------------------------------------------

bool CQuorralView::HasTab() const {
    return frame_.Windows().IndexOf(child_.Id()) >= 0;
}

void CQuorralView::ShowTabImage(int image) {
    tabImage_ = frame_.Windows().ShowImage(child_.Id(), image);
}

void CQuorralView::PostTabLayout(bool onlyForButtonTabs) {
    if (!onlyForButtonTabs || frame_.Options().tabStyle == kButtonTabStyle)
        frame_.Post(UM_TAB_LAYOUT);
}

// --- Engine events ------------------------------------------------------------------------

void CQuorralView::OnBeforeNavigate2(const BeforeNavigateArgs& args, bool&) {
    if (closing_)
        return;
    if (!args.url.starts_with("https")) {
        secure_ = false;
        if (activeView_)
            frame_.Indicators().SetSecure(false);
    }
    // Each step may activate the window, which may ask for its password: the window may be
    // gone when it returns, and with it this view.
    if (!ActivateIfPending())
        return;
    if (firstNavPending_)
        ShowFirstTime(args.url);
}

bool CQuorralView::ShouldActivate() const {
    const bool background = (child_.OpenFlags() & kOpenBackground) != 0;
    return !background && (frame_.Prefs().activeNew || child_.ActivationRequested());
}

bool CQuorralView::ActivateIfPending() {
    if (!activatePending_)
        return true;
    activatePending_ = false;
    if (ShouldActivate()) {
        const ChildId id = child_.Id();
        CMainFrame& frame = frame_;
        frame.ActivateChild(child_);
        if (!frame.Windows().Find(id))
            return false;
    }
    child_.ActivationDone();
    return true;
}

void CQuorralView::ShowFirstTime(const std::string& url) {
    if (ChildWindow* window = child_.Window())
        window->Show();
    firstNavPending_ = false;
    // Until the page tells its title the tab shows where it goes.
    frame_.AddTab(child_, -1, title_.empty() ? url : title_);
    // The first window of all is shown active whatever the settings say.
    if (ShouldActivate() || frame_.Windows().Count() == 1) {
        const ChildId id = child_.Id();
        CMainFrame& frame = frame_;
        frame.ActivateChild(child_);
        if (!frame.Windows().Find(id))
            return;
    }
    child_.FirstShown();
    ShowTabImage(kTabNew);
    PostTabLayout(true);
    // FIXME: UM_TAB_TIPS is posted here once the tab bar shows tooltips.
}

void CQuorralView::OnNavigateComplete2(const std::string&, FrameToken frame, bool) {
    if (!topFrame_)
        topFrame_ = frame;
}

void CQuorralView::OnDocumentComplete(const std::string& url, FrameToken frame, bool) {
    std::string location = browser_ ? browser_->LocationUrl() : std::string();
    if (location.empty())
        location = url;
    if (!location.empty())
        lastUrl_ = location;
    if (frame == topFrame_)
        topFrame_ = nullptr;
    if (topFrame_)
        return;
    progress_ = kProgressIdle;
    if (activeView_ && !location.empty()) {
        frame_.Widgets().address.SetText(location);
        frame_.Indicators().SetGlobalProgress(kProgressStarted);
    }
    SetFinalTabImage(true);
}

void CQuorralView::SetFinalTabImage(bool endSignal) {
    if (!HasTab())
        return;
    if (activeView_) {
        if (child_.Locked())
            ShowTabImage(kTabLocked);
        else if (child_.Protected())
            ShowTabImage(kTabProtected);
        else if (tabImage_ != kTabNew && tabImage_ != kTabRead)
            ShowTabImage(kTabRead);
    } else if (lastUrl_ != kAboutBlank && endSignal) {
        ShowTabImage(kTabUnread);
    }
}

void CQuorralView::OnNavigateError(const std::string&, FrameToken, int32_t, bool&) {}

void CQuorralView::OnTitleChange(const std::string& text) {
    child_.SetTitle(text);
    if (!frame_.App().Settings().Get(keys::ForbidMainTitle) && child_.Window())
        child_.Window()->SetText(child_.DisplayTitle());

    const std::string location = browser_ ? browser_->LocationUrl() : std::string();
    const bool changed = !location.empty() && location != lastUrl_;
    if (changed)
        lastUrl_ = location;
    if (!text.empty())
        title_ = text;

    frame_.Windows().ShowTitle(child_.Id(), text);
    if (changed && activeView_)
        frame_.Widgets().address.SetText(location);
    if (!frame_.Prefs().autoTab)
        PostTabLayout(false);
}

void CQuorralView::OnProgressChange(int32_t progressNow, int32_t progressMax) {
    const int old = progress_;
    if (progressMax <= 0 || progressNow < 0 || progressMax / 100 <= 0)
        progress_ = kProgressIdle;
    else
        progress_ = std::min(100, static_cast<int>(progressNow / (progressMax / 100)));
    if (activeView_)
        frame_.Indicators().SetGlobalProgress(progress_);

    const bool endSignal = IsEndSignal(progressNow, progressMax);
    const int oldImage = tabImage_;
    if (HasTab()) {
        if (progress_ >= 0) {
            const int loading = progress_ / kProgressPerLoadingImage + 1;
            if (loading != tabImage_)
                ShowTabImage(loading);
        } else {
            SetFinalTabImage(endSignal);
        }
        // Between no image and an image the tab's width changes, and with it the rows.
        if (old * progress_ <= 0 && oldImage * tabImage_ <= 0 && oldImage != tabImage_)
            PostTabLayout(true);
    }
    if (endSignal)
        MoveFocusAfterLoad();
}

void CQuorralView::MoveFocusAfterLoad() {
    if (!frame_.IsActive())
        return;
    CChildFrame* active = frame_.ActiveChild();
    if (!active)
        return;
    if (active == &child_ && active->View().Location() == kAboutBlank) {
        frame_.Widgets().address.Focus();
    } else if (!frame_.Widgets().address.HasFocus()) {
        frame_.App().Ports().loop.Post(active->Id(), UM_FOCUS_PAGE, 0, 0);
    }
}

void CQuorralView::OnStatusTextChange(const std::string& text) {
    if (activeView_)
        frame_.Indicators().SetStatusText(text);
}

void CQuorralView::OnCommandStateChange(int32_t, bool) {
    // FIXME: the Back and Forward commands take their states from here once they exist.
}

BrowserControl* CQuorralView::OnNewWindow2(bool& cancel) {
    NewChildRequest request;
    request.mode = ChildMode::NoNavigation;
    request.kind = NavKind::Blank;
    request.source = child_.Id();
    CChildFrame* opened = frame_.NewChild(request);
    if (!opened || !opened->View().Browser()) {
        cancel = true;
        return nullptr;
    }
    CQuorralView& view = opened->View();
    view.inherited_.dlFlags = inherited_.dlFlags;
    view.closing_ = false;
    view.progress_ = 0;
    view.opener_ = child_.Id();
    child_.RememberOpened(opened->Id(), frame_.App().Ports().clock.PerformanceCounter());
    return view.Browser();
}

}  // namespace lumbrel
