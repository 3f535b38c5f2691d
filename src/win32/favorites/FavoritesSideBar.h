// The favorites side bar: a tree of the favorites at the left of the pages, its folders
// filled from the core's tree when first opened, pictures from the skin's "FavBar.bmp". A
// click opens a favorite (a new window with Ctrl) or a folder; Delete removes the selected
// favorite; the context menus open a folder's links together, reset its order, or open a
// favorite in a new window. Tree items carry the core's node ids, never paths: every
// action asks the core, which answers for the node as it stands.
#pragma once

#include "win32/platform/WinApi.h"

#include <functional>
#include <string>

#include "favorites/FavoritesTree.h"
#include "win32/shell/SkinImages.h"
#include "win32/ui/Window.h"

namespace lumbrel {
class Favorites;
class Language;
}  // namespace lumbrel

namespace lumbrel::win32 {

class FavoritesSideBar : public Window {
public:
    static constexpr const char* kClassName = "LumbrelFavoritesBar";

    FavoritesSideBar(Favorites& favorites, const Language& language)
        : favorites_(favorites), language_(language) {}
    ~FavoritesSideBar() override;

    // Creates the bar, hidden, as a child of `parent`; `layout` runs when it is shown or
    // hidden, so the parent gives it its place.
    bool Create(HWND parent, UniqueImageList images, std::function<void()> layout);
    HWND Tree() const { return tree_; }
    bool Visible() const;

    // Shows the favorites' tree afresh (shown) or hides the bar.
    void Show(bool show);
    // The favorites' tree was read again.
    void Refresh();

    // What the user does, by node: also driven by the tests.
    void OnItemClick(HTREEITEM item, bool ctrl);
    void OnDeleteKey();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnNotify(const NMHDR& header);
    void OnContextMenu();
    // Inserts the children of `node` under `parent` (TVI_ROOT for the root).
    void InsertChildren(HTREEITEM parent, FavoritesTree::NodeId node);
    FavoritesTree::NodeId NodeOf(HTREEITEM item) const;

    Favorites& favorites_;
    const Language& language_;
    HWND tree_ = nullptr;
    UniqueImageList images_;
    std::function<void()> layout_;
};

}  // namespace lumbrel::win32
