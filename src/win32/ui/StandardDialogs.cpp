#include "win32/ui/StandardDialogs.h"

#include <commctrl.h>

#include "language/DialogIds.h"

namespace lumbrel::win32 {

// --- Input --------------------------------------------------------------------------------

InputDialog::InputDialog(const Language* language, std::string prompt, std::string initial)
    : ModalDialog(IDD_INPUT, "DialogInput", language),
      text(std::move(initial)),
      prompt_(std::move(prompt)) {}

void InputDialog::OnInit() {
    SetItemText(IDC_INPUT_PROMPT, prompt_);
    SetItemText(IDC_INPUT_TEXT, text);
    SendMessageA(Item(IDC_INPUT_TEXT), EM_SETSEL, 0, -1);
    SetFocus(Item(IDC_INPUT_TEXT));
}

bool InputDialog::OnOk() {
    text = ItemText(IDC_INPUT_TEXT);
    return true;
}

// --- Password -----------------------------------------------------------------------------

PasswordDialog::PasswordDialog(const Language* language, std::string prompt, PasswordAnswer initial)
    : ModalDialog(IDD_PASSWORD, "DialogPassword", language),
      answer(std::move(initial)),
      prompt_(std::move(prompt)) {}

void PasswordDialog::OnInit() {
    if (!prompt_.empty())
        SetItemText(IDC_PASSWORD_PROMPT, prompt_);
    SetItemText(IDC_PASSWORD_TEXT, answer.password);
    CheckDlgButton(hwnd_, IDC_PASSWORD_REMEMBER, answer.remember ? BST_CHECKED : BST_UNCHECKED);
    SetFocus(Item(IDC_PASSWORD_TEXT));
}

bool PasswordDialog::OnOk() {
    answer.password = ItemText(IDC_PASSWORD_TEXT);
    answer.remember = IsDlgButtonChecked(hwnd_, IDC_PASSWORD_REMEMBER) == BST_CHECKED;
    return true;
}

// --- Language -----------------------------------------------------------------------------

LanguageDialog::LanguageDialog(const Language* language, LanguageRow titles,
                               std::vector<LanguageRow> rows, int selected)
    : ModalDialog(IDD_SELECT_LANG, "DialogSelectLang", language),
      titles_(std::move(titles)),
      rows_(std::move(rows)),
      selected_(selected) {}

void LanguageDialog::OnInit() {
    HWND list = Item(IDC_LANG_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 110;
    column.pszText = titles_.fileName.data();
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = 100;
    column.pszText = titles_.language.data();
    SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    for (size_t i = 0; i < rows_.size(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = rows_[i].fileName.data();
        const int row = static_cast<int>(
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        item.iItem = row;
        item.iSubItem = 1;
        item.pszText = rows_[i].language.data();
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    if (selected_ >= 0 && selected_ < static_cast<int>(rows_.size())) {
        ListView_SetItemState(list, selected_, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, selected_, FALSE);
    }
    SetFocus(list);
}

bool LanguageDialog::OnOk() {
    const int row = ListView_GetNextItem(Item(IDC_LANG_LIST), -1, LVNI_SELECTED);
    if (row >= 0)
        chosen = row;
    return true;
}

INT_PTR LanguageDialog::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_LANG_LIST && header->code == NM_DBLCLK) {
            PostMessageA(hwnd_, WM_COMMAND, IDOK, 0);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace lumbrel::win32
