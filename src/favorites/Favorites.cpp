#include "favorites/Favorites.h"

#include "base/DbcsText.h"
#include "base/FileNameCleaning.h"
#include "base/Paths.h"
#include "commands/CommandIds.h"
#include "favorites/FavoriteFile.h"
#include "favorites/FavoritesMenuBuilder.h"
#include "favorites/MenuOrderStore.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

// The menu item of `folder` (a path with its closing backslash) anywhere in `items`.
const FavMenuItem* FindFolder(const CodePage& cp, const std::vector<FavMenuItem>& items,
                              const std::string& folder) {
    for (const FavMenuItem& item : items) {
        if (item.kind != FavItemKind::Folder)
            continue;
        if (EqualsNoCase(cp, item.path, folder))
            return &item;
        // Only a folder whose path starts the links folder's can hold it.
        if (item.path.size() < folder.size() &&
            EqualsNoCase(cp, folder.substr(0, item.path.size()), item.path))
            if (const FavMenuItem* found = FindFolder(cp, item.items, folder))
                return found;
    }
    return nullptr;
}

// The links bar shows the folder's favorites and subfolders, not its menu's own commands.
std::vector<FavMenuItem> LinksBarItems(const CodePage& cp, const FavoritesMenu& menu,
                                       const std::optional<std::string>& links) {
    std::vector<FavMenuItem> items;
    const FavMenuItem* folder = links ? FindFolder(cp, menu.items, *links) : nullptr;
    if (!folder)
        return items;
    for (const FavMenuItem& item : folder->items)
        if (item.kind == FavItemKind::Favorite || item.kind == FavItemKind::Folder) {
            items.push_back(item);
            items.back().columnBreak = false;
        }
    return items;
}

}  // namespace

void Favorites::Attach(FavoritesView* view, FavoritesDialogs* dialogs) {
    view_ = view;
    dialogs_ = dialogs;
}

void Favorites::Start() {
    const Platform& ports = app_.Ports();
    folders_ = FavoritesFolderResolver(ports.codePage, ports.fs, ports.registry, ports.shell)
                   .Resolve(app_.Settings(), app_.Directories().program);
    if (folders_.shellFolderMissing)
        ports.ui.MessageBox(app_.LngLoadString(IDS_NO_FAVORITES_PATH), MsgButtons::Ok,
                            MsgIcon::Warning);
    started_ = true;
    Rebuild();
}

void Favorites::Rebuild() {
    const Platform& ports = app_.Ports();
    SettingsStore& settings = app_.Settings();
    FavoritesMenuOptions options;
    options.showHidden = settings.Get(keys::ShowHiddenFav) != 0;
    options.displayOpenAll = settings.Get(keys::DisplayOpenAll) != 0;
    options.displayAddFav = settings.Get(keys::DisplayAddFav) != 0;
    options.singleMenu = settings.Get(keys::SingleMenu) != 0;
    if (view_)
        options.metrics = view_->Metrics();
    options.openAllText = app_.LngLoadString(IDS_OPEN_ALL_URL);
    options.addHereText = app_.LngLoadString(IDS_ADD_URL_HERE);
    const MenuOrderStore order(ports.codePage, ports.registry, folders_.root);
    menu_ = FavoritesMenuBuilder(ports.codePage, ports.fs, order, std::move(options))
                .Build(folders_.root);
    menu_.links = LinksBarItems(ports.codePage, menu_, folders_.links);
    menu_.compactLinks = settings.Get(keys::CompactFavBar) != 0;
    if (view_)
        view_->ShowFavorites(menu_);
}

void Favorites::OnFavoritesChanged(int flag) {
    if (!started_)
        return;
    Rebuild();
    if (flag != kFavoritesChangedMenusOnly && view_)
        view_->RefreshSideBar();
}

