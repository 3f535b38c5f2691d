// The standard boxes the program asks its questions with. Texts arrive already translated;
// the fake answers from a script and records what was asked.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumbrel {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No };

// One row of the language selection list.
struct LanguageRow {
    std::string fileName;
    std::string language;
};

// A whole number asked in a small dialog of its own: `caption`, the field's `prompt` and the
// `initial` value. `accept` turns the field's text into the value, or nothing when the value is
// refused; the dialog then shows `refusal` and stays up, the text still in the field.
struct NumberRequest {
    std::string caption;
    std::string prompt;
    std::string refusal;
    int initial = 0;
    std::function<std::optional<int>(const std::string&)> accept;
};

struct PasswordAnswer {
    std::string password;
    bool remember = false;
};

class Ui {
public:
    virtual ~Ui() = default;
    virtual MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;
    // Whether the Ctrl key was down when the message being handled was sent (a command from
    // a menu or a key, an engine event).
    virtual bool CtrlHeld() = 0;
    // The same for the Shift key.
    virtual bool ShiftHeld() = 0;
    // One line of text; nothing when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt,
                                                const std::string& initial) = 0;
    // The number dialog over `request`; the accepted value, nothing when cancelled.
    virtual std::optional<int> NumberBox(const NumberRequest& request) = 0;
    // The password dialog with its "Remember the Password" box; nothing when cancelled.
    virtual std::optional<PasswordAnswer> PasswordBox(const std::string& prompt,
                                                      const PasswordAnswer& initial) = 0;
    // The language selection dialog over `rows` (column titles first), `selected` marked;
    // the row chosen with OK, nothing when cancelled or when no row is selected.
    virtual std::optional<int> ChooseLanguage(const LanguageRow& columnTitles,
                                              const std::vector<LanguageRow>& rows,
                                              int selected) = 0;
};

}  // namespace lumbrel
