#include "language/MenuTranslator.h"

#include <optional>
#include <string>

#include "language/Language.h"
#include "language/LanguageEscapes.h"

namespace lumbrel {
namespace {

void ApplyText(MenuSurface& menu, int pos, const Language& language, std::string_view section,
               const std::string& key) {
    if (std::optional<std::string> text = language.Find(section, key)) {
        menu.SetItemText(pos, ExpandEscapes(*text, "t", language.GetCodePage()));
    }
}

// `pathKey` is the key of the menu being walked ("" for the outermost one).
void Translate(MenuSurface& menu, const Language& language, std::string_view section,
               const std::string& pathKey) {
    const int count = menu.ItemCount();
    for (int pos = 0; pos < count; ++pos) {
        switch (menu.ItemKind(pos)) {
            case MenuItemKind::Separator:
                break;
            case MenuItemKind::Command:
                ApplyText(menu, pos, language, section, std::to_string(menu.ItemId(pos)));
                break;
            case MenuItemKind::Submenu: {
                const std::string key = pathKey + "X" + std::to_string(pos);
                ApplyText(menu, pos, language, section, key);
                if (std::unique_ptr<MenuSurface> submenu = menu.Submenu(pos)) {
                    Translate(*submenu, language, section, key);
                }
                break;
            }
        }
    }
}

}  // namespace

void LngApplyMenu(MenuSurface& menu, const Language& language, std::string_view section) {
    if (!language.IsActive()) {
        return;
    }
    Translate(menu, language, section, "");
}

}  // namespace lumbrel
