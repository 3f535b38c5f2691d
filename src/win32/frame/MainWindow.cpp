#include "win32/frame/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include "commands/Accelerators.h"
#include "commands/BuiltinMenus.h"
#include "frame/FrameMessages.h"
#include "instance/HandOverRecord.h"
#include "win32/commands/AcceleratorBuilder.h"
#include "win32/commands/MenuBuilder.h"
#include "win32/instance/HandOverReceiver.h"
#include "win32/instance/MainWindowFinder.h"

namespace lumbrel::win32 {
namespace {

constexpr int kRebarId = 59419;
constexpr int kTabBarId = 1001;
constexpr int kAddressId = 1002;
constexpr int kStatusId = 59393;
constexpr int kTabBandId = 1;
constexpr int kAddressBandId = 2;
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kFirstMdiChild = 0xFF00;
constexpr UINT kFirstSystemCommand = 0xF000;

// The show/hide key is stored as the hot-key control keeps it (Shift 1, Ctrl 2, Alt 4);
// RegisterHotKey wants Alt 1, Ctrl 2, Shift 4.
UINT HotKeyModifiers(int stored) {
    UINT modifiers = 0;
    if (stored & 1)
        modifiers |= MOD_SHIFT;
    if (stored & 2)
        modifiers |= MOD_CONTROL;
    if (stored & 4)
        modifiers |= MOD_ALT;
    return modifiers;
}

struct DialogCount {
    DWORD process;
    DWORD thread;
    int count = 0;
};

BOOL CALLBACK CountForeignDialogs(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogCount*>(lParam);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (process == search->process && thread != search->thread && lstrcmpA(name, "#32770") == 0)
        ++search->count;
    return TRUE;
}

}  // namespace

MainWindow::MainWindow(CBrowserApp& app, CMainFrame& frame, Win32EventLoop& loop, int trayIconId)
    : app_(app), frame_(frame), loop_(loop), trayIconId_(trayIconId) {}

MainWindow::~MainWindow() {
    children_.clear();
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool MainWindow::Create() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!icon)
        icon = LoadIcon(nullptr, IDI_APPLICATION);
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS, icon,
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
    if (mdiClient_ && TranslateMDISysAccel(mdiClient_, &msg))
        return true;
    if (accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_.get(), &msg))
        return true;
    if (ChildWindow* active =
            ChildOf(reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0))))
        return active->Host().PreTranslateMessage(msg);
    return false;
}

// --- Creation and layout ------------------------------------------------------------------

HMENU MainWindow::WindowMenu() const {
    return menuBar_ ? SubmenuFor(menuBar_.get(), BuiltinMainMenu(), MenuRole::WindowList) : nullptr;
}

bool MainWindow::OnCreate() {
    MarkMainWindow(hwnd_);
    menuBar_ = BuildTranslatedMenu(BuiltinMainMenu(), MenuShape::Bar, app_.Lang(), "MenuMain");
    if (menuBar_)
        SetMenu(hwnd_, menuBar_.get());
    accelerators_ = BuildAcceleratorTable(AcceleratorTable());

    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = WindowMenu();
    ccs.idFirstChild = kFirstMdiChild;
    mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), &ccs);
    if (!mdiClient_ || !CreateBars())
        return false;
    loop_.RegisterTarget(kFrameTarget, hwnd_);
    frame_.OnCreate(FrameWidgets{*this, tabs_, address_, status_});
    Layout();
    return true;
}

bool MainWindow::CreateBars() {
    rebar_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER,
                             0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(INT_PTR{kRebarId}),
                             GetModuleHandleA(nullptr), nullptr);
    if (!rebar_)
        return false;
    if (!address_.Create(rebar_, kAddressId, [this](const std::string& text) {
            frame_.OnAddressEntered(text, (GetKeyState(VK_MENU) & 0x8000) != 0);
        }))
        return false;
    if (!tabs_.Create(rebar_, kTabBarId))
        return false;
    // Each band goes in at the front: the tab band ends as band 0, the address band as 1.
    AddBand(kAddressBandId, address_.Handle(), address_.Height(), frame_.ShowsBandAtStart(1));
    AddBand(kTabBandId, tabs_.Handle(), tabs_.IdealHeight(), frame_.ShowsBandAtStart(0));
    return status_.Create(hwnd_, kStatusId);
}

