#include "win32/platform/Win32Ui.h"

#include "win32/ui/StandardDialogs.h"

namespace lumbrel::win32 {
namespace {

UINT ButtonStyle(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel:
            return MB_OKCANCEL;
        case MsgButtons::YesNo:
            return MB_YESNO;
        case MsgButtons::YesNoCancel:
            return MB_YESNOCANCEL;
        case MsgButtons::Ok:
            break;
    }
    return MB_OK;
}

UINT IconStyle(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return MB_ICONINFORMATION;
        case MsgIcon::Warning:
            return MB_ICONWARNING;
        case MsgIcon::Error:
            return MB_ICONERROR;
        case MsgIcon::Question:
            return MB_ICONQUESTION;
        case MsgIcon::None:
            break;
    }
    return 0;
}

}  // namespace

HWND Win32Ui::Owner() const {
    if (!owner_ || !IsWindow(owner_))
        return nullptr;
    HWND popup = GetLastActivePopup(owner_);
    return popup && IsWindowEnabled(popup) ? popup : owner_;
}

MsgResult Win32Ui::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    switch (MessageBoxA(Owner(), text.c_str(), title_, ButtonStyle(buttons) | IconStyle(icon))) {
        case IDOK:
            return MsgResult::Ok;
        case IDYES:
            return MsgResult::Yes;
        case IDNO:
            return MsgResult::No;
        default:
            return MsgResult::Cancel;
    }
}

std::optional<std::string> Win32Ui::InputBox(const std::string& prompt,
                                             const std::string& initial) {
    InputDialog dialog(language_, prompt, initial);
    if (dialog.Run(Owner()) != IDOK)
        return std::nullopt;
    return dialog.text;
}

std::optional<int> Win32Ui::NumberBox(const NumberRequest& request) {
    NumberDialog dialog(language_, request);
    if (dialog.Run(Owner()) != IDOK)
        return std::nullopt;
    return dialog.value;
}

std::optional<PasswordAnswer> Win32Ui::PasswordBox(const std::string& prompt,
                                                   const PasswordAnswer& initial) {
    PasswordDialog dialog(language_, prompt, initial);
    if (dialog.Run(Owner()) != IDOK)
        return std::nullopt;
    return dialog.answer;
}

std::optional<int> Win32Ui::ChooseLanguage(const LanguageRow& columnTitles,
                                           const std::vector<LanguageRow>& rows, int selected) {
    LanguageDialog dialog(language_, columnTitles, rows, selected);
    if (dialog.Run(Owner()) != IDOK)
        return std::nullopt;
    return dialog.chosen;
}

}  // namespace lumbrel::win32
