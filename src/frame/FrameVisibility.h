// Showing and hiding the frame: the show/hide hot key and the tray icon (the ways back to a
// hidden frame), the show/hide command, the password of a protected active window before the
// frame shows again, and the frame's system commands (minimise or close to the tray, restore).
#pragma once

#include <optional>

#include "platform/WindowGeometry.h"

namespace lumbrel {

class CMainFrame;
struct FrameOptions;
struct Preferences;

// The frame's system commands that have rules of their own.
enum class FrameSysCommand { Minimize, Close, Restore, Other };

// Mouse events on the tray icon.
enum class TrayMouse { LeftUp, LeftDoubleClick, RightUp, Other };

// How the frame is first shown: at the placement of the last session when it is usable, and
// maximised when it was (unless the program was started minimised).
struct FrameStartShow {
    std::optional<Placement> placement;
    bool maximized = false;
};

class FrameVisibility {
public:
    explicit FrameVisibility(CMainFrame& frame) : frame_(frame) {}

    // At creation: the show/hide hot key.
    void RegisterHotKey(const FrameOptions& options);
    // The options changed the hot key: the old one is given up first.
    void RegisterHotKeyAgain(const FrameOptions& options);
    // The options switched the tray icon on or off.
    void ApplyTrayIcon(bool show);
    // At the deferred initialisation, when `ShowTrayIcon` is on.
    void ShowTrayIcon();
    // At exit: hot key and tray icon go.
    void RemoveWaysBack();

    // A hidden or minimised frame is shown (after the protected active window's password
    // unless `skipPassword`); a visible one is hidden when there is a way back.
    void ShowHide(bool skipPassword);
    void ShowFrame(bool skipPassword);
    // True when the command was handled here instead of by the system.
    bool OnSysCommand(FrameSysCommand command);
    void AfterMinimize();
    // Left click or double click shows or hides the frame; right click opens the tray menu.
    void OnTrayMouse(TrayMouse event);
    static FrameStartShow StartShow(const Preferences& prefs, bool startsMinimized);

private:
    bool HasWayBack() const { return hotKeyRegistered_ || trayShown_; }
    // False when the active window is protected and its password was not given.
    bool PasswordAllowsShowing();

    CMainFrame& frame_;
    bool hotKeyRegistered_ = false;
    bool trayShown_ = false;
};

}  // namespace lumbrel
