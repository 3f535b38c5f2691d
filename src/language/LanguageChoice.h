// The language selection: the rows the dialog lists ("Default [English]" and every
// "Language\*.ini" with its display name) and applying the row the user chose.
#pragma once

#include <vector>

#include "platform/Ui.h"

namespace lumbrel {

class CBrowserApp;

// Row 0 is the built-in English; at most 254 language files follow.
std::vector<LanguageRow> LanguageRows(CBrowserApp& app);

// The row of the active language file, 0 when the built-in texts are in use.
int ActiveLanguageRow(const CBrowserApp& app, const std::vector<LanguageRow>& rows);

// Shows the dialog and applies the choice (mode, file, both settings written). Returns false
// when the user cancelled or chose nothing.
bool ChooseLanguage(CBrowserApp& app);

}  // namespace lumbrel
