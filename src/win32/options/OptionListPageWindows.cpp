#include "win32/options/OptionListPageWindows.h"

#include <commctrl.h>

#include "language/DialogIds.h"
#include "language/Language.h"
#include "language/StringIds.h"
#include "mouse/DragActions.h"
#include "mouse/GestureStatus.h"
#include "options/OptionListPages.h"

namespace lumbrel::win32 {
namespace {

void InsertRow(HWND list, int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void AddColumn(HWND list, int index, const std::string& text, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(text.c_str());
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void SelectRow(HWND list, std::optional<size_t> row) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!row)
        return;
    const int index = static_cast<int>(*row);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, index, FALSE);
}

int SelectedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

int ClientWidth(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.right - rect.left;
}

}  // namespace

// --- The filter pages ---

void FilterListsPageWindow::Build(int top) {
    const bool popup = page_ == OptionPageId::PopupFilter;
    int y = AddFields(top) + 2;
    lists_[0] = {popup ? IDC_POPUP_FILTER_LIST : IDC_CONTENT_FILTER_LIST, IDC_FILTER_INSERT,
                 IDC_FILTER_EDIT, IDC_FILTER_DELETE};
    lists_[1] = {popup ? IDC_POPUP_UNFILTER_LIST : IDC_CONTENT_UNFILTER_LIST, IDC_UNFILTER_INSERT,
                 IDC_UNFILTER_EDIT, IDC_UNFILTER_DELETE};
    const int half = (kWidth - 6) / 2;
    MakeControl("STATIC",
                popup ? "UnFilter List Popup Ad Window (can use *):"
                      : "UnFilter List Ad Content (Can use *):",
                SS_LEFT, IDC_UNFILTER_LABEL, half + 6, y, half, 10);
    y += 11;
    const int listHeight = popup ? 44 : 130;
    for (int i = 0; i < 2; ++i) {
        const ListUi& ui = lists_[i];
        const int x = i * (half + 6);
        HWND list = MakeControl(WC_LISTVIEWA, "",
                                LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS |
                                    LVS_NOCOLUMNHEADER | WS_TABSTOP,
                                ui.listId, x, y, half, listHeight, WS_EX_CLIENTEDGE);
        AddColumn(list, 0, "", ClientWidth(list) - 25);
        const int buttonWidth = (half - 4) / 3;
        MakeControl("BUTTON", "Insert", BS_PUSHBUTTON | WS_TABSTOP, ui.insertId, x,
                    y + listHeight + 2, buttonWidth, 13);
        MakeControl("BUTTON", "Edit", BS_PUSHBUTTON | WS_TABSTOP, ui.editId, x + buttonWidth + 2,
                    y + listHeight + 2, buttonWidth, 13);
        MakeControl("BUTTON", "Delete", BS_PUSHBUTTON | WS_TABSTOP, ui.deleteId,
                    x + 2 * (buttonWidth + 2), y + listHeight + 2, buttonWidth, 13);
        Show(ui);
    }
}

FilterListEditor& FilterListsPageWindow::Editor(int listId) {
    const bool first = listId == lists_[0].listId;
    if (page_ == OptionPageId::PopupFilter) {
        auto& lists = model_.PageAs<CPopupDlg>(page_).Lists();
        return first ? lists.Filter() : lists.UnFilter();
    }
    auto& lists = model_.PageAs<CUrlFilterProp>(page_).Lists();
    return first ? lists.Filter() : lists.UnFilter();
}

const FilterListsPageWindow::ListUi* FilterListsPageWindow::UiOf(int id) const {
    for (const ListUi& ui : lists_) {
        if (id == ui.listId || id == ui.insertId || id == ui.editId || id == ui.deleteId)
            return &ui;
    }
    return nullptr;
}

