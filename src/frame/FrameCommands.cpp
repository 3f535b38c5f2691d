#include "frame/FrameCommands.h"

#include "address/QuickKeys.h"
#include "address/UpUrl.h"
#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "frame/RefreshCommands.h"
#include "frame/WindowListRules.h"
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

NewChildRequest Request(ChildMode mode, NavKind kind, std::string url, bool activate) {
    NewChildRequest request = NewChildRequest::Url(std::move(url), activate);
    request.mode = mode;
    request.kind = kind;
    return request;
}

}  // namespace

struct FrameCommands::Row {
    int first;
    int last;
    void (FrameCommands::*run)(const CommandCall&);
    CommandState (FrameCommands::*state)(int) const;
};

using F = FrameCommands;
const F::Row F::kRows[] = {
    {IDM_BLANK_PAGE, IDM_BLANK_PAGE, &F::NewWindow, nullptr},
    {IDM_NEW_HOME_PAGE, IDM_NEW_HOME_PAGE, &F::NewWindow, nullptr},
    {IDM_NEW_FROM_CLIPBOARD, IDM_NEW_FROM_CLIPBOARD, &F::NewWindow, nullptr},
    {IDM_NEW_SELECTED_TEXT, IDM_NEW_SELECTED_TEXT, &F::NewWindow, nullptr},
    {IDM_NEW_SELECTED_LINKS, IDM_NEW_SELECTED_LINKS, &F::NewWindow, nullptr},
    {IDM_NEW_CURRENT_PAGE, IDM_NEW_CURRENT_PAGE, &F::NewWindow, nullptr},
    {IDM_NEW_UP_PAGE, IDM_NEW_UP_PAGE, &F::NewWindow, nullptr},
    {IDM_NEW_ROOT_PAGE, IDM_NEW_ROOT_PAGE, &F::NewWindow, nullptr},
    {IDM_TAB_NEW_WINDOW, IDM_TAB_NEW_WINDOW, &F::NewWindow, nullptr},
    {IDM_NEW_WINDOW, IDM_NEW_WINDOW, &F::NewWindowButton, nullptr},
    {IDM_NEW_PROCESS, IDM_NEW_PROCESS, &F::NewProcess, nullptr},
    {IDM_ACTIVATE_NEW_WINDOW, IDM_ACTIVATE_NEW_WINDOW, &F::TogglePreference, &F::PreferenceState},
    {IDM_OPEN_LINKS_IN_NEW_WINDOW, IDM_OPEN_LINKS_IN_NEW_WINDOW, &F::TogglePreference,
     &F::PreferenceState},
    {IDM_AUTO_BG_COLOR, IDM_AUTO_BG_COLOR, &F::TogglePreference, &F::PreferenceState},
    {IDM_NEW_TO_NEXT, IDM_NEW_TO_NEXT, &F::NewToNext, &F::NewToNextState},
    {IDM_WORK_OFFLINE, IDM_WORK_OFFLINE, &F::ToggleWorkOffline, &F::WorkOfflineState},
    {IDM_STOP_OPEN_WINDOWS, IDM_STOP_OPEN_WINDOWS, &F::StopOpenWindows, &F::StopOpenWindowsState},
    {IDM_MOUSE_GESTURE, IDM_MOUSE_GESTURE, &F::ToggleMouseMode, &F::MouseModeState},
    {IDM_MOUSE_DRAG_PAGE, IDM_MOUSE_DRAG_PAGE, &F::ToggleMouseMode, &F::MouseModeState},
    {IDM_VIEW_TAB_BAR, IDM_VIEW_TAB_BAR, &F::ToggleBand, &F::BandState},
    {IDM_VIEW_ADDRESS_BAR, IDM_VIEW_ADDRESS_BAR, &F::ToggleBand, &F::BandState},
    {IDM_VIEW_LINKS_BAR, IDM_VIEW_LINKS_BAR, &F::ToggleBand, &F::BandState},
    {IDM_CLOSE, IDM_CLOSE, &F::Close, nullptr},
    {IDM_CLOSE_ALL, IDM_CLOSE_ALL, &F::CloseAll, nullptr},
    {IDM_CLOSE_ALL_KEEP_CURRENT, IDM_CLOSE_ALL_KEEP_CURRENT, &F::CloseAllBut, nullptr},
    {IDM_TAB_CLOSE_ALL_KEEP_THIS, IDM_TAB_CLOSE_ALL_KEEP_THIS, &F::CloseAllBut, nullptr},
    {IDM_CLOSE_LEFT, IDM_CLOSE_LEFT, &F::CloseLeft, nullptr},
    {IDM_CLOSE_RIGHT, IDM_CLOSE_RIGHT, &F::CloseRight, nullptr},
    {IDM_CLOSE_ALIKE_URL, IDM_CLOSE_ALIKE_URL, &F::CloseAlike, nullptr},
    {IDM_CLOSE_ALIKE_TITLE, IDM_CLOSE_ALIKE_TITLE, &F::CloseAlike, nullptr},
    {IDM_CLOSE_UNMARKED, IDM_CLOSE_UNMARKED, &F::CloseUnmarked, nullptr},
    {IDM_REFRESH_ALL, IDM_REFRESH_ALL, &F::RefreshAll, nullptr},
    {IDM_STOP_ALL, IDM_STOP_ALL, &F::StopAll, nullptr},
    {IDM_PREVIOUS_WINDOW, IDM_PREVIOUS_WINDOW, &F::PreviousWindow, nullptr},
    {IDM_NEXT_WINDOW, IDM_NEXT_WINDOW, &F::NextWindow, nullptr},
    {IDM_ACTIVATE_TAB_FIRST, IDM_ACTIVATE_TAB_LAST, &F::ActivateTab, nullptr},
    {IDM_QUICK_KEY_FIRST, IDM_QUICK_KEY_LAST, &F::QuickKey, nullptr},
    {IDM_UP, IDM_UP, &F::AddressCommand, nullptr},
    {IDM_UP_LEVEL_FIRST, IDM_UP_LEVEL_LAST, &F::AddressCommand, nullptr},
    {IDM_OPEN, IDM_OPEN, &F::AddressCommand, nullptr},
    {IDM_CLEAN_TYPED_ADDRESS, IDM_CLEAN_TYPED_ADDRESS, &F::AddressCommand, nullptr},
    {IDM_URL_ALIAS, IDM_URL_ALIAS, &F::AddressCommand, nullptr},
    {IDM_QUICK_KEY, IDM_QUICK_KEY, &F::AddressCommand, nullptr},
    {IDM_LOCK_TAB, IDM_LOCK_TAB, &F::Lock, nullptr},
    {IDM_MARK_TAB, IDM_MARK_TAB, &F::Mark, nullptr},
    {IDM_PROTECT_TAB, IDM_PROTECT_TAB, &F::Protect, nullptr},
    {IDM_WINDOW_CASCADE, IDM_WINDOW_CASCADE, &F::Arrange, nullptr},
    {IDM_WINDOW_TILE_HORZ, IDM_WINDOW_TILE_HORZ, &F::Arrange, nullptr},
    {IDM_WINDOW_TILE_VERT, IDM_WINDOW_TILE_VERT, &F::Arrange, nullptr},
    {IDM_SHOW_HIDE, IDM_SHOW_HIDE, &F::ShowHide, nullptr},
    {IDM_APP_EXIT, IDM_APP_EXIT, &F::Exit, nullptr},
    {IDM_FOCUS_ADDRESS, IDM_FOCUS_ADDRESS, &F::FocusAddress, nullptr},
    {IDM_SELECT_LANGUAGE, IDM_SELECT_LANGUAGE, &F::SelectLanguage, nullptr},
    {IDM_UNDO_CLOSE, IDM_UNDO_CLOSE, &F::UndoClose, &F::UndoCloseState},
    {IDM_UNDO_CLOSE_ITEM_FIRST, IDM_UNDO_CLOSE_ITEM_LAST, &F::ReopenClosed, nullptr},
    {IDM_CLEAN_UNDO_CLOSE, IDM_CLEAN_UNDO_CLOSE, &F::CleanUndoClose, nullptr},
    {IDM_PAGE_MANAGER, IDM_PAGE_MANAGER, &F::OpenPageManager, nullptr},
    {IDM_CURRENT_VISITING_PAGES, IDM_CURRENT_VISITING_PAGES, &F::OpenPageManager, nullptr},
    {IDM_SET_UNDO_CLOSE, IDM_SET_UNDO_CLOSE, &F::OpenPageManager, nullptr},
    {IDM_AUTO_REFRESH, IDM_AUTO_REFRESH, &F::ToggleAutoRefresh, &F::AutoRefreshState},
    {IDM_TAB_AUTO_REFRESH, IDM_TAB_AUTO_REFRESH, &F::ToggleAutoRefresh, nullptr},
    {IDM_SET_REFRESH, IDM_SET_REFRESH, &F::SetRefreshFrequency, nullptr},
    {IDM_TAB_SET_REFRESH, IDM_TAB_SET_REFRESH, &F::SetRefreshFrequency, nullptr},
    {IDM_KILL_POPUP, IDM_KILL_POPUP, &F::Filter, &F::FilterState},
    {IDM_ADD_TO_POPUP_FILTER, IDM_ADD_TO_POPUP_FILTER, &F::AddToPopupFilter, nullptr},
    {IDM_TAB_TO_POPUP_FILTER, IDM_TAB_TO_POPUP_FILTER, &F::AddToPopupFilter, nullptr},
    {IDM_OPTIONS, IDM_OPTIONS, &F::Options, nullptr},
    {IDM_SET_AD_FILTER, IDM_SET_AD_FILTER, &F::Options, nullptr},
    {IDM_FILTER_DIALOG_ADS, IDM_FILTER_DIALOG_ADS, &F::Filter, &F::FilterState},
    {IDM_FILTER_AD_CONTENT, IDM_FILTER_AD_CONTENT, &F::Filter, &F::FilterState},
    {IDM_ENABLE_FILTER, IDM_ENABLE_FILTER, &F::Filter, &F::FilterState},
    {IDM_FAVORITE_FIRST, IDM_FAVORITE_LAST, &F::FavoritesCommand, nullptr},
    {IDM_FAV_OPEN_ALL_FIRST, IDM_FAV_OPEN_ALL_LAST, &F::FavoritesCommand, nullptr},
    {IDM_FAV_ADD_HERE_FIRST, IDM_FAV_ADD_HERE_LAST, &F::FavoritesCommand, nullptr},
    {IDM_ADD_TO_FAVORITES, IDM_ADD_TO_FAVORITES, &F::AddToFavorites, nullptr},
    {IDM_TAB_TO_FAVORITES, IDM_TAB_TO_FAVORITES, &F::AddToFavorites, nullptr},
    {IDM_ORGANIZE_FAVORITES, IDM_ORGANIZE_FAVORITES, &F::OrganizeFavorites, nullptr},
    {IDM_GROUP_OPEN_FIRST, IDM_GROUP_OPEN_LAST, &F::GroupsCommand, nullptr},
    {IDM_ADD_TO_GROUP_FIRST, IDM_ADD_TO_GROUP_LAST, &F::GroupsCommand, nullptr},
    {IDM_GROUP_MEMBER_FIRST, IDM_GROUP_MEMBER_LAST, &F::GroupsCommand, &F::GroupMemberState},
    {IDM_SET_GROUPS, IDM_SET_GROUPS, &F::SetGroups, nullptr},
    {IDM_SAVE_WINDOWS_AS_GROUP, IDM_SAVE_WINDOWS_AS_GROUP, &F::SaveWindowsAsGroup, nullptr},
    {IDM_FILTER_FLYING_ADS, IDM_FILTER_FLYING_ADS, &F::Filter, &F::FilterState},
    {IDM_ADD_TO_CONTENT_FILTER, IDM_ADD_TO_CONTENT_FILTER, &F::Filter, &F::FilterState},
};

