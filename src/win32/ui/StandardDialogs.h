// The input box, the password box and the language selection, as the Ui port shows them.
#pragma once

#include <optional>
#include <vector>

#include "address/DialogInput.h"
#include "platform/Ui.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {

// The general input box: "&Up URL" climbs one level of an address; for a text that is no
// address it reads "Save" and writes the text to a file; "&Copy Selected" copies. Both of
// those close the box as cancelled.
class InputDialog : public ModalDialog {
public:
    InputDialog(const Language* language, std::string prompt, std::string text,
                bool openButton = false);
    std::string text;

protected:
    void OnInit() override;
    bool OnOk() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::string String(int id) const;
    void OnUpOrSave();
    void OnCopySelected();

    const Language* language_;
    DialogInput model_;
};

// A whole number: the request's caption and prompt, its value in the field; a text the request
// refuses shows the refusal and keeps the dialog up.
class NumberDialog : public ModalDialog {
public:
    NumberDialog(const Language* language, const NumberRequest& request);
    std::optional<int> value;

protected:
    void OnInit() override;
    bool OnOk() override;

private:
    void SelectText();

    const NumberRequest& request_;
};

class PasswordDialog : public ModalDialog {
public:
    PasswordDialog(const Language* language, std::string prompt, PasswordAnswer answer);
    PasswordAnswer answer;

protected:
    void OnInit() override;
    bool OnOk() override;

private:
    std::string prompt_;
};

class LanguageDialog : public ModalDialog {
public:
    LanguageDialog(const Language* language, LanguageRow titles, std::vector<LanguageRow> rows,
                   int selected);
    std::optional<int> chosen;

protected:
    void OnInit() override;
    bool OnOk() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LanguageRow titles_;
    std::vector<LanguageRow> rows_;
    int selected_;
};

}  // namespace lumbrel::win32
