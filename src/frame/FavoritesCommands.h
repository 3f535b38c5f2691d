// The favorites' and groups' commands: the menus' items, adding a page, the shell's organise
// dialog, the favorites side bar, "Set &Groups..." and "&Save Windows As Group...".
#pragma once

#include "frame/CommandSet.h"

namespace lumbrel {

class CMainFrame;

class FavoritesCommands : public CommandTable<FavoritesCommands> {
public:
    explicit FavoritesCommands(CMainFrame& frame);

private:
    static const Row kRows[];

    void FavoritesCommand(const CommandCall& call);
    void AddToFavorites(const CommandCall& call);
    void OrganizeFavorites(const CommandCall& call);
    void FavoritesSideBar(const CommandCall& call);
    // Ticked while the favorites side bar shows.
    CommandState FavoritesSideBarState(int id) const;
    void GroupsCommand(const CommandCall& call);
    // A member item is ticked when it opens with its group.
    CommandState GroupMemberState(int id) const;
    void SetGroups(const CommandCall& call);
    void SaveWindowsAsGroup(const CommandCall& call);

    CMainFrame& frame_;
};

}  // namespace lumbrel