const F::Row* FrameCommands::Find(int id) {
    for (const Row& row : kRows)
        if (id >= row.first && id <= row.last)
            return &row;
    return nullptr;
}

bool FrameCommands::Knows(int id) const {
    return Find(id) != nullptr;
}

bool FrameCommands::Run(const CommandCall& call) {
    const Row* row = Find(call.id);
    if (!row || !State(call.id).enabled)
        return false;
    (this->*row->run)(call);
    return true;
}

CommandState FrameCommands::State(int id) const {
    const Row* row = Find(id);
    if (!row)
        return CommandState{false, false};
    return row->state ? (this->*row->state)(id) : CommandState{};
}

// --- The filter switches ------------------------------------------------------------------

void FrameCommands::Filter(const CommandCall& call) {
    frame_.Filters().Run(call.id);
}

CommandState FrameCommands::FilterState(int id) const {
    return frame_.Filters().State(id);
}

void FrameCommands::AddToPopupFilter(const CommandCall& call) {
    CChildFrame* active = frame_.ActiveChild();
    const ChildId id = call.id == IDM_TAB_TO_POPUP_FILTER ? call.subject
                       : active                           ? active->Id()
                                                          : kNoChild;
    frame_.Filters().Popups().AddToPopupFilter(id);
}

void FrameCommands::Options(const CommandCall& call) {
    frame_.OptionsDialog().Run(call.id);
}

