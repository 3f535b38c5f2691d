#include "win32/frame/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "commands/Accelerators.h"
#include "commands/BuiltinMenus.h"
#include "frame/FrameMessages.h"
#include "instance/HandOverRecord.h"
#include "mouse/MouseGestures.h"
#include "tabs/TabRules.h"
#include "win32/commands/AcceleratorBuilder.h"
#include "win32/commands/MenuBuilder.h"
#include "win32/instance/HandOverReceiver.h"
#include "win32/instance/MainWindowFinder.h"
#include "win32/shell/SkinImages.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {
namespace {

constexpr int kTabBarId = 59394;  // the framework's id of the tab bar
constexpr int kAddressId = 1002;
constexpr int kLinksBarId = 1003;
constexpr int kStatusId = 59393;
constexpr int kShowHideHotKeyId = 0;
constexpr UINT kTrayMessage = WM_APP + 1;

HICON ProgramIcon() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    return icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
}

}  // namespace

MainWindow::MainWindow(CBrowserApp& app, CMainFrame& frame, Win32EventLoop& loop, int trayIconId)
    : app_(app),
      frame_(frame),
      loop_(loop),
      favoritesMenu_(app, [this](MenuRole role) { return menuBar_.RoleMenu(role); }),
      favoritesDialogs_(app.Ports().codePage),
      groupsMenu_(app, [this](MenuRole role) { return menuBar_.RoleMenu(role); }),
      tray_(trayIconId, kTrayMessage) {}

MainWindow::~MainWindow() {
    mdi_.DestroyAll();
    ReleaseWindowResources();
    if (HWND window = Unbind())
        DestroyWindow(window);
}

bool MainWindow::Create() {
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS, ProgramIcon(),
                           reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    return CreateWindowExA(WS_EX_ACCEPTFILES, kClassName, CBrowserApp::kAppName,
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleA(nullptr), this) != nullptr;
}

void MainWindow::ShowFromSettings(int showCommand) {
    const bool minimized = showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
                           showCommand == SW_SHOWMINNOACTIVE;
    const FrameStartShow show = frame_.StartShow(minimized);
    if (show.placement)
        SetWindowPos(hwnd_, nullptr, show.placement->left, show.placement->top,
                     show.placement->width, show.placement->height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, show.maximized ? SW_SHOWMAXIMIZED : showCommand);
    UpdateWindow(hwnd_);
}

bool MainWindow::TranslateFrameMessage(MSG& msg) {
    if (mdi_.TranslateSysAccel(msg))
        return true;
    if (accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_.get(), &msg))
        return true;
    if (tabs_.TakeWheel(msg))
        return true;
    if (ChildWindow* active = mdi_.Active())
        return active->Host().PreTranslateMessage(msg);
    return false;
}

// --- Creation and layout ------------------------------------------------------------------

bool MainWindow::OnCreate() {
    MarkMainWindow(hwnd_);
    if (!menuBar_.Create(hwnd_, app_.Lang()))
        return false;
    accelerators_ = BuildAcceleratorTable(AcceleratorTable());
    if (!mdi_.Create(hwnd_, menuBar_.WindowMenu(), [this] { ShowActiveChild(); }) || !CreateBars())
        return false;
    loop_.RegisterTarget(kFrameTarget, hwnd_);
    frame_.OnCreate(FrameWidgets{*this, tabs_, address_, status_});
    addressDialogs_.SetOwner(hwnd_);
    addressDialogs_.SetLanguage(&app_.Lang());
    frame_.Address().SetDialogs(&addressDialogs_);
    filterDialogs_.SetOwner(hwnd_);
    filterDialogs_.SetLanguage(&app_.Lang());
    frame_.Filters().SetDialogs(&filterDialogs_);
    favoritesMenu_.SetLinksBar(&links_);
    if (!CreateFavoritesBar())
        return false;
    favoritesDialogs_.SetOwner(hwnd_);
    favoritesDialogs_.SetLanguage(&app_.Lang());
    frame_.Favs().Attach(&favoritesMenu_, &favoritesDialogs_);
    groupsMenu_.SetOwner(hwnd_);
    frame_.UrlGroups().Attach(&groupsMenu_);
    dragMenus_.SetOwner(hwnd_);
    frame_.Mouse().dragMenus = &dragMenus_;
    optionsUi_.emplace(hwnd_, &app_.Lang());
    frame_.OptionsDialog().SetUi(&*optionsUi_);
    search_.Attach();
    tabs_.Configure(frame_.TabBar(),
                    SkinFiles(app_.Ports().fs, app_.Directories().skin, app_.Prefs().skinName)
                        .Resolve(kTabImagesStrip.file));
    // Where the tabs go is known once the frame has read its creation settings.
    const TabBarLook look = frame_.TabBar().Appearance();
    if (!bars_.AddTabBand(tabs_.Handle(), look.atTop,
                          TabBandHeight(look.look, 1, kDefaultTabHeight),
                          frame_.ShowsBandAtStart(0)))
        return false;
    Layout();
    return true;
}

