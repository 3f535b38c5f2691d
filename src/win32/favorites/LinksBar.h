// The links bar: a flat toolbar in its own rebar band with one button per item of the links
// folder. A favorite's button sends its favorite command; a folder's button drops down the
// folder's menu. Pictures from the skin's "FavBar.bmp" (folder, link) unless the bar is
// compact.
#pragma once

#include "win32/platform/WinApi.h"

#include <vector>

#include "favorites/FavoritesMenu.h"
#include "win32/favorites/FavoritesMenuItems.h"
#include "win32/shell/SkinImages.h"

namespace lumbrel::win32 {

class LinksBar {
public:
    // Creates the toolbar as a child of `parent` (the rebar that will hold its band).
    bool Create(HWND parent, int controlId);
    HWND Handle() const { return toolbar_; }
    // The height its band needs.
    int Height() const;
    // The pictures the bar shows unless it is compact; the bar owns them.
    void SetImages(UniqueImageList images) { images_ = std::move(images); }
    // Draws the folders' menus; none: plain text items.
    void SetPainter(FavoriteMenuPainter* painter) { painter_ = painter; }

    // Replaces the buttons by `items`' (favorites and folders).
    void Show(const std::vector<FavMenuItem>& items, bool compact, const MenuTextStyle& style);
    // A folder button's drop-down: its menu under the button; the chosen command goes to
    // `commandTarget`. False for a notification that is not the bar's.
    bool OnNotify(const NMHDR& header, HWND commandTarget);

private:
    // Folder buttons carry ids from here on (they send no command; their menu's items do).
    static constexpr int kFirstFolderButton = 0xE000;
    static constexpr int kFolderImage = 0;
    static constexpr int kLinkImage = 1;

    HWND toolbar_ = nullptr;
    UniqueImageList images_;
    FavoriteMenuPainter* painter_ = nullptr;
    std::vector<FavMenuItem> folders_;  // by button id - kFirstFolderButton
    // How the folders' menus show titles, as the last Show was told.
    const CodePage* cp_ = nullptr;
    size_t menuSize_ = 0;
};

}  // namespace lumbrel::win32
