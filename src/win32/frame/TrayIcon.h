// The program's icon in the notification area. It is there between Show and Remove, and is
// removed at the latest when the object goes; clicks on it arrive at the owner window as
// `callbackMessage` with the mouse message in lParam.
#pragma once

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class TrayIcon {
public:
    TrayIcon(int id, UINT callbackMessage) : id_(id), callbackMessage_(callbackMessage) {}
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon for `owner` with `icon` (the system's application icon when null) and the
    // tooltip `tip`. False when the shell refuses it.
    bool Show(HWND owner, HICON icon, const char* tip);
    void Remove();
    bool Shown() const { return owner_ != nullptr; }

private:
    const int id_;
    const UINT callbackMessage_;
    HWND owner_ = nullptr;
};

}  // namespace lumbrel::win32
