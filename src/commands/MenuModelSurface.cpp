#include "commands/MenuModelSurface.h"

namespace lumbrel {

int MenuModelSurface::ItemCount() const {
    return static_cast<int>(items_.size());
}

MenuItemKind MenuModelSurface::ItemKind(int pos) const {
    return items_.at(static_cast<size_t>(pos)).kind;
}

int MenuModelSurface::ItemId(int pos) const {
    const MenuItem& item = items_.at(static_cast<size_t>(pos));
    return item.kind == MenuItemKind::Command ? item.id : 0;
}

std::string MenuModelSurface::ItemText(int pos) const {
    return items_.at(static_cast<size_t>(pos)).text;
}

void MenuModelSurface::SetItemText(int pos, const std::string& text) {
    items_.at(static_cast<size_t>(pos)).text = text;
}

std::unique_ptr<MenuSurface> MenuModelSurface::Submenu(int pos) {
    MenuItem& item = items_.at(static_cast<size_t>(pos));
    if (item.kind != MenuItemKind::Submenu) {
        return nullptr;
    }
    return std::make_unique<MenuModelSurface>(item.items);
}

}  // namespace lumbrel
