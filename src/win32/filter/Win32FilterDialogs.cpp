#include "win32/filter/Win32FilterDialogs.h"

#include <mmsystem.h>

#include "language/DialogIds.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {
namespace {

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class PopupConfirmDialog : public ModalDialog {
public:
    PopupConfirmDialog(const Language* language, const std::string& url)
        : ModalDialog(IDD_POPUP_CONFIRM, "DialogPopupConfirm", language) {
        answer.text = url;
    }
    PopupConfirmAnswer answer;

protected:
    void OnInit() override { SetItemText(IDC_POPUP_CONFIRM_URL, answer.text); }
    bool OnOk() override {
        answer.ok = true;
        Collect();
        return true;
    }
    // "Don't show the dialog again" counts whichever button closed the dialog.
    void OnCancel() override { Collect(); }

private:
    void Collect() {
        answer.text = ItemText(IDC_POPUP_CONFIRM_URL);
        answer.addToList = Checked(hwnd_, IDC_POPUP_CONFIRM_ADD);
        answer.dontShowAgain = Checked(hwnd_, IDC_POPUP_CONFIRM_NO_ASK);
    }
};

class AddToPopupDialog : public ModalDialog {
public:
    AddToPopupDialog(const Language* language, const std::string& url)
        : ModalDialog(IDD_ADD_TO_POPUP, "DialogAddToPopup", language) {
        answer.text = url;
    }
    PopupAddAnswer answer;

protected:
    void OnInit() override {
        SetItemText(IDC_ADD_POPUP_URL, answer.text);
        CheckDlgButton(hwnd_, IDC_ADD_POPUP_CLOSE, BST_CHECKED);
    }
    bool OnOk() override {
        answer.ok = true;
        answer.text = ItemText(IDC_ADD_POPUP_URL);
        answer.closePage = Checked(hwnd_, IDC_ADD_POPUP_CLOSE);
        return true;
    }
};

}  // namespace

PopupConfirmAnswer Win32FilterDialogs::ConfirmPopup(const std::string& url) {
    PopupConfirmDialog dialog(language_, url);
    const INT_PTR result = dialog.Run(Owner());
    // A dialog that could not be made is a Cancel that changed nothing.
    return result == -1 ? PopupConfirmAnswer{} : dialog.answer;
}

PopupAddAnswer Win32FilterDialogs::AddToPopupFilter(const std::string& url) {
    AddToPopupDialog dialog(language_, url);
    return dialog.Run(Owner()) == IDOK ? dialog.answer : PopupAddAnswer{};
}

void Win32FilterDialogs::PlaySoundAsync(const std::string& path) {
    // No default sound in place of a missing file.
    PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace lumbrel::win32
