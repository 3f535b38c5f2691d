// Translates a menu in place from a language-file section ("MenuMain", "MenuTray", ...):
// command items by their decimal id, submenu items by their position path ("X2X9" is the
// tenth item of the third top-level menu). A "\t" escape in a value becomes the tab before
// the shortcut text. Items without a translation keep their text.
//
// Called for every menu after it is built while a language file is active: by the Windows
// binding on HMENUs, and on menu data before texts are taken from it.
#pragma once

#include <string_view>

#include "platform/MenuSurface.h"

namespace lumbrel {

class Language;

// Translates `menu` and all its submenus. Does nothing while no language file is active.
void LngApplyMenu(MenuSurface& menu, const Language& language, std::string_view section);

}  // namespace lumbrel