// --- Every window's page ------------------------------------------------------------------

void FrameCommands::RefreshAll(const CommandCall&) {
    for (ChildId id : frame_.Windows().InOrder())
        if (CChildFrame* child = frame_.Windows().Find(id))
            child->View().Refresh();
}

void FrameCommands::StopAll(const CommandCall&) {
    for (ChildId id : frame_.Windows().InOrder())
        if (CChildFrame* child = frame_.Windows().Find(id); child && child->View().Browser())
            child->View().Browser()->Stop();
}

// --- New windows --------------------------------------------------------------------------

void FrameCommands::NewWindow(const CommandCall& call) {
    const bool activateFile = frame_.Options().activeFileNew != 0;
    CChildFrame* active = frame_.ActiveChild();
    BrowserControl* page = active ? active->View().Browser() : nullptr;
    const std::string current = active ? active->View().Location() : std::string();
    switch (call.id) {
        case IDM_BLANK_PAGE:
            frame_.NewChild(Request(ChildMode::Create, NavKind::Blank, "", true));
            break;
        case IDM_NEW_HOME_PAGE:
            frame_.NewChild(Request(ChildMode::ReuseOrCreate, NavKind::Home, "", activateFile));
            break;
        case IDM_NEW_FROM_CLIPBOARD: {
            const std::string text = frame_.App().Ports().shell.ClipboardText();
            if (!text.empty() && !HasRefusedScheme(text))
                frame_.NewChild(NewChildRequest::Url(text, true));
            break;
        }
        case IDM_NEW_SELECTED_TEXT:
            if (page) {
                const std::string text = page->SelectedText();
                if (!text.empty())
                    frame_.NewChild(NewChildRequest::Url(text, activateFile));
            }
            break;
        case IDM_NEW_SELECTED_LINKS:
            if (page)
                for (const std::string& link : page->SelectedLinks())
                    frame_.NewChild(NewChildRequest::Url(link));
            break;
        case IDM_NEW_CURRENT_PAGE:
            frame_.NewChild(Request(ChildMode::Create, NavKind::Url,
                                    current.empty() ? kAboutBlank : current, activateFile));
            break;
        case IDM_NEW_UP_PAGE:
            if (const std::string up = UpUrl(current); !current.empty() && up != current)
                frame_.NewChild(NewChildRequest::Url(up, activateFile));
            break;
        case IDM_NEW_ROOT_PAGE:
            if (!current.empty())
                frame_.NewChild(NewChildRequest::Url(RootUrl(current), activateFile));
            break;
        case IDM_TAB_NEW_WINDOW:
            if (CChildFrame* subject = frame_.Windows().Find(call.subject))
                frame_.NewChild(
                    Request(ChildMode::Create, NavKind::Url, subject->View().Location(), false));
            break;
        default:
            break;
    }
}

