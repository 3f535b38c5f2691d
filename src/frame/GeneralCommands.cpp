#include "frame/GeneralCommands.h"

#include "address/QuickKeys.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "frame/RefreshCommands.h"
#include "language/LanguageChoice.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

// The preferences the toggle commands flip.
struct PreferenceToggle {
    int id;
    int Preferences::*field;
};
constexpr PreferenceToggle kPreferenceToggles[] = {
    {IDM_ACTIVATE_NEW_WINDOW, &Preferences::activeNew},
    {IDM_OPEN_LINKS_IN_NEW_WINDOW, &Preferences::linkInNewWindow},
    {IDM_AUTO_BG_COLOR, &Preferences::autoSetBG},
};

int Preferences::*ToggledField(int id) {
    for (const PreferenceToggle& toggle : kPreferenceToggles)
        if (toggle.id == id)
            return toggle.field;
    return nullptr;
}

}  // namespace

using G = GeneralCommands;
const G::Row G::kRows[] = {
    {IDM_ACTIVATE_NEW_WINDOW, IDM_ACTIVATE_NEW_WINDOW, &G::TogglePreference, &G::PreferenceState},
    {IDM_OPEN_LINKS_IN_NEW_WINDOW, IDM_OPEN_LINKS_IN_NEW_WINDOW, &G::TogglePreference,
     &G::PreferenceState},
    {IDM_AUTO_BG_COLOR, IDM_AUTO_BG_COLOR, &G::TogglePreference, &G::PreferenceState},
    {IDM_NEW_TO_NEXT, IDM_NEW_TO_NEXT, &G::NewToNext, &G::NewToNextState},
    {IDM_WORK_OFFLINE, IDM_WORK_OFFLINE, &G::ToggleWorkOffline, &G::WorkOfflineState},
    {IDM_STOP_OPEN_WINDOWS, IDM_STOP_OPEN_WINDOWS, &G::StopOpenWindows, &G::StopOpenWindowsState},
    {IDM_MOUSE_GESTURE, IDM_MOUSE_GESTURE, &G::ToggleMouseMode, &G::MouseModeState},
    {IDM_MOUSE_DRAG_PAGE, IDM_MOUSE_DRAG_PAGE, &G::ToggleMouseMode, &G::MouseModeState},
    {IDM_VIEW_TAB_BAR, IDM_VIEW_TAB_BAR, &G::ToggleBand, &G::BandState},
    {IDM_VIEW_ADDRESS_BAR, IDM_VIEW_ADDRESS_BAR, &G::ToggleBand, &G::BandState},
    {IDM_VIEW_LINKS_BAR, IDM_VIEW_LINKS_BAR, &G::ToggleBand, &G::BandState},
    {IDM_VIEW_SEARCH_BAR, IDM_VIEW_SEARCH_BAR, &G::ToggleBand, &G::BandState},
    {IDM_QUICK_KEY_FIRST, IDM_QUICK_KEY_LAST, &G::QuickKey, nullptr},
    {IDM_UP, IDM_UP, &G::AddressCommand, nullptr},
    {IDM_UP_LEVEL_FIRST, IDM_UP_LEVEL_LAST, &G::AddressCommand, nullptr},
    {IDM_OPEN, IDM_OPEN, &G::AddressCommand, nullptr},
    {IDM_CLEAN_TYPED_ADDRESS, IDM_CLEAN_TYPED_ADDRESS, &G::AddressCommand, nullptr},
    {IDM_URL_ALIAS, IDM_URL_ALIAS, &G::AddressCommand, nullptr},
    {IDM_QUICK_KEY, IDM_QUICK_KEY, &G::AddressCommand, nullptr},
    {IDM_SHOW_HIDE, IDM_SHOW_HIDE, &G::ShowHide, nullptr},
    {IDM_APP_EXIT, IDM_APP_EXIT, &G::Exit, nullptr},
    {IDM_FOCUS_ADDRESS, IDM_FOCUS_ADDRESS, &G::FocusAddress, nullptr},
    {IDM_SELECT_LANGUAGE, IDM_SELECT_LANGUAGE, &G::SelectLanguage, nullptr},
    {IDM_UNDO_CLOSE, IDM_UNDO_CLOSE, &G::UndoClose, &G::UndoCloseState},
    {IDM_UNDO_CLOSE_ITEM_FIRST, IDM_UNDO_CLOSE_ITEM_LAST, &G::ReopenClosed, nullptr},
    {IDM_CLEAN_UNDO_CLOSE, IDM_CLEAN_UNDO_CLOSE, &G::CleanUndoClose, nullptr},
    {IDM_PAGE_MANAGER, IDM_PAGE_MANAGER, &G::OpenPageManager, nullptr},
    {IDM_CURRENT_VISITING_PAGES, IDM_CURRENT_VISITING_PAGES, &G::OpenPageManager, nullptr},
    {IDM_SET_UNDO_CLOSE, IDM_SET_UNDO_CLOSE, &G::OpenPageManager, nullptr},
    {IDM_AUTO_REFRESH, IDM_AUTO_REFRESH, &G::ToggleAutoRefresh, &G::AutoRefreshState},
    {IDM_TAB_AUTO_REFRESH, IDM_TAB_AUTO_REFRESH, &G::ToggleAutoRefresh, nullptr},
    {IDM_SET_REFRESH, IDM_SET_REFRESH, &G::SetRefreshFrequency, nullptr},
    {IDM_TAB_SET_REFRESH, IDM_TAB_SET_REFRESH, &G::SetRefreshFrequency, nullptr},
    {IDM_KILL_POPUP, IDM_KILL_POPUP, &G::Filter, &G::FilterState},
    {IDM_ADD_TO_POPUP_FILTER, IDM_ADD_TO_POPUP_FILTER, &G::AddToPopupFilter, nullptr},
    {IDM_TAB_TO_POPUP_FILTER, IDM_TAB_TO_POPUP_FILTER, &G::AddToPopupFilter, nullptr},
    {IDM_FILTER_DIALOG_ADS, IDM_FILTER_DIALOG_ADS, &G::Filter, &G::FilterState},
    {IDM_FILTER_AD_CONTENT, IDM_FILTER_AD_CONTENT, &G::Filter, &G::FilterState},
    {IDM_ENABLE_FILTER, IDM_ENABLE_FILTER, &G::Filter, &G::FilterState},
    {IDM_FILTER_FLYING_ADS, IDM_FILTER_FLYING_ADS, &G::Filter, &G::FilterState},
    {IDM_ADD_TO_CONTENT_FILTER, IDM_ADD_TO_CONTENT_FILTER, &G::Filter, &G::FilterState},
};

