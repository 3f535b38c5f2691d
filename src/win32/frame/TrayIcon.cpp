#include "win32/frame/TrayIcon.h"

#include <shellapi.h>

namespace lumbrel::win32 {

bool TrayIcon::Show(HWND owner, HICON icon, const char* tip) {
    Remove();
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = static_cast<UINT>(id_);
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(data.szTip, tip, sizeof(data.szTip));
    if (Shell_NotifyIconA(NIM_ADD, &data))
        owner_ = owner;
    return Shown();
}

void TrayIcon::Remove() {
    if (!owner_)
        return;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = static_cast<UINT>(id_);
    Shell_NotifyIconA(NIM_DELETE, &data);
    owner_ = nullptr;
}

}  // namespace lumbrel::win32
