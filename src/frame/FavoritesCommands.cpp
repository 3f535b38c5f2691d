#include "frame/FavoritesCommands.h"

#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"

namespace lumbrel {

using F = FavoritesCommands;
const F::Row F::kRows[] = {
    {IDM_FAVORITE_FIRST, IDM_FAVORITE_LAST, &F::FavoritesCommand, nullptr},
    {IDM_FAV_OPEN_ALL_FIRST, IDM_FAV_OPEN_ALL_LAST, &F::FavoritesCommand, nullptr},
    {IDM_FAV_ADD_HERE_FIRST, IDM_FAV_ADD_HERE_LAST, &F::FavoritesCommand, nullptr},
    {IDM_ADD_TO_FAVORITES, IDM_ADD_TO_FAVORITES, &F::AddToFavorites, nullptr},
    {IDM_TAB_TO_FAVORITES, IDM_TAB_TO_FAVORITES, &F::AddToFavorites, nullptr},
    {IDM_ORGANIZE_FAVORITES, IDM_ORGANIZE_FAVORITES, &F::OrganizeFavorites, nullptr},
    {IDM_SIDEBAR_FAVORITES, IDM_SIDEBAR_FAVORITES, &F::FavoritesSideBar, &F::FavoritesSideBarState},
    {IDM_GROUP_OPEN_FIRST, IDM_GROUP_OPEN_LAST, &F::GroupsCommand, nullptr},
    {IDM_ADD_TO_GROUP_FIRST, IDM_ADD_TO_GROUP_LAST, &F::GroupsCommand, nullptr},
    {IDM_GROUP_MEMBER_FIRST, IDM_GROUP_MEMBER_LAST, &F::GroupsCommand, &F::GroupMemberState},
    {IDM_SET_GROUPS, IDM_SET_GROUPS, &F::SetGroups, nullptr},
    {IDM_SAVE_WINDOWS_AS_GROUP, IDM_SAVE_WINDOWS_AS_GROUP, &F::SaveWindowsAsGroup, nullptr},
};

FavoritesCommands::FavoritesCommands(CMainFrame& frame) : CommandTable(kRows), frame_(frame) {}

void FavoritesCommands::FavoritesCommand(const CommandCall& call) {
    frame_.Favs().OnCommand(call.id);
}

void FavoritesCommands::AddToFavorites(const CommandCall& call) {
    const CChildFrame* child = frame_.Windows().Find(call.subject);
    if (!child)
        return;
    frame_.Favs().AddPage(
        PageInfo{child->DisplayTitle(), child->View().Location(), child->View().Flags().dlFlags});
}

void FavoritesCommands::OrganizeFavorites(const CommandCall&) {
    frame_.Favs().Organize();
}

void FavoritesCommands::FavoritesSideBar(const CommandCall&) {
    frame_.Favs().ToggleSideBar();
}

CommandState FavoritesCommands::FavoritesSideBarState(int) const {
    return CommandState{true, frame_.Favs().SideBarShown()};
}

void FavoritesCommands::GroupsCommand(const CommandCall& call) {
    Groups& groups = frame_.UrlGroups();
    // "&Add To Group" of the tab menu adds the tab's page, not the active window's.
    const std::optional<std::string> file = groups.Menu().AddFile(call.id);
    const CChildFrame* child = frame_.Windows().Find(call.subject);
    if (file && child) {
        groups.AddPageTo(*file, PageInfo{child->DisplayTitle(), child->View().Location(),
                                         child->View().Flags().dlFlags});
        return;
    }
    groups.OnCommand(call.id);
}

CommandState FavoritesCommands::GroupMemberState(int id) const {
    const GroupMemberItem* member = frame_.UrlGroups().Menu().Member(id);
    return CommandState{member != nullptr, member && member->ticked};
}

void FavoritesCommands::SetGroups(const CommandCall&) {
    frame_.UrlGroups().EditGroups();
}

void FavoritesCommands::SaveWindowsAsGroup(const CommandCall&) {
    frame_.UrlGroups().SaveWindows();
}

}  // namespace lumbrel
