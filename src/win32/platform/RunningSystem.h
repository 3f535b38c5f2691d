// What the program runs on, where a system's parts are known to be missing: Wine exports some
// shell dialogs as stubs that end the process when called, and has no HTML renderer.
#pragma once

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

inline bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace lumbrel::win32
