#include "filter/PopupFilter.h"

#include <utility>

#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "language/StringIds.h"
#include "view/CQuorralView.h"
#include "view/PageRules.h"

namespace lumbrel {
namespace {

constexpr char kAboutBlank[] = "about:blank";

int LogPrefixId(FilterEvent kind) {
    switch (kind) {
        case FilterEvent::AutoPopup:
            return IDS_AUTO_POPUP_FILTER_LOG;
        case FilterEvent::UserList:
            return IDS_USER_LIST_FILTER_LOG;
        case FilterEvent::Dialog:
            break;
    }
    return IDS_DIALOG_FILTER_LOG;
}

bool IsPage(const std::string& url) {
    return !url.empty() && url != kAboutBlank;
}

}  // namespace

// --- The dialogs as set -------------------------------------------------------------------

PopupConfirmAnswer PopupFilter::SwitchableDialogs::ConfirmPopup(const std::string& url) {
    return target ? target->ConfirmPopup(url) : PopupConfirmAnswer{};
}

PopupAddAnswer PopupFilter::SwitchableDialogs::AddToPopupFilter(const std::string& url) {
    return target ? target->AddToPopupFilter(url) : PopupAddAnswer{};
}

void PopupFilter::SwitchableDialogs::PlaySoundAsync(const std::string& path) {
    if (target)
        target->PlaySoundAsync(path);
}

// --- Basic --------------------------------------------------------------------------------

PopupFilter::PopupFilter(CMainFrame& frame, UrlFilter& filter, Collect collect)
    : frame_(frame),
      filter_(filter),
      collect_(std::move(collect)),
      confirmation_(frame.App().Ports().fs, dialogs_, filter,
                    frame.App().Directories().resource + "PopFilter.wav",
                    [&frame](bool notConfirm) {
                        frame.App().Settings().Write(keys::NotConfirmPopupFilter, notConfirm);
                    }) {}

AutoPopupSettings PopupFilter::AutoSettings() {
    const Preferences& prefs = frame_.Prefs();
    SettingsStore& settings = frame_.App().Settings();
    return AutoPopupSettings{
        .killPop = prefs.killPop != 0,
        .killAutoWin = prefs.killAutoWin != 0,
        .filterRefresh = settings.Get(keys::FilterRefresh) != 0,
        .outputSaveFilter = settings.Get(keys::OutputSaveFilter) != 0,
        .popupBound = prefs.PopupBound(),
    };
}

PopupConfirmation::Verdict PopupFilter::Confirm(const std::string& url, bool ask) {
    SettingsStore& settings = frame_.App().Settings();
    confirmation_.SetSettings(PopupConfirmSettings{
        .notConfirmPopupFilter = settings.Get(keys::NotConfirmPopupFilter) != 0,
        .playPopupFilterSound = settings.Get(keys::PlayPopupFilterSound) != 0,
    });
    return confirmation_.Decide(url, ask);
}

void PopupFilter::RecordFilterEvent(const std::string& url, FilterEvent kind) {
    ++popupFilteredCount_;
    if (collect_)
        collect_(frame_.Text(LogPrefixId(kind)) + url, kCollectorFilterKind);
}

// --- New windows --------------------------------------------------------------------------

std::string PopupFilter::LinkAt(CQuorralView& view, const PagePoint& point) {
    BrowserControl* browser = view.Browser();
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    return document ? document->LinkAt(point.x, point.y) : std::string();
}

NewWindowVerdict PopupFilter::OnNewWindow(CQuorralView& opener) {
    Clock& clock = frame_.App().Ports().clock;
    const ClickRecord& clicks = opener.Clicks();
    BrowserControl* browser = opener.Browser();
    OpenerState state{
        .closing = opener.IsClosing(),
        .counterNow = clock.PerformanceCounter(),
        .counterFrequency = clock.PerformanceFrequency(),
        .leftClickTime = clicks.leftClickTime,
        .leftClickArmed = clicks.leftClickArmed,
        .progress = opener.Progress(),
        .busy = browser && browser->Busy(),
        .lastButton = clicks.lastButton,
        .linkAtLeftClick = [&] { return LinkAt(opener, clicks.leftClickPoint); },
        .linkAtLastClick = [&] { return LinkAt(opener, clicks.lastClickPoint); },
    };
    const NewWindowDecision decision = AutoPopupRule::Decide(AutoSettings(), state);
    if (decision.newProgress)
        opener.Nav().progress = *decision.newProgress;
    if (decision.clearProgramScript)
        opener.Clicks().lastButton = LastButton::LeftOrOther;

    using Kind = NewWindowDecision::Kind;
    switch (decision.kind) {
        case Kind::Allow:
            return NewWindowVerdict{true, false};
        case Kind::AllowAndJudge:
            return NewWindowVerdict{true, true};
        case Kind::RefuseUncounted:
            break;
        case Kind::Refuse:
            ++popupFilteredCount_;
            if (frame_.App().Settings().Get(keys::PlayPopupFilterSound))
                dialogs_.PlaySoundAsync(frame_.App().Directories().resource + "PopFilter.wav");
            break;
    }
    return NewWindowVerdict{false, false};
}

// --- Navigations --------------------------------------------------------------------------

bool PopupFilter::KillDuplicate(CQuorralView& view, const std::string& url,
                                const std::string& normalized) {
    WindowOpeningState& opening = view.Opening();
    --opening.dupCheckBudget;
    const ChildId self = view.Child().Id();
    for (ChildId id : frame_.Windows().InOrder()) {
        CChildFrame* other = frame_.Windows().Find(id);
        if (id == self || !other || other->View().IsClosing() ||
            other->View().Location() != normalized)
            continue;
        // The engine's cancel page closes this window; the one the page meant comes forward.
        view.KillAsPopup(url, kProgressStarted, false);
        opening.dupCheckBudget = 0;
        frame_.ActivateChild(*other);
        return true;
    }
    return false;
}

bool PopupFilter::CheckNavigation(CQuorralView& view, const std::string& url,
                                  const std::string& normalizedUrl) {
    // A page navigated: a dialog emptied before it whose window never came is not waited for
    // any more, or it would close the next page's own dialog.
    if (normalizedUrl == view.Location())
        dialogKills_.Navigated();
    const Preferences& prefs = frame_.Prefs();
    if (!prefs.killPop)
        return false;
    WindowOpeningState& opening = view.Opening();
    if (prefs.killDupWin && opening.openedByPage && !opening.popupKilled &&
        opening.dupCheckBudget > 0 && IsPage(url) && KillDuplicate(view, url, normalizedUrl))
        return true;

    const FilterLists& lists = filter_.Lists();
    if (prefs.killListWin && IsPage(url) && normalizedUrl == view.Location() &&
        lists.IsPopupBlocked(url) && Confirm(url, false) == PopupConfirmation::Verdict::Filter) {
        view.KillAsPopup(url, kProgressStarted, true);
        RecordFilterEvent(url, FilterEvent::UserList);
        return true;
    }

    if (!opening.checkPopupAfterNav)
        return false;
    opening.checkPopupAfterNav = false;
    if (lists.InPopUnFilter(normalizedUrl))
        return false;
    if (Confirm(url, true) == PopupConfirmation::Verdict::AskLater) {
        // The window goes on loading while the user is asked.
        AskLater(view.Child().Id(), url);
        return false;
    }
    view.KillAsPopup(url, kProgressStarted, true);
    RecordFilterEvent(url, FilterEvent::AutoPopup);
    return true;
}

bool PopupFilter::CheckCompleted(CQuorralView& view, const std::string& url) {
    const Preferences& prefs = frame_.Prefs();
    if (!prefs.killPop || !prefs.killListWin || view.IsClosing() || view.Opening().popupKilled ||
        url.empty())
        return false;
    const std::string normalized = NormalizeLocalUrl(frame_.App().Ports().codePage, url);
    if (normalized != view.Location() || !filter_.Lists().IsPopupBlocked(normalized) ||
        Confirm(url, false) != PopupConfirmation::Verdict::Filter)
        return false;
    view.KillAsPopup(url, kProgressIdle, true);
    RecordFilterEvent(url, FilterEvent::UserList);
    return true;
}

// --- Script dialogs -----------------------------------------------------------------------

bool PopupFilter::FilterDialog(const std::string& url) {
    if (Confirm(url, true) == PopupConfirmation::Verdict::AskLater) {
        // The dialog opens as it is; the answer decides about the next one at this address.
        AskLater(kNoChild, url);
        return false;
    }
    RecordFilterEvent(url, FilterEvent::Dialog);
    dialogKills_.Added(frame_.App().Ports().clock.PerformanceCounter());
    return true;
}

bool PopupFilter::OnFrameDeactivated(bool ownedByFrame, std::string_view caption) {
    if (!frame_.Prefs().useDialogFilter)
        return false;
    Clock& clock = frame_.App().Ports().clock;
    return dialogKills_.OnDeactivate(clock.PerformanceCounter(), clock.PerformanceFrequency(),
                                     ownedByFrame, caption);
}

void PopupFilter::RefocusPage() {
    CChildFrame* active = frame_.ActiveChild();
    if (!active || active->View().Location() == kAboutBlank)
        return;
    if (BrowserControl* browser = active->View().Browser())
        browser->FocusPage();
}

// --- Questions put off --------------------------------------------------------------------

void PopupFilter::AskLater(ChildId child, const std::string& url) {
    questions_.push_back(Question{child, url});
    frame_.Post(UM_CONFIRM_POPUP);
}

void PopupFilter::OnConfirmPosted() {
    // One question at a time: a question's own message loop delivers the next message.
    if (asking_ || questions_.empty())
        return;
    const Question question = questions_.front();
    questions_.pop_front();
    if (question.child != kNoChild) {
        CChildFrame* child = frame_.Windows().Find(question.child);
        if (!child || child->View().IsClosing()) {
            // The window went by itself: nothing left to ask about.
            if (!questions_.empty())
                frame_.Post(UM_CONFIRM_POPUP);
            return;
        }
    }
    asking_ = true;
    const bool filter = confirmation_.AskNow(question.url);
    asking_ = false;
    if (filter && question.child != kNoChild) {
        CChildFrame* child = frame_.Windows().Find(question.child);
        if (child && !child->View().IsClosing()) {
            child->View().KillAsPopup(question.url, kProgressStarted, true);
            RecordFilterEvent(question.url, FilterEvent::AutoPopup);
        }
    }
    if (!questions_.empty())
        frame_.Post(UM_CONFIRM_POPUP);
}

// --- Commands -----------------------------------------------------------------------------

void PopupFilter::AddToPopupFilter(ChildId id) {
    CChildFrame* child = frame_.Windows().Find(id);
    if (!child)
        return;
    std::string url = child->View().GetLocation();
    if (url.empty())
        url = child->View().Location();
    if (!IsPage(url))
        return;
    const PopupAddAnswer answer = dialogs_.AddToPopupFilter(url);
    if (!answer.ok)
        return;
    filter_.AddToPopFilter(answer.text);
    if (!answer.closePage)
        return;
    // The dialog's message loop may have closed the window meanwhile.
    child = frame_.Windows().Find(id);
    if (child && !child->View().IsClosing())
        child->View().CloseWindow();
}

}  // namespace lumbrel