bool Favorites::IsFavoritesCommand(int id) {
    return (id >= IDM_FAVORITE_FIRST && id <= IDM_FAVORITE_LAST) ||
           (id >= IDM_FAV_OPEN_ALL_FIRST && id <= IDM_FAV_OPEN_ALL_LAST) ||
           (id >= IDM_FAV_ADD_HERE_FIRST && id <= IDM_FAV_ADD_HERE_LAST);
}

bool Favorites::OnCommand(int id) {
    if (auto path = menu_.FavoritePath(id)) {
        OpenFavorite(*path);
        return true;
    }
    if (auto folder = menu_.OpenAllFolder(id)) {
        host_.OpenFolder(*folder);
        return true;
    }
    if (auto folder = menu_.AddHereFolder(id)) {
        AddUrlHere(*folder);
        return true;
    }
    return false;
}

void Favorites::OpenFavorite(const std::string& path, bool forceNewWindow) {
    const FavoriteTarget target = ReadFavoriteTarget(app_.Profiles(), app_.Ports().codePage, path);
    if (target.address.empty())
        return;
    host_.OpenAddress(target.address, target.downloadFlags,
                      forceNewWindow || host_.FavoritesInNewWindow());
}

void Favorites::AddPage(const PageInfo& page) {
    if (page.title.empty() || page.url.empty() || !dialogs_)
        return;
    if (app_.Settings().Get(keys::UseDefaultFavPath) != 0) {
        dialogs_->ShellAddFavorite(page.url, page.title);
        if (view_)
            view_->RefreshSideBar();
    } else if (auto file = dialogs_->ShellChooseFavoriteFile(folders_.root, page.title)) {
        WriteUrlShortcut(app_.Profiles(), *file, page.url, kDefaultDownloadFlags);
    }
    host_.SetFavoritesChanged(kFavoritesChanged);
}

std::string Favorites::FreeFavoritePath(const std::string& folder, const std::string& name) {
    FileSystem& files = app_.Ports().fs;
    std::string path = folder + name + ".url";
    for (int n = 2; files.Exists(path); ++n)
        path = folder + name + " (" + std::to_string(n) + ").url";
    return path;
}

void Favorites::AddUrlHere(const std::string& folder) {
    const std::optional<PageInfo> page = host_.ActivePage();
    if (!page || !dialogs_)
        return;
    const CodePage& cp = app_.Ports().codePage;
    AddFavoriteForm form;
    form.name = CleanFileName(cp, page->title);
    form.url = page->url;
    form.folder = folder;
    form.downloadFlags = page->downloadFlags;
    if (!dialogs_->AddToFavorite(form))
        return;
    const std::string name(TrimBlanks(cp, CleanFileName(cp, form.name)));
    if (name.empty())
        return;
    const std::string base = std::string(StripTrailingSeparators(cp, folder)) + "\\";
    if (WriteUrlShortcut(app_.Profiles(), FreeFavoritePath(base, name), form.url,
                         form.downloadFlags))
        host_.SetFavoritesChanged(kFavoritesChanged);
}

void Favorites::Organize() {
    if (!dialogs_ || !started_)
        return;
    dialogs_->ShellOrganizeFavorites(folders_.root);
    host_.SetFavoritesChanged(kFavoritesChanged);
}

void Favorites::ResetOrder(const std::string& folder) {
    const Platform& ports = app_.Ports();
    MenuOrderStore(ports.codePage, ports.registry, folders_.root).Reset(folder);
    host_.SetFavoritesChanged(kFavoritesChangedMenusOnly);
}

bool Favorites::FolderMoved(const std::string& oldFolder, const std::string& newFolder) {
    const Platform& ports = app_.Ports();
    return MenuOrderStore(ports.codePage, ports.registry, folders_.root).Move(oldFolder, newFolder);
}

bool Favorites::DeleteFavorite(const std::string& path) {
    if (!app_.Ports().fs.DeleteFile(path))
        return false;
    host_.SetFavoritesChanged(kFavoritesChangedMenusOnly);
    return true;
}

}  // namespace lumbrel
