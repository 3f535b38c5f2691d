// The "Gesture" options page as a model: a list whose first six rows are the button actions
// and whose other rows are the gestures, a gesture box filled by letter buttons, a command box
// from the command picker, and the New / Insert / Delete buttons and the spin that orders the
// gestures. The binding shows it (translating the letters) and forwards the user's clicks; OK
// writes it back.
//
// Gesture texts are kept in their plain letters here; only what is shown is translated, so a
// language whose words for the directions share characters cannot garble a stored gesture.
#pragma once

#include <string>
#include <vector>

#include "commands/CommandPicker.h"
#include "mouse/GestureTable.h"
#include "mouse/MouseSettings.h"

namespace lumbrel {

class Language;

class CGestureProp {
public:
    static constexpr int kFixedRows = 6;
    static constexpr size_t kMaxLetters = 8;
    static constexpr int kNoRow = -1;

    struct Row {
        std::string name;  // a button action's name, or the gesture's letters
        int command = 0;
    };

    CGestureProp(const MouseSettings& settings, const GestureTable& gestures,
                 std::vector<CommandChoice> commands, const Language& language);

    // --- What the page shows
    const std::vector<Row>& Rows() const { return rows_; }
    const std::vector<CommandChoice>& Commands() const { return commands_; }
    int Selected() const { return selected_; }
    const std::string& GestureBox() const { return gestureBox_; }
    // The command box's choice; -1 when none.
    int CommandChoiceIndex() const { return commandChoice_; }
    // The command box text of `command` ("" for an id the picker does not list).
    std::string CommandText(int command) const;
    bool showGesture = true;

    // --- The user's actions
    // Selects a row (kNoRow clears the selection and both boxes).
    void Select(int row);
    // A letter button: appended when the selection is no button action, the box holds fewer
    // than eight letters and its last letter differs.
    void PressLetter(char letter);
    // "X": removes the last letter (not for a button action).
    void PressErase();
    // Picks a command; a button action's row takes it at once.
    void ChooseCommand(int index);
    // "&New": empty boxes for a new gesture.
    void New();
    // "&Insert": the gesture row with the box's letters is updated, or a row appended; false
    // when the box is empty or no command is chosen.
    bool Insert();
    // "&Delete": removes a gesture row; a button action's command becomes none.
    void Delete();
    // The spin: moves the selected gesture row up (< 0) or down within the gesture rows.
    void Spin(int delta);

    // --- OK
    void Apply(GestureTable& gestures, MouseSettings& settings) const;

private:
    bool FixedSelected() const { return selected_ >= 0 && selected_ < kFixedRows; }
    int ChoiceOf(int command) const;

    std::vector<Row> rows_;
    std::vector<CommandChoice> commands_;
    int selected_ = kNoRow;
    std::string gestureBox_;
    int commandChoice_ = -1;
};

}  // namespace lumbrel
