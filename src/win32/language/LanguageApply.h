// The language rules applied to real windows: a dialog translates itself with
// LngApplyDialog first thing in its WM_INITDIALOG, and every menu goes through LngApplyMenu
// after it is built. Both do nothing while no language file is active.
#pragma once

#include "win32/platform/WinApi.h"

#include <string_view>

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

// Translates the dialog `dialog` from the language-file section `section`.
void LngApplyDialog(HWND dialog, std::string_view section, const Language& language);

// Translates `menu` and its submenus in place from the section `section`. A menu shown as a
// window's menu bar needs DrawMenuBar afterwards.
void LngApplyMenu(HMENU menu, std::string_view section, const Language& language);

}  // namespace lumbrel::win32
