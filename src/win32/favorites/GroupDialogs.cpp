#include "win32/favorites/GroupDialogs.h"

#include <commctrl.h>

#include <initializer_list>
#include <optional>
#include <utility>

#include "language/DialogIds.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {
namespace {

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Check(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// --- List views with a tick per row ---------------------------------------------------------

void PrepareTickedList(HWND list, std::initializer_list<std::pair<const char*, int>> columns) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const auto& [title, width] : columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(title);
        column.cx = width;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void AddRow(HWND list, int row, const std::string& first, const std::string& second, bool ticked) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(first.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (!second.empty()) {
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(second.c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    ListView_SetCheckState(list, row, ticked);
}

void SelectRow(HWND list, int row) {
    if (row < 0)
        return;
    ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ListView_EnsureVisible(list, row, FALSE);
}

int SelectedRow(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

// A row's tick or selection changed by the user (not by the dialog filling the list).
struct RowChange {
    int row = -1;
    bool tickChanged = false;
    bool ticked = false;
    bool selected = false;
};

std::optional<RowChange> RowChangeOf(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED)
        return std::nullopt;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.iItem < 0 || !(change.uChanged & LVIF_STATE))
        return std::nullopt;
    RowChange row;
    row.row = change.iItem;
    row.tickChanged = ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0 &&
                      (change.uOldState & LVIS_STATEIMAGEMASK) != 0;
    row.ticked = ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
    row.selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    return row;
}

// The spin's arrow: +1 up, -1 down.
void PrepareSpin(HWND spin) {
    SendMessageA(spin, UDM_SETRANGE32, 0, 100);
    SendMessageA(spin, UDM_SETPOS32, 0, 50);
}

// --- The download-control boxes --------------------------------------------------------------

constexpr int kDownloadBoxes[] = {IDC_DL_IMAGES,  IDC_DL_SOUNDS, IDC_DL_VIDEOS,
                                  IDC_DL_ACTIVEX, IDC_DL_JAVA,   IDC_DL_SCRIPT};

void EnableDownloadBoxes(HWND dialog) {
    const bool special = Checked(dialog, IDC_DL_SPECIAL);
    for (int id : kDownloadBoxes)
        EnableWindow(GetDlgItem(dialog, id), special);
}

}  // namespace

void ShowDownloadBoxes(HWND dialog, const GroupUrlForm& form) {
    Check(dialog, IDC_DL_SPECIAL, form.special);
    Check(dialog, IDC_DL_IMAGES, form.showImages);
    Check(dialog, IDC_DL_SOUNDS, form.playSounds);
    Check(dialog, IDC_DL_VIDEOS, form.playVideos);
    Check(dialog, IDC_DL_ACTIVEX, form.enableActiveX);
    Check(dialog, IDC_DL_JAVA, form.enableJava);
    Check(dialog, IDC_DL_SCRIPT, form.enableScript);
    EnableDownloadBoxes(dialog);
}

void ReadDownloadBoxes(HWND dialog, GroupUrlForm& form) {
    form.special = Checked(dialog, IDC_DL_SPECIAL);
    form.showImages = Checked(dialog, IDC_DL_IMAGES);
    form.playSounds = Checked(dialog, IDC_DL_SOUNDS);
    form.playVideos = Checked(dialog, IDC_DL_VIDEOS);
    form.enableActiveX = Checked(dialog, IDC_DL_ACTIVEX);
    form.enableJava = Checked(dialog, IDC_DL_JAVA);
    form.enableScript = Checked(dialog, IDC_DL_SCRIPT);
}

INT_PTR OnDownloadBoxCommand(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_DL_SPECIAL)
        EnableDownloadBoxes(dialog);
    return FALSE;
}

namespace {

// --- "URL in Group" ------------------------------------------------------------------------

class GroupUrlDialog : public ModalDialog {
public:
    GroupUrlDialog(const Language* language, GroupUrlForm& form)
        : ModalDialog(IDD_GROUP_URL, "DialogGroupUrl", language), form_(form) {}

protected:
    void OnInit() override {
        SetItemText(IDC_GROUP_URL_NAME, form_.name);
        SetItemText(IDC_GROUP_URL_URL, form_.url);
        Check(hwnd_, IDC_GROUP_URL_OPENS, form_.opens);
        ShowDownloadBoxes(hwnd_, form_);
    }
    bool OnOk() override {
        form_.name = ItemText(IDC_GROUP_URL_NAME);
        form_.url = ItemText(IDC_GROUP_URL_URL);
        form_.opens = Checked(hwnd_, IDC_GROUP_URL_OPENS);
        ReadDownloadBoxes(hwnd_, form_);
        return true;
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM) override {
        return OnDownloadBoxCommand(hwnd_, message, wParam);
    }

private:
    GroupUrlForm& form_;
};

// --- "Select URL" ----------------------------------------------------------------------------

class SelectUrlDialog : public ModalDialog {
public:
    SelectUrlDialog(const Language* language, SelectUrlModel& model, Groups& groups, Clock& clock)
        : ModalDialog(IDD_GROUP_SELECT, "DialogGroupSelect", language),
          language_(language),
          model_(model),
          groups_(groups),
          clock_(clock) {}

protected:
    void OnInit() override {
        PrepareTickedList(Item(IDC_GROUP_SELECT_LIST), {{"Title", 200}, {"URL", 240}});
        PrepareSpin(Item(IDC_GROUP_SELECT_SPIN));
        for (const std::string& name : model_.GroupNames())
            SendMessageA(Item(IDC_GROUP_SELECT_NAME), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(name.c_str()));
        Fill(0);
    }
    // A refused name (the core has told the user why) keeps the dialog open.
    bool OnOk() override { return groups_.SaveAsGroup(ItemText(IDC_GROUP_SELECT_NAME), model_); }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY)
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        switch (LOWORD(wParam)) {
            case IDC_GROUP_SELECT_ALL:
                model_.SelectAll();
                Fill(SelectedRow(List()));
                return TRUE;
            case IDC_GROUP_SELECT_NONE:
                model_.SelectNone();
                Fill(SelectedRow(List()));
                return TRUE;
            case IDC_GROUP_SELECT_EDIT:
                EditSelected();
                return TRUE;
            case IDC_GROUP_SELECT_TIME:
                SetItemText(IDC_GROUP_SELECT_NAME, SelectUrlModel::TimeName(clock_.Now()));
                return TRUE;
            default:
                return FALSE;
        }
    }

private:
    HWND List() const { return Item(IDC_GROUP_SELECT_LIST); }
    void Fill(int selected) {
        filling_ = true;
        HWND list = List();
        ListView_DeleteAllItems(list);
        int row = 0;
        for (const SelectUrlModel::Line& line : model_.Lines())
            AddRow(list, row++, line.title, line.url, line.ticked);
        SelectRow(list, selected);
        filling_ = false;
    }
    void EditSelected() {
        const int row = SelectedRow(List());
        if (row < 0)
            return;
        const SelectUrlModel::Line& line = model_.Lines().at(static_cast<size_t>(row));
        GroupUrlForm form;
        form.name = line.title;
        form.url = line.url;
        if (!RunGroupUrlDialog(hwnd_, language_, form))
            return;
        model_.Edit(static_cast<size_t>(row), form.name, form.url);
        Fill(row);
    }
    INT_PTR OnNotify(const NMHDR& header) {
        if (header.idFrom == IDC_GROUP_SELECT_SPIN && header.code == UDN_DELTAPOS) {
            const int row = SelectedRow(List());
            if (row >= 0) {
                const bool up = reinterpret_cast<const NMUPDOWN&>(header).iDelta > 0;
                const auto line = static_cast<size_t>(row);
                Fill(static_cast<int>(up ? model_.MoveUp(line) : model_.MoveDown(line)));
            }
            return TRUE;
        }
        if (header.idFrom != IDC_GROUP_SELECT_LIST || filling_)
            return FALSE;
        if (const auto change = RowChangeOf(header); change && change->tickChanged)
            model_.SetTicked(static_cast<size_t>(change->row), change->ticked);
        return FALSE;
    }