void FilterListsPageWindow::Show(const ListUi& ui) {
    HWND list = Item(ui.listId);
    const FilterListEditor& editor = Editor(ui.listId);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (size_t row = 0; row < editor.Entries().size(); ++row)
        InsertRow(list, static_cast<int>(row), editor.Entries()[row]);
    SelectRow(list, editor.Selection());
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void FilterListsPageWindow::StartEdit(const ListUi& ui) {
    FilterListEditor& editor = Editor(ui.listId);
    if (auto row = editor.EditingRow()) {
        SetFocus(Item(ui.listId));
        ListView_EditLabel(Item(ui.listId), static_cast<int>(*row));
    }
}

INT_PTR FilterListsPageWindow::OnCommand(int id, int code) {
    const ListUi* ui = UiOf(id);
    if (!ui || code != BN_CLICKED || id == ui->listId)
        return OptionPageWindow::OnCommand(id, code);
    FilterListEditor& editor = Editor(ui->listId);
    const int selected = SelectedRow(Item(ui->listId));
    editor.Select(selected < 0 ? std::nullopt : std::optional<size_t>(selected));
    if (id == ui->insertId) {
        editor.Insert();
        Show(*ui);
        StartEdit(*ui);
    } else if (id == ui->editId) {
        if (editor.BeginEdit())
            StartEdit(*ui);
    } else {
        editor.Delete();
        Show(*ui);
    }
    return TRUE;
}

INT_PTR FilterListsPageWindow::OnNotify(NMHDR& header) {
    const ListUi* ui = UiOf(static_cast<int>(header.idFrom));
    if (!ui)
        return FALSE;
    FilterListEditor& editor = Editor(ui->listId);
    switch (header.code) {
        case LVN_BEGINLABELEDITA: {
            // A click on a selected row starts an edit the buttons did not: the model follows.
            const auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
            if (!editor.EditingRow()) {
                editor.Select(static_cast<size_t>(info.item.iItem));
                editor.BeginEdit();
            }
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, FALSE);
            return TRUE;
        }
        case LVN_ENDLABELEDITA: {
            const auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
            editor.EndEdit(info.item.pszText ? std::optional<std::string>(info.item.pszText)
                                             : std::nullopt);
            Show(*ui);
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, FALSE);  // the list shows the model's text
            return TRUE;
        }
        case NM_DBLCLK: {
            const int selected = SelectedRow(Item(ui->listId));
            if (selected >= 0) {
                editor.Select(static_cast<size_t>(selected));
                if (editor.BeginEdit())
                    StartEdit(*ui);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

// --- Gestures ---

void GesturePageWindow::Build(int top) {
    CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    HWND list =
        MakeControl(WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                    IDC_GESTURE_LIST, 0, top, kWidth, 120, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    auto text = [&](int id) { return language_ ? language_->LngLoadString(id) : std::string(); };
    AddColumn(list, 0, text(IDS_COLUMN_NAME), 120);
    AddColumn(list, 1, text(IDS_COLUMN_COMMAND), ClientWidth(list) - 150);
    int y = top + 124;
    MakeControl("STATIC", "Command:", SS_LEFT, IDC_GESTURE_COMMAND_LABEL, 0, y + 2, 40, 10);
    HWND combo = MakeControl("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                             IDC_GESTURE_COMMAND, 42, y, kWidth - 42, 140);
    for (const CommandChoice& choice : gestures.Commands())
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
    y += 17;
    MakeControl("EDIT", "", ES_READONLY | ES_AUTOHSCROLL, IDC_GESTURE_BOX, 0, y, 90, 12,
                WS_EX_CLIENTEDGE);
    const struct {
        int id;
        const char* letters;
    } buttons[] = {{IDC_GESTURE_UP, "U"},
                   {IDC_GESTURE_DOWN, "D"},
                   {IDC_GESTURE_LEFT, "L"},
                   {IDC_GESTURE_RIGHT, "R"},
                   {IDC_GESTURE_ERASE, "X"}};
    int x = 94;
    for (const auto& button : buttons) {
        const std::string caption = language_ && button.id != IDC_GESTURE_ERASE
                                        ? TranslateGestureLetters(button.letters, *language_)
                                        : std::string(button.letters);
        MakeControl("BUTTON", caption.c_str(), BS_PUSHBUTTON | WS_TABSTOP, button.id, x, y, 22, 13);
        x += 24;
    }
    MakeControl(UPDOWN_CLASSA, "", UDS_ARROWKEYS, IDC_GESTURE_SPIN, x + 2, y - 1, 12, 15);
    y += 17;
    MakeControl("BUTTON", "&New", BS_PUSHBUTTON | WS_TABSTOP, IDC_GESTURE_NEW, 0, y, 50, 13);
    MakeControl("BUTTON", "&Insert", BS_PUSHBUTTON | WS_TABSTOP, IDC_GESTURE_INSERT, 54, y, 50, 13);
    MakeControl("BUTTON", "&Delete", BS_PUSHBUTTON | WS_TABSTOP, IDC_GESTURE_DELETE, 108, y, 50,
                13);
    y += 17;
    MakeControl("BUTTON", "Show Mouse Gesture in Status Bar", BS_AUTOCHECKBOX | WS_TABSTOP,
                IDC_GESTURE_SHOW, 0, y, kWidth, 10);
    CheckDlgButton(hwnd_, IDC_GESTURE_SHOW, gestures.showGesture ? BST_CHECKED : BST_UNCHECKED);
    ShowRows();
}

std::string GesturePageWindow::Shown(int row) const {
    const CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    const std::string& name = gestures.Rows()[static_cast<size_t>(row)].name;
    if (row < CGestureProp::kFixedRows || !language_)
        return name;
    return TranslateGestureLetters(name, *language_);
}

void GesturePageWindow::ShowRows() {
    CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    HWND list = Item(IDC_GESTURE_LIST);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (int row = 0; row < static_cast<int>(gestures.Rows().size()); ++row) {
        InsertRow(list, row, Shown(row));
        SetCell(list, row, 1,
                gestures.CommandText(gestures.Rows()[static_cast<size_t>(row)].command));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ShowSelection();
}

void GesturePageWindow::ShowSelection() {
    CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    const int selected = gestures.Selected();
    SelectRow(Item(IDC_GESTURE_LIST),
              selected < 0 ? std::nullopt : std::optional<size_t>(selected));
    const std::string box = language_ ? TranslateGestureLetters(gestures.GestureBox(), *language_)
                                      : gestures.GestureBox();
    SetDlgItemTextA(hwnd_, IDC_GESTURE_BOX, box.c_str());
    SendDlgItemMessageA(hwnd_, IDC_GESTURE_COMMAND, CB_SETCURSEL,
                        static_cast<WPARAM>(gestures.CommandChoiceIndex()), 0);
}

void GesturePageWindow::CommitLists() {
    model_.PageAs<GesturePage>(page_).Model().showGesture =
        IsDlgButtonChecked(hwnd_, IDC_GESTURE_SHOW) == BST_CHECKED;
}

INT_PTR GesturePageWindow::OnCommand(int id, int code) {
    CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    if (id == IDC_GESTURE_COMMAND && code == CBN_SELCHANGE) {
        gestures.ChooseCommand(
            static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_GESTURE_COMMAND, CB_GETCURSEL, 0, 0)));
        ShowRows();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return FALSE;
    switch (id) {
        case IDC_GESTURE_UP:
            gestures.PressLetter('U');
            break;
        case IDC_GESTURE_DOWN:
            gestures.PressLetter('D');
            break;
        case IDC_GESTURE_LEFT:
            gestures.PressLetter('L');
            break;
        case IDC_GESTURE_RIGHT:
            gestures.PressLetter('R');
            break;
        case IDC_GESTURE_ERASE:
            gestures.PressErase();
            break;
        case IDC_GESTURE_NEW:
            gestures.New();
            break;
        case IDC_GESTURE_INSERT:
            gestures.Insert();
            break;
        case IDC_GESTURE_DELETE:
            gestures.Delete();
            break;
        default:
            return FALSE;
    }
    ShowRows();
    return TRUE;
}

INT_PTR GesturePageWindow::OnNotify(NMHDR& header) {
    CGestureProp& gestures = model_.PageAs<GesturePage>(page_).Model();
    if (header.idFrom == IDC_GESTURE_LIST && header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
            change.iItem != gestures.Selected()) {
            gestures.Select(change.iItem);
            ShowSelection();
        }
        return TRUE;
    }
    if (header.idFrom == IDC_GESTURE_SPIN && header.code == UDN_DELTAPOS) {
        gestures.Spin(reinterpret_cast<NMUPDOWN&>(header).iDelta);
        ShowRows();
        return TRUE;
    }
    return FALSE;
}

// --- Drag actions ---

namespace {

constexpr DragKind kKinds[] = {DragKind::Image, DragKind::Link, DragKind::Text};
constexpr const char* kKindNames[] = {"Image:", "Link:", "Text:"};
constexpr DragDirection kDirections[] = {DragDirection::Up, DragDirection::Down,
                                         DragDirection::Left, DragDirection::Right};
constexpr const char* kDirectionNames[] = {"Up", "Down", "Left", "Right"};

int DragListId(int kind, int direction) {
    return IDC_DRAG_FIRST + 5 * kind + 1 + direction;
}

}  // namespace

void DragPageWindow::Build(int top) {
    CMouseProp& drag = model_.PageAs<MouseDragPage>(page_).Model();
    constexpr int kLabel = 34, kColumn = 63;
    for (int d = 0; d < 4; ++d)
        MakeControl("STATIC", kDirectionNames[d], SS_LEFT, IDC_DRAG_HEADING_FIRST + d,
                    kLabel + d * kColumn, top, kColumn - 4, 10);
    int y = top + 12;
    for (int k = 0; k < 3; ++k) {
        MakeControl("STATIC", kKindNames[k], SS_LEFT, IDC_DRAG_FIRST + 5 * k, 0, y + 2, kLabel, 10);
        for (int d = 0; d < 4; ++d) {
            HWND combo = MakeControl("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                     DragListId(k, d), kLabel + d * kColumn, y, kColumn - 4, 140);
            for (const DragActionEntry& entry : CMouseProp::Choices(kKinds[k]))
                SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
            SendMessageA(combo, CB_SETCURSEL,
                         static_cast<WPARAM>(drag.Choice(kKinds[k], kDirections[d])), 0);
        }
        y += 18;
    }
    MakeControl("BUTTON", "Simulate Drag Link as Shift+Click", BS_AUTOCHECKBOX | WS_TABSTOP,
                IDC_DRAG_SIMULATE_LINK, 0, y + 4, kWidth, 10);
    CheckDlgButton(hwnd_, IDC_DRAG_SIMULATE_LINK, drag.simuDragLink ? BST_CHECKED : BST_UNCHECKED);
}

void DragPageWindow::CommitLists() {
    CMouseProp& drag = model_.PageAs<MouseDragPage>(page_).Model();
    for (int k = 0; k < 3; ++k)
        for (int d = 0; d < 4; ++d)
            drag.Choose(
                kKinds[k], kDirections[d],
                static_cast<int>(SendDlgItemMessageA(hwnd_, DragListId(k, d), CB_GETCURSEL, 0, 0)));
    drag.simuDragLink = IsDlgButtonChecked(hwnd_, IDC_DRAG_SIMULATE_LINK) == BST_CHECKED;
}

}  // namespace lumbrel::win32
