// Where the groups show: the "Groups" menu and "&Add To Group" menus built from the data,
// and the three group dialogs over their models. The Windows binding implements it; until it
// attaches one, no menu shows and no dialog opens.
#pragma once

#include "favorites/FavoritesMenu.h"
#include "favorites/GroupForms.h"
#include "favorites/GroupsMenu.h"

namespace lumbrel {

class Groups;
class SetGroupsModel;

class GroupsUi {
public:
    virtual ~GroupsUi() = default;
    // The screen and menu font the columns are measured with.
    virtual MenuMetrics Metrics() = 0;
    // Replaces the items after the fixed ones of the "Groups" menu.
    virtual void ShowGroups(const GroupsMenu& menu) = 0;
    // "URL in Group" over `form`; false when cancelled.
    virtual bool EditGroupUrl(GroupUrlForm& form) = 0;
    // "Select URL" over `model` until the user cancels, or until Groups::SaveAsGroup accepts
    // the name on OK (on refusal the dialog stays open).
    virtual void SelectUrls(SelectUrlModel& model, Groups& groups) = 0;
    // "Set Groups" over `model`; modal.
    virtual void SetGroups(SetGroupsModel& model) = 0;
};

}  // namespace lumbrel