    const Language* language_;
    SelectUrlModel& model_;
    Groups& groups_;
    Clock& clock_;
    bool filling_ = false;
};

// --- "Set Groups" ----------------------------------------------------------------------------

class SetGroupsDialog : public ModalDialog {
public:
    SetGroupsDialog(const Language* language, SetGroupsModel& model)
        : ModalDialog(IDD_SET_GROUPS, "DialogGroup", language), model_(model) {}

protected:
    void OnInit() override {
        PrepareTickedList(Item(IDC_GROUPS_LIST), {{"", 150}});
        PrepareTickedList(Item(IDC_MEMBERS_LIST), {{"Name", 150}, {"URL", 200}});
        PrepareSpin(Item(IDC_MEMBERS_SPIN));
        Check(hwnd_, IDC_GROUPS_SHOW_MEMBERS, model_.showMembers);
        Check(hwnd_, IDC_GROUPS_CLOSE_ALL, model_.closeAllFirst);
        FillGroups();
        FillMembers(-1);
    }
    bool OnOk() override {
        Collect();
        return true;
    }
    // Every change went to the model already; closing the window keeps it as OK does.
    void OnCancel() override { Collect(); }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY)
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        switch (LOWORD(wParam)) {
            case IDC_GROUPS_INSERT:
                if (const int row = model_.InsertGroup(); row >= 0) {
                    FillGroups();
                    FillMembers(-1);
                }
                return TRUE;
            case IDC_GROUPS_DELETE:
                if (model_.DeleteGroup()) {
                    FillGroups();
                    FillMembers(-1);
                }
                return TRUE;
            case IDC_MEMBERS_INSERT:
                FillMembers(model_.InsertMember(SelectedRow(MemberList())));
                return TRUE;
            case IDC_MEMBERS_DELETE:
                if (const int row = SelectedRow(MemberList()); row >= 0) {
                    model_.DeleteMember(row);
                    FillMembers(row < static_cast<int>(model_.Members().size()) ? row : row - 1);
                }
                return TRUE;
            case IDC_MEMBERS_EDIT:
                if (const int row = SelectedRow(MemberList()); row >= 0 && model_.EditMember(row))
                    FillMembers(row);
                return TRUE;
            default:
                return FALSE;
        }
    }

