#include "win32/frame/AddressBar.h"

#include <commctrl.h>

#include <string>

#include "win32/ui/AutoComplete.h"

namespace lumbrel::win32 {
namespace {

constexpr int kComboId = 1;
constexpr int kGoId = IDOK;  // the Go button is the address box's OK (command 1)
constexpr int kPageIcon = 1;
}  // namespace

AddressBar::~AddressBar() {
    if (HWND window = Unbind())
        DestroyWindow(window);
}

bool AddressBar::Create(HWND parent, int controlId, Events events) {
    events_ = std::move(events);
    if (!RegisterClassOnce(kClassName, 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 24,
                         parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                         GetModuleHandleA(nullptr), this))
        return false;
    combo_ = CreateWindowExA(0, WC_COMBOBOXEXA, "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
                             0, 360, 200, hwnd_, reinterpret_cast<HMENU>(INT_PTR{kComboId}),
                             GetModuleHandleA(nullptr), nullptr);
    go_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE |
                              CCS_NODIVIDER | CCS_NOPARENTALIGN,
                          360, 0, 40, 24, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!combo_ || !go_)
        return false;
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(combo_, WM_SETFONT, font, FALSE);
    SendMessageA(go_, WM_SETFONT, font, FALSE);
    SendMessageA(go_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    char label[] = "Go";
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = kGoId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    button.iString = reinterpret_cast<INT_PTR>(label);
    SendMessageA(go_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    edit_ = reinterpret_cast<HWND>(SendMessageA(combo_, CBEM_GETEDITCONTROL, 0, 0));
    if (edit_) {
        SetWindowSubclass(edit_, &AddressBar::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
        AttachAddressAutoComplete(edit_);
    }
    const int height = Height();
    SetWindowPos(hwnd_, nullptr, 0, 0, 400, height, SWP_NOMOVE | SWP_NOZORDER);
    Layout();
    return true;
}

int AddressBar::Height() const {
    RECT rect{};
    GetWindowRect(combo_, &rect);
    return rect.bottom - rect.top;
}

void AddressBar::Layout() {
    if (!combo_ || !go_)
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    SIZE goSize{};
    SendMessageA(go_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&goSize));
    const int goWidth = goSize.cx > 0 ? goSize.cx : 32;
    const int comboWidth = std::max(0L, client.right - goWidth - 2);
    SetWindowPos(combo_, nullptr, 0, 0, comboWidth, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(go_, nullptr, comboWidth + 2, 0, goWidth, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void AddressBar::SetItemImages(HIMAGELIST images) {
    SendMessageA(combo_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

void AddressBar::SetGoImages(HIMAGELIST images) {
    // A skin without the picture gives a list with no cells: the button keeps its text.
    if (images && ImageList_GetImageCount(images) == 0)
        images = nullptr;
    SendMessageA(go_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_IMAGE;
    info.iImage = images ? 0 : I_IMAGENONE;
    SendMessageA(go_, TB_SETBUTTONINFOA, kGoId, reinterpret_cast<LPARAM>(&info));
    Layout();
}

// --- AddressBox ---------------------------------------------------------------------------

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

void AddressBar::InsertItem(int index, const std::string& text) {
    std::string copy = text;
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = index;
    item.pszText = copy.data();
    item.iImage = kPageIcon;
    item.iSelectedImage = kPageIcon;
    SendMessageA(combo_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void AddressBar::ClearItems() {
    // The edit field keeps its text: emptying the list is not emptying the box.
    const std::string text = Text();
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    SetText(text);
}

void AddressBar::ToggleDropDown() {
    const bool shown = SendMessageA(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    SendMessageA(combo_, CB_SHOWDROPDOWN, shown ? FALSE : TRUE, 0);
}

// --- Events -------------------------------------------------------------------------------

KeyModifiers AddressBar::HeldModifiers() {
    return KeyModifiers{(GetKeyState(VK_CONTROL) & 0x8000) != 0,
                        (GetKeyState(VK_SHIFT) & 0x8000) != 0,
                        (GetKeyState(VK_MENU) & 0x8000) != 0};
}

std::string AddressBar::SelectedItemText() const {
    const auto index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return {};
    // The list's own combo box knows each item's length; the extended control does not.
    HWND list = reinterpret_cast<HWND>(SendMessageA(combo_, CBEM_GETCOMBOCONTROL, 0, 0));
    const auto length =
        list ? SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) : LRESULT{CB_ERR};
    if (length == CB_ERR)
        return {};
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessageA(combo_, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

void AddressBar::OnEnter() {
    if (events_.enter)
        events_.enter(Text(), HeldModifiers());
}

LRESULT AddressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == combo_ && HIWORD(wParam) == CBN_SELENDOK) {
                const std::string text = SelectedItemText();
                if (!text.empty() && events_.listItem)
                    events_.listItem(text);
                return 0;
            }
            if (reinterpret_cast<HWND>(lParam) == go_ && LOWORD(wParam) == kGoId) {
                OnEnter();
                return 0;
            }
            return Default(message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT CALLBACK AddressBar::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<AddressBar*>(data);
    // Alt+Enter arrives as a system key.
    const bool keyDown = (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam == VK_RETURN;
    const bool isEnter =
        keyDown || ((message == WM_CHAR || message == WM_SYSCHAR) && wParam == '\r');
    // With the list dropped down, Enter chooses its entry: the combo box reports that.
    if (isEnter && self && SendMessageA(self->combo_, CB_GETDROPPEDSTATE, 0, 0) == 0) {
        if (keyDown) {
            try {
                self->OnEnter();
            } catch (...) {
                // A failed open leaves the box as it is.
            }
        }
        return 0;  // and no beep after Enter
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, &AddressBar::EditProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumbrel::win32
