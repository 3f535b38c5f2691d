#include "win32/options/OptionsDialog.h"

#include <commctrl.h>

#include "language/DialogIds.h"
#include "language/Language.h"
#include "language/StringIds.h"

namespace lumbrel::win32 {

OptionsDialog::OptionsDialog(OptionsDialogModel& model, const Language* language,
                             OptionPageId first)
    : ModalDialog(IDD_OPTIONS, "DialogOptions", language),
      model_(model),
      language_(language && language->IsActive() ? language : nullptr),
      first_(first),
      shown_(first) {}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::OnInit() {
    HWND tree = Item(IDC_OPTIONS_TREE);
    for (const OptionPageInfo& info : OptionPages()) {
        const std::string title = model_.PageTitle(info.id);
        TVINSERTSTRUCTA insert{};
        insert.hParent = info.parent == kNoParentPage ? TVI_ROOT : items_[info.parent];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(title.c_str());
        insert.item.lParam = static_cast<LPARAM>(info.id);
        items_[static_cast<int>(info.id)] = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    for (const OptionPageInfo& info : OptionPages()) {
        if (info.parent == kNoParentPage)
            TreeView_Expand(tree, items_[static_cast<int>(info.id)], TVE_EXPAND);
    }
    ShowPage(first_);
    TreeView_SelectItem(tree, items_[static_cast<int>(first_)]);
}

void OptionsDialog::ShowPage(OptionPageId page) {
    auto& slot = pages_[static_cast<int>(page)];
    if (!slot) {
        RECT area{};
        GetWindowRect(Item(IDC_OPTIONS_PAGE_AREA), &area);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
        slot = OptionPageWindow::Create(page, model_, language_, hwnd_, area);
        if (!slot)
            return;
    }
    if (auto& current = pages_[static_cast<int>(shown_)]; current && shown_ != page)
        ShowWindow(current->Handle(), SW_HIDE);
    shown_ = page;
    model_.NoteShown(page);
    ShowWindow(slot->Handle(), SW_SHOW);
}

bool OptionsDialog::Commit() {
    for (auto& page : pages_) {
        if (!page)
            continue;
        if (auto refused = page->Commit()) {
            TreeView_SelectItem(Item(IDC_OPTIONS_TREE), items_[static_cast<int>(page->Page())]);
            ShowPage(page->Page());
            MessageBoxA(hwnd_, refused->message.c_str(), "Lumbrel", MB_OK | MB_ICONWARNING);
            // The dialog's loop ran: the page is looked up again by its id.
            if (auto& again = pages_[static_cast<int>(shown_)])
                SetFocus(GetDlgItem(again->Handle(), refused->controlId));
            return false;
        }
    }
    const OptionChanges changes = model_.Apply();
    if (!changes.AllWritten()) {
        const std::string text = language_ ? language_->LngLoadString(IDS_SETTINGS_NOT_WRITTEN)
                                           : Language().LngLoadString(IDS_SETTINGS_NOT_WRITTEN);
        MessageBoxA(hwnd_, text.c_str(), "Lumbrel", MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

bool OptionsDialog::OnOk() {
    return Commit();
}

INT_PTR OptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_OPTIONS_APPLY &&
        HIWORD(wParam) == BN_CLICKED) {
        Commit();
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom == IDC_OPTIONS_TREE && header.code == TVN_SELCHANGEDA) {
            const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
            ShowPage(static_cast<OptionPageId>(change.itemNew.lParam));
            return TRUE;
        }
    }
    return FALSE;
}

void Win32OptionsUi::ShowOptions(OptionsDialogModel& model, OptionPageId firstPage) {
    OptionsDialog dialog(model, language_, firstPage);
    dialog.Run(owner_);
}

}  // namespace lumbrel::win32
