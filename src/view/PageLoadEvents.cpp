#include "view/PageLoadEvents.h"

#include "base/LinkLike.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "view/CQuorralView.h"
#include "view/PageRules.h"
#include "view/PopupChecks.h"

namespace lumbrel {
namespace {

constexpr int kButtonTabStyle = 2;
// `BlankMonitorClip` 2 shows any clipboard text on a blank page, 1 only an address.
constexpr int kClipAnyText = 2;

// ProgressChange(0, 0): the engine's signal that the load is over.
bool IsEndSignal(int32_t now, int32_t max) {
    return now == 0 && max == 0;
}

}  // namespace

PageLoadEvents::PageLoadEvents(CQuorralView& view) : view_(view), frame_(view.Frame()) {}

void PageLoadEvents::PostTabLayoutForButtonTabs() {
    if (frame_.Options().tabStyle == kButtonTabStyle)
        frame_.Post(UM_TAB_LAYOUT);
}

// --- NavigateComplete2 --------------------------------------------------------------------

void PageLoadEvents::NavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) {
    view_.Nav().currentUrl = url;
    if (topLevel) {
        // Each top-level load marks its own document; a stopped or failed one never blocks
        // the next.
        view_.Nav().topFrameDisp = frame;
        view_.RecordHistoryEntry(url, "");
    }
    const std::string location = view_.GetLocation();
    if (CloseIfRefused(location) || view_.IsClosing())
        return;
    frame_.Windows().MarkChanged();
    CheckSecurity(location);
}

// A window whose navigation was refused as a popup, or that never showed, goes once the
// engine has shown its cancel page.
bool PageLoadEvents::CloseIfRefused(const std::string& location) {
    WindowOpeningState& opening = view_.Opening();
    ChildWindow* window = view_.Child().Window();
    const bool hidden = window && !window->IsVisible();
    if (opening.closing || location.empty() ||
        !((opening.popupKilled && opening.openedByPage) || hidden))
        return false;
    const bool close = (frame_.Widgets().window.IsVisible() && hidden) ||
                       IsCancelPageFor(location, opening.killedUrl);
    if (!close)
        return false;
    view_.CloseWindow();
    opening.popupKilled = false;
    return true;
}

void PageLoadEvents::CheckSecurity(const std::string& location) {
    if (!location.starts_with("https"))
        return;
    BrowserControl* browser = view_.Browser();
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    view_.Page().secure = document && IsPrivacyProtocol(document->Protocol());
    if (view_.IsActiveView())
        frame_.Indicators().SetSecure(view_.Page().secure);
}

// --- DocumentComplete ---------------------------------------------------------------------

void PageLoadEvents::DocumentComplete(const std::string& eventUrl, FrameToken, bool topLevel) {
    std::string url = view_.GetLocation();
    if (url.empty())
        url = eventUrl;
    if (!url.empty())
        view_.Nav().lastUrl = url;
    if (frame_.Prefs().killPop && !view_.IsClosing() && !view_.Opening().popupKilled &&
        !url.empty() && frame_.Services().Popups().CheckCompleted(view_, url))
        return;
    // Frames complete before their page; the shell's work waits for the page itself.
    if (!topLevel)
        return;
    view_.Nav().topFrameDisp = nullptr;
    view_.Nav().progress = kProgressIdle;
    if (view_.IsActiveView() && !url.empty()) {
        ShowCompletedAddress(url);
        frame_.Indicators().SetGlobalProgress(kProgressStarted);
    }
    ShowFinalImage(view_.Location() != kAboutBlank);
    if (view_.IsActiveView())
        view_.Tools().OnLoadEvent();
    PostTabLayoutForButtonTabs();
    if (frame_.Prefs().lockHomepage)
        frame_.Services().Homepage().Enforce();
    FinishedPageSettings();
}

void PageLoadEvents::ShowCompletedAddress(const std::string& url) {
    AddressBox& address = frame_.Widgets().address;
    const int clipMode = frame_.App().Settings().Get(keys::BlankMonitorClip);
    if (clipMode && url == kAboutBlank) {
        const std::string clip = frame_.App().Ports().shell.ClipboardText();
        if (!clip.empty() && (clipMode == kClipAnyText || IsLinkLike(clip))) {
            address.SetText(clip);
            return;
        }
    }
    address.SetText(url);
}

