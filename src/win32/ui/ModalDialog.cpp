#include "win32/ui/ModalDialog.h"

#include "win32/language/LanguageApply.h"

namespace lumbrel::win32 {
namespace {

struct DialogCount {
    DWORD process;
    DWORD thread;
    int count = 0;
};

BOOL CALLBACK CountForeignDialogs(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogCount*>(lParam);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (process == search->process && thread != search->thread && lstrcmpA(name, "#32770") == 0)
        ++search->count;
    return TRUE;
}

}  // namespace

int DialogsOfOtherThreads() {
    DialogCount search{GetCurrentProcessId(), GetCurrentThreadId()};
    EnumWindows(&CountForeignDialogs, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

INT_PTR ModalDialog::Run(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                           &ModalDialog::Procedure, reinterpret_cast<LPARAM>(this));
}

std::string ModalDialog::ItemText(int id) const {
    HWND item = Item(id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (length > 0)
        GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    }
    if (!self)
        return FALSE;
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        if (message == WM_INITDIALOG)
            EndDialog(hwnd, IDCANCEL);
        return FALSE;
    }
}

INT_PTR ModalDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            if (language_)
                LngApplyDialog(hwnd_, section_, *language_);
            OnInit();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                if (OnOk())
                    EndDialog(hwnd_, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                EndDialog(hwnd_, IDCANCEL);
                return TRUE;
            }
            return OnMessage(message, wParam, lParam);
        default:
            return OnMessage(message, wParam, lParam);
    }
}

}  // namespace lumbrel::win32
