#include "win32/frame/AddressBar.h"

#include <commctrl.h>

namespace lumbrel::win32 {

bool AddressBar::Create(HWND parent, int controlId,
                        std::function<void(const std::string&)> onEnter) {
    onEnter_ = std::move(onEnter);
    combo_ = CreateWindowExA(0, WC_COMBOBOXEXA, "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
                             0, 400, 200, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                             GetModuleHandleA(nullptr), nullptr);
    if (!combo_)
        return false;
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    edit_ = reinterpret_cast<HWND>(SendMessageA(combo_, CBEM_GETEDITCONTROL, 0, 0));
    if (edit_)
        SetWindowSubclass(edit_, &AddressBar::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

int AddressBar::Height() const {
    RECT rect{};
    GetWindowRect(combo_, &rect);
    return rect.bottom - rect.top;
}

void AddressBar::SetText(const std::string& text) {
    if (edit_)
        SetWindowTextA(edit_, text.c_str());
}

std::string AddressBar::Text() {
    if (!edit_)
        return {};
    const int length = GetWindowTextLengthA(edit_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(edit_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void AddressBar::Focus() {
    if (!edit_)
        return;
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
}

bool AddressBar::HasFocus() {
    return edit_ && GetFocus() == edit_;
}

LRESULT CALLBACK AddressBar::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<AddressBar*>(data);
    if (message == WM_KEYDOWN && wParam == VK_RETURN && self && self->onEnter_) {
        try {
            self->onEnter_(self->Text());
        } catch (...) {
            // A failed open leaves the box as it is.
        }
        return 0;
    }
    if (message == WM_CHAR && wParam == '\r')
        return 0;  // no beep after Enter
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, &AddressBar::EditProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumbrel::win32
