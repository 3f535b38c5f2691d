// A dialog of controls in window order for the dialog translation tests. Each control keeps
// its text and, for combo boxes, its list and selection; every call that changes a combo box
// is written to a log ("reset 1", "add 1 Alpha", "select 1 2") so tests can check the order.
#pragma once

#include <string>
#include <vector>

#include "platform/DialogSurface.h"

namespace lumbrel::test {

class FakeDialogSurface : public DialogSurface {
public:
    struct Control {
        int id = 0;
        std::string text;
        bool combo = false;
        std::vector<std::string> items;
        int selection = -1;
    };

    // Test setup and inspection; both return the control's index.
    int AddControl(int id, std::string text = "");
    int AddCombo(int id, std::vector<std::string> items, int selection);
    const Control& At(int index) const { return controls_.at(static_cast<size_t>(index)); }
    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& ComboLog() const { return comboLog_; }

    // DialogSurface
    void SetCaption(const std::string& text) override { caption_ = text; }
    int ControlCount() const override { return static_cast<int>(controls_.size()); }
    int ControlId(int index) const override { return At(index).id; }
    void SetControlText(int index, const std::string& text) override;
    bool IsComboBox(int index) const override { return At(index).combo; }
    int ComboSelection(int index) const override { return At(index).selection; }
    void ComboReset(int index) override;
    void ComboAdd(int index, const std::string& text) override;
    void ComboSelect(int index, int item) override;

private:
    Control& Mutable(int index) { return controls_.at(static_cast<size_t>(index)); }

    std::string caption_;
    std::vector<Control> controls_;
    std::vector<std::string> comboLog_;
};

}  // namespace lumbrel::test
