#include "win32/frame/MainWindow.h"

#include "app/Accelerators.h"
#include "app/BuiltinMenus.h"
#include "app/SettingsRules.h"
#include "win32/app/AcceleratorBuilder.h"
#include "win32/app/MenuBuilder.h"

namespace lumbrel::win32 {
namespace {

ShowState ShowStateOf(HWND hwnd) {
    if (IsIconic(hwnd)) return ShowState::Minimized;
    if (IsZoomed(hwnd)) return ShowState::Maximized;
    return ShowState::Normal;
}

}  // namespace

bool MainWindow::Create() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!icon) icon = LoadIcon(nullptr, IDI_APPLICATION);
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS, icon,
                           reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    return CreateWindowExA(0, kClassName, CBrowserApp::kAppName, WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, GetModuleHandleA(nullptr), this) != nullptr;
}

void MainWindow::ShowFromSettings(int showCommand) {
    const Preferences& prefs = app_.Prefs();
    const Placement placement = prefs.MainPlacement();
    if (IsPlacementUsable(placement))
        SetWindowPos(hwnd_, nullptr, placement.left, placement.top, placement.width,
                     placement.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (prefs.zoomed && showCommand != SW_SHOWMINIMIZED && showCommand != SW_MINIMIZE &&
        showCommand != SW_SHOWMINNOACTIVE)
        showCommand = SW_SHOWMAXIMIZED;
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

bool MainWindow::TranslateFrameMessage(MSG& msg) {
    if (mdiClient_ && TranslateMDISysAccel(mdiClient_, &msg)) return true;
    return accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_.get(), &msg);
}

void MainWindow::OnCreate() {
    menuBar_ = BuildTranslatedMenu(BuiltinMainMenu(), MenuShape::Bar, app_.Lang(), "MenuMain");
    if (menuBar_) SetMenu(hwnd_, menuBar_.get());
    accelerators_ = BuildAcceleratorTable(AcceleratorTable());
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = menuBar_ ? SubmenuFor(menuBar_.get(), BuiltinMainMenu(), MenuRole::WindowList)
                               : nullptr;
    ccs.idFirstChild = 0xFF00;
    mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), &ccs);
}

void MainWindow::OnClose() {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    const Placement placement{rect.top, rect.left, rect.right - rect.left,
                                    rect.bottom - rect.top};
    SaveMainPlacement(app_.Settings(), ShowStateOf(hwnd_), placement);
    app_.SaveSettings();
    DestroyWindow(hwnd_);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return mdiClient_ ? 0 : -1;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            // The menu belongs to menuBar_, not to the window being destroyed.
            SetMenu(hwnd_, nullptr);
            PostQuitMessage(0);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT MainWindow::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(hwnd, mdiClient_, message, wParam, lParam);
}

}  // namespace lumbrel::win32