void MainWindow::AddBand(int id, HWND child, int height, bool visible) {
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_BREAK | (visible ? 0 : RBBS_HIDDEN);
    band.hwndChild = child;
    band.cyMinChild = static_cast<UINT>(height);
    band.cyChild = static_cast<UINT>(height);
    band.cx = 400;
    band.wID = static_cast<UINT>(id);
    // The tab band is band 0, as its visibility key "bandb0" says.
    SendMessageA(rebar_, RB_INSERTBANDA, 0, reinterpret_cast<LPARAM>(&band));
}

void MainWindow::FitTabBand() {
    if (!rebar_)
        return;
    const int index = static_cast<int>(SendMessageA(rebar_, RB_IDTOINDEX, kTabBandId, 0));
    if (index < 0)
        return;
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILDSIZE;
    band.cyMinChild = static_cast<UINT>(tabs_.IdealHeight());
    band.cyChild = band.cyMinChild;
    SendMessageA(rebar_, RB_SETBANDINFOA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&band));
    Layout();
}

void MainWindow::Layout() {
    if (!mdiClient_)
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    SendMessageA(rebar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(rebar_, &bar);
    const int top = bar.bottom - bar.top;
    status_.Layout();
    const int bottom = status_.Height();
    MoveWindow(mdiClient_, 0, top, client.right, std::max(0L, client.bottom - top - bottom), TRUE);
}

// --- Messages -----------------------------------------------------------------------------

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
            if (!HIWORD(lParam))
                OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return Default(message, wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_TIMER:
            frame_.OnTimer(static_cast<uint32_t>(wParam));
            return 0;
        case WM_HOTKEY:
            frame_.OnHotKey();
            return 0;
        case WM_ACTIVATEAPP:
            frame_.OnActivateApp(wParam != FALSE);
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
            loop_.UnregisterTarget(kFrameTarget);
            UnmarkMainWindow(hwnd_);
            RemoveTrayIcon();
            UnregisterShowHideHotKey();
            SetMenu(hwnd_, nullptr);  // the menu belongs to menuBar_
            PostQuitMessage(0);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT MainWindow::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd, mdiClient_, message, wParam, lParam);
}

LRESULT MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (frame_.HandlesCommand(id)) {
        frame_.OnCommand(id);
        return 0;
    }
    return Default(WM_COMMAND, wParam, lParam);
}

void MainWindow::OnInitMenuPopup(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == static_cast<UINT>(-1) || id == 0 || id >= kFirstMdiChild)
            continue;
        // Commands of parts that are not there yet show greyed rather than doing nothing.
        const CommandState state = frame_.HandlesCommand(static_cast<int>(id))
                                       ? frame_.QueryCommand(static_cast<int>(id))
                                       : CommandState{false, false};
        EnableMenuItem(menu, i, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == tabs_.Handle()) {
        if (header.code == TCN_SELCHANGE) {
            PostMessageA(hwnd_, UM_TAB_SELECTED, 0, 0);
        } else if (header.code == NM_RCLICK) {
            OnTabContextMenu();
            return TRUE;
        }
    } else if (header.hwndFrom == rebar_ && header.code == RBN_HEIGHTCHANGE) {
        Layout();
    }
    return 0;
}

void MainWindow::OnTabContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int tab = tabs_.HitTest(cursor);
    if (tab < 0)
        return;
    UniqueMenu menu =
        BuildTranslatedMenu(BuiltinTabMenu(), MenuShape::Popup, app_.Lang(), "MenuTab");
    if (!menu)
        return;
    OnInitMenuPopup(menu.get());
    const int id = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y,
                                  0, hwnd_, nullptr);
    if (id > 0)
        frame_.OnTabMenuCommand(id, tab);
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
    UniqueMenu menu =
        BuildTranslatedMenu(BuiltinTrayMenu(), MenuShape::Popup, app_.Lang(), "MenuTray");
    if (!menu)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(hwnd_);
    const int id = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y,
                                  0, hwnd_, nullptr);
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

ChildWindow* MainWindow::ChildOf(HWND hwnd) const {
    for (const auto& [id, child] : children_)
        if (child->Handle() == hwnd)
            return child.get();
    return nullptr;
}

lumbrel::ChildWindow* MainWindow::CreateChild(ChildId id, const ChildCreateOptions& options,
                                              ChildWindowEvents& events,
                                              BrowserEvents& browserEvents, MessageTarget& target) {
    auto child =
        std::make_unique<ChildWindow>(id, events, browserEvents, target, app_.Ports().codePage);
    ChildWindow* raw = child.get();
    children_[id] = std::move(child);
    // Before the control exists: it reads the flags as soon as it has its site, and the
    // first page may load before anyone tells it of a change.
    raw->Host().SetDownloadControlFlags(options.downloadControlFlags);
    if (!raw->Create(mdiClient_, options.maximized, [this](ChildId gone) {
            loop_.UnregisterTarget(gone);
            children_.erase(gone);
        })) {
        children_.erase(id);
        return nullptr;
    }
    loop_.RegisterTarget(id, raw->Handle());
    return raw;
}

