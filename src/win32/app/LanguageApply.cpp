#include "win32/app/LanguageApply.h"

#include "app/DialogTranslator.h"
#include "app/MenuTranslator.h"
#include "win32/app/Win32DialogSurface.h"
#include "win32/app/Win32MenuSurface.h"

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
