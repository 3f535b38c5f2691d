#include "win32/frame/HotKey.h"

namespace lumbrel::win32 {

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

HotKey::HotKey(HWND owner, int id, int storedModifiers, int virtualKey) : owner_(owner), id_(id) {
    registered_ = RegisterHotKey(owner, id, HotKeyModifiers(storedModifiers),
                                 static_cast<UINT>(virtualKey)) != FALSE;
}

HotKey::~HotKey() {
    if (registered_)
        UnregisterHotKey(owner_, id_);
}

}  // namespace lumbrel::win32
