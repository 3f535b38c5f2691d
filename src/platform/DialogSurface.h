// An open dialog as the dialog translation sees it: its caption and its child controls in
// window order (the tab order of the template). The Windows binding implements it over the
// dialog's HWND; tests use a recording fake.
#pragma once

#include <string>

namespace lumbrel {

class DialogSurface {
public:
    virtual ~DialogSurface() = default;

    virtual void SetCaption(const std::string& text) = 0;

    // Controls are addressed by their index in window order, 0 first.
    virtual int ControlCount() const = 0;
    // The control id; static texts usually share one id (65535 from a template's -1).
    virtual int ControlId(int index) const = 0;
    virtual void SetControlText(int index, const std::string& text) = 0;

    virtual bool IsComboBox(int index) const = 0;
    // The selected item of a combo box, -1 when none.
    virtual int ComboSelection(int index) const = 0;
    // Removes every item of a combo box.
    virtual void ComboReset(int index) = 0;
    // Appends an item to a combo box's list.
    virtual void ComboAdd(int index, const std::string& text) = 0;
    // Selects item `item` of a combo box (-1 clears the selection).
    virtual void ComboSelect(int index, int item) = 0;
};

}  // namespace lumbrel
