// The base of the program's modal dialogs: one dialog procedure for all of them (the object
// travels in the init parameter into DWLP_USER), the language file applied first thing in
// WM_INITDIALOG, and no exception out of a handler.
#pragma once

#include <string>

#include "win32/platform/WinApi.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

// Dialog boxes this process shows from threads other than the calling one (the engine's own
// dialogs run on threads of their own).
int DialogsOfOtherThreads();

class ModalDialog {
public:
    ModalDialog(int templateId, const char* section, const Language* language)
        : templateId_(templateId), section_(section), language_(language) {}
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog; the button that ended it (IDOK, IDCANCEL), or -1 when it failed.
    INT_PTR Run(HWND owner);

protected:
    virtual void OnInit() {}
    // OK pressed: return false to keep the dialog open.
    virtual bool OnOk() { return true; }
    // Cancel pressed (or the dialog closed): the dialog ends after it.
    virtual void OnCancel() {}
    virtual INT_PTR OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    const char* section_;
    const Language* language_;
};

}  // namespace lumbrel::win32
