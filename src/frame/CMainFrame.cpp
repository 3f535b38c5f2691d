#include "frame/CMainFrame.h"

#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {

// The UI tick counts 0 … 40; at 40 the session file is rewritten when the list changed.
static constexpr int kTicksPerSessionSave = 40;

CMainFrame::Parts::Parts(CMainFrame& frame, const FrameWidgets& frameWidgets)
    : widgets(frameWidgets),
      tabBar(frame, widgets.tabs),
      indicators(widgets),
      visibility(frame),
      sessions(frame),
      batch(frame),
      closer(frame),
      protection(frame),
      activation(frame),
      opener(frame),
      optionsDialog(frame),
      commands(frame),
      exit(frame),
      address(frame),
      filters(frame),
      search(frame, address, commands),
      proxies(frame, commands),
      favoritesHost(frame),
      favorites(frame.App(), favoritesHost),
      groups(frame.App(), favoritesHost),
      dragHost(frame),
      windows(widgets.tabs, tabBar) {}

CMainFrame::CMainFrame(CBrowserApp& app) : app_(app), services_(app.Ports().registry) {}

CMainFrame::~CMainFrame() = default;

// --- Life cycle ---------------------------------------------------------------------------

void CMainFrame::OnCreate(const FrameWidgets& widgets) {
    parts_.reset();
    parts_ = std::make_unique<Parts>(*this, widgets);
    parts_->commands.Add(parts_->optionsDialog);
    options_.Load(LoadStage::FrameCreation, app_.Settings());
    TabBar().Load(LoadStage::FrameCreation, app_.Settings());
    app_.Prefs().Load(LoadStage::FrameCreation, app_.Settings(), app_.Ports().registry);
    Visibility().RegisterHotKey(options_);
    services_.Homepage().Record();
    Address().LoadTypedAddresses();
    if (options_.menuLoadLastClose) {
        Sessions().LoadClosedList(Closer().Ring());
        Closer().RebuildUndoMenu();
    }
}

void CMainFrame::ApplyStartSettings() {
    SetChildrenDisplayMode(app_.Prefs().pageMax == 1 ? DisplayMode::Maximized
                                                     : DisplayMode::Normal);
}

void CMainFrame::DeferredInit() {
    if (!parts_)
        return;
    app_.CopyDeferredDefaults();
    // FIXME: the tab bar's drop target loads here once its owner arrives.
    Address().LoadAliases();
    mouse_.Load(app_.Settings(), app_.Prefs());
    EventLoop& loop = app_.Ports().loop;
    loop.StartTimer(kFrameTarget, kUiTickTimer, kUiTickPeriodMs);
    app_.Prefs().Load(LoadStage::Deferred, app_.Settings(), app_.Ports().registry);
    Favs().Start();
    UrlGroups().RebuildMenu();  // after the group menu keys
    loop.StartTimer(kFrameTarget, kIconTimer, kIconPeriodMs);
    options_.Load(LoadStage::Deferred, app_.Settings());
    TabBar().Load(LoadStage::Deferred, app_.Settings());
    Filters().Load();
    Search().Load();
    Proxies().Load();
    services_.SetLocalNetwork(LanPrefixOf(app_.Ports().network.HostAddresses()));
    if (options_.showTrayIcon)
        Visibility().ShowTrayIcon();
    Widgets().window.BringToFront();
}

bool CMainFrame::OnCloseRequest(bool endingSession) {
    return parts_ && parts_->exit.Run(endingSession);
}

bool CMainFrame::Exited() const {
    return parts_ && parts_->exit.Done();
}

void CMainFrame::SetChildrenDisplayMode(DisplayMode mode) {
    displayMode_ = mode;
    app_.Prefs().pageMax = static_cast<int>(mode);
}

// --- Windows ------------------------------------------------------------------------------

CChildFrame* CMainFrame::NewChild(const NewChildRequest& request) {
    return parts_ ? parts_->opener.NewChild(request) : nullptr;
}

int CMainFrame::AddTab(CChildFrame& child, int index, const std::string& title) {
    return parts_ ? parts_->opener.AddTab(child, index, title) : -1;
}

int CMainFrame::FindTab(const CChildFrame& child) {
    return parts_ ? Windows().IndexOf(child.Id()) : -1;
}

CChildFrame* CMainFrame::ActiveChild() {
    return parts_ ? Windows().Find(Widgets().window.ActiveChild()) : nullptr;
}

void CMainFrame::ActivateChild(CChildFrame& child) {
    const ChildId id = child.Id();
    Widgets().window.MdiActivate(id);
    // The activation may have asked for a password, and the window may be gone since.
    Windows().Select(id);
}

void CMainFrame::RebuildMenus() {
    if (!parts_)
        return;
    Widgets().window.RebuildMenus();
    Closer().RebuildUndoMenu();
    UrlGroups().RebuildMenu();
    favoritesChanged_ = favoritesChanged_ ? favoritesChanged_ : kFavoritesChangedMenusOnly;
}

void CMainFrame::CloseChild(ChildId id) {
    if (parts_)
        Closer().Close(id);
}

