#include "commands/CommandPicker.h"

#include <optional>

#include "commands/CommandIds.h"
#include "language/Language.h"
#include "language/LanguageEscapes.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr std::string_view kMainSection = "MenuMain";

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

std::string SubmenuName(MenuSurface& menu, int pos, const std::string& key,
                        const Language& language) {
    if (language.IsActive()) {
        if (std::optional<std::string> text = language.Find(kMainSection, key)) {
            return CleanMenuText(ExpandEscapes(*text, "t", language.GetCodePage()));
        }
    }
    return CleanMenuText(menu.ItemText(pos));
}

void Walk(MenuSurface& menu, const Language& language, const std::string& pathKey,
          const std::string& prefix, std::vector<CommandChoice>& out) {
    const int count = menu.ItemCount();
    for (int pos = 0; pos < count; ++pos) {
        const MenuItemKind kind = menu.ItemKind(pos);
        if (kind == MenuItemKind::Command) {
            const int id = menu.ItemId(pos);
            if (EndsCommandWalk(id)) {
                return;
            }
            out.push_back({prefix + CleanMenuText(menu.ItemText(pos)), id});
        } else if (kind == MenuItemKind::Submenu) {
            const std::string key = pathKey + "X" + std::to_string(pos);
            if (std::unique_ptr<MenuSurface> submenu = menu.Submenu(pos)) {
                const std::string name = SubmenuName(menu, pos, key, language);
                Walk(*submenu, language, key, prefix + name + " \\ ", out);
            }
        }
    }
}

}  // namespace

bool EndsCommandWalk(int id) {
    return InRange(id, IDM_ADD_TO_GROUP_FIRST, IDM_ADD_TO_GROUP_LAST) ||
           InRange(id, IDM_UNDO_CLOSE_ITEM_FIRST, IDM_UNDO_CLOSE_ITEM_LAST) ||
           InRange(id, IDM_FAV_ADD_HERE_FIRST, IDM_FAV_ADD_HERE_LAST) ||
           InRange(id, IDM_SEARCH_ENGINE_FIRST, IDM_SEARCH_ENGINE_LAST);
}

std::vector<CommandChoice> BuildCommandPicker(MenuSurface& mainMenu, const Language& language) {
    std::vector<CommandChoice> choices;
    choices.push_back({language.LngLoadString(IDS_NONE), 0});
    Walk(mainMenu, language, "", "", choices);
    return choices;
}

std::string MenuCommandText(const MenuItems& mainMenu, int id, const Language& language) {
    if (id == 0) {
        return language.LngLoadString(IDS_NONE);
    }
    const MenuItem* item = FindCommand(mainMenu, id);
    if (item == nullptr) {
        return std::string();
    }
    if (language.IsActive()) {
        if (std::optional<std::string> text = language.Find(kMainSection, std::to_string(id))) {
            return CleanMenuText(ExpandEscapes(*text, "t", language.GetCodePage()));
        }
    }
    return CleanMenuText(item->text);
}

}  // namespace lumbrel
