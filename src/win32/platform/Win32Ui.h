// The Ui port: message boxes owned by the main window (or the dialog it shows), titled with
// the program's name.
#pragma once

#include "win32/platform/WinApi.h"

#include "platform/Ui.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class Win32Ui : public Ui {
public:
    explicit Win32Ui(const char* title) : title_(title) {}
    // The window that owns the boxes (none before the main window exists).
    void SetOwner(HWND owner) { owner_ = owner; }
    // The language the dialogs translate themselves with.
    void SetLanguage(const Language* language) { language_ = language; }

    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    bool CtrlHeld() override { return GetKeyState(VK_CONTROL) < 0; }
    bool ShiftHeld() override { return GetKeyState(VK_SHIFT) < 0; }
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& initial) override;
    std::optional<int> NumberBox(const NumberRequest& request) override;
    std::optional<PasswordAnswer> PasswordBox(const std::string& prompt,
                                              const PasswordAnswer& initial) override;
    std::optional<int> ChooseLanguage(const LanguageRow& columnTitles,
                                      const std::vector<LanguageRow>& rows, int selected) override;

private:
    // The main window, or the dialog it shows now: a box owned by the disabled main window
    // would enable it again when it ends, under a modal dialog that is still up.
    HWND Owner() const;

    const char* title_;
    HWND owner_ = nullptr;
    const Language* language_ = nullptr;
};

}  // namespace lumbrel::win32
