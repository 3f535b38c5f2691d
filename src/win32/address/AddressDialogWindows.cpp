#include "win32/address/AddressDialogWindows.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "language/DialogIds.h"
#include "language/Language.h"
#include "language/StringIds.h"
#include "language/StringTable.h"
#include "win32/ui/AutoComplete.h"
#include "win32/ui/FileDialogs.h"
#include "win32/ui/ModalDialog.h"
#include "win32/ui/StandardDialogs.h"

namespace lumbrel::win32 {
namespace {

constexpr UINT kBrowseAtStart = WM_APP + 1;

std::string TextOf(const Language* language, int id) {
    return language ? language->LngLoadString(id) : std::string(StringTable::Get(id));
}

// A file-open dialog with the filter of string 114; the chosen path, or "" when cancelled.
std::string BrowseForFile(HWND owner, const Language* language) {
    return PickFileToOpen(owner, TextOf(language, IDS_FILTER_OPEN_FILES)).value_or(std::string());
}

class OpenAddressDialog : public ModalDialog {
public:
    OpenAddressDialog(const Language* language, OpenDialogFields initial,
                      const std::vector<std::string>& typed)
        : ModalDialog(IDD_OPEN_ADDRESS, "DialogOpen", language),
          fields(std::move(initial)),
          language_(language),
          typed_(typed) {}
    OpenDialogFields fields;

protected:
    void OnInit() override {
        HWND combo = Item(IDC_OPEN_ADDRESS);
        for (const std::string& url : typed_) {
            std::string copy = url;
            COMBOBOXEXITEMA item{};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = copy.data();
            SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        CheckDlgButton(hwnd_, IDC_OPEN_IN_NEW, fields.openInNew ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(hwnd_, IDC_OPEN_DIRECT, fields.directOpen ? BST_CHECKED : BST_UNCHECKED);
        AttachAddressAutoComplete(Edit());
        SetFocus(combo);
        if (fields.directOpen)
            PostMessageA(hwnd_, kBrowseAtStart, 0, 0);
    }
    bool OnOk() override {
        fields.text = FieldText();
        fields.openInNew = IsDlgButtonChecked(hwnd_, IDC_OPEN_IN_NEW) == BST_CHECKED;
        fields.directOpen = IsDlgButtonChecked(hwnd_, IDC_OPEN_DIRECT) == BST_CHECKED;
        return true;
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (message == kBrowseAtStart ||
            (message == WM_COMMAND && LOWORD(wParam) == IDC_OPEN_BROWSE)) {
            Browse();
            return TRUE;
        }
        return FALSE;
    }

private:
    HWND Edit() const {
        return reinterpret_cast<HWND>(
            SendMessageA(Item(IDC_OPEN_ADDRESS), CBEM_GETEDITCONTROL, 0, 0));
    }
    std::string FieldText() const {
        HWND edit = Edit();
        const int length = edit ? GetWindowTextLengthA(edit) : 0;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        if (edit)
            GetWindowTextA(edit, text.data(), length + 1);
        text.resize(static_cast<size_t>(length));
        return text;
    }
    void Browse() {
        const std::string path = BrowseForFile(hwnd_, language_);
        if (path.empty())
            return;
        if (HWND edit = Edit())
            SetWindowTextA(edit, path.c_str());
        if (IsDlgButtonChecked(hwnd_, IDC_OPEN_DIRECT) == BST_CHECKED)
            PostMessageA(hwnd_, WM_COMMAND, IDOK, 0);
    }

    const Language* language_;
    const std::vector<std::string>& typed_;
};

class AliasDialog : public ModalDialog {
public:
    AliasDialog(const Language* language, AliasFields proposed)
        : ModalDialog(IDD_ALIAS, "DialogAlias", language), fields(std::move(proposed)) {}
    AliasFields fields;

protected:
    void OnInit() override {
        SetItemText(IDC_ALIAS_NAME, fields.alias);
        SetItemText(IDC_ALIAS_URL, fields.url);
        SendMessageA(Item(IDC_ALIAS_NAME), EM_SETSEL, 0, -1);
        SetFocus(Item(IDC_ALIAS_NAME));
    }
    bool OnOk() override {
        fields.alias = ItemText(IDC_ALIAS_NAME);
        fields.url = ItemText(IDC_ALIAS_URL);
        return true;
    }
};

class QuickKeyDialog : public ModalDialog {
public:
    QuickKeyDialog(const Language* language, QuickKeyFields shown)
        : ModalDialog(IDD_QUICK_KEYS, "DialogKey", language), fields(std::move(shown)) {}
    QuickKeyFields fields;

protected:
    void OnInit() override {
        for (int i = 0; i < kQuickKeyCount; ++i)
            SetItemText(IDC_QUICK_KEY_FIRST + i, fields.bindings[static_cast<size_t>(i)]);
        CheckDlgButton(hwnd_, IDC_QUICK_KEY_IE, fields.useIeKey ? BST_CHECKED : BST_UNCHECKED);
        HWND focus = Item(IDC_QUICK_KEY_FIRST + std::clamp(fields.focusRow, 0, kQuickKeyCount - 1));
        SetFocus(focus);
        SendMessageA(focus, EM_SETSEL, 0, -1);
    }
    bool OnOk() override {
        for (int i = 0; i < kQuickKeyCount; ++i)
            fields.bindings[static_cast<size_t>(i)] = ItemText(IDC_QUICK_KEY_FIRST + i);
        fields.useIeKey = IsDlgButtonChecked(hwnd_, IDC_QUICK_KEY_IE) == BST_CHECKED;
        return true;
    }
};

}  // namespace

std::optional<OpenDialogFields> AddressDialogWindows::OpenAddress(
    const OpenDialogFields& initial, const std::vector<std::string>& typed) {
    OpenAddressDialog dialog(language_, initial, typed);
    if (dialog.Run(owner_) != IDOK)
        return std::nullopt;
    return dialog.fields;
}

std::optional<std::string> AddressDialogWindows::Input(const DialogInput& box) {
    InputDialog dialog(language_, box.Prompt(), box.Text(), box.OpenButton());
    if (dialog.Run(owner_) != IDOK)
        return std::nullopt;
    return dialog.text;
}

std::optional<AliasFields> AddressDialogWindows::Alias(const AliasFields& proposed) {
    AliasDialog dialog(language_, proposed);
    if (dialog.Run(owner_) != IDOK)
        return std::nullopt;
    return dialog.fields;
}

std::optional<QuickKeyFields> AddressDialogWindows::QuickKeys(const QuickKeyFields& shown) {
    QuickKeyDialog dialog(language_, shown);
    if (dialog.Run(owner_) != IDOK)
        return std::nullopt;
    return dialog.fields;
}

}  // namespace lumbrel::win32
