// Measures and draws the owner-drawn items of the favorites menus and of the links bar's
// folder menus: the skin's folder or link picture, the title, and the favorite's address in
// a second column when the core's item data carries one. What an item shows is decided by
// the core and the menu builder; this only measures and paints it.
//
// Each menu item carries a pointer to its look as item data. Looks are kept in sets, one per
// menu tree, dropped together when that menu is rebuilt or closed; a measure or draw request
// whose item data is not a live look of this painter is not answered.
#pragma once

#include "win32/platform/WinApi.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "favorites/FavoritesMenu.h"
#include "win32/platform/GdiHandles.h"
#include "win32/shell/SkinImages.h"

namespace lumbrel::win32 {

struct FavoriteItemLook {
    FavIcon icon = FavIcon::None;
    std::string text;    // as shown: already cut to `MenuSize`
    std::string detail;  // the address column; empty: none
};

class FavoriteMenuPainter {
public:
    using SetId = int;
    static constexpr SetId kFavoritesMenu = 1;
    static constexpr SetId kLinksDropDown = 2;

    // Horizontal layout of an item, in pixels.
    static constexpr int kIconSize = 16;
    static constexpr int kMargin = 3;
    static constexpr int kTextGap = 6;
    static constexpr int kColumnGap = 24;

    FavoriteMenuPainter();

    // The folder (cell 0) and link (cell 1) pictures; none: items without pictures.
    void SetImages(UniqueImageList images) { images_ = std::move(images); }

    // Keeps `look` in `set`; the value is the item data of the menu item that shows it.
    ULONG_PTR Add(SetId set, FavoriteItemLook look);
    // Drops every look of `set`: its menu's items are gone or about to go.
    void Clear(SetId set);
    // How many looks `set` holds.
    size_t Count(SetId set) const;

    // WM_MEASUREITEM and WM_DRAWITEM of a menu: false when the item is not one of ours.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    const FavoriteItemLook* Find(ULONG_PTR data) const;

    UniqueGdiObject font_;  // the system's menu font
    int fontHeight_ = 0;
    UniqueImageList images_;
    std::map<SetId, std::vector<std::unique_ptr<FavoriteItemLook>>> sets_;
    std::unordered_set<const FavoriteItemLook*> live_;
};

}  // namespace lumbrel::win32
