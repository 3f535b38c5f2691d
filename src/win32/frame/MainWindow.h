// The main window: the MDI frame with its rebar (tab bar and address box), menu bar, status
// bar, tray icon and show/hide hot key. It implements what the core's main frame asks of its
// window (FrameWindow) by handing each request to the part that owns it, and turns every
// window message into one call of the core.
#pragma once

#include <memory>
#include <optional>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "platform/FrameWindow.h"
#include "win32/address/AddressDialogWindows.h"
#include "win32/commands/MenuHandles.h"
#include "win32/favorites/FavoriteMenuPainter.h"
#include "win32/favorites/FavoritesMenuView.h"
#include "win32/favorites/FavoritesSideBar.h"
#include "win32/favorites/GroupsMenuView.h"
#include "win32/favorites/Win32FavoritesDialogs.h"
#include "win32/filter/Win32FilterDialogs.h"
#include "win32/frame/AddressBar.h"
#include "win32/frame/DragMenuPopup.h"
#include "win32/frame/FrameBars.h"
#include "win32/frame/HotKey.h"
#include "win32/frame/MdiClient.h"
#include "win32/frame/MenuBar.h"
#include "win32/frame/SearchBarView.h"
#include "win32/frame/StatusBarView.h"
#include "win32/frame/TabControlView.h"
#include "win32/frame/TrayIcon.h"
#include "win32/options/OptionsDialog.h"
#include "win32/platform/Win32EventLoop.h"
#include "win32/shell/SkinImages.h"
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
    void MdiActivate(ChildId id) override { mdi_.Activate(id); }
    ChildId ActiveChild() override;
    void MdiActivateNext() override { mdi_.ActivateNext(); }
    void Cascade() override { mdi_.Cascade(); }
    void TileHorizontally() override { mdi_.Tile(true); }
    void TileVertically() override { mdi_.Tile(false); }
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
    void SetThrobber(int frame) override { status_.SetThrobber(frame); }
    std::vector<BandLayout> Bands() override { return bars_.Bands(); }
    void ShowBand(int bandId, bool show) override;
    bool StatusBarVisible() override;
    void RebuildMenus() override;
    void SetUndoCloseItems(const std::vector<MenuEntry>& items) override {
        menuBar_.SetUndoCloseItems(items);
    }
    void RunPageManager(PageManager& manager) override;
    void FitTabBand(int height) override;
    bool RegisterShowHideHotKey(int modifiers, int virtualKey) override;
    void UnregisterShowHideHotKey() override { showHideKey_.reset(); }
    bool ShowTrayIcon() override;
    void RemoveTrayIcon() override { tray_.Remove(); }
    void ShowTrayMenu() override;
    int ForeignThreadDialogCount() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCreate();
    bool CreateBars();
    void Layout();
    // The menu bar's buttons and the caption for the active window: a maximised one's are
    // the frame's.
    void ShowActiveChild();
    // Whatever the window holds of the process (its target id, its marker, the tray icon, the
    // hot key, the menu): given back before the window goes.
    void ReleaseWindowResources();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    std::optional<CommandState> StateOf(int commandId) const;
    LRESULT OnNotify(const NMHDR& header);
    bool CreateFavoritesBar();
    void OnTrayIcon(LPARAM event);
    static UINT WheelRollMessage();
    LRESULT ForwardWheelRoll(WPARAM wParam, LPARAM lParam);
    void OnTabContextMenu();
    void OnDropFiles(HDROP drop);
    void OnDeactivate(HWND other);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnHandOver();

    CBrowserApp& app_;
    CMainFrame& frame_;
    Win32EventLoop& loop_;
    MdiClient mdi_;
    FrameBars bars_;
    TabControlView tabs_;
    AddressBar address_;
    LinksBar links_;
    SearchBarView search_{app_, frame_};
    AddressDialogWindows addressDialogs_;
    Win32FilterDialogs filterDialogs_;
    FavoriteMenuPainter favoritePainter_;  // outlives the menus that it draws
    FavoritesMenuView favoritesMenu_;
    std::unique_ptr<FavoritesSideBar> favoritesBar_;  // made once the frame's favorites exist
    Win32FavoritesDialogs favoritesDialogs_;
    GroupsMenuView groupsMenu_;
    DragMenuPopup dragMenus_{app_};
    std::optional<Win32OptionsUi> optionsUi_;  // made with the window it is owned by
    UniqueImageList goImages_;                 // outlives the Go button that shows it
    UniqueImageList itemImages_;               // outlives the address box that shows it
    StatusBarView status_;
    MenuBar menuBar_;
    UniqueAcceleratorTable accelerators_;
    TrayIcon tray_;
    std::optional<HotKey> showHideKey_;
    std::string title_ = CBrowserApp::kAppName;  // the caption without the maximised window
};

}  // namespace lumbrel::win32
