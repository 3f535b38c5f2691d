#include "view/NavigationPolicy.h"

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"
#include "view/CQuorralView.h"
#include "view/ExternalHandOff.h"
#include "view/PageRules.h"
#include "view/PopupChecks.h"
#include "view/UrlZone.h"

namespace lumbrel {
namespace {

constexpr int kButtonTabStyle = 2;
// A spoofing address hides its real host behind a \x01 before the "@".
constexpr char kSpoofMarker = '\x01';
// Target names the engine makes up for unnamed windows.
constexpr std::string_view kUnnamedTarget = "No__Name";

bool ShowsLoading(const std::string& url) {
    return url.starts_with("http:") || url.starts_with("file:") ||
           (url.size() >= 2 && url[1] == ':');
}

}  // namespace

NavigationPolicy::NavigationPolicy(CQuorralView& view)
    : view_(&view), frame_(view.Frame()), id_(view.Child().Id()) {}

CQuorralView* NavigationPolicy::Alive() {
    CChildFrame* child = frame_.Windows().Find(id_);
    view_ = child && !child->View().IsClosing() ? &child->View() : nullptr;
    return view_;
}

void NavigationPolicy::BeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) {
    if (view_->IsClosing()) {
        cancel = true;
        return;
    }
    RunSteps(args, cancel);
    // However the steps ended, the navigation the program started is over: what follows is
    // the page's own doing (a navigation handed elsewhere must not vouch for the next one).
    if (CChildFrame* child = frame_.Windows().Find(id_))
        child->View().Opening().programmaticNav = false;
}

void NavigationPolicy::RunSteps(const BeforeNavigateArgs& args, bool& cancel) {
    CQuorralView& view = *view_;
    const std::string& url = args.url;
    view.Nav().currentUrl = url;
    // A new page load begins: whatever the last one marked is over, finished or not.
    if (args.topLevel)
        view.Nav().topFrameDisp = nullptr;
    if (ConfirmSpoofing(args, cancel) == Step::Stop ||
        ReuseTargetWindow(args, cancel) == Step::Stop)
        return;
    if (view_->Opening().forbidNavigate) {
        cancel = true;
        return;
    }
    if (HandOff(args, cancel) == Step::Stop)
        return;

    view_->Opening().externalRunDone = false;
    frame_.Services().RecordNavigation(url);
    const std::string normalized = NormalizeLocalUrl(frame_.App().Ports().codePage, url);
    if (args.topLevel) {
        ApplyZoneRule(normalized);
        frame_.Services().Popups().OnPageNavigation(view);
    }
    if (GuardRepeatedClick(url, cancel) == Step::Stop ||
        OpenInNewWindow(args, normalized, cancel) == Step::Stop)
        return;
    view_->Opening().programmaticNav = false;
    if (CheckPopups(url, normalized, cancel) == Step::Stop)
        return;
    UpdateSecurity(url);
    // Activating a protected window asks for its password, and the window may go meanwhile.
    if (!ActivateIfPending() ||
        (!view_->Opening().popupKilled && view_->Opening().firstNavPending && !ShowFirstTime(url)))
        cancel = true;
}

// --- Before anything else -----------------------------------------------------------------

NavigationPolicy::Step NavigationPolicy::ConfirmSpoofing(const BeforeNavigateArgs& args,
                                                         bool& cancel) {
    // A frame's address is not shown as the page's: only the top level can spoof.
    if (!args.topLevel)
        return Step::Continue;
    const std::string& url = args.url;
    if (url.find(kSpoofMarker) == std::string::npos || url.find('@') == std::string::npos) {
        view_->Nav().locationOverride = false;
        return Step::Continue;
    }
    if (frame_.Prefs().confirmUnsafePage) {
        const std::string question =
            url + "\r\n\r\n" + frame_.Text(IDS_SPOOFING_URL) + frame_.Text(IDS_ASK_BROWSE);
        const MsgResult answer =
            frame_.App().Ports().ui.MessageBox(question, MsgButtons::YesNo, MsgIcon::Question);
        // The box ran the message loop: the page or a close request may have ended the window.
        if (!Alive()) {
            cancel = true;
            return Step::Stop;
        }
        if (answer != MsgResult::Yes) {
            cancel = true;
            view_->CloseWindow();
            return Step::Stop;
        }
    }
    view_->Nav().locationOverride = true;
    view_->Nav().lastUrl = url;
    return Step::Continue;
}