GeneralCommands::GeneralCommands(CMainFrame& frame) : CommandTable(kRows), frame_(frame) {}

// --- The filter switches ------------------------------------------------------------------

void GeneralCommands::Filter(const CommandCall& call) {
    frame_.Filters().Run(call.id);
}

CommandState GeneralCommands::FilterState(int id) const {
    return frame_.Filters().State(id);
}

void GeneralCommands::AddToPopupFilter(const CommandCall& call) {
    CChildFrame* active = frame_.ActiveChild();
    const ChildId id = call.id == IDM_TAB_TO_POPUP_FILTER ? call.subject
                       : active                           ? active->Id()
                                                          : kNoChild;
    frame_.Filters().Popups().AddToPopupFilter(id);
}

// --- Toggles ------------------------------------------------------------------------------

void GeneralCommands::TogglePreference(const CommandCall& call) {
    if (int Preferences::*field = ToggledField(call.id))
        frame_.Prefs().*field = !(frame_.Prefs().*field);
}

CommandState GeneralCommands::PreferenceState(int id) const {
    int Preferences::*field = ToggledField(id);
    return CommandState{true, field && frame_.Prefs().*field != 0};
}

void GeneralCommands::ToggleMouseMode(const CommandCall& call) {
    frame_.Mouse().ToggleMode(call.id, frame_.Prefs());
}