void FrameCommands::NewWindowButton(const CommandCall& call) {
    if (const int command = NewWindowMenuCommand(frame_.Options().newWindow))
        Run(CommandCall{command, call.subject});
}

void FrameCommands::NewProcess(const CommandCall&) {
    const Platform& ports = frame_.App().Ports();
    if (!ports.shell.Execute("open", ports.environment.ModulePath(), "", "."))
        frame_.Tell(IDS_RUN_TOOL_FAILED);
}

// --- Toggles ------------------------------------------------------------------------------

void FrameCommands::TogglePreference(const CommandCall& call) {
    if (int Preferences::*field = ToggledField(call.id))
        frame_.Prefs().*field = !(frame_.Prefs().*field);
}

CommandState FrameCommands::PreferenceState(int id) const {
    int Preferences::*field = ToggledField(id);
    return CommandState{true, field && frame_.Prefs().*field != 0};
}

void FrameCommands::ToggleMouseMode(const CommandCall& call) {
    frame_.Mouse().ToggleMode(call.id, frame_.Prefs());
}

CommandState FrameCommands::MouseModeState(int id) const {
    return CommandState{true, frame_.Mouse().ModeChecked(id)};
}

// A bar's command id is its band's id.
void FrameCommands::ToggleBand(const CommandCall& call) {
    const CommandState state = BandState(call.id);
    if (state.enabled)
        frame_.Widgets().window.ShowBand(call.id, !state.checked);
}

