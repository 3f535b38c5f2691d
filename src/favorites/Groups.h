// The groups: named lists of pages in ".cgp" files of the groups folder, opened together one
// window per member. Owns the "Groups" menu data and runs its commands, opens the start group,
// saves the open windows as a group and adds pages to groups. Owned by the main frame, which
// forwards the group commands; answers through the host (windows) and the GroupsUi.
#pragma once

#include <string>
#include <vector>

#include "app/CBrowserApp.h"
#include "favorites/FavoritesHost.h"
#include "favorites/GroupsMenu.h"
#include "favorites/GroupsUi.h"

namespace lumbrel {

class Groups {
public:
    // At most this many group files are listed (the menu's id ranges hold 256).
    static constexpr int kMaxGroups = 255;

    Groups(CBrowserApp& app, FavoritesHost& host) : app_(app), host_(host) {}

    // --- Basic ---
    void Attach(GroupsUi* ui) { ui_ = ui; }
    // The groups folder, with its closing backslash.
    std::string Folder() const;
    std::string FileOf(const std::string& name) const;
    // The group names (file names without ".cgp") in the order the folder lists them.
    std::vector<std::string> Names();
    const GroupsMenu& Menu() const { return menu_; }
    // Builds the "Groups" menu data again, creating the folder when it is missing.
    void RebuildMenu();

    // --- Commands ---
    static bool IsGroupsCommand(int id);
    // Runs a command of the group menus; false when the menu no longer has it.
    bool OnCommand(int id);
    // Opens the group in `path`: members with state 0 skipped, the first missing address
    // ends the list, a program (".exe") is started and ends the opening. Every new tab goes
    // to the end; the user's `NewSequence` is not touched. With `closeFirst` (and
    // `CloseAllBeforeNewGroup`) every window is closed first, but only when the file exists.
    void Open(const std::string& path, bool closeFirst);
    // Start mode 5: `StartGroup`.
    void OpenStartGroup();
    // "Add URL to this Group...": the active page, edited in "URL in Group", appended.
    void AddPageTo(const std::string& path);
    // The same for `page` (the tab menu's window).
    void AddPageTo(const std::string& path, const PageInfo& page);
    // "&Save Windows As Group...".
    void SaveWindows();
    // OK of "Select URL": refuses a name a file cannot have (message 61303) or a folder that
    // is gone (61305); else appends the ticked lines and rebuilds the menu. True when saved.
    bool SaveAsGroup(const std::string& name, const SelectUrlModel& model);
    // "Set &Groups...".
    void EditGroups();

    // --- Used by the "Set Groups" model ---
    CBrowserApp& App() { return app_; }
    void Tell(int stringId);

private:
    bool FolderExists();

    CBrowserApp& app_;
    FavoritesHost& host_;
    GroupsUi* ui_ = nullptr;
    GroupsMenu menu_;
};

}  // namespace lumbrel
