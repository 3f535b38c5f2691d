#include "mouse/CGestureProp.h"

#include <utility>

#include "language/Language.h"
#include "language/StringIds.h"

namespace lumbrel {

CGestureProp::CGestureProp(const MouseSettings& settings, const GestureTable& gestures,
                           std::vector<CommandChoice> commands, const Language& language)
    : showGesture(settings.showGesture != 0), commands_(std::move(commands)) {
    const std::pair<int, int> fixed[kFixedRows] = {
        {IDS_LEFT_CLICK, settings.lButtonDown},     {IDS_LEFT_DOUBLE_CLICK, settings.lDbClick},
        {IDS_MIDDLE_CLICK, settings.mButtonDown},   {IDS_RIGHT_CLICK, settings.rButtonDown},
        {IDS_LEFT_RIGHT_CLICK, settings.leftRight}, {IDS_RIGHT_LEFT_CLICK, settings.rightLeft},
    };
    for (const auto& [name, command] : fixed)
        rows_.push_back({language.LngLoadString(name), command});
    for (const GestureEntry& entry : gestures.Entries())
        rows_.push_back({entry.text, entry.command});
}

std::string CGestureProp::CommandText(int command) const {
    const int choice = ChoiceOf(command);
    return choice < 0 ? std::string() : commands_[static_cast<size_t>(choice)].text;
}

int CGestureProp::ChoiceOf(int command) const {
    for (size_t i = 0; i < commands_.size(); ++i)
        if (commands_[i].id == command)
            return static_cast<int>(i);
    return -1;
}

void CGestureProp::Select(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        New();
        return;
    }
    selected_ = row;
    gestureBox_ = rows_[static_cast<size_t>(row)].name;
    commandChoice_ = ChoiceOf(rows_[static_cast<size_t>(row)].command);
}

void CGestureProp::PressLetter(char letter) {
    if (FixedSelected() || gestureBox_.size() >= kMaxLetters)
        return;
    if (!gestureBox_.empty() && gestureBox_.back() == letter)
        return;
    gestureBox_ += letter;
}

void CGestureProp::PressErase() {
    if (!FixedSelected() && !gestureBox_.empty())
        gestureBox_.pop_back();
}

void CGestureProp::ChooseCommand(int index) {
    if (index < -1 || index >= static_cast<int>(commands_.size()))
        return;
    commandChoice_ = index;
    if (FixedSelected() && index >= 0)
        rows_[static_cast<size_t>(selected_)].command = commands_[static_cast<size_t>(index)].id;
}

void CGestureProp::New() {
    selected_ = kNoRow;
    gestureBox_.clear();
    commandChoice_ = -1;
}

bool CGestureProp::Insert() {
    // A button action's name is in the box only to be read; its command is taken at the choice.
    if (FixedSelected() || gestureBox_.empty() || commandChoice_ < 0)
        return false;
    const int command = commands_[static_cast<size_t>(commandChoice_)].id;
    for (size_t i = kFixedRows; i < rows_.size(); ++i) {
        if (rows_[i].name == gestureBox_) {
            rows_[i].command = command;
            selected_ = static_cast<int>(i);
            return true;
        }
    }
    rows_.push_back({gestureBox_, command});
    selected_ = static_cast<int>(rows_.size()) - 1;
    return true;
}

void CGestureProp::Delete() {
    if (selected_ < 0)
        return;
    if (FixedSelected()) {
        rows_[static_cast<size_t>(selected_)].command = 0;
        commandChoice_ = ChoiceOf(0);
        return;
    }
    rows_.erase(rows_.begin() + selected_);
    New();
}

void CGestureProp::Spin(int delta) {
    if (selected_ < kFixedRows || delta == 0)
        return;
    const int target = selected_ + (delta < 0 ? -1 : 1);
    if (target < kFixedRows || target >= static_cast<int>(rows_.size()))
        return;
    std::swap(rows_[static_cast<size_t>(selected_)], rows_[static_cast<size_t>(target)]);
    selected_ = target;
}

void CGestureProp::Apply(GestureTable& gestures, MouseSettings& settings) const {
    settings.lButtonDown = rows_[0].command;
    settings.lDbClick = rows_[1].command;
    settings.mButtonDown = rows_[2].command;
    settings.rButtonDown = rows_[3].command;
    settings.leftRight = rows_[4].command;
    settings.rightLeft = rows_[5].command;
    settings.showGesture = showGesture ? 1 : 0;
    gestures.Clear();
    for (size_t i = kFixedRows; i < rows_.size(); ++i)
        gestures.Add(rows_[i].name, rows_[i].command);
}

}  // namespace lumbrel
