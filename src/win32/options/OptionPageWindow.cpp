#include "win32/options/OptionPageWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "language/DialogIds.h"
#include "language/Language.h"
#include "win32/language/LanguageApply.h"
#include "win32/options/OptionListPageWindows.h"
#include "win32/options/TabStylePageWindow.h"
#include "win32/ui/FileDialogs.h"

namespace lumbrel::win32 {
namespace {

constexpr char kProgramFilter[] = "Programs (*.exe)|*.exe|All Files (*.*)|*.*||";

struct CreateParams {
    OptionPageWindow* page;
};

std::string WindowText(HWND window) {
    const int length = window ? GetWindowTextLengthA(window) : 0;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    if (length > 0)
        GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

// The show/hide key stores the modifier bits of RegisterHotKey, the hot-key control those
// of its own: Alt and Shift trade places.
int HotKeyFlagsFromModifiers(int modifiers) {
    return (modifiers & MOD_SHIFT ? HOTKEYF_SHIFT : 0) |
           (modifiers & MOD_CONTROL ? HOTKEYF_CONTROL : 0) |
           (modifiers & MOD_ALT ? HOTKEYF_ALT : 0);
}

int ModifiersFromHotKeyFlags(int flags) {
    return (flags & HOTKEYF_SHIFT ? MOD_SHIFT : 0) | (flags & HOTKEYF_CONTROL ? MOD_CONTROL : 0) |
           (flags & HOTKEYF_ALT ? MOD_ALT : 0);
}

int ComboAdd(HWND combo, const std::string& text) {
    return static_cast<int>(
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

}  // namespace

OptionPageWindow::OptionPageWindow(OptionPageId page, OptionsDialogModel& model)
    : page_(page), model_(model) {}

OptionPageWindow::~OptionPageWindow() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

std::unique_ptr<OptionPageWindow> OptionPageWindow::Create(OptionPageId page,
                                                           OptionsDialogModel& model,
                                                           const Language* language, HWND dialog,
                                                           const RECT& area) {
    std::unique_ptr<OptionPageWindow> window;
    switch (page) {
        case OptionPageId::PopupFilter:
        case OptionPageId::ContentFilter:
            window = std::make_unique<FilterListsPageWindow>(page, model);
            break;
        case OptionPageId::Gesture:
            window = std::make_unique<GesturePageWindow>(model, language);
            break;
        case OptionPageId::MouseDrag:
            window = std::make_unique<DragPageWindow>(model);
            break;
        case OptionPageId::TabStyle:
            window = std::make_unique<TabStylePageWindow>(model);
            break;
        default:
            window.reset(new OptionPageWindow(page, model));
            break;
    }
    CreateParams params{window.get()};
    HWND hwnd =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS_PAGE), dialog,
                           &OptionPageWindow::Procedure, reinterpret_cast<LPARAM>(&params));
    if (!hwnd)
        return nullptr;
    SetWindowPos(hwnd, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (language)
        LngApplyDialog(hwnd, OptionPage(page).section, *language);
    return window;
}

INT_PTR CALLBACK OptionPageWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<OptionPageWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CreateParams*>(lParam)->page;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    if (!self)
        return FALSE;
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR OptionPageWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Build(4);
            return FALSE;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_HSCROLL:
            for (const OptionField* field : fields_) {
                if (field->kind == FieldKind::Slider &&
                    reinterpret_cast<HWND>(lParam) == Item(field->id))
                    ShowSliderValue(*field);
            }
            return FALSE;
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        default:
            return FALSE;
    }
}

HWND OptionPageWindow::MakeControl(const char* cls, const char* text, DWORD style, int id, int x,
                                   int y, int width, int height, DWORD exStyle) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(hwnd_, &rect);
    HWND control = CreateWindowExA(exStyle, cls, text, style | WS_CHILD | WS_VISIBLE, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, SendMessageA(hwnd_, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void OptionPageWindow::Build(int top) {
    const int y = AddFields(top);
    // The page's own button beside its fields.
    if (page_ == OptionPageId::Download)
        MakeControl("BUTTON", "Edit Download Managers...", BS_PUSHBUTTON | WS_TABSTOP,
                    IDC_DOWN_EDIT_FILE, 0, y, 150, 14);
}

int OptionPageWindow::AddFields(int top) {
    fields_ = OptionsDialogModel::FieldsOf(page_);
    int y = top;
    for (const OptionField* field : fields_) {
        for (const OptionHeading& heading : OptionHeadings()) {
            if (heading.page == page_ && heading.before == field->id) {
                y += 4;
                MakeControl("STATIC", heading.text, SS_LEFT, heading.id, 0, y, kWidth, 10);
                y += kCheckRow;
            }
        }
        AddField(*field, y);
        ShowValue(*field);
    }
    return y;
}

bool OptionPageWindow::FitsLabelColumn(const char* text) const {
    RECT column{0, 0, kLabelWidth, 0};
    MapDialogRect(hwnd_, &column);
    HDC dc = GetDC(hwnd_);
    if (!dc)
        return true;
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return size.cx <= column.right;
}

void OptionPageWindow::AddField(const OptionField& field, int& y) {
    const int x = kLabelWidth + 2;
    const int width = kWidth - x;
    // A label too long for its column takes two lines, its control centred beside them.
    auto label = [&] {
        if (!*field.text)
            return;
        const bool twoLines = !FitsLabelColumn(field.text);
        MakeControl("STATIC", field.text, SS_LEFT, field.id + kOptionLabelIdOffset, 0, y + 2,
                    kLabelWidth, twoLines ? 18 : 10);
        if (twoLines)
            y += 5;
    };
    switch (field.kind) {
        case FieldKind::Check:
        case FieldKind::Bit:
            MakeControl("BUTTON", field.text, BS_AUTOCHECKBOX | WS_TABSTOP, field.id, 0, y, kWidth,
                        10);
            y += kCheckRow;
            return;
        case FieldKind::Radio: {
            label();
            for (size_t i = 0; i < field.choices.size(); ++i) {
                MakeControl("BUTTON", field.choices[i].text,
                            BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                            field.id + static_cast<int>(i), x, y, width, 10);
                y += kCheckRow;
            }
            y += 4;
            return;
        }
        case FieldKind::Colour:
            MakeControl("BUTTON", field.text, BS_PUSHBUTTON | WS_TABSTOP, field.id, 0, y, 150, 14);
            y += kControlRow;
            return;
        case FieldKind::Number:
        case FieldKind::Text:
            label();
            MakeControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, field.id, x, y,
                        field.kind == FieldKind::Number ? 50 : width, 12, WS_EX_CLIENTEDGE);
            y += kControlRow;
            return;
        case FieldKind::Path:
        case FieldKind::Program:
            label();
            MakeControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, field.id, x, y,
                        width - kBrowseWidth - 2, 12, WS_EX_CLIENTEDGE);
            MakeControl("BUTTON", "...", BS_PUSHBUTTON | WS_TABSTOP,
                        field.id + kOptionBrowseIdOffset, kWidth - kBrowseWidth, y, kBrowseWidth,
                        12);
            y += kControlRow;
            return;
        case FieldKind::Slider: {
            label();
            HWND slider = MakeControl(TRACKBAR_CLASSA, "", TBS_AUTOTICKS | WS_TABSTOP, field.id, x,
                                      y, width - kSliderValueWidth, 16);
            MakeControl("STATIC", "", SS_LEFT, field.id + kOptionValueIdOffset,
                        kWidth - kSliderValueWidth + 4, y + 3, kSliderValueWidth - 4, 10);
            SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(field.low, field.high));
            SendMessageA(slider, TBM_SETTICFREQ, static_cast<WPARAM>(field.step), 0);
            SendMessageA(slider, TBM_SETLINESIZE, 0, field.step);
            SendMessageA(slider, TBM_SETPAGESIZE, 0, field.step);
            y += kControlRow + 4;
            return;
        }
        case FieldKind::Choice:
        case FieldKind::Command:
        case FieldKind::Managers: {
            label();
            HWND combo = MakeControl("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                     field.id, x, y, width, 120);
            if (field.kind == FieldKind::Choice) {
                for (const ChoiceItem& item : field.choices)
                    ComboAdd(combo, item.text);
            } else if (field.kind == FieldKind::Managers) {
                for (const std::string& name : model_.ManagerNames())
                    ComboAdd(combo, name);
            } else {
                if (commands_.empty())
                    commands_ = model_.Commands();
                for (const CommandChoice& choice : commands_)
                    ComboAdd(combo, choice.text);
            }
            y += kControlRow;
            return;
        }
        case FieldKind::HotKey:
        case FieldKind::HotKeyPair:
            label();
            MakeControl(HOTKEY_CLASSA, "", WS_BORDER | WS_TABSTOP, field.id, x, y, 100, 12);
            y += kControlRow;
            return;
        case FieldKind::Hosted:
            return;
    }
}

void OptionPageWindow::ShowValue(const OptionField& field) {
    HWND control = Item(field.id);
    const int value = model_.Value(field);
    switch (field.kind) {
        case FieldKind::Check:
        case FieldKind::Bit:
            CheckDlgButton(hwnd_, field.id, value ? BST_CHECKED : BST_UNCHECKED);
            break;
        case FieldKind::Radio:
            for (size_t i = 0; i < field.choices.size(); ++i)
                CheckDlgButton(hwnd_, field.id + static_cast<int>(i),
                               field.choices[i].value == value ? BST_CHECKED : BST_UNCHECKED);
            break;
        case FieldKind::Number:
            SetWindowTextA(control, std::to_string(value).c_str());
            break;
        case FieldKind::Text:
        case FieldKind::Path:
        case FieldKind::Program:
            SetWindowTextA(control, model_.TextValue(field).c_str());
            break;
        case FieldKind::Slider:
            SendMessageA(control, TBM_SETPOS, TRUE, value);
            ShowSliderValue(field);
            break;
        case FieldKind::Choice:
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(model_.ChoiceIndex(field)), 0);
            break;
        case FieldKind::Managers:
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
            break;
        case FieldKind::Command:
            for (size_t i = 0; i < commands_.size(); ++i) {
                if (commands_[i].id == value)
                    SendMessageA(control, CB_SETCURSEL, i, 0);
            }
            break;
        case FieldKind::HotKey:
            SendMessageA(control, HKM_SETHOTKEY, static_cast<WPARAM>(value & 0xFFFF), 0);
            break;
        case FieldKind::HotKeyPair:
            SendMessageA(control, HKM_SETHOTKEY,
                         MAKEWORD(model_.SecondValue(field), HotKeyFlagsFromModifiers(value)), 0);
            break;
        default:
            break;
    }
}

