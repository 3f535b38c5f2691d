#include "win32/language/LanguageApply.h"

#include "language/DialogTranslator.h"
#include "language/MenuTranslator.h"
#include "win32/commands/Win32MenuSurface.h"
#include "win32/language/Win32DialogSurface.h"

namespace lumbrel::win32 {

void LngApplyDialog(HWND dialog, std::string_view section, const Language& language) {
    Win32DialogSurface surface(dialog);
    lumbrel::LngApplyDialog(surface, language, section);
}

void LngApplyMenu(HMENU menu, std::string_view section, const Language& language) {
    Win32MenuSurface surface(menu);
    lumbrel::LngApplyMenu(surface, language, section);
}

}  // namespace lumbrel::win32
