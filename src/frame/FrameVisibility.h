// Showing and hiding the frame: the show/hide hot key and the tray icon (the ways back to a
// hidden frame), the show/hide command, the password of a protected active window before the
// frame shows again, and the frame's system commands (minimise or close to the tray, restore).
#pragma once

namespace lumbrel {

class CMainFrame;
struct FrameOptions;

// The frame's system commands that have rules of their own.
enum class FrameSysCommand { Minimize, Close, Restore, Other };

class FrameVisibility {
public:
    explicit FrameVisibility(CMainFrame& frame) : frame_(frame) {}

    // At creation: the show/hide hot key.
    void RegisterHotKey(const FrameOptions& options);
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

private:
    bool HasWayBack() const { return hotKeyRegistered_ || trayShown_; }
    // False when the active window is protected and its password was not given.
    bool PasswordAllowsShowing();

    CMainFrame& frame_;
    bool hotKeyRegistered_ = false;
    bool trayShown_ = false;
};

}  // namespace lumbrel