std::optional<OptionPageWindow::Refused> OptionPageWindow::Commit() {
    CommitLists();
    for (const OptionField* field : fields_) {
        if (auto refused = CommitField(*field))
            return refused;
    }
    return std::nullopt;
}

std::optional<OptionPageWindow::Refused> OptionPageWindow::CommitField(const OptionField& field) {
    HWND control = Item(field.id);
    std::optional<OptionRefusal> refusal;
    switch (field.kind) {
        case FieldKind::Check:
        case FieldKind::Bit:
            refusal = model_.SetValue(field, IsDlgButtonChecked(hwnd_, field.id) == BST_CHECKED);
            break;
        case FieldKind::Radio:
            for (size_t i = 0; i < field.choices.size(); ++i) {
                if (IsDlgButtonChecked(hwnd_, field.id + static_cast<int>(i)) == BST_CHECKED)
                    refusal = model_.SetValue(field, field.choices[i].value);
            }
            break;
        case FieldKind::Number:
            refusal = model_.SetNumberText(field, WindowText(control));
            break;
        case FieldKind::Text:
        case FieldKind::Path:
        case FieldKind::Program:
            model_.SetText(field, WindowText(control));
            break;
        case FieldKind::Slider:
            refusal =
                model_.SetValue(field, static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)));
            break;
        case FieldKind::Choice:
        case FieldKind::Managers:
        case FieldKind::Command: {
            const auto index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
            if (index < 0)
                break;
            if (field.kind == FieldKind::Choice &&
                static_cast<size_t>(index) < field.choices.size())
                refusal = model_.SetValue(field, field.choices[static_cast<size_t>(index)].value);
            else if (field.kind == FieldKind::Managers)
                refusal = model_.SetValue(field, index);
            else if (static_cast<size_t>(index) < commands_.size())
                refusal = model_.SetValue(field, commands_[static_cast<size_t>(index)].id);
            break;
        }
        case FieldKind::HotKey:
            refusal = model_.SetValue(
                field, static_cast<int>(SendMessageA(control, HKM_GETHOTKEY, 0, 0) & 0xFFFF));
            break;
        case FieldKind::HotKeyPair: {
            const auto hotKey = static_cast<int>(SendMessageA(control, HKM_GETHOTKEY, 0, 0));
            refusal = model_.SetValue(field, ModifiersFromHotKeyFlags(HIBYTE(hotKey)));
            model_.SetSecondValue(field, LOBYTE(hotKey));
            break;
        }
        default:  // colours are taken when chosen
            break;
    }
    if (!refusal)
        return std::nullopt;
    return Refused{field.id, model_.RefusalText(*refusal)};
}