NavigationPolicy::Step NavigationPolicy::ReuseTargetWindow(const BeforeNavigateArgs& args,
                                                           bool& cancel) {
    const std::string& name = args.targetFrame;
    // A frame's own name ("main", "content") names a frame of this page, not a window.
    if (!args.topLevel || !frame_.Prefs().useTargetFrameName || name.empty() ||
        name.find(kUnnamedTarget) != std::string::npos)
        return Step::Continue;
    CQuorralView* found = nullptr;
    const std::vector<ChildId> order = frame_.Windows().InOrder();
    for (auto it = order.rbegin(); it != order.rend() && !found; ++it) {
        CChildFrame* other = frame_.Windows().Find(*it);
        if (other && *it != id_ && !other->View().IsClosing() &&
            other->View().Nav().targetName == name)
            found = &other->View();
    }
    const bool brandNew = view_->Child().OpenFlags() == 0 && view_->Nav().lastUrl.empty();
    if (!found || !brandNew) {
        view_->Nav().targetName = name;
        return Step::Continue;
    }
    cancel = true;
    view_->CloseWindow();
    found->Navigate2(NavigateRequest{args.url, args.flags, "", args.headers, args.postData});
    return Step::Stop;
}

NavigationPolicy::Step NavigationPolicy::HandOff(const BeforeNavigateArgs& args, bool& cancel) {
    const std::string& url = args.url;
    // The download manager may ask something, and the window may go meanwhile.
    const bool downloaded = frame_.Services().Extensions().TakeDownload(view_->Child(), url);
    if (downloaded || !Alive()) {
        cancel = true;
        return Step::Stop;
    }
    // Other programs are started only for the window's own page, never for a frame's.
    if (!args.topLevel)
        return Step::Continue;
    ExternalHandOff handOff(frame_.App());
    if (IsFtpAddress(url) && !frame_.App().Ports().ui.CtrlHeld()) {
        // Cancelled first: a failure box may run the message loop, and nothing of this view is
        // touched once it returns.
        cancel = true;
        if (handOff.OpenFtp(url) != ExternalHandOff::Result::NotTaken)
            return Step::Stop;
        cancel = false;
    }
    // A page's link to a server's share stays with the engine and its zone rules; an address
    // the program opened for the user may name one.
    const bool programmatic = view_->Opening().programmaticNav;
    if (UserInitiated() && handOff.OpenFolder(url, programmatic)) {
        cancel = true;
        return Step::Stop;
    }
    return Step::Continue;
}

// The program started the navigation for the user, or the user clicked a moment ago.
bool NavigationPolicy::UserInitiated() {
    if (view_->Opening().programmaticNav)
        return true;
    const double seconds = view_->SecondsSinceLeftClick();
    return seconds >= 0 && seconds < frame_.Prefs().PopupBound();
}

void NavigationPolicy::ApplyZoneRule(const std::string& normalized) {
    const int downAll = frame_.App().Settings().Get(keys::DownAll);
    DownloadFlags& flags = view_->MutableFlags();
    if ((downAll != 1 && downAll != 2) || flags.dlFlagsFixed)
        return;
    const std::optional<LanPrefix> lan = frame_.Services().LocalNetwork();
    const std::string& lastUrl = view_->Nav().lastUrl;
    const ZoneAction action = ZoneRule(downAll, IsSamePage(normalized, lastUrl),
                                       ZoneOfUrl(normalized, lan), ZoneOfUrl(lastUrl, lan));
    const int before = flags.dlFlags;
    flags.Apply(action);
    view_->ApplyDownloadFlagsIfChanged(before);
}

// --- Links and new windows ----------------------------------------------------------------

NavigationPolicy::Step NavigationPolicy::GuardRepeatedClick(const std::string& url, bool& cancel) {
    std::string& justOpened = view_->Opening().justOpenedUrl;
    const bool repeat = !justOpened.empty() && url == justOpened;
    justOpened.clear();
    const double seconds = view_->SecondsSinceLeftClick();
    if (repeat && seconds > 0 && seconds < frame_.Prefs().PopupBound()) {
        cancel = true;
        return Step::Stop;
    }
    return Step::Continue;
}

NavigationPolicy::Step NavigationPolicy::OpenInNewWindow(const BeforeNavigateArgs& args,
                                                         const std::string& normalized,
                                                         bool& cancel) {
    const Preferences& prefs = frame_.Prefs();
    WindowOpeningState& opening = view_->Opening();
    if (!prefs.linkInNewWindow && !view_->Child().Locked() && opening.pendingOpenMode == 0)
        return Step::Continue;
    if (view_->Clicks().leftClickTime == 0 || !args.postData.empty())
        return Step::Continue;
    const double seconds = view_->SecondsSinceLeftClick();
    if (seconds <= 0 || seconds >= prefs.PopupBound()) {
        view_->Clicks().leftClickTime = 0;  // a page-driven navigation long after the click
        return Step::Continue;
    }
    // What the program opens in this window stays here; nor is the window's own navigation
    // ever its own duplicate.
    if (opening.programmaticNav)
        return Step::Continue;
    if (prefs.killPop && prefs.killDupWin) {
        for (ChildId id : frame_.Windows().InOrder()) {
            CChildFrame* other = frame_.Windows().Find(id);
            if (id == id_ || !other || other->View().IsClosing() ||
                other->View().Location() != normalized)
                continue;
            cancel = true;
            frame_.ActivateChild(*other);
            return Step::Stop;
        }
    }
    if (IsJumpWithinPage(args.url, view_->Nav().lastUrl) || HasRefusedScheme(args.url)) {
        opening.pendingOpenMode = 0;
        return Step::Continue;
    }
    cancel = true;
    if (!OpenWindowFor(args.url)) {
        if (!Alive())
            return Step::Stop;
        cancel = false;
        view_->Opening().pendingOpenMode = 0;
        return Step::Continue;
    }
    if (Alive())
        view_->Opening().justOpenedUrl = args.url;
    return Step::Stop;
}

