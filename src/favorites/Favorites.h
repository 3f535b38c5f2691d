// The favorites: the resolved folders, the menu data built from them, and the commands on
// them (open a favorite, open a folder, add the page, "Add URL Here...", Reset Order, the
// side bar's open and delete). Owned by the main frame, which forwards the favorites commands
// and `UM_FAVORITES_CHANGED`; it answers through the host (windows), the view (menus and side
// bar) and the dialogs, the last two attached by the Windows binding.
#pragma once

#include <optional>
#include <string>

#include "app/CBrowserApp.h"
#include "favorites/FavoritesFolders.h"
#include "favorites/FavoritesHost.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesMenuBuilder.h"
#include "favorites/FavoritesTree.h"
#include "favorites/FavoritesView.h"
#include "platform/FavoritesDialogs.h"

namespace lumbrel {

// Values of the favorites-changed flag.
inline constexpr int kFavoritesChanged = 1;
inline constexpr int kFavoritesChangedMenusOnly = 2;

class Favorites {
public:
    Favorites(CBrowserApp& app, FavoritesHost& host) : app_(app), host_(host), tree_(*this) {}

    // --- Basic ---
    // The binding's menus and dialogs; either may be null (nothing shown, no dialog).
    void Attach(FavoritesView* view, FavoritesDialogs* dialogs);
    // Resolves the folders (telling the user when the shell has no favorites folder) and
    // builds the menus. Called when the frame's menus are made and after the options change.
    void Start();
    bool Started() const { return started_; }
    const FavoritesFolders& Folders() const { return folders_; }
    const FavoritesMenu& Menu() const { return menu_; }
    // `UM_FAVORITES_CHANGED`: builds the menus again; unless `flag` is 2, the side bar too.
    void OnFavoritesChanged(int flag);
    // One folder's favorites and subfolders (unread) in the menus' order, without the
    // menus' own commands: what the side bar shows when the folder is opened.
    std::vector<FavMenuItem> ListFolder(const std::string& folder);

    // --- Side bar ---
    // The tree the side bar shows; read again from the root when the side bar is shown and
    // when the favorites change.
    FavoritesTree& Tree() { return tree_; }
    bool SideBarShown() const { return sideBarShown_; }
    // The show-favorites-bar command: shows the side bar, or hides it when it shows.
    void ToggleSideBar();

    // --- Commands ---
    // Whether `id` is one of the favorites menus' dynamic commands.
    static bool IsFavoritesCommand(int id);
    // Runs a command of the favorites menus; false when the id is no longer in the menus.
    bool OnCommand(int id);
    // Opens a favorite's file: a ".url" by its address and flags, anything else by its path.
    // A new window when `FavInNewWindow` is on or `forceNewWindow` (Ctrl in the side bar).
    void OpenFavorite(const std::string& path, bool forceNewWindow = false);
    // "&Add To Favorites..." for `page`: needs a title and an address.
    void AddPage(const PageInfo& page);
    // "Add URL Here..." into `folder` for the active window's page.
    void AddUrlHere(const std::string& folder);
    // Opens every favorite of `folder` through the open queue.
    void OpenFolder(const std::string& folder) { host_.OpenFolder(folder); }
    // "&Organize Favorites...".
    void Organize();
    // "Reset Order" of a folder.
    void ResetOrder(const std::string& folder);
    // A folder was renamed or moved: its order data goes along.
    bool FolderMoved(const std::string& oldFolder, const std::string& newFolder);
    // The side bar's "Delete": removes exactly the item's file, extension and all.
    bool DeleteFavorite(const std::string& path);

    // The file "Add URL Here..." writes for `name` in `folder`: "name.url", or the first free
    // "name (n).url" when that exists, so no favorite is overwritten.
    std::string FreeFavoritePath(const std::string& folder, const std::string& name);

private:
    void Rebuild();
    FavoritesMenuOptions MenuOptions();
    // "Add to Favorite" for `page` into `folder`; the file is written under a free name.
    void AddPageInto(const std::string& folder, const PageInfo& page);

    CBrowserApp& app_;
    FavoritesHost& host_;
    FavoritesView* view_ = nullptr;
    FavoritesDialogs* dialogs_ = nullptr;
    FavoritesFolders folders_;
    FavoritesMenu menu_;
    FavoritesTree tree_;
    bool started_ = false;
    bool sideBarShown_ = false;
};

}  // namespace lumbrel