private:
    HWND GroupList() const { return Item(IDC_GROUPS_LIST); }
    HWND MemberList() const { return Item(IDC_MEMBERS_LIST); }
    void Collect() {
        model_.showMembers = Checked(hwnd_, IDC_GROUPS_SHOW_MEMBERS);
        model_.closeAllFirst = Checked(hwnd_, IDC_GROUPS_CLOSE_ALL);
    }
    void FillGroups() {
        filling_ = true;
        ListView_DeleteAllItems(GroupList());
        int row = 0;
        for (const SetGroupsModel::GroupRow& group : model_.GroupRows())
            AddRow(GroupList(), row++, group.name, "", group.startup);
        SelectRow(GroupList(), model_.SelectedGroup());
        filling_ = false;
    }
    void FillMembers(int selected) {
        filling_ = true;
        ListView_DeleteAllItems(MemberList());
        int row = 0;
        for (const GroupMember& member : model_.Members())
            AddRow(MemberList(), row++, member.name, member.url,
                   member.state != kMemberStaysClosed);
        SelectRow(MemberList(), selected);
        filling_ = false;
    }
    INT_PTR OnNotify(const NMHDR& header) {
        if (header.idFrom == IDC_MEMBERS_SPIN && header.code == UDN_DELTAPOS) {
            if (const int row = SelectedRow(MemberList()); row >= 0)
                FillMembers(
                    model_.MoveMember(row, reinterpret_cast<const NMUPDOWN&>(header).iDelta > 0));
            return TRUE;
        }
        if (filling_)
            return FALSE;
        const auto change = RowChangeOf(header);
        if (!change)
            return FALSE;
        if (header.idFrom == IDC_GROUPS_LIST) {
            if (change->tickChanged) {
                model_.SetStartup(change->row, change->ticked);
                FillGroups();  // ticking one group unticks the one before
            } else if (change->selected && change->row != model_.SelectedGroup()) {
                model_.SelectGroup(change->row);
                FillMembers(-1);
            }
        } else if (header.idFrom == IDC_MEMBERS_LIST && change->tickChanged) {
            model_.SetMemberTicked(change->row, change->ticked);
        }
        return FALSE;
    }

    SetGroupsModel& model_;
    bool filling_ = false;
};

}  // namespace

bool RunGroupUrlDialog(HWND owner, const Language* language, GroupUrlForm& form) {
    GroupUrlForm edited = form;
    GroupUrlDialog dialog(language, edited);
    if (dialog.Run(owner) != IDOK)
        return false;
    form = edited;
    return true;
}

void RunSelectUrlDialog(HWND owner, const Language* language, SelectUrlModel& model, Groups& groups,
                        Clock& clock) {
    SelectUrlDialog dialog(language, model, groups, clock);
    dialog.Run(owner);
}

void RunSetGroupsDialog(HWND owner, const Language* language, SetGroupsModel& model) {
    SetGroupsDialog dialog(language, model);
    dialog.Run(owner);
}

}  // namespace lumbrel::win32
