#include "support/FakeDialogSurface.h"

namespace lumbrel::test {

int FakeDialogSurface::AddControl(int id, std::string text) {
    Control control;
    control.id = id;
    control.text = std::move(text);
    controls_.push_back(std::move(control));
    return ControlCount() - 1;
}

int FakeDialogSurface::AddCombo(int id, std::vector<std::string> items, int selection) {
    Control control;
    control.id = id;
    control.combo = true;
    control.items = std::move(items);
    control.selection = selection;
    controls_.push_back(std::move(control));
    return ControlCount() - 1;
}

void FakeDialogSurface::SetControlText(int index, const std::string& text) {
    Mutable(index).text = text;
}

void FakeDialogSurface::ComboReset(int index) {
    Control& control = Mutable(index);
    control.items.clear();
    control.selection = -1;
    comboLog_.push_back("reset " + std::to_string(index));
}

void FakeDialogSurface::ComboAdd(int index, const std::string& text) {
    Mutable(index).items.push_back(text);
    comboLog_.push_back("add " + std::to_string(index) + " " + text);
}

void FakeDialogSurface::ComboSelect(int index, int item) {
    Control& control = Mutable(index);
    // As a combo box does: an index outside the list selects nothing.
    const bool valid = item >= 0 && item < static_cast<int>(control.items.size());
    control.selection = valid ? item : -1;
    comboLog_.push_back("select " + std::to_string(index) + " " + std::to_string(item));
}

}  // namespace lumbrel::test
