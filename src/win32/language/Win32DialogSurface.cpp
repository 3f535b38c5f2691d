#include "win32/language/Win32DialogSurface.h"

namespace lumbrel::win32 {

Win32DialogSurface::Win32DialogSurface(HWND dialog) : dialog_(dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        controls_.push_back(child);
    }
}

void Win32DialogSurface::SetCaption(const std::string& text) {
    SetWindowTextA(dialog_, text.c_str());
}

int Win32DialogSurface::ControlId(int index) const {
    return GetDlgCtrlID(At(index));
}

void Win32DialogSurface::SetControlText(int index, const std::string& text) {
    SetWindowTextA(At(index), text.c_str());
}

bool Win32DialogSurface::IsComboBox(int index) const {
    char name[32] = {};
    GetClassNameA(At(index), name, static_cast<int>(sizeof(name)));
    return lstrcmpiA(name, "ComboBox") == 0;
}

int Win32DialogSurface::ComboSelection(int index) const {
    return static_cast<int>(SendMessageA(At(index), CB_GETCURSEL, 0, 0));
}

void Win32DialogSurface::ComboReset(int index) {
    SendMessageA(At(index), CB_RESETCONTENT, 0, 0);
}

void Win32DialogSurface::ComboAdd(int index, const std::string& text) {
    // Inserting at the end keeps the file's order even in a sorted combo box.
    SendMessageA(At(index), CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32DialogSurface::ComboSelect(int index, int item) {
    SendMessageA(At(index), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

}  // namespace lumbrel::win32