CommandState FrameCommands::BandState(int id) const {
    for (const BandLayout& band : frame_.Widgets().window.Bands())
        if (band.id == id)
            return CommandState{true, band.visible};
    return CommandState{false, false};
}

void FrameCommands::NewToNext(const CommandCall&) {
    int& sequence = frame_.Prefs().newSequence;
    sequence = sequence == 1 ? 2 : 1;
}

CommandState FrameCommands::NewToNextState(int) const {
    return CommandState{true, frame_.Prefs().newSequence == 2};
}

// The system's switch, shared with the engine and the page manager: the tick shows what the
// system reports, so a refused change shows as refused.
void FrameCommands::ToggleWorkOffline(const CommandCall&) {
    Network& network = frame_.App().Ports().network;
    network.SetWorkOffline(!network.WorkOffline());
}

CommandState FrameCommands::WorkOfflineState(int) const {
    return CommandState{true, frame_.App().Ports().network.WorkOffline()};
}

void FrameCommands::StopOpenWindows(const CommandCall&) {
    frame_.Batch().Stop();
}

CommandState FrameCommands::StopOpenWindowsState(int) const {
    return CommandState{frame_.Batch().Running(), false};
}

// --- Closing ------------------------------------------------------------------------------

void FrameCommands::Close(const CommandCall& call) {
    frame_.CloseChild(call.subject);
}

void FrameCommands::CloseAll(const CommandCall&) {
    frame_.Closer().CloseAll();
}

void FrameCommands::CloseAllBut(const CommandCall& call) {
    frame_.Closer().CloseAllBut(call.subject);
}

void FrameCommands::CloseLeft(const CommandCall& call) {
    frame_.Closer().CloseLeftOf(call.subject);
}

void FrameCommands::CloseRight(const CommandCall& call) {
    frame_.Closer().CloseRightOf(call.subject);
}

void FrameCommands::CloseAlike(const CommandCall& call) {
    frame_.Closer().CloseAlike(call.subject, call.id == IDM_CLOSE_ALIKE_URL);
}

void FrameCommands::CloseUnmarked(const CommandCall&) {
    frame_.Closer().CloseUnmarked();
}

// --- Moving between windows ---------------------------------------------------------------

void FrameCommands::ActivateIndex(int index) {
    if (CChildFrame* child = frame_.Windows().At(index))
        frame_.ActivateChild(*child);
}

void FrameCommands::PreviousWindow(const CommandCall&) {
    WindowList& windows = frame_.Windows();
    ActivateIndex(PreviousWindowIndex(windows.SelectedIndex(), windows.Count()));
}

void FrameCommands::NextWindow(const CommandCall&) {
    WindowList& windows = frame_.Windows();
    ActivateIndex(NextWindowIndex(windows.SelectedIndex(), windows.Count()));
}

void FrameCommands::ActivateTab(const CommandCall& call) {
    ActivateIndex(call.id - IDM_ACTIVATE_TAB_FIRST);
}

