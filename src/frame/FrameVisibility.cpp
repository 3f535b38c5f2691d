#include "frame/FrameVisibility.h"

#include "frame/CMainFrame.h"
#include "language/StringIds.h"

namespace lumbrel {

void FrameVisibility::RegisterHotKey(const FrameOptions& options) {
    hotKeyRegistered_ = frame_.Widgets().window.RegisterShowHideHotKey(options.showHideModifiers,
                                                                       options.showHideKey);
}

void FrameVisibility::RegisterHotKeyAgain(const FrameOptions& options) {
    if (hotKeyRegistered_)
        frame_.Widgets().window.UnregisterShowHideHotKey();
    hotKeyRegistered_ = false;
    RegisterHotKey(options);
}

void FrameVisibility::ApplyTrayIcon(bool show) {
    if (show && !trayShown_)
        ShowTrayIcon();
    else if (!show && trayShown_) {
        frame_.Widgets().window.RemoveTrayIcon();
        trayShown_ = false;
    }
}

void FrameVisibility::ShowTrayIcon() {
    trayShown_ = frame_.Widgets().window.ShowTrayIcon();
}

void FrameVisibility::RemoveWaysBack() {
    FrameWindow& window = frame_.Widgets().window;
    if (hotKeyRegistered_)
        window.UnregisterShowHideHotKey();
    hotKeyRegistered_ = false;
    if (trayShown_)
        window.RemoveTrayIcon();
    trayShown_ = false;
}

bool FrameVisibility::PasswordAllowsShowing() {
    CChildFrame* active = frame_.ActiveChild();
    if (!active || !active->Protected())
        return true;
    switch (frame_.Protection().AskPassword(active->Id())) {
        case PasswordCheck::Correct:
            return true;
        case PasswordCheck::Wrong:
            frame_.Tell(IDS_PASSWORD_INCORRECT);
            return false;
        case PasswordCheck::WindowGone:
            // The answer was for a window that closed meanwhile: nothing is shown on it; the
            // next attempt asks for whatever window is active then.
            return false;
    }
    return false;
}

void FrameVisibility::ShowFrame(bool skipPassword) {
    if (!skipPassword && !PasswordAllowsShowing())
        return;
    frame_.Widgets().window.ShowAndRestore();
}

void FrameVisibility::ShowHide(bool skipPassword) {
    FrameWindow& window = frame_.Widgets().window;
    if (!window.IsVisible() || window.IsMinimized()) {
        ShowFrame(skipPassword);
        return;
    }
    if (HasWayBack())
        window.MinimizeAndHide();
}

bool FrameVisibility::OnSysCommand(FrameSysCommand command) {
    const FrameOptions& options = frame_.Options();
    switch (command) {
        case FrameSysCommand::Minimize:
            if (!HasWayBack() || !options.minimizeToTray)
                return false;
            ShowHide(false);
            return true;
        case FrameSysCommand::Close:
            if (!HasWayBack() || !options.closeToTray)
                return false;
            if (options.closeAllWhenCloseToTray)
                frame_.Closer().CloseAll();
            ShowHide(false);
            return true;
        case FrameSysCommand::Restore:
            // Handled here (the frame stays minimised) when the password was refused.
            return frame_.Widgets().window.IsMinimized() && !PasswordAllowsShowing();
        case FrameSysCommand::Other:
            break;
    }
    return false;
}

void FrameVisibility::OnTrayMouse(TrayMouse event) {
    switch (event) {
        case TrayMouse::LeftUp:
        case TrayMouse::LeftDoubleClick:
            ShowHide(false);
            break;
        case TrayMouse::RightUp:
            frame_.Widgets().window.ShowTrayMenu();
            break;
        case TrayMouse::Other:
            break;
    }
}

FrameStartShow FrameVisibility::StartShow(const Preferences& prefs, bool startsMinimized) {
    FrameStartShow show;
    if (IsPlacementUsable(prefs.MainPlacement()))
        show.placement = prefs.MainPlacement();
    show.maximized = prefs.zoomed != 0 && !startsMinimized;
    return show;
}

void FrameVisibility::AfterMinimize() {
    // FIXME: the floating monitor window shows itself again here once it exists.
}

}  // namespace lumbrel
