// Translates an open dialog from its language-file section ("DialogSelectLang", ...): the
// caption from "Caption", the standard buttons (ids 1-9) from "StringGeneral", every other
// control from its decimal id. A value beginning with a "\n" escape refills a combo box's
// list, keeping the selected position; elsewhere "\r" and "\n" escapes become line breaks.
// Values are cut to 511 characters.
//
// Each dialog calls it first thing in its initialisation while a language file is active
// (through the Windows binding's adapter over the dialog's HWND).
#pragma once

#include <string_view>

#include "platform/DialogSurface.h"

namespace lumbrel {

class Language;

// Translates `dialog`. Does nothing while no language file is active.
void LngApplyDialog(DialogSurface& dialog, const Language& language, std::string_view section);

}  // namespace lumbrel