bool MainWindow::CreateBars() {
    if (!bars_.Create(hwnd_))
        return false;
    AddressBar::Events addressEvents;
    addressEvents.enter = [this](const std::string& text, KeyModifiers keys) {
        frame_.Address().GoAddress(text, keys);
    };
    addressEvents.listItem = [this](const std::string& text) { frame_.Address().GoListItem(text); };
    if (!address_.Create(bars_.TopRebar(), kAddressId, std::move(addressEvents)))
        return false;
    // The bars are made before the frame reads its creation settings: the skin is read here.
    const SkinFiles skin(app_.Ports().fs, app_.Directories().skin,
                         app_.Settings().Get(keys::SkinName));
    goImages_ = LoadSkinImageList(skin.Resolve(kGoButtonStrip.file), kGoButtonStrip);
    address_.SetGoImages(goImages_.get());
    if (app_.Settings().Get(keys::ComboShowIcon) != 0) {
        itemImages_ =
            LoadSkinImageList(skin.Resolve(kFavoriteItemsStrip.file), kFavoriteItemsStrip);
        address_.SetItemImages(itemImages_.get());
    }
    if (!links_.Create(bars_.TopRebar(), kLinksBarId))
        return false;
    links_.SetImages(
        LoadSkinImageList(skin.Resolve(kFavoriteItemsStrip.file), kFavoriteItemsStrip));
    favoritePainter_.SetImages(
        LoadSkinImageList(skin.Resolve(kFavoriteItemsStrip.file), kFavoriteItemsStrip));
    links_.SetPainter(&favoritePainter_);
    favoritesMenu_.SetPainter(&favoritePainter_);
    // Each band added goes first: the search band ends up after the links band, the links
    // band after the address band.
    if (!search_.Create(hwnd_, bars_, skin.Resolve(kSearchBarStrip.file),
                        frame_.ShowsBandAtStart(3), [this](int id) { return StateOf(id); }))
        return false;
    if (!bars_.AddLinksBand(links_.Handle(), links_.Height(), frame_.ShowsBandAtStart(2)))
        return false;
    // The tab control gets its band once its place is known (OnCreate).
    if (!tabs_.Create(bars_.TopRebar(), kTabBarId) ||
        !bars_.AddAddressBand(address_.Handle(), address_.Height(), frame_.ShowsBandAtStart(1)))
        return false;
    return status_.Create(hwnd_, kStatusId);
}

bool MainWindow::CreateFavoritesBar() {
    const SkinFiles skin(app_.Ports().fs, app_.Directories().skin,
                         app_.Settings().Get(keys::SkinName));
    favoritesBar_ = std::make_unique<FavoritesSideBar>(frame_.Favs(), app_.Lang());
    if (!favoritesBar_->Create(
            hwnd_, LoadSkinImageList(skin.Resolve(kFavoriteItemsStrip.file), kFavoriteItemsStrip),
            [this] { Layout(); }))
        return false;
    favoritesMenu_.SetSideBar(favoritesBar_.get());
    return true;
}

void MainWindow::FitTabBand(int height) {
    if (bars_.FitTabBand(height))
        Layout();
}