// Opens `url` in a window of its own for this view; false when none could be made.
bool NavigationPolicy::OpenWindowFor(const std::string& url) {
    const int mode = view_->Opening().pendingOpenMode;
    const bool background = (mode & kOpenBackground) != 0;
    NewChildRequest request;
    request.mode = ChildMode::NoNavigation;
    request.kind = NavKind::Blank;
    request.source = id_;
    view_->Opening().pendingOpenMode = 0;
    CChildFrame* opened = frame_.NewChild(request);
    // Making a window may have run the message loop.
    if (!opened || !Alive())
        return opened != nullptr;
    CQuorralView& view = opened->View();
    view.MutableFlags().Inherit(view_->Flags().userDlFlags);
    view.Opening().openedByPage = false;
    view.Opening().programmaticNav = true;
    view.SetActiveView(!background && (frame_.Prefs().activeNew || (mode & kOpenForeground)));
    opened->SetOpenFlags(mode);
    // Asked for after creation: a window asked to activate would show before its navigation.
    opened->Reopen(ChildOpening{(mode & kOpenForeground) != 0, opened->Placement()});
    view.Nav().progress = 0;
    view.OpenUrl(url);
    return true;
}

// --- Popups and what the window shows -----------------------------------------------------

NavigationPolicy::Step NavigationPolicy::CheckPopups(const std::string& url,
                                                     const std::string& normalized, bool& cancel) {
    const Preferences& prefs = frame_.Prefs();
    if (!prefs.killPop)
        return Step::Continue;
    // The list check looks at a window the program opened for this very address, the
    // duplicate check at the first navigations of a window a page opened.
    const WindowOpeningState& opening = view_->Opening();
    const bool page = !url.empty() && url != kAboutBlank;
    const bool listChecked = prefs.killListWin && page && normalized == view_->Location();
    const bool duplicateChecked = prefs.killDupWin && page && opening.dupCheckBudget > 0 &&
                                  !opening.popupKilled && opening.openedByPage;
    const bool killed = frame_.Services().Popups().CheckNavigation(*view_, url, normalized);
    // The confirmation may have run the message loop.
    if (!Alive()) {
        cancel = true;
        return Step::Stop;
    }
    if (killed) {
        cancel = true;
        view_->Opening().checkPopupAfterNav = false;
        return Step::Continue;
    }
    if (listChecked || duplicateChecked) {
        view_->Nav().progress = 0;
        ShowLoading(url);
    }
    return Step::Continue;
}

void NavigationPolicy::ShowLoading(const std::string& url) {
    if (!view_->IsActiveView() || !ShowsLoading(url))
        return;
    const int progress = view_->Nav().progress;
    frame_.Indicators().SetGlobalProgress(progress);
    view_->ShowTabImage(LoadingImage(progress));
}

void NavigationPolicy::UpdateSecurity(const std::string& url) {
    if (url.starts_with("https"))
        return;
    view_->Page().secure = false;
    if (view_->IsActiveView())
        frame_.Indicators().SetSecure(false);
}

bool NavigationPolicy::ShouldActivate() {
    CChildFrame& child = view_->Child();
    const bool background = (child.OpenFlags() & kOpenBackground) != 0;
    return !background && (frame_.Prefs().activeNew || child.ActivationRequested());
}

bool NavigationPolicy::ActivateIfPending() {
    WindowOpeningState& opening = view_->Opening();
    if (!opening.activatePending)
        return true;
    opening.activatePending = false;
    if (opening.popupKilled)
        return true;
    if (ShouldActivate()) {
        frame_.ActivateChild(view_->Child());
        if (!Alive())
            return false;
    }
    view_->Child().ActivationDone();
    return true;
}

bool NavigationPolicy::ShowFirstTime(const std::string& url) {
    CChildFrame& child = view_->Child();
    if (ChildWindow* window = child.Window())
        window->Show();
    view_->Opening().firstNavPending = false;
    // Until the page tells its title the tab shows where it goes.
    const std::string& title = view_->Nav().title;
    frame_.AddTab(child, -1, title.empty() ? url : title);
    // The first window of all is shown active whatever the settings say.
    if (ShouldActivate() || frame_.Windows().Count() == 1) {
        frame_.ActivateChild(child);
        if (!Alive())
            return false;
    }
    view_->Child().FirstShown();
    view_->ShowTabImage(kTabNew);
    if (frame_.Options().tabStyle == kButtonTabStyle)
        frame_.Post(UM_TAB_LAYOUT);
    frame_.Post(UM_TAB_TIPS);
    return true;
}

}  // namespace lumbrel
