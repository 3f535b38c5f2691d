#include "win32/frame/SearchBandWindow.h"

#include "commands/CommandIds.h"
#include "win32/platform/GdiHandles.h"
#include "win32/platform/Handles.h"

namespace lumbrel::win32 {
namespace {

constexpr int kToolbarId = 1;
constexpr int kComboId = 2;
constexpr int kIconSize = 16;
// A keyword is a line typed by hand; none comes near this.
constexpr size_t kLongestKeyword = size_t{1} << 16;

void PadWithBlankCells(HIMAGELIST list, int cells) {
    const int missing = cells - ImageList_GetImageCount(list);
    if (missing <= 0)
        return;
    UniqueBitmap blank;
    {
        WindowDc screen(nullptr);
        blank.Reset(CreateCompatibleBitmap(screen.Get(), kIconSize * missing, kIconSize));
    }
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    UniqueGdiObject magenta(CreateSolidBrush(kSkinTransparent));
    if (!blank || !dc || !magenta)
        return;
    {
        // Every pixel the transparent colour: cells that show nothing.
        GdiSelection selected(dc.Get(), blank.Get());
        RECT all{0, 0, kIconSize * missing, kIconSize};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(magenta.Get()));
    }
    ImageList_AddMasked(list, blank.Get(), kSkinTransparent);
}

}  // namespace

SearchBandWindow::~SearchBandWindow() {
    if (HWND window = Unbind())
        DestroyWindow(window);
}

bool SearchBandWindow::Create(HWND parent, int controlId, std::optional<std::string> cells,
                              Events events) {
    events_ = std::move(events);
    cells_ = std::move(cells);
    if (!RegisterClassOnce(kClassName, 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 24,
                         parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                         GetModuleHandleA(nullptr), this))
        return false;
    toolbar_ =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                            CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                        0, 0, 400, 24, hwnd_, reinterpret_cast<HMENU>(INT_PTR{kToolbarId}),
                        GetModuleHandleA(nullptr), nullptr);
    if (!toolbar_)
        return false;
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // The box is the toolbar's child: it moves with the separator it lies over.
    combo_ = CreateWindowExA(
        0, WC_COMBOBOXEXA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        0, 0, kKeywordBoxWidth, 200, toolbar_, reinterpret_cast<HMENU>(INT_PTR{kComboId}),
        GetModuleHandleA(nullptr), nullptr);
    if (!combo_)
        return false;
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    edit_ = reinterpret_cast<HWND>(SendMessageA(combo_, CBEM_GETEDITCONTROL, 0, 0));
    if (edit_)
        SetWindowSubclass(edit_, &SearchBandWindow::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    LoadEngineIcons({});
    SetButtons(SearchBarButtons(SearchEngineList{}), kKeywordBoxWidth);
    return true;
}

