#include "view/CQuorralView.h"

#include <algorithm>

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

CQuorralView::CQuorralView(CMainFrame& frame, CChildFrame& child, const ViewSettings& settings)
    : dlFlags(settings.defaultProperty),
      userDlFlags(settings.defaultProperty),
      fontSize(settings.defFontSize),
      frame_(frame),
      child_(child),
      defaultWebProxy_(settings.defaultWebProxy) {}

// --- Navigation ---------------------------------------------------------------------------

void CQuorralView::InitialNavigate(int kind, const std::string& url) {
    programmaticNav = true;
    if (kind == 1) {
        if (browser_)
            browser_->GoHome();
    } else if (kind == 2 && !url.empty()) {
        lastUrl = url;
        Navigate(url);
    } else {
        lastUrl = kAboutBlank;
        Navigate(kAboutBlank);
    }
    webProxyTemplate = defaultWebProxy_;
}

void CQuorralView::OpenUrl(const std::string& url) {
    lastUrl = url;
    programmaticNav = true;
    Navigate(url);
    progress = -1;
}

void CQuorralView::Navigate(const std::string& url) {
    if (activeView && frame_.ActiveChild() == &child_ && frame_.HasWidgets())
        frame_.Widgets().address.SetText(url);
    if (browser_)
        browser_->Navigate2(url, 0, "", "", "");
}

// --- Engine events ------------------------------------------------------------------------

void CQuorralView::OnBeforeNavigate2(const BeforeNavigateArgs& args, bool&) {
    if (closing)
        return;
    currentUrl = args.url;
    programmaticNav = false;
    if (!StartsWith(args.url, "https")) {
        secure = false;
        if (activeView)
            frame_.SetSecure(false);
    }
    ActivateIfPending();
    if (!popupKilled && firstNavPending)
        ShowFirstTime(args.url);
}

bool CQuorralView::ShouldActivate() const {
    const bool background = (child_.openFlags & kOpenBackground) != 0;
    return !background && (frame_.Prefs().activeNew || child_.activateFlag);
}

void CQuorralView::ActivateIfPending() {
    if (!popupKilled && activatePending && ShouldActivate())
        frame_.ActivateChild(child_);
    if (activatePending)
        child_.activateFlag = 0;
    activatePending = false;
}

void CQuorralView::ShowFirstTime(const std::string& url) {
    if (ChildWindow* window = child_.Window())
        window->Show();
    firstNavPending = false;
    // Until the page tells its title the tab shows where it goes.
    const int index = frame_.AddTab(child_, -1, title.empty() ? url : title);
    // The first window of all is shown active whatever the settings say.
    if (ShouldActivate() || frame_.WindowCount() == 1)
        frame_.ActivateChild(child_);
    child_.activateFlag = 0;
    child_.openFlags = 0;
    tabImage =
        frame_.SetTabImage(frame_.FindTab(child_) >= 0 ? frame_.FindTab(child_) : index, kTabNew);
    if (frame_.Options().tabStyle == 2)
        frame_.Post(UM_TAB_LAYOUT);
    frame_.Post(UM_TAB_TIPS);
}

void CQuorralView::OnNavigateComplete2(const std::string& url, FrameToken frame, bool) {
    currentUrl = url;
    if (!topFrame_)
        topFrame_ = frame;
}

void CQuorralView::OnDocumentComplete(const std::string& url, FrameToken frame, bool) {
    std::string location = browser_ ? browser_->LocationUrl() : std::string();
    if (location.empty())
        location = url;
    if (!location.empty())
        lastUrl = location;
    if (frame == topFrame_)
        topFrame_ = nullptr;
    if (topFrame_)
        return;
    progress = -10;
    if (activeView && !location.empty()) {
        frame_.Widgets().address.SetText(location);
        frame_.SetGlobalProgress(-1);
    }
    SetFinalTabImage(true);
}

void CQuorralView::SetFinalTabImage(bool endSignal) {
    const int index = frame_.FindTab(child_);
    if (index < 0)
        return;
    if (activeView) {
        if (child_.locked)
            tabImage = frame_.SetTabImage(index, kTabLocked);
        else if (child_.protectedWindow)
            tabImage = frame_.SetTabImage(index, kTabProtected);
        else if (tabImage != kTabNew && tabImage != kTabRead)
            tabImage = frame_.SetTabImage(index, kTabRead);
    } else if (lastUrl != kAboutBlank && endSignal) {
        tabImage = frame_.SetTabImage(index, kTabUnread);
    }
}

void CQuorralView::OnNavigateError(const std::string&, FrameToken, int32_t, bool&) {}

void CQuorralView::OnTitleChange(const std::string& text) {
    child_.title = text;
    if (!frame_.App().Settings().Get(keys::ForbidMainTitle) && child_.Window())
        child_.Window()->SetText(child_.DisplayTitle());

    const std::string location = browser_ ? browser_->LocationUrl() : std::string();
    const bool changed = !location.empty() && location != lastUrl;
    if (changed)
        lastUrl = location;
    if (!text.empty())
        title = text;

    const int index = frame_.FindTab(child_);
    if (index >= 0 && child_.fixedTitle.empty()) {
        const std::string caption =
            frame_.Options().showIndex ? std::to_string(index + 1) + "-" + text : text;
        frame_.SetTabText(index, caption);
    }
    if (changed && activeView)
        frame_.Widgets().address.SetText(location);
    if (!frame_.Prefs().autoTab)
        frame_.Post(UM_TAB_LAYOUT);
}

void CQuorralView::OnProgressChange(int32_t progressNow, int32_t progressMax) {
    const int old = progress;
    if (progressMax <= 0 || progressNow < 0 || progressMax / 100 <= 0)
        progress = -10;
    else
        progress = std::min(100, static_cast<int>(progressNow / (progressMax / 100)));
    if (activeView)
        frame_.SetGlobalProgress(progress);

    const bool endSignal = progressNow == 0 && progressMax == 0;
    const int index = frame_.FindTab(child_);
    const int oldImage = tabImage;
    if (index >= 0) {
        if (progress >= 0) {
            const int loading = progress / 34 + 1;
            if (loading != tabImage)
                tabImage = frame_.SetTabImage(index, loading);
        } else {
            SetFinalTabImage(endSignal);
        }
        if (old * progress <= 0 && oldImage * tabImage <= 0 && oldImage != tabImage &&
            frame_.Options().tabStyle == 2)
            frame_.Post(UM_TAB_LAYOUT);
    }
    if (endSignal)
        MoveFocusAfterLoad();
}

void CQuorralView::MoveFocusAfterLoad() {
    if (!frame_.IsActive() || !frame_.HasWidgets())
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
    if (activeView)
        frame_.SetStatusText(text);
}

void CQuorralView::OnCommandStateChange(int32_t command, bool enabled) {
    if (command == 1)
        forwardEnabled = enabled;
    if (command == 2)
        backEnabled = enabled;
}

BrowserControl* CQuorralView::OnNewWindow2(bool& cancel) {
    CChildFrame* opened = frame_.NewChild(ChildMode::NoNavigation, NavKind::Blank, "", this, false);
    if (!opened || !opened->View().Browser()) {
        cancel = true;
        return nullptr;
    }
    CQuorralView& view = opened->View();
    view.dlFlags = dlFlags;
    view.openedByPage = true;
    view.popupKilled = false;
    view.closing = false;
    view.progress = 0;
    view.openerTabIndex = frame_.FindTab(child_);
    child_.lastOpened = opened->Id();
    child_.lastOpenedTime = frame_.App().Ports().clock.PerformanceCounter();
    return view.Browser();
}

}  // namespace lumbrel
