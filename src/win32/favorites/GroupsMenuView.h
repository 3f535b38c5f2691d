// The "Groups" menu of the menu bar and its "&Add To Group" submenu, filled from the core's
// groups menu data after their fixed items; the group dialogs are shown over their models.
#pragma once

#include "win32/platform/WinApi.h"

#include "app/CBrowserApp.h"
#include "favorites/GroupsUi.h"
#include "win32/favorites/FavoritesMenuView.h"

namespace lumbrel::win32 {

class GroupsMenuView : public GroupsUi {
public:
    // The "Groups" menu's own items: "Set &Groups...", "&Save Windows As Group...",
    // "&Add To Group" and a separator.
    static constexpr int kFixedItems = 4;

    GroupsMenuView(CBrowserApp& app, RoleMenuLookup menus) : app_(app), menus_(std::move(menus)) {}

    MenuMetrics Metrics() override;
    void ShowGroups(const GroupsMenu& menu) override;
    bool EditGroupUrl(GroupUrlForm& form) override;
    void SelectUrls(SelectUrlModel& model, Groups& groups) override;
    void SetGroups(SetGroupsModel& model) override;

    // The window the dialogs are shown over.
    void SetOwner(HWND owner) { owner_ = owner; }

private:
    // The window in front on this thread: "URL in Group" also opens over "Set Groups".
    HWND Owner() const;

    CBrowserApp& app_;
    HWND owner_ = nullptr;
    RoleMenuLookup menus_;
};

}  // namespace lumbrel::win32