void MainWindow::ShowBand(int bandId, bool show) {
    bars_.ShowBand(bandId, show);
    Layout();
}

void MainWindow::Layout() {
    if (!mdi_.Handle())
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    status_.Layout();
    const FrameBars::PageArea page = bars_.Arrange(client.right, client.bottom, status_.Height());
    int left = 0;
    if (favoritesBar_ && favoritesBar_->Visible()) {
        // The side bar keeps its width but never takes more than half the window.
        left = std::clamp(app_.Settings().Get(keys::ExpWidth), 50,
                          std::max(50, static_cast<int>(client.right) / 2));
        MoveWindow(favoritesBar_->Handle(), 0, page.top, left, page.bottom - page.top, TRUE);
    }
    MoveWindow(mdi_.Handle(), left, page.top, client.right - left, page.bottom - page.top, TRUE);
    mdi_.FitActive();
}

void MainWindow::ShowActiveChild() {
    ChildWindow* active = mdi_.Active();
    const bool maximized = active && active->Filled();
    if (maximized)
        menuBar_.ShowChildButtons(active->Handle());
    else
        menuBar_.HideChildButtons();
    // The caption names the maximised window, as the MDI client's does.
    std::string caption = title_;
    if (maximized) {
        const std::string text = active->Text();
        if (!text.empty())
            caption += " - [" + text + "]";
    }
    char current[512] = {};
    GetWindowTextA(hwnd_, current, sizeof(current));
    if (caption != current)
        SetWindowTextA(hwnd_, caption.c_str());
}

void MainWindow::ReleaseWindowResources() {
    loop_.UnregisterTarget(kFrameTarget);
    if (hwnd_)
        UnmarkMainWindow(hwnd_);
    tray_.Remove();
    showHideKey_.reset();
    menuBar_.Detach();
    frame_.Mouse().dragMenus = nullptr;
    search_.Detach();
    if (optionsUi_) {
        frame_.OptionsDialog().SetUi(nullptr);
        optionsUi_.reset();
    }
}

// --- Messages -----------------------------------------------------------------------------

// The window taking the activation may be a script dialog whose content the filter emptied.
void MainWindow::OnDeactivate(HWND other) {
    const bool owned = other && IsWindow(other) && GetParent(other) == hwnd_;
    char caption[256] = {};
    if (owned)
        GetWindowTextA(other, caption, sizeof(caption));
    PopupFilter& popups = frame_.Filters().Popups();
    if (!popups.OnFrameDeactivated(owned, caption))
        return;
    ShowWindow(other, SW_HIDE);
    SendMessageA(other, WM_CLOSE, 0, 0);
    popups.RefocusPage();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsForwardedFrameMessage(message)) {
        frame_.OnPosted(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == menuBar_.RoleMenu(MenuRole::UndoClose))
                frame_.Closer().OnUndoMenuOpening();
            if (!HIWORD(lParam))
                ShowCommandStates(reinterpret_cast<HMENU>(wParam),
                                  [this](int id) { return StateOf(id); });
            return Default(message, wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_MEASUREITEM:
            return favoritePainter_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                       ? TRUE
                       : Default(message, wParam, lParam);
        case WM_DRAWITEM: {  // a favorites menu's item, or the tab control's via the rebar
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return favoritePainter_.Draw(item) || tabs_.DrawItem(item)
                       ? TRUE
                       : Default(message, wParam, lParam);
        }
        case WM_TIMER:
            frame_.OnTimer(static_cast<uint32_t>(wParam));
            return 0;
        case WM_HOTKEY:
            frame_.OnHotKey();
            return 0;
        case WM_ACTIVATEAPP:
            frame_.OnActivateApp(wParam != FALSE);
            return Default(message, wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE)
                OnDeactivate(reinterpret_cast<HWND>(lParam));
            return Default(message, wParam, lParam);
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam, lParam);
        case kTrayMessage:
            OnTrayIcon(lParam);
            return 0;
        case UM_HANDOVER:
            OnHandOver();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam)
                frame_.OnCloseRequest(true);
            return 0;
        case WM_CLOSE:
            frame_.OnCloseRequest(false);
            return 0;
        case WM_DESTROY:
            ReleaseWindowResources();
            PostQuitMessage(0);
            return 0;
        case WM_MOUSEWHEEL: {
            ChildWindow* active = mdi_.Active();
            ScrollPageByFrameWheel(active ? &active->Host() : nullptr,
                                   GET_WHEEL_DELTA_WPARAM(wParam));
            return Default(message, wParam, lParam);
        }
        default:
            if (message == WheelRollMessage())
                return ForwardWheelRoll(wParam, lParam);
            return Default(message, wParam, lParam);
    }
}

