// The binding's side of the favorites, recorded: the menus shown, the side bar refreshed,
// and the dialogs answered from a script.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <functional>

#include "favorites/FavoritesView.h"
#include "favorites/Groups.h"
#include "favorites/GroupsUi.h"
#include "favorites/SetGroupsModel.h"
#include "platform/FavoritesDialogs.h"

namespace lumbrel {

// Readable failures for comparisons of members.
inline void PrintTo(const GroupMember& member, std::ostream* out) {
    *out << "{\"" << member.name << "\", \"" << member.url << "\", " << member.state << ", "
         << member.download << "}";
}

}  // namespace lumbrel

namespace lumbrel::test {

class FakeFavoritesView : public FavoritesView {
public:
    MenuMetrics metrics;
    int menusShown = 0;
    int sideBarRefreshes = 0;
    bool sideBarShown = false;
    FavoritesMenu lastMenu;

    MenuMetrics Metrics() override { return metrics; }
    void ShowFavorites(const FavoritesMenu& menu) override {
        ++menusShown;
        lastMenu = menu;
    }
    void ShowSideBar(bool show) override { sideBarShown = show; }
    void RefreshSideBar() override { ++sideBarRefreshes; }
};

class FakeFavoritesDialogs : public FavoritesDialogs {
public:
    // "Add to Favorite": the form as shown, and what the user leaves in it (nothing: Cancel).
    std::vector<AddFavoriteForm> shownForms;
    std::optional<AddFavoriteForm> answer;
    std::vector<std::string> shellAdds;  // "url|title"
    std::optional<std::string> chosenFile;
    bool shellAddDialog = true;  // the shell's add dialog loads
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
    bool HasShellAddDialog() override { return shellAddDialog; }
    std::optional<std::string> ShellChooseFavoriteFile(const std::string&,
                                                       const std::string&) override {
        return chosenFile;
    }
    void ShellOrganizeFavorites(const std::string& root) override { organized.push_back(root); }
};

class FakeGroupsUi : public GroupsUi {
public:
    MenuMetrics metrics;
    int menusShown = 0;
    GroupsMenu lastMenu;
    // "URL in Group": each answer replaces the form (nothing: Cancel).
    std::vector<GroupUrlForm> shownForms;
    std::vector<std::optional<GroupUrlForm>> urlAnswers;
    // "Select URL" and "Set Groups": what the user does while the dialog is up.
    std::function<void(SelectUrlModel&, Groups&)> onSelectUrls;
    std::function<void(SetGroupsModel&)> onSetGroups;
    int selectUrlsShown = 0;

    MenuMetrics Metrics() override { return metrics; }
    void ShowGroups(const GroupsMenu& menu) override {
        ++menusShown;
        lastMenu = menu;
    }
    bool EditGroupUrl(GroupUrlForm& form) override {
        shownForms.push_back(form);
        if (urlAnswers.empty() || !urlAnswers.front()) {
            if (!urlAnswers.empty())
                urlAnswers.erase(urlAnswers.begin());
            return false;
        }
        form = *urlAnswers.front();
        urlAnswers.erase(urlAnswers.begin());
        return true;
    }
    void SelectUrls(SelectUrlModel& model, Groups& groups) override {
        ++selectUrlsShown;
        if (onSelectUrls)
            onSelectUrls(model, groups);
    }
    void SetGroups(SetGroupsModel& model) override {
        if (onSetGroups)
            onSetGroups(model);
    }
};

}  // namespace lumbrel::test
