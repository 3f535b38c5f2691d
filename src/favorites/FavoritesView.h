// Where the favorites menu data goes: the Windows binding builds the "Favorites" menu, the
// links bar and the side-bar tree from it. Until the binding attaches one, nothing is shown.
#pragma once

#include "favorites/FavoritesMenu.h"

namespace lumbrel {

class FavoritesView {
public:
    virtual ~FavoritesView() = default;
    // The screen and menu font the columns are measured with.
    virtual MenuMetrics Metrics() = 0;
    // Replaces the items after the fixed ones of the "Favorites" menu, and the links bar.
    virtual void ShowFavorites(const FavoritesMenu& menu) = 0;
    // Shows or hides the favorites side bar (its tree from the favorites' tree).
    virtual void ShowSideBar(bool show) = 0;
    // The favorites' tree was read again: the side bar shows it afresh.
    virtual void RefreshSideBar() = 0;
};

}  // namespace lumbrel