// Older mouse drivers announce the wheel with this registered message; the page's engine
// understands it. Without a window there is nobody to tell.
UINT MainWindow::WheelRollMessage() {
    static const UINT message = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
    return message;
}

LRESULT MainWindow::ForwardWheelRoll(WPARAM wParam, LPARAM lParam) {
    ChildWindow* active = mdi_.Active();
    HWND control = active ? active->Host().ControlWindow() : nullptr;
    return control ? SendMessageA(control, WheelRollMessage(), wParam, lParam) : 0;
}

LRESULT MainWindow::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd, mdi_.Handle(), message, wParam, lParam);
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id >= SC_SIZE && id < static_cast<int>(MdiClient::kFirstChildId)) {
        // A button or the menu of the maximised window in the menu bar.
        mdi_.SysCommandToActive(static_cast<UINT>(id));
        return 0;
    }
    if (frame_.HandlesCommand(id)) {
        frame_.OnCommand(id);
        return 0;
    }
    return Default(WM_COMMAND, wParam, lParam);
}

std::optional<CommandState> MainWindow::StateOf(int commandId) const {
    if (!frame_.HandlesCommand(commandId))
        return std::nullopt;
    return frame_.QueryCommand(commandId);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (links_.OnNotify(header, hwnd_))
        return TBDDRET_DEFAULT;
    if (header.hwndFrom == tabs_.Handle()) {
        if (header.code == TCN_SELCHANGE) {
            PostMessageA(hwnd_, UM_TAB_SELECTED, 0, 0);
        } else if (header.code == NM_RCLICK) {
            OnTabContextMenu();
            return TRUE;
        }
    } else if (bars_.HoldsControl(header.hwndFrom) && header.code == RBN_HEIGHTCHANGE) {
        Layout();
    }
    return 0;
}

void MainWindow::OnTabContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const ChildId subject = frame_.TabMenuSubject(tabs_.HitTestScreen(cursor));
    if (subject == kNoChild)
        return;
    const int id = TrackContextMenu(
        BuiltinTabMenu(), "MenuTab", app_.Lang(), hwnd_, cursor,
        [this](int command) { return StateOf(command); },
        [this](HMENU menu) {
            if (HMENU addTo = SubmenuFor(menu, BuiltinTabMenu(), MenuRole::AddToGroup))
                AppendAddToGroupItems(addTo, frame_.UrlGroups().Menu(), MenuTextStyleOf(app_));
        });
    if (id > 0)
        frame_.OnTabMenuCommand(id, subject);
}

void MainWindow::OnTrayIcon(LPARAM event) {
    switch (event) {
        case WM_LBUTTONUP:
            frame_.OnTrayMouse(TrayMouse::LeftUp);
            break;
        case WM_LBUTTONDBLCLK:
            frame_.OnTrayMouse(TrayMouse::LeftDoubleClick);
            break;
        case WM_RBUTTONUP:
            frame_.OnTrayMouse(TrayMouse::RightUp);
            break;
        default:
            break;
    }
}