CommandState GeneralCommands::MouseModeState(int id) const {
    return CommandState{true, frame_.Mouse().ModeChecked(id)};
}

// A bar's command id is its band's id.
void GeneralCommands::ToggleBand(const CommandCall& call) {
    const CommandState state = BandState(call.id);
    if (state.enabled)
        frame_.Widgets().window.ShowBand(call.id, !state.checked);
}

CommandState GeneralCommands::BandState(int id) const {
    for (const BandLayout& band : frame_.Widgets().window.Bands())
        if (band.id == id)
            return CommandState{true, band.visible};
    return CommandState{false, false};
}

void GeneralCommands::NewToNext(const CommandCall&) {
    int& sequence = frame_.Prefs().newSequence;
    sequence = sequence == 1 ? 2 : 1;
}

CommandState GeneralCommands::NewToNextState(int) const {
    return CommandState{true, frame_.Prefs().newSequence == 2};
}

// The system's switch, shared with the engine and the page manager: the tick shows what the
// system reports, so a refused change shows as refused.
void GeneralCommands::ToggleWorkOffline(const CommandCall&) {
    Network& network = frame_.App().Ports().network;
    network.SetWorkOffline(!network.WorkOffline());
}

CommandState GeneralCommands::WorkOfflineState(int) const {
    return CommandState{true, frame_.App().Ports().network.WorkOffline()};
}

void GeneralCommands::StopOpenWindows(const CommandCall&) {
    frame_.Batch().Stop();
}

CommandState GeneralCommands::StopOpenWindowsState(int) const {
    return CommandState{frame_.Batch().Running(), false};
}

void GeneralCommands::QuickKey(const CommandCall& call) {
    const int index = call.id - IDM_QUICK_KEY_FIRST;
    AddressInput& address = frame_.Address();
    if (address.RunQuickKeyBinding(index))
        return;
    const auto action =
        BuiltInQuickKeyAction(index, frame_.App().Settings().Get(keys::UseIeKey) != 0);
    if (!action)
        return;
    CChildFrame* active = frame_.ActiveChild();
    switch (*action) {
        case QuickKeyAction::PreviousWindow:
            frame_.OnCommand(IDM_PREVIOUS_WINDOW);
            break;
        case QuickKeyAction::NextWindow:
            frame_.OnCommand(IDM_NEXT_WINDOW);
            break;
        case QuickKeyAction::Close:
            frame_.CloseChild(call.subject);
            break;
        case QuickKeyAction::Refresh:
            if (active)
                active->View().Refresh();
            break;
        case QuickKeyAction::FindBackward:
        case QuickKeyAction::FindForward:
            address.Search().FindInPage(*action == QuickKeyAction::FindBackward);
            break;
        case QuickKeyAction::FocusAddress:
            frame_.Widgets().address.Focus();
            break;
        case QuickKeyAction::AddressDropDown:
            frame_.Widgets().address.Focus();
            frame_.Widgets().address.ToggleDropDown();
            break;
        case QuickKeyAction::FocusSearch:
            address.Search().FocusKeywordBox();
            break;
        case QuickKeyAction::FullScreen:
            frame_.Post(kWmCommand, IDM_FULL_SCREEN);
            break;
        case QuickKeyAction::AutoHide:
            frame_.Post(kWmCommand, IDM_AUTO_HIDE);
            break;
    }
}

