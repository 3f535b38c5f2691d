// A system-wide hot key registered for a window: registered by the constructor when the
// system allows it, unregistered by the destructor. The key is given as the settings store it
// (the hot-key control's modifier bits: Shift 1, Ctrl 2, Alt 4).
#pragma once

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

// The hot-key control's modifier bits as RegisterHotKey wants them (Alt 1, Ctrl 2, Shift 4).
UINT HotKeyModifiers(int stored);

class HotKey {
public:
    HotKey(HWND owner, int id, int storedModifiers, int virtualKey);
    ~HotKey();
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

    // False when another program holds the key (or the key is not valid).
    bool Registered() const { return registered_; }

private:
    const HWND owner_;
    const int id_;
    bool registered_ = false;
};

}  // namespace lumbrel::win32
