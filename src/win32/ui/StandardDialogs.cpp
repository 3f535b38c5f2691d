#include "win32/ui/StandardDialogs.h"

#include <commctrl.h>

#include <commdlg.h>

#include <cstring>

#include "language/DialogIds.h"
#include "language/Language.h"
#include "language/StringIds.h"
#include "language/StringTable.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32FileSystem.h"
#include "win32/ui/FileDialogs.h"

namespace lumbrel::win32 {

// --- Input --------------------------------------------------------------------------------

InputDialog::InputDialog(const Language* language, std::string prompt, std::string initial,
                         bool openButton)
    : ModalDialog(IDD_INPUT, "DialogInput", language),
      text(initial),
      language_(language),
      model_(std::move(prompt), std::move(initial), openButton) {}

std::string InputDialog::String(int id) const {
    return language_ ? language_->LngLoadString(id) : std::string(StringTable::Get(id));
}

void InputDialog::OnInit() {
    SetItemText(IDC_INPUT_PROMPT, model_.Prompt());
    SetItemText(IDC_INPUT_TEXT, model_.Text());
    if (model_.OpenButton())
        SetItemText(IDOK, String(IDS_OPEN_BUTTON));
    if (model_.TextMode())
        SetItemText(IDC_INPUT_UP, String(IDS_SAVE_BUTTON));
    SendMessageA(Item(IDC_INPUT_TEXT), EM_SETSEL, 0, -1);
    SetFocus(Item(IDC_INPUT_TEXT));
}

bool InputDialog::OnOk() {
    text = ItemText(IDC_INPUT_TEXT);
    return true;
}

INT_PTR InputDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (LOWORD(wParam) == IDC_INPUT_UP) {
        OnUpOrSave();
        return TRUE;
    }
    if (LOWORD(wParam) == IDC_INPUT_COPY) {
        OnCopySelected();
        return TRUE;
    }
    return FALSE;
}

void InputDialog::OnUpOrSave() {
    const std::string field = ItemText(IDC_INPUT_TEXT);
    HWND edit = Item(IDC_INPUT_TEXT);
    if (!model_.TextMode()) {
        if (const auto up = model_.UpUrl(field)) {
            SetItemText(IDC_INPUT_TEXT, *up);
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, EM_SCROLLCARET, 0, 0);
        }
        return;
    }
    if (field.empty())
        return;
    Win32CodePage codePage;
    const std::optional<std::string> path =
        PickFileToSave(hwnd_, String(IDS_FILTER_TEXT_FILES),
                       DialogInput::ProposedFileName(codePage, field), "txt");
    if (!path)
        return;
    Win32FileSystem files;
    if (!DialogInput::SaveText(files, *path, field)) {
        MessageBoxA(hwnd_, String(IDS_FILE_NOT_WRITTEN).c_str(), "Lumbrel", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(hwnd_, IDCANCEL);
}

void InputDialog::OnCopySelected() {
    const std::string field = ItemText(IDC_INPUT_TEXT);
    DWORD start = 0, end = 0;
    SendMessageA(Item(IDC_INPUT_TEXT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::string copied = DialogInput::CopiedText(field, start, end);
    if (OpenClipboard(hwnd_)) {
        EmptyClipboard();
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, copied.size() + 1)) {
            if (void* bytes = GlobalLock(memory)) {
                std::memcpy(bytes, copied.c_str(), copied.size() + 1);
                GlobalUnlock(memory);
                // The clipboard owns the memory once it takes it.
                if (!SetClipboardData(CF_TEXT, memory))
                    GlobalFree(memory);
            } else {
                GlobalFree(memory);
            }
        }
        CloseClipboard();
    }
    EndDialog(hwnd_, IDCANCEL);
}

// --- Number -------------------------------------------------------------------------------

NumberDialog::NumberDialog(const Language* language, const NumberRequest& request)
    : ModalDialog(IDD_NUMBER, "DialogNumber", language), request_(request) {}

void NumberDialog::OnInit() {
    if (!request_.caption.empty())
        SetWindowTextA(hwnd_, request_.caption.c_str());
    SetItemText(IDC_NUMBER_PROMPT, request_.prompt);
    SetItemText(IDC_NUMBER_TEXT, std::to_string(request_.initial));
    SelectText();
}

void NumberDialog::SelectText() {
    SendMessageA(Item(IDC_NUMBER_TEXT), EM_SETSEL, 0, -1);
    SetFocus(Item(IDC_NUMBER_TEXT));
}

bool NumberDialog::OnOk() {
    value = request_.accept ? request_.accept(ItemText(IDC_NUMBER_TEXT)) : std::nullopt;
    if (value)
        return true;
    MessageBoxA(hwnd_, request_.refusal.c_str(), request_.caption.c_str(), MB_OK | MB_ICONWARNING);
    SelectText();
    return false;
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