void MainWindow::MdiActivate(ChildId id) {
    auto it = children_.find(id);
    if (it != children_.end() && it->second->Handle())
        SendMessageA(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(it->second->Handle()), 0);
}

ChildId MainWindow::ActiveChild() {
    ChildWindow* active =
        ChildOf(reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0)));
    return active ? active->Id() : kNoChild;
}

void MainWindow::MdiActivateNext() {
    SendMessageA(mdiClient_, WM_MDINEXT, 0, 0);
}

void MainWindow::Cascade() {
    SendMessageA(mdiClient_, WM_MDICASCADE, 0, 0);
}

void MainWindow::TileHorizontally() {
    SendMessageA(mdiClient_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void MainWindow::TileVertically() {
    SendMessageA(mdiClient_, WM_MDITILE, MDITILE_VERTICAL, 0);
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
    if (IsIconic(hwnd_))
        ShowWindow(hwnd_, SW_RESTORE);
    else
        ShowWindow(hwnd_, SW_SHOW);
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
    char current[256] = {};
    GetWindowTextA(hwnd_, current, sizeof(current));
    if (text != current)
        SetWindowTextA(hwnd_, text.c_str());
}

void MainWindow::RefreshCommandStates() {
    // The bars that show command states (toolbar, window buttons) refresh from here.
}

void MainWindow::Destroy() {
    children_.clear();
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

void MainWindow::SetThrobber(int frame) {
    status_.SetThrobber(frame);
}

std::vector<BandLayout> MainWindow::Bands() {
    std::vector<BandLayout> bands;
    const int count = static_cast<int>(SendMessageA(rebar_, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE;
        SendMessageA(rebar_, RB_GETBANDINFOA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&band));
        bands.push_back(BandLayout{static_cast<int>(band.wID), static_cast<int>(band.cx),
                                   static_cast<int>(band.fStyle), !(band.fStyle & RBBS_HIDDEN)});
    }
    return bands;
}

bool MainWindow::StatusBarVisible() {
    return IsWindowVisible(status_.Handle()) != FALSE;
}

void MainWindow::RebuildMenus() {
    if (!RebuildMenu(menuBar_, BuiltinMainMenu(), MenuShape::Bar, app_.Lang(), "MenuMain"))
        return;
    SendMessageA(mdiClient_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menuBar_.get()),
                 reinterpret_cast<LPARAM>(WindowMenu()));
    DrawMenuBar(hwnd_);
}

void MainWindow::SetUndoCloseItems(const std::vector<MenuEntry>& items) {
    if (!menuBar_)
        return;
    HMENU undo = SubmenuFor(menuBar_.get(), BuiltinMainMenu(), MenuRole::UndoClose);
    if (!undo)
        return;
    while (GetMenuItemCount(undo) > kUndoCloseFixedItems)
        DeleteMenu(undo, kUndoCloseFixedItems, MF_BYPOSITION);
    for (const MenuEntry& item : items)
        AppendMenuA(undo, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.text.c_str());
}

bool MainWindow::RegisterShowHideHotKey(int modifiers, int virtualKey) {
    hotKeyRegistered_ = RegisterHotKey(hwnd_, 0, HotKeyModifiers(modifiers),
                                       static_cast<UINT>(virtualKey)) != FALSE;
    return hotKeyRegistered_;
}

void MainWindow::UnregisterShowHideHotKey() {
    if (hotKeyRegistered_)
        UnregisterHotKey(hwnd_, 0);
    hotKeyRegistered_ = false;
}

bool MainWindow::ShowTrayIcon() {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd_;
    data.uID = static_cast<UINT>(trayIconId_);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, GCLP_HICONSM));
    if (!data.hIcon)
        data.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(data.szTip, CBrowserApp::kAppName, sizeof(data.szTip));
    trayShown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return trayShown_;
}

void MainWindow::RemoveTrayIcon() {
    if (!trayShown_)
        return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd_;
    data.uID = static_cast<UINT>(trayIconId_);
    Shell_NotifyIconA(NIM_DELETE, &data);
    trayShown_ = false;
}

int MainWindow::ForeignThreadDialogCount() {
    DialogCount search{GetCurrentProcessId(), GetCurrentThreadId()};
    EnumWindows(&CountForeignDialogs, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace lumbrel::win32
