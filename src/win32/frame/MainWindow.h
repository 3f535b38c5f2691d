// The main window: the MDI frame with its rebar (tab bar and address box), menu bar, status
// bar, tray icon and show/hide hot key. It implements what the core's main frame asks of its
// window (FrameWindow) and turns every window message into one call of the core.
#pragma once

#include <map>
#include <memory>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "platform/FrameWindow.h"
#include "win32/commands/MenuHandles.h"
#include "win32/frame/AddressBar.h"
#include "win32/frame/ChildWindow.h"
#include "win32/frame/StatusBarView.h"
#include "win32/frame/TabControlView.h"
#include "win32/platform/Win32EventLoop.h"
#include "win32/ui/Window.h"

namespace lumbrel::win32 {

class MainWindow : public Window, public FrameWindow {
public:
    static constexpr const char* kClassName = "LumbrelMainFrame";

    MainWindow(CBrowserApp& app, CMainFrame& frame, Win32EventLoop& loop, int trayIconId);
    ~MainWindow() override;

    // Creates the frame, hidden; false when the window or one of its bars cannot be created.
    bool Create();
    // Shows the frame as the settings say (placement, maximised).
    void ShowFromSettings(int showCommand);
    // Lets the frame's accelerators, the MDI keys and the active page handle `msg` first.
    bool TranslateFrameMessage(MSG& msg);

    // FrameWindow
    lumbrel::ChildWindow* CreateChild(ChildId id, const ChildCreateOptions& options,
                                      ChildWindowEvents& events, BrowserEvents& browserEvents,
                                      MessageTarget& target) override;
    void MdiActivate(ChildId id) override;
    ChildId ActiveChild() override;
    void MdiActivateNext() override;
    void Cascade() override;
    void TileHorizontally() override;
    void TileVertically() override;
    bool IsVisible() override;
    bool IsMinimized() override;
    bool IsMaximized() override;
    bool IsForeground() override;
    void ShowAndRestore() override;
    void BringToFront() override;
    void MinimizeAndHide() override;
    void Hide() override;
    void SetTitle(const std::string& text) override;
    void RefreshCommandStates() override;
    void Destroy() override;
    ShowState CurrentShowState() override;
    Placement NormalPlacement() override;
    void SetThrobber(int frame) override;
    std::vector<BandLayout> Bands() override;
    bool StatusBarVisible() override;
    void RebuildMenus() override;
    void SetUndoCloseItems(const std::vector<MenuEntry>& items) override;
    void FitTabBand() override;
    bool RegisterShowHideHotKey(int modifiers, int virtualKey) override;
    void UnregisterShowHideHotKey() override;
    bool ShowTrayIcon() override;
    void RemoveTrayIcon() override;
    void ShowTrayMenu() override;
    int ForeignThreadDialogCount() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCreate();
    bool CreateBars();
    void AddBand(int id, HWND child, int height, bool visible);
    void Layout();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnInitMenuPopup(HMENU menu);
    LRESULT OnNotify(const NMHDR& header);
    void OnTrayIcon(LPARAM event);
    void OnTabContextMenu();
    void OnDropFiles(HDROP drop);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnHandOver();
    ChildWindow* ChildOf(HWND hwnd) const;
    HMENU WindowMenu() const;

    CBrowserApp& app_;
    CMainFrame& frame_;
    Win32EventLoop& loop_;
    const int trayIconId_;
    HWND mdiClient_ = nullptr;
    HWND rebar_ = nullptr;
    TabControlView tabs_;
    AddressBar address_;
    StatusBarView status_;
    UniqueMenu menuBar_;
    UniqueAcceleratorTable accelerators_;
    std::map<ChildId, std::unique_ptr<ChildWindow>> children_;
    bool trayShown_ = false;
    bool hotKeyRegistered_ = false;
    std::string title_ = CBrowserApp::kAppName;
};

}  // namespace lumbrel::win32
