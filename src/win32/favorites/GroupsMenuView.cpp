#include "win32/favorites/GroupsMenuView.h"

#include "win32/favorites/GroupDialogs.h"

namespace lumbrel::win32 {

MenuMetrics GroupsMenuView::Metrics() {
    return ScreenMenuMetrics();
}

void GroupsMenuView::ShowGroups(const GroupsMenu& menu) {
    const MenuTextStyle style = MenuTextStyleOf(app_);
    if (HMENU groups = menus_(MenuRole::Groups)) {
        DeleteItemsFrom(groups, kFixedItems);
        AppendGroupItems(groups, menu, style);
    }
    if (HMENU addTo = menus_(MenuRole::AddToGroup)) {
        DeleteItemsFrom(addTo, 0);
        AppendAddToGroupItems(addTo, menu, style);
    }
}

HWND GroupsMenuView::Owner() const {
    if (HWND active = GetActiveWindow())
        return active;
    return owner_ && IsWindow(owner_) ? owner_ : nullptr;
}

bool GroupsMenuView::EditGroupUrl(GroupUrlForm& form) {
    return RunGroupUrlDialog(Owner(), &app_.Lang(), form);
}

void GroupsMenuView::SelectUrls(SelectUrlModel& model, Groups& groups) {
    RunSelectUrlDialog(Owner(), &app_.Lang(), model, groups, app_.Ports().clock);
}

void GroupsMenuView::SetGroups(SetGroupsModel& model) {
    RunSetGroupsDialog(Owner(), &app_.Lang(), model);
}

}  // namespace lumbrel::win32
