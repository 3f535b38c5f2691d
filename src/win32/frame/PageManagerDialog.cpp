#include "win32/frame/PageManagerDialog.h"

#include <algorithm>

#include "language/StringIds.h"

namespace lumbrel::win32 {
namespace {

// The state image of a list view with check boxes: 1 unticked, 2 ticked.
bool Ticked(UINT state) {
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void SetSubItemText(HWND list, int row, int column, std::string text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND list, int index, int width, std::string title) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = title.data();
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

}  // namespace

PageManagerDialog::PageManagerDialog(PageManager& manager, const Language* language,
                                     HIMAGELIST images, TextSource text)
    : ModalDialog(IDD_PAGE_MANAGER, "DialogPageManager", language),
      manager_(manager),
      images_(images),
      text_(std::move(text)) {}

void PageManagerDialog::OnInit() {
    HWND tabs = Item(IDC_PM_TABS);
    for (int tab = 0; tab < PageManager::kTabCount; ++tab) {
        std::string caption = text_(PageManager::TabCaptionId(static_cast<PageManagerTab>(tab)));
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(tab),
                     reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(manager_.Tab()), 0);

    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    if (images_)
        ListView_SetImageList(list, images_, LVSIL_SMALL);
    RECT client{};
    GetClientRect(list, &client);
    AddColumn(list, 0, PageManager::kTitleColumnWidth, text_(IDS_COLUMN_TITLE));
    AddColumn(list, 1, std::max(0, static_cast<int>(client.right) - PageManager::kUrlColumnMargin),
              text_(IDS_COLUMN_URL));
    CheckDlgButton(hwnd_, IDC_PM_WORK_OFFLINE,
                   manager_.WorkOffline() ? BST_CHECKED : BST_UNCHECKED);
    ShowRows(0);
    SetFocus(list);
}

bool PageManagerDialog::OnOk() {
    manager_.Ok();
    return manager_.Ended();
}

void PageManagerDialog::ShowRows(int focus) {
    HWND list = List();
    filling_ = true;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<PageRow>& rows = manager_.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string title = rows[i].title;
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = title.data();
        item.iImage = rows[i].image;
        const int row = static_cast<int>(
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        SetSubItemText(list, row, 1, rows[i].url);
        ListView_SetCheckState(list, row, rows[i].checked ? TRUE : FALSE);
    }
    const int count = static_cast<int>(rows.size());
    if (count > 0) {
        const int row = std::clamp(focus, 0, count - 1);
        ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED,
                              LVIS_FOCUSED | LVIS_SELECTED);
        ListView_EnsureVisible(list, row, FALSE);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    filling_ = false;
}

int PageManagerDialog::CurrentRow() const {
    return static_cast<int>(ListView_GetNextItem(List(), -1, LVNI_FOCUSED));
}

INT_PTR PageManagerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        OnButton(LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_PM_TABS && header.code == TCN_SELCHANGE) {
            const auto tab = SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
            if (tab >= 0 && tab < PageManager::kTabCount) {
                manager_.SelectTab(static_cast<PageManagerTab>(tab));
                ShowRows(0);
            }
            return TRUE;
        }
        if (header.idFrom == IDC_PM_LIST) {
            OnListNotify(header);
            return TRUE;
        }
    }
    return FALSE;
}

void PageManagerDialog::OnButton(int id) {
    switch (id) {
        case IDC_PM_SELECT_ALL:
            manager_.SelectAll();
            ShowRows(CurrentRow());
            break;
        case IDC_PM_SELECT_NONE:
            manager_.SelectNone();
            ShowRows(CurrentRow());
            break;
        case IDC_PM_OPEN_CURRENT:
            manager_.OpenCurrent(CurrentRow());
            EndIfDone();
            break;
        case IDC_PM_OPEN_SELECTED:
            manager_.OpenSelected();
            EndIfDone();
            break;
        case IDC_PM_DELETE_CURRENT: {
            const int row = CurrentRow();
            manager_.DeleteCurrent(row);
            ShowRows(row);
            break;
        }
        case IDC_PM_DELETE_SELECTED:
            manager_.DeleteSelected();
            ShowRows(CurrentRow());
            break;
        case IDC_PM_EDIT_TITLE:
            Edit(CurrentRow(), false);
            break;
        case IDC_PM_EDIT_URL:
            Edit(CurrentRow(), true);
            break;
        case IDC_PM_WORK_OFFLINE:
            OnWorkOffline();
            break;
        default:
            break;
    }
}

void PageManagerDialog::OnListNotify(const NMHDR& header) {
    switch (header.code) {
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (!filling_ && change.iItem >= 0 && (change.uChanged & LVIF_STATE) &&
                ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK))
                manager_.SetChecked(change.iItem, Ticked(change.uNewState));
            break;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (click.iItem >= 0) {
                manager_.OpenCurrent(click.iItem);
                EndIfDone();
            }
            break;
        }
        case NM_RDBLCLK:
            OnRightDoubleClick(reinterpret_cast<const NMITEMACTIVATE&>(header));
            break;
        default:
            break;
    }
}

void PageManagerDialog::OnRightDoubleClick(const NMITEMACTIVATE& click) {
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    if (SendMessageA(List(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 ||
        hit.iItem < 0)
        return;
    Edit(hit.iItem, hit.iSubItem == 1);
}

void PageManagerDialog::Edit(int row, bool url) {
    if (row < 0)
        return;
    if (url ? manager_.EditUrl(row) : manager_.EditTitle(row))
        ShowRows(row);
}

void PageManagerDialog::OnWorkOffline() {
    const bool wanted = IsDlgButtonChecked(hwnd_, IDC_PM_WORK_OFFLINE) == BST_CHECKED;
    const bool offline = manager_.SetWorkOffline(wanted);
    CheckDlgButton(hwnd_, IDC_PM_WORK_OFFLINE, offline ? BST_CHECKED : BST_UNCHECKED);
}

void PageManagerDialog::EndIfDone() {
    if (manager_.Ended())
        EndDialog(hwnd_, IDOK);
}

}  // namespace lumbrel::win32