void CMainFrame::OpenFolder(const std::string& folder) {
    if (parts_)
        Batch().OpenFolder(folder);
}

void CMainFrame::ShowHide(bool skipPassword) {
    if (parts_)
        Visibility().ShowHide(skipPassword);
}

void CMainFrame::RestoreAtStart(int startupMode, bool uncleanEnd) {
    if (parts_)
        Sessions().RestoreAtStart(static_cast<StartupMode>(startupMode), uncleanEnd);
}

// --- Commands -----------------------------------------------------------------------------

void CMainFrame::OnCommand(int id) {
    if (parts_)
        parts_->commands.OnCommand(id);
}

ChildId CMainFrame::TabMenuSubject(int tabIndex) const {
    const CChildFrame* child = parts_ ? parts_->windows.At(tabIndex) : nullptr;
    return child ? child->Id() : kNoChild;
}

void CMainFrame::OnTabMenuCommand(int id, ChildId subject) {
    if (parts_ && Windows().Find(subject))
        parts_->commands.Run(CommandCall{id, subject});
}

CommandState CMainFrame::QueryCommand(int id) {
    return parts_ ? parts_->commands.Query(id) : CommandState{false, false};
}

bool CMainFrame::HandlesCommand(int id) const {
    return parts_ && parts_->commands.Handles(id);
}

// --- Events from the binding --------------------------------------------------------------

void CMainFrame::OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (!parts_)
        return;
    switch (message) {
        case kWmCommand:
            OnCommand(static_cast<int>(wParam & 0xFFFF));
            break;
        case kWmClose:
            OnCloseRequest(false);
            break;
        case kWmHotKey:
            OnHotKey();
            break;
        case UM_DEFERRED_INIT:
            DeferredInit();
            break;
        case UM_TAB_SELECTED:
            parts_->activation.OnTabSelected();
            break;
        case UM_ACTIVATE_CHILD:
            parts_->activation.OnActivateChildMessage(static_cast<ChildId>(lParam));
            break;
        case UM_TAB_LAYOUT:
        case UM_TAB_TIPS:
            TabBar().OnPosted(message, wParam);
            break;
        case UM_CONFIRM_POPUP:
            Filters().Popups().OnConfirmPosted();
            break;
        case UM_FAVORITES_CHANGED:
            Favs().OnFavoritesChanged(static_cast<int>(wParam));
            break;
        default:
            break;
    }
}

void CMainFrame::OnTimer(uint32_t timerId) {
    if (!parts_)
        return;
    switch (timerId) {
        case kUiTickTimer:
            OnUiTick();
            break;
        case kIconTimer:
            if (app_.Prefs().animateIcon)
                Indicators().OnIconTick(Windows());
            break;
        case kOpenQueueTimer:
            Batch().OnTimer();
            break;
        default:
            break;
    }
}

void CMainFrame::OnUiTick() {
    FrameWindow& window = Widgets().window;
    if (!window.IsVisible() || window.IsMinimized())
        return;
    if (tickCounter_ % 2 == 0 && active_) {
        window.RefreshCommandStates();
        // A save that failed is tried again at the next cycle.
        if (tickCounter_ == kTicksPerSessionSave && Windows().Changed() &&
            Sessions().SaveSession(true))
            Windows().ClearChanged();
    }
    Indicators().UpdateProgressDisplay();
    tickCounter_ = tickCounter_ >= kTicksPerSessionSave ? 0 : tickCounter_ + 1;
}

void CMainFrame::OnHandover(const std::string& text) {
    if (parts_)
        parts_->opener.OnHandover(text);
}

void CMainFrame::OnChildActivate(ChildId id, bool active) {
    if (parts_)
        parts_->activation.OnChildActivate(id, active);
}

void CMainFrame::OnChildSizeCommand(ChildWindowEvents::SizeCommand command) {
    SetChildrenDisplayMode(command == ChildWindowEvents::SizeCommand::Maximize
                               ? DisplayMode::Maximized
                               : DisplayMode::Sized);
}

void CMainFrame::OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld) {
    if (parts_)
        parts_->opener.OnDroppedFiles(files, shiftHeld);
}

bool CMainFrame::OnSysCommand(SysCommand command) {
    return parts_ && Visibility().OnSysCommand(command);
}

void CMainFrame::AfterMinimize() {
    if (parts_)
        Visibility().AfterMinimize();
}

void CMainFrame::OnTrayMouse(TrayMouse event) {
    if (parts_)
        Visibility().OnTrayMouse(event);
}

bool CMainFrame::ShowsBandAtStart(int bandIndex) {
    return bandIndex != 0 || app_.Settings().Get(keys::BandShown, 0) != 0;
}

// --- Messages and questions ---------------------------------------------------------------

void CMainFrame::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    app_.Ports().loop.Post(kFrameTarget, message, wParam, lParam);
}

MsgResult CMainFrame::Ask(int stringId) {
    return app_.Ports().ui.MessageBox(Text(stringId), MsgButtons::YesNo, MsgIcon::Question);
}

void CMainFrame::Tell(int stringId) {
    app_.Ports().ui.MessageBox(Text(stringId), MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace lumbrel
