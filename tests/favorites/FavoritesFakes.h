// The binding's side of the favorites, recorded: the menus shown, the side bar refreshed,
// and the dialogs answered from a script.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "favorites/FavoritesView.h"
#include "platform/FavoritesDialogs.h"

namespace lumbrel::test {

class FakeFavoritesView : public FavoritesView {
public:
    MenuMetrics metrics;
    int menusShown = 0;
    int sideBarRefreshes = 0;
    FavoritesMenu lastMenu;

    MenuMetrics Metrics() override { return metrics; }
    void ShowFavorites(const FavoritesMenu& menu) override {
        ++menusShown;
        lastMenu = menu;
    }
    void RefreshSideBar() override { ++sideBarRefreshes; }
};

class FakeFavoritesDialogs : public FavoritesDialogs {
public:
    // "Add to Favorite": the form as shown, and what the user leaves in it (nothing: Cancel).
    std::vector<AddFavoriteForm> shownForms;
    std::optional<AddFavoriteForm> answer;
    std::vector<std::string> shellAdds;  // "url|title"
    std::optional<std::string> chosenFile;
    std::vector<std::string> organized;

    bool AddToFavorite(AddFavoriteForm& form) override {
        shownForms.push_back(form);
        if (!answer)
            return false;
        form = *answer;
        return true;
    }
    void ShellAddFavorite(const std::string& url, const std::string& title) override {
        shellAdds.push_back(url + "|" + title);
    }
    std::optional<std::string> ShellChooseFavoriteFile(const std::string&,
                                                       const std::string&) override {
        return chosenFile;
    }
    void ShellOrganizeFavorites(const std::string& root) override { organized.push_back(root); }
};

}  // namespace lumbrel::test
