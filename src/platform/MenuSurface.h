// One level of a menu as the menu rules see it: items by position, each a command, a
// separator or a submenu. The rules (language translation by position path, the command
// picker) walk menus through this; the Windows binding implements it over an HMENU and the
// core over its menu data (MenuModelSurface).
#pragma once

#include <memory>
#include <string>

namespace lumbrel {

enum class MenuItemKind { Command, Separator, Submenu };

class MenuSurface {
public:
    virtual ~MenuSurface() = default;

    virtual int ItemCount() const = 0;
    virtual MenuItemKind ItemKind(int pos) const = 0;
    // The command id of a command item; 0 for separators and submenus.
    virtual int ItemId(int pos) const = 0;
    // The item's text with its "&" marks and "\t" shortcut text.
    virtual std::string ItemText(int pos) const = 0;
    // Replaces the text of the item at `pos`; its id, kind and submenu stay.
    virtual void SetItemText(int pos, const std::string& text) = 0;
    // The submenu of a submenu item, valid while this menu lives; null for other items.
    virtual std::unique_ptr<MenuSurface> Submenu(int pos) = 0;
};

}  // namespace lumbrel