void MainWindow::ShowTrayMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(hwnd_);
    const int id = TrackContextMenu(BuiltinTrayMenu(), "MenuTray", app_.Lang(), hwnd_, cursor,
                                    [this](int command) { return StateOf(command); });
    if (id > 0)
        PostMessageA(hwnd_, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void MainWindow::OnDropFiles(HDROP drop) {
    std::vector<std::string> files;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(length);
        files.push_back(std::move(name));
    }
    DragFinish(drop);
    frame_.OnDroppedFiles(files, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
}

LRESULT MainWindow::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    CMainFrame::SysCommand command = CMainFrame::SysCommand::Other;
    switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            command = CMainFrame::SysCommand::Minimize;
            break;
        case SC_CLOSE:
            command = CMainFrame::SysCommand::Close;
            break;
        case SC_RESTORE:
            command = CMainFrame::SysCommand::Restore;
            break;
        default:
            break;
    }
    if (frame_.OnSysCommand(command))
        return 0;
    const LRESULT result = Default(WM_SYSCOMMAND, wParam, lParam);
    if (command == CMainFrame::SysCommand::Minimize)
        frame_.AfterMinimize();
    return result;
}

void MainWindow::OnHandOver() {
    const HandOverReceipt receipt = ReceiveHandOver();
    if (auto text = AcceptHandOver(receipt, app_.Ports().ui, app_.Lang()))
        frame_.OnHandover(*text);
}

// --- Browser windows ----------------------------------------------------------------------

lumbrel::ChildWindow* MainWindow::CreateChild(ChildId id, const ChildCreateOptions& options,
                                              ChildWindowEvents& events,
                                              BrowserEvents& browserEvents, MessageTarget& target) {
    ChildWindow* child =
        mdi_.CreateChild(id, options, events, browserEvents, target, app_.Ports().codePage,
                         [this](ChildId gone) { loop_.UnregisterTarget(gone); });
    if (!child)
        return nullptr;
    loop_.RegisterTarget(id, child->Handle());
    return child;
}

ChildId MainWindow::ActiveChild() {
    ChildWindow* active = mdi_.Active();
    return active ? active->Id() : kNoChild;
}

// --- The frame ----------------------------------------------------------------------------

bool MainWindow::IsVisible() {
    return IsWindowVisible(hwnd_) != FALSE;
}

bool MainWindow::IsMinimized() {
    return IsIconic(hwnd_) != FALSE;
}

bool MainWindow::IsMaximized() {
    return IsZoomed(hwnd_) != FALSE;
}

bool MainWindow::IsForeground() {
    return GetForegroundWindow() == hwnd_;
}

void MainWindow::ShowAndRestore() {
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    BringToFront();
}

void MainWindow::BringToFront() {
    SetForegroundWindow(hwnd_);
}

void MainWindow::MinimizeAndHide() {
    ShowWindow(hwnd_, SW_MINIMIZE);
    ShowWindow(hwnd_, SW_HIDE);
}

void MainWindow::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

void MainWindow::SetTitle(const std::string& text) {
    title_ = text;
    ShowActiveChild();
}

void MainWindow::RefreshCommandStates() {
    // The bars that show command states (toolbar, window buttons) refresh from here.
}

void MainWindow::Destroy() {
    mdi_.DestroyAll();
    DestroyWindow(hwnd_);
}

ShowState MainWindow::CurrentShowState() {
    if (IsIconic(hwnd_))
        return ShowState::Minimized;
    return IsZoomed(hwnd_) ? ShowState::Maximized : ShowState::Normal;
}

Placement MainWindow::NormalPlacement() {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return Placement{rect.top, rect.left, rect.right - rect.left, rect.bottom - rect.top};
}

bool MainWindow::StatusBarVisible() {
    return IsWindowVisible(status_.Handle()) != FALSE;
}

void MainWindow::RebuildMenus() {
    menuBar_.Rebuild(app_.Lang(), mdi_);
}

bool MainWindow::RegisterShowHideHotKey(int modifiers, int virtualKey) {
    showHideKey_.reset();
    showHideKey_.emplace(hwnd_, kShowHideHotKeyId, modifiers, virtualKey);
    if (!showHideKey_->Registered())
        showHideKey_.reset();
    return showHideKey_.has_value();
}

bool MainWindow::ShowTrayIcon() {
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, GCLP_HICONSM));
    return tray_.Show(hwnd_, icon, CBrowserApp::kAppName);
}

int MainWindow::ForeignThreadDialogCount() {
    return DialogsOfOtherThreads();
}

}  // namespace lumbrel::win32