int SearchBandWindow::Height() const {
    RECT combo{};
    GetWindowRect(combo_, &combo);
    const auto buttonSize = static_cast<DWORD>(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    return std::max<int>(combo.bottom - combo.top, HIWORD(buttonSize));
}

// --- The keyword box ----------------------------------------------------------------------

std::string SearchBandWindow::KeywordText() {
    if (!edit_)
        return {};
    const int length = GetWindowTextLengthA(edit_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(edit_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void SearchBandWindow::SetKeywordText(const std::string& text) {
    if (edit_)
        SetWindowTextA(edit_, text.c_str());
}

bool SearchBandWindow::KeywordHasFocus() {
    return edit_ && GetFocus() == edit_;
}

void SearchBandWindow::FocusKeyword() {
    if (!edit_)
        return;
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
}

void SearchBandWindow::InsertKeyword(size_t position, const std::string& text) {
    std::string copy = text.size() < kLongestKeyword ? text : text.substr(0, kLongestKeyword);
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT;
    item.iItem = static_cast<INT_PTR>(position);
    item.pszText = copy.data();
    // The edit field keeps what is typed there: inserting an item must not replace it.
    const std::string typed = KeywordText();
    SendMessageA(combo_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetKeywordText(typed);
}

void SearchBandWindow::RemoveKeyword(size_t position) {
    SendMessageA(combo_, CBEM_DELETEITEM, position, 0);
}

void SearchBandWindow::SelectKeyword(size_t position) {
    SendMessageA(combo_, CB_SETCURSEL, position, 0);
}

void SearchBandWindow::ClearKeywords() {
    const std::string typed = KeywordText();
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    SetKeywordText(typed);
}

// --- The button strip ---------------------------------------------------------------------

std::vector<bool> SearchBandWindow::LoadEngineIcons(const std::vector<std::string>& files) {
    // A fresh list each time: the old one stays with the toolbar until the new one replaces
    // it, and is deleted only then.
    UniqueImageList list = LoadSkinImageList(cells_, kSearchBarStrip);
    // A skin without the picture gives blank cells, so the engine icons keep their numbers.
    if (list)
        PadWithBlankCells(list.get(), kSearchBarStrip.initialCells);
    std::vector<bool> loaded;
    for (const std::string& file : files) {
        UniqueIcon icon(static_cast<HICON>(
            LoadImageA(nullptr, file.c_str(), IMAGE_ICON, kIconSize, kIconSize, LR_LOADFROMFILE)));
        loaded.push_back(list && icon && ImageList_ReplaceIcon(list.get(), -1, icon.Get()) >= 0);
    }
    SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list.get()));
    images_ = std::move(list);
    return loaded;
}

void SearchBandWindow::SetButtons(const std::vector<SearchBarButton>& buttons, int idealWidth) {
    buttons_ = buttons;
    idealWidth_ = idealWidth;
    while (SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageA(toolbar_, TB_DELETEBUTTON, 0, 0);
    std::vector<TBBUTTON> strip;
    for (const SearchBarButton& button : buttons) {
        TBBUTTON item{};
        switch (button.kind) {
            case SearchBarButton::Kind::KeywordBox:
                item.fsStyle = BTNS_SEP;
                item.iBitmap = kKeywordBoxWidth;  // a separator's width
                break;
            case SearchBarButton::Kind::Separator:
                item.fsStyle = BTNS_SEP;
                break;
            case SearchBarButton::Kind::Button:
                item.iBitmap = button.image;
                item.idCommand = button.command;
                item.fsState = TBSTATE_ENABLED;
                item.fsStyle = BTNS_BUTTON | (button.dropDown ? BTNS_DROPDOWN : 0);
                break;
        }
        strip.push_back(item);
    }
    SendMessageA(toolbar_, TB_ADDBUTTONSA, strip.size(), reinterpret_cast<LPARAM>(strip.data()));
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    PlaceKeywordBox();
    if (events_.widthChanged)
        events_.widthChanged(idealWidth_);
}

int SearchBandWindow::ButtonWidth() {
    return LOWORD(static_cast<DWORD>(SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0)));
}

void SearchBandWindow::PlaceKeywordBox() {
    RECT cell{};
    if (!SendMessageA(toolbar_, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&cell)))
        return;
    RECT box{};
    GetWindowRect(combo_, &box);
    const int top = std::max(0L, ((cell.bottom - cell.top) - (box.bottom - box.top)) / 2);
    SetWindowPos(combo_, nullptr, cell.left, cell.top + top, cell.right - cell.left, 200,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Events -------------------------------------------------------------------------------

bool SearchBandWindow::OnEditKey(WPARAM key) {
    const bool dropped = SendMessageA(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (key) {
        case VK_RETURN:
            if (dropped)
                return false;  // Enter chooses the list's entry first
            if (events_.command)
                events_.command(IDM_SEARCH_GO);
            return true;
        case VK_ESCAPE:
            if (dropped) {
                SendMessageA(combo_, CB_SHOWDROPDOWN, FALSE, 0);
            } else if (events_.escape) {
                events_.escape();
            }
            return true;
        case VK_DELETE: {
            if (!dropped)
                return false;
            const auto selected = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
            if (selected != CB_ERR && events_.deleteKeyword)
                events_.deleteKeyword(static_cast<size_t>(selected));
            return true;
        }
        default:
            return false;
    }
}

LRESULT SearchBandWindow::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.hwndFrom == toolbar_ && header.code == TBN_DROPDOWN) {
        const auto& drop = *reinterpret_cast<const NMTOOLBARA*>(lParam);
        RECT rect{};
        SendMessageA(toolbar_, TB_GETRECT, drop.iItem, reinterpret_cast<LPARAM>(&rect));
        POINT corner{rect.left, rect.bottom};
        ClientToScreen(toolbar_, &corner);
        if (events_.dropDown)
            events_.dropDown(corner.x, corner.y);
        return TBDDRET_DEFAULT;
    }
    if (header.code == TTN_GETDISPINFOA) {
        auto& tip = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const int command = static_cast<int>(header.idFrom);
        tipText_.clear();
        for (const SearchBarButton& button : buttons_)
            if (button.command == command)
                tipText_ = button.tooltip;
        if (tipText_.empty() && events_.tooltip)
            tipText_ = events_.tooltip(command);
        tip.lpszText = tipText_.data();
        return 0;
    }
    return Default(WM_NOTIFY, 0, lParam);
}

LRESULT SearchBandWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            SetWindowPos(toolbar_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == toolbar_ && events_.command) {
                events_.command(LOWORD(wParam));
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT CALLBACK SearchBandWindow::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<SearchBandWindow*>(data);
    if (message == WM_KEYDOWN && self) {
        try {
            if (self->OnEditKey(wParam))
                return 0;
        } catch (...) {
            return 0;  // a failed search leaves the box as it is
        }
    }
    // The keys handled above must not beep as characters either.
    if (message == WM_CHAR && (wParam == '\r' || wParam == 27))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, &SearchBandWindow::EditProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumbrel::win32
