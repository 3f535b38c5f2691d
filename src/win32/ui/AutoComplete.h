// The shell's auto-completion of an address field (history, typed addresses, Tab to
// complete), when the system's utility library offers it; without it the field works as a
// plain edit.
#pragma once

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

void AttachAddressAutoComplete(HWND edit);

}  // namespace lumbrel::win32
