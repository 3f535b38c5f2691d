// Presents one level of a menu data tree as a MenuSurface, so that the rules written for
// live menus (translation by position path, the command picker) run on the data as well:
// natively in the tests, and for texts that are shown before any HMENU exists.
//
// Refers to the items it was made from; they must outlive it and keep their size.
#pragma once

#include "commands/MenuModel.h"
#include "platform/MenuSurface.h"

namespace lumbrel {

class MenuModelSurface : public MenuSurface {
public:
    explicit MenuModelSurface(MenuItems& items) : items_(items) {}

    int ItemCount() const override;
    MenuItemKind ItemKind(int pos) const override;
    int ItemId(int pos) const override;
    std::string ItemText(int pos) const override;
    void SetItemText(int pos, const std::string& text) override;
    std::unique_ptr<MenuSurface> Submenu(int pos) override;

private:
    MenuItems& items_;
};

}  // namespace lumbrel