void GeneralCommands::AddressCommand(const CommandCall& call) {
    AddressInput& address = frame_.Address();
    if (call.id >= IDM_UP_LEVEL_FIRST && call.id <= IDM_UP_LEVEL_LAST) {
        address.OpenUpLevel(call.id - IDM_UP_LEVEL_FIRST, frame_.App().Ports().ui.CtrlHeld());
        return;
    }
    switch (call.id) {
        case IDM_UP:
            address.Up();
            break;
        case IDM_OPEN:
            address.OpenDialog();
            break;
        case IDM_CLEAN_TYPED_ADDRESS:
            address.CleanTypedAddresses();
            break;
        case IDM_URL_ALIAS:
            address.AssignAliasFor(call.subject);
            break;
        case IDM_QUICK_KEY:
            address.AssignQuickKeyFor(call.subject);
            break;
        default:
            break;
    }
}

// --- The frame ----------------------------------------------------------------------------

void GeneralCommands::ShowHide(const CommandCall&) {
    frame_.ShowHide(false);
}

void GeneralCommands::Exit(const CommandCall&) {
    frame_.Post(kWmClose);
}

void GeneralCommands::FocusAddress(const CommandCall&) {
    frame_.Widgets().address.Focus();
}

void GeneralCommands::SelectLanguage(const CommandCall&) {
    if (!ChooseLanguage(frame_.App()))
        return;
    frame_.RebuildMenus();
}

// --- Undo close ---------------------------------------------------------------------------

void GeneralCommands::UndoClose(const CommandCall&) {
    UndoCloseRing& ring = frame_.Closer().Ring();
    if (ring.Empty())
        return;
    const std::string url = ring.Newest().url;
    // An entry without an address cannot be reopened, but it must still go: it would keep
    // the command enabled and hide every older entry.
    ring.PopNewest();
    if (!url.empty())
        frame_.NewChild(NewChildRequest::Url(url));
    frame_.Closer().RebuildUndoMenu();
}

CommandState GeneralCommands::UndoCloseState(int) const {
    return CommandState{!frame_.Closer().Ring().Empty(), false};
}

void GeneralCommands::ReopenClosed(const CommandCall& call) {
    WindowCloser& closer = frame_.Closer();
    const int slot = call.id - IDM_UNDO_CLOSE_ITEM_FIRST;
    // The item names the page it showed; when the ring moved since, the menu is out of date.
    const std::string url = closer.MenuItemUrl(slot);
    closer.ForgetMenuItem(slot);
    if (url.empty() || !closer.Ring().RemoveSlotIfHolds(slot, url)) {
        closer.RebuildUndoMenu();
        return;
    }
    closer.RebuildUndoMenu();
    frame_.NewChild(NewChildRequest::Url(url));
}

// --- Auto-refresh -------------------------------------------------------------------------

void GeneralCommands::ToggleAutoRefresh(const CommandCall& call) {
    RefreshCommands(frame_).Toggle(call.subject);
}

CommandState GeneralCommands::AutoRefreshState(int) const {
    CChildFrame* active = frame_.ActiveChild();
    return CommandState{active != nullptr, active && RefreshCommands(frame_).IsOn(active->Id())};
}

void GeneralCommands::SetRefreshFrequency(const CommandCall& call) {
    RefreshCommands(frame_).SetFrequency(call.subject);
}

void GeneralCommands::OpenPageManager(const CommandCall& call) {
    const PageManagerTab tab = call.id == IDM_SET_UNDO_CLOSE ? PageManagerTab::CurrentClosed
                               : call.id == IDM_CURRENT_VISITING_PAGES
                                   ? PageManagerTab::CurrentVisiting
                                   : PageManagerTab::LastVisiting;
    PageManager manager(frame_, tab);
    frame_.Widgets().window.RunPageManager(manager);
}

void GeneralCommands::CleanUndoClose(const CommandCall&) {
    frame_.Closer().Ring().Clear();
    frame_.Closer().RebuildUndoMenu();
    frame_.Sessions().SaveClosedList(frame_.Closer().Ring());
}

}  // namespace lumbrel
