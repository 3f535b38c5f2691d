// The "Favorites" menu of the menu bar, filled from the core's favorites menu data after its
// fixed items. The menu bar may be rebuilt (another language) or shifted (a maximised
// window's menu in front), so the menu is looked up afresh every time it is filled.
#pragma once

#include "win32/platform/WinApi.h"

#include <functional>

#include "app/CBrowserApp.h"
#include "commands/MenuModel.h"
#include "favorites/FavoritesView.h"
#include "win32/favorites/FavoritesMenuItems.h"
#include "win32/favorites/FavoritesSideBar.h"
#include "win32/favorites/LinksBar.h"

namespace lumbrel::win32 {

// The submenu of the menu bar that carries a role; null when there is none.
using RoleMenuLookup = std::function<HMENU(MenuRole role)>;

// How the favorites and groups menus show titles: the program's code page, `MenuSize`.
MenuTextStyle MenuTextStyleOf(CBrowserApp& app);

class FavoritesMenuView : public FavoritesView {
public:
    // The "Favorites" menu's own items, kept when the folder's items are replaced.
    static constexpr int kFixedItems = 4;

    FavoritesMenuView(CBrowserApp& app, RoleMenuLookup menus)
        : app_(app), menus_(std::move(menus)) {}

    // The links bar filled with the menu; none until the frame's bars exist.
    void SetLinksBar(LinksBar* bar) { links_ = bar; }
    // Draws the menu's items; none: plain text items.
    void SetPainter(FavoriteMenuPainter* painter) { painter_ = painter; }
    // The favorites side bar; none: the command shows nothing.
    void SetSideBar(FavoritesSideBar* sideBar) { sideBar_ = sideBar; }

    MenuMetrics Metrics() override;
    void ShowFavorites(const FavoritesMenu& menu) override;
    void ShowSideBar(bool show) override;
    void RefreshSideBar() override;

private:
    CBrowserApp& app_;
    RoleMenuLookup menus_;
    LinksBar* links_ = nullptr;
    FavoriteMenuPainter* painter_ = nullptr;
    FavoritesSideBar* sideBar_ = nullptr;
};

}  // namespace lumbrel::win32
