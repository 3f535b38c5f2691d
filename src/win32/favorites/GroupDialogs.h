// The group dialogs on Windows: "URL in Group", "Select URL" and "Set Groups", each over the
// core's model and translated through its language-file section. They show the model and
// hand every edit back to it; the rules (names, ticks, order, saving) stay in the core.
#pragma once

#include "win32/platform/WinApi.h"

#include "favorites/GroupForms.h"
#include "favorites/Groups.h"
#include "favorites/SetGroupsModel.h"
#include "platform/Clock.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

// The download-control boxes, shared with "Add to Favorite": shown from a form's flags, read
// back into it, and the six boxes enabled while "Use Special Download Control" is ticked.
void ShowDownloadBoxes(HWND dialog, const GroupUrlForm& form);
void ReadDownloadBoxes(HWND dialog, GroupUrlForm& form);
INT_PTR OnDownloadBoxCommand(HWND dialog, UINT message, WPARAM wParam);

// "URL in Group" over `form`; false when cancelled (or the dialog could not be made).
bool RunGroupUrlDialog(HWND owner, const Language* language, GroupUrlForm& form);

// "Select URL" over `model` until the user cancels or `groups` accepts the name on OK.
void RunSelectUrlDialog(HWND owner, const Language* language, SelectUrlModel& model, Groups& groups,
                        Clock& clock);

// "Set Groups" over `model`; every change goes to the model at once.
void RunSetGroupsDialog(HWND owner, const Language* language, SetGroupsModel& model);

}  // namespace lumbrel::win32
