#include "commands/MenuModel.h"

namespace lumbrel {

MenuItem MenuItem::Command(int id, std::string text) {
    MenuItem item;
    item.kind = MenuItemKind::Command;
    item.id = id;
    item.text = std::move(text);
    return item;
}

MenuItem MenuItem::Separator() {
    MenuItem item;
    item.kind = MenuItemKind::Separator;
    return item;
}

MenuItem MenuItem::Popup(std::string text, std::vector<MenuItem> items, MenuRole role) {
    MenuItem item;
    item.kind = MenuItemKind::Submenu;
    item.text = std::move(text);
    item.items = std::move(items);
    item.role = role;
    return item;
}

const MenuItem* FindCommand(const MenuItems& menu, int id) {
    for (const MenuItem& item : menu) {
        if (item.kind == MenuItemKind::Command && item.id == id) {
            return &item;
        }
        if (item.kind == MenuItemKind::Submenu) {
            if (const MenuItem* found = FindCommand(item.items, id)) {
                return found;
            }
        }
    }
    return nullptr;
}

namespace {

// Depth first; `path` holds the positions of the enclosing submenus on entry and the
// position path of the found submenu on success.
bool FindRoleFrom(const MenuItems& menu, MenuRole role, MenuPath& path) {
    for (size_t pos = 0; pos < menu.size(); ++pos) {
        const MenuItem& item = menu[pos];
        if (item.kind != MenuItemKind::Submenu) {
            continue;
        }
        path.push_back(static_cast<int>(pos));
        if (item.role == role || FindRoleFrom(item.items, role, path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

}  // namespace

std::optional<MenuPath> FindRole(const MenuItems& menu, MenuRole role) {
    MenuPath path;
    if (!FindRoleFrom(menu, role, path)) {
        return std::nullopt;
    }
    return path;
}

const MenuItem* ItemAt(const MenuItems& menu, const MenuPath& path) {
    const MenuItems* level = &menu;
    const MenuItem* item = nullptr;
    for (int pos : path) {
        if (level == nullptr || pos < 0 || static_cast<size_t>(pos) >= level->size()) {
            return nullptr;
        }
        item = &(*level)[static_cast<size_t>(pos)];
        level = item->kind == MenuItemKind::Submenu ? &item->items : nullptr;
    }
    return item;
}

std::string MenuPathKey(const MenuPath& path) {
    std::string key;
    for (int pos : path) {
        key += 'X';
        key += std::to_string(pos);
    }
    return key;
}

std::string CleanMenuText(std::string_view text) {
    text = text.substr(0, text.find('\t'));
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (c != '&') {
            clean.push_back(c);
        }
    }
    return clean;
}

}  // namespace lumbrel
