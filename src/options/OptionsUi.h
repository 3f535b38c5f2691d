// The options dialog's window, as the main frame asks for it: modal, over a model the frame
// made, opened on a chosen page. Returns when the dialog is closed (OK or Cancel); OK and
// Apply go through the model while it runs.
#pragma once

#include "options/OptionTable.h"

namespace lumbrel {

class OptionsDialogModel;

class OptionsUi {
public:
    virtual ~OptionsUi() = default;
    virtual void ShowOptions(OptionsDialogModel& model, OptionPageId firstPage) = 0;
};

}  // namespace lumbrel