void PageLoadEvents::FinishedPageSettings() {
    const Preferences& prefs = frame_.Prefs();
    BrowserControl* browser = view_.Browser();
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    // Windows a page opened always get scroll bars, whatever the page asked for.
    if (document && view_.OpenedByPage())
        document->SetBodyScroll("yes");
    if (document && prefs.autoSetBG)
        document->ForceBackground(prefs.bgColor);
    PageExtensions& extensions = frame_.Services().Extensions();
    const ChildId id = view_.Child().Id();
    const bool reloadImages = prefs.reloadUnShownImage && view_.Location() != kAboutBlank;
    if (prefs.autoRunExternal && !view_.Opening().externalRunDone) {
        view_.Opening().externalRunDone = true;
        extensions.RunAutoTools(view_.Child());
    }
    // The tools may have run the message loop, and the window may be gone.
    if (CChildFrame* child = frame_.Windows().Find(id); child && reloadImages)
        extensions.ReloadUnshownImages(*child);
}

void PageLoadEvents::ShowFinalImage(bool unread) {
    if (!view_.HasTab())
        return;
    CChildFrame& child = view_.Child();
    const int image = view_.TabImageShown();
    if (view_.IsActiveView()) {
        if (child.Locked())
            view_.ShowTabImage(kTabLocked);
        else if (child.Protected())
            view_.ShowTabImage(kTabProtected);
        else if (image != kTabNew && image != kTabRead)
            view_.ShowTabImage(kTabRead);
    } else if (unread) {
        view_.ShowTabImage(kTabUnread);
    }
}

// --- TitleChange --------------------------------------------------------------------------

void PageLoadEvents::TitleChange(const std::string& text) {
    CChildFrame& child = view_.Child();
    child.SetTitle(text);
    if (!frame_.App().Settings().Get(keys::ForbidMainTitle) && child.Window())
        child.Window()->SetText(child.DisplayTitle());

    const std::string location = view_.GetLocation();
    const bool changed = !location.empty() && location != view_.Location();
    if (changed)
        view_.Nav().lastUrl = location;
    if (!text.empty())
        view_.Nav().title = text;
    view_.RecordHistoryEntry(view_.Location(), view_.Nav().title);

    frame_.Windows().ShowTitle(child.Id(), text);
    if (changed && view_.IsActiveView())
        frame_.Widgets().address.SetText(location);
    if (!frame_.Prefs().autoTab)
        frame_.Post(UM_TAB_LAYOUT);
}

// --- ProgressChange -----------------------------------------------------------------------

void PageLoadEvents::ProgressChange(int32_t progressNow, int32_t progressMax) {
    const int old = view_.Progress();
    const int progress = ProgressPercent(progressNow, progressMax);
    view_.Nav().progress = progress;
    if (view_.IsActiveView())
        frame_.Indicators().SetGlobalProgress(progress);
    if (view_.IsActiveView())
        view_.Tools().OnLoadEvent();

    const bool endSignal = IsEndSignal(progressNow, progressMax);
    const int oldImage = view_.TabImageShown();
    if (view_.HasTab()) {
        if (progress >= 0) {
            const int loading = LoadingImage(progress);
            if (loading != oldImage)
                view_.ShowTabImage(loading);
        } else {
            ShowFinalImage(endSignal && view_.Location() != kAboutBlank);
        }
        const int newImage = view_.TabImageShown();
        // Between no image and an image the tab's width changes, and with it the rows.
        if (old * progress <= 0 && oldImage * newImage <= 0 && oldImage != newImage)
            PostTabLayoutForButtonTabs();
    }
    if (!endSignal)
        return;
    MoveFocusAfterLoad();
    const Preferences& prefs = frame_.Prefs();
    const bool floatingAds = prefs.useFlyingFilter != 0;
    const bool cleanUp = prefs.killBlank && prefs.useUrlFilter;
    if (view_.Location() != kAboutBlank && (floatingAds || cleanUp))
        frame_.Services().Extensions().FilterLoadedPage(view_.Child(), floatingAds, cleanUp);
}

void PageLoadEvents::MoveFocusAfterLoad() {
    if (!frame_.IsActive())
        return;
    CChildFrame* active = frame_.ActiveChild();
    if (!active)
        return;
    if (active == &view_.Child() && active->View().Location() == kAboutBlank) {
        frame_.Widgets().address.Focus();
    } else if (!frame_.Widgets().address.HasFocus() && frame_.Widgets().window.IsForeground()) {
        frame_.App().Ports().loop.Post(active->Id(), UM_FOCUS_PAGE, 0, 0);
    }
}

// --- StatusTextChange ---------------------------------------------------------------------

void PageLoadEvents::StatusTextChange(const std::string& text) {
    if (!view_.IsActiveView())
        return;
    if (frame_.Prefs().disScrollText && !text.empty() && !PassesScrollTextFilter(text))
        return;
    frame_.Indicators().SetStatusText(text);
}

}  // namespace lumbrel
