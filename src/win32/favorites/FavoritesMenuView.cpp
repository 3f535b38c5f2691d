#include "win32/favorites/FavoritesMenuView.h"

#include <algorithm>

namespace lumbrel::win32 {

MenuTextStyle MenuTextStyleOf(CBrowserApp& app) {
    return MenuTextStyle{app.Ports().codePage,
                         static_cast<size_t>(std::max(0, app.Settings().Get(keys::MenuSize)))};
}

MenuMetrics FavoritesMenuView::Metrics() {
    return ScreenMenuMetrics();
}

void FavoritesMenuView::ShowFavorites(const FavoritesMenu& menu) {
    const MenuTextStyle style = MenuTextStyleOf(app_);
    if (HMENU favorites = menus_(MenuRole::Favorites)) {
        DeleteItemsFrom(favorites, kFixedItems);
        if (painter_)
            painter_->Clear(FavoriteMenuPainter::kFavoritesMenu);
        AppendFavoriteItems(favorites, menu.items, style, painter_,
                            FavoriteMenuPainter::kFavoritesMenu);
    }
    if (links_)
        links_->Show(menu.links, menu.compactLinks, style);
}

}  // namespace lumbrel::win32

namespace lumbrel::win32 {

void FavoritesMenuView::ShowSideBar(bool show) {
    if (sideBar_)
        sideBar_->Show(show);
}

void FavoritesMenuView::RefreshSideBar() {
    if (sideBar_)
        sideBar_->Refresh();
}

}  // namespace lumbrel::win32