void FrameCommands::QuickKey(const CommandCall& call) {
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
            PreviousWindow(call);
            break;
        case QuickKeyAction::NextWindow:
            NextWindow(call);
            break;
        case QuickKeyAction::Close:
            Close(call);
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

void FrameCommands::AddressCommand(const CommandCall& call) {
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

// --- Lock, mark, protect, arrange ---------------------------------------------------------

void FrameCommands::Lock(const CommandCall& call) {
    frame_.Protection().ToggleLock(call.subject);
}

void FrameCommands::Mark(const CommandCall& call) {
    frame_.Protection().ToggleMark(call.subject);
}

void FrameCommands::Protect(const CommandCall& call) {
    frame_.Protection().Protect(call.subject);
}

void FrameCommands::Arrange(const CommandCall& call) {
    if (!frame_.Protection().ArrangeAllowed())
        return;
    FrameWindow& window = frame_.Widgets().window;
    if (call.id == IDM_WINDOW_CASCADE)
        window.Cascade();
    else if (call.id == IDM_WINDOW_TILE_HORZ)
        window.TileHorizontally();
    else
        window.TileVertically();
    frame_.SetChildrenDisplayMode(DisplayMode::Arranged);
}

// --- The frame ----------------------------------------------------------------------------

void FrameCommands::ShowHide(const CommandCall&) {
    frame_.ShowHide(false);
}

void FrameCommands::Exit(const CommandCall&) {
    frame_.Post(kWmClose);
}

void FrameCommands::FocusAddress(const CommandCall&) {
    frame_.Widgets().address.Focus();
}

void FrameCommands::SelectLanguage(const CommandCall&) {
    if (!ChooseLanguage(frame_.App()))
        return;
    frame_.RebuildMenus();
}

// --- Undo close ---------------------------------------------------------------------------

void FrameCommands::UndoClose(const CommandCall&) {
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

CommandState FrameCommands::UndoCloseState(int) const {
    return CommandState{!frame_.Closer().Ring().Empty(), false};
}

void FrameCommands::ReopenClosed(const CommandCall& call) {
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

void FrameCommands::ToggleAutoRefresh(const CommandCall& call) {
    RefreshCommands(frame_).Toggle(call.subject);
}

CommandState FrameCommands::AutoRefreshState(int) const {
    CChildFrame* active = frame_.ActiveChild();
    return CommandState{active != nullptr, active && RefreshCommands(frame_).IsOn(active->Id())};
}

void FrameCommands::SetRefreshFrequency(const CommandCall& call) {
    RefreshCommands(frame_).SetFrequency(call.subject);
}

void FrameCommands::OpenPageManager(const CommandCall& call) {
    const PageManagerTab tab = call.id == IDM_SET_UNDO_CLOSE ? PageManagerTab::CurrentClosed
                               : call.id == IDM_CURRENT_VISITING_PAGES
                                   ? PageManagerTab::CurrentVisiting
                                   : PageManagerTab::LastVisiting;
    PageManager manager(frame_, tab);
    frame_.Widgets().window.RunPageManager(manager);
}

void FrameCommands::CleanUndoClose(const CommandCall&) {
    frame_.Closer().Ring().Clear();
    frame_.Closer().RebuildUndoMenu();
    frame_.Sessions().SaveClosedList(frame_.Closer().Ring());
}

void FrameCommands::FavoritesCommand(const CommandCall& call) {
    frame_.Favs().OnCommand(call.id);
}

void FrameCommands::AddToFavorites(const CommandCall& call) {
    const CChildFrame* child = frame_.Windows().Find(call.subject);
    if (!child)
        return;
    frame_.Favs().AddPage(
        PageInfo{child->DisplayTitle(), child->View().Location(), child->View().Flags().dlFlags});
}

void FrameCommands::OrganizeFavorites(const CommandCall&) {
    frame_.Favs().Organize();
}

void FrameCommands::GroupsCommand(const CommandCall& call) {
    Groups& groups = frame_.UrlGroups();
    // "&Add To Group" of the tab menu adds the tab's page, not the active window's.
    const std::optional<std::string> file = groups.Menu().AddFile(call.id);
    const CChildFrame* child = frame_.Windows().Find(call.subject);
    if (file && child) {
        groups.AddPageTo(*file, PageInfo{child->DisplayTitle(), child->View().Location(),
                                         child->View().Flags().dlFlags});
        return;
    }
    groups.OnCommand(call.id);
}

CommandState FrameCommands::GroupMemberState(int id) const {
    const GroupMemberItem* member = frame_.UrlGroups().Menu().Member(id);
    return CommandState{member != nullptr, member && member->ticked};
}

void FrameCommands::SetGroups(const CommandCall&) {
    frame_.UrlGroups().EditGroups();
}

void FrameCommands::SaveWindowsAsGroup(const CommandCall&) {
    frame_.UrlGroups().SaveWindows();
}

}  // namespace lumbrel