void OptionPageWindow::PickColour(const OptionField& field) {
    static COLORREF custom[16] = {};
    const int value = model_.Value(field);
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = hwnd_;
    choose.rgbResult = value == -1 ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(value);
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorA(&choose))
        model_.SetValue(field, static_cast<int>(choose.rgbResult));
}

void OptionPageWindow::ShowSliderValue(const OptionField& field) {
    const auto position = SendMessageA(Item(field.id), TBM_GETPOS, 0, 0);
    SetWindowTextA(Item(field.id + kOptionValueIdOffset), std::to_string(position).c_str());
}

// The chosen folder or program goes into the field's box; the model takes it with the page.
void OptionPageWindow::Browse(const OptionField& field) {
    HWND edit = Item(field.id);
    const std::string current = WindowText(edit);
    std::optional<std::string> chosen;
    if (field.kind == FieldKind::Program)
        chosen = PickFileToOpen(hwnd_, kProgramFilter, current);
    else
        chosen = PickFolder(hwnd_, WindowText(Item(field.id + kOptionLabelIdOffset)), current);
    if (chosen)
        SetWindowTextA(edit, chosen->c_str());
}

INT_PTR OptionPageWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED)
        return FALSE;
    if (id == IDC_DOWN_EDIT_FILE) {
        ShellExecuteA(hwnd_, "open", model_.DownManagerPath().c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
        return TRUE;
    }
    for (const OptionField* field : fields_) {
        if (field->id == id && field->kind == FieldKind::Colour) {
            PickColour(*field);
            return TRUE;
        }
        if (field->id + kOptionBrowseIdOffset == id) {
            Browse(*field);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace lumbrel::win32
