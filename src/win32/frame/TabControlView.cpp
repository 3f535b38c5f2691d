#include "win32/frame/TabControlView.h"

#include <windowsx.h>

#include <algorithm>

namespace lumbrel::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kTipToolId = 1;
// A tab text is cut to the tab width setting; no sane setting comes near this.
constexpr size_t kLongestTabText = size_t{1} << 20;
constexpr DWORD kLookBits = TCS_BUTTONS | TCS_FLATBUTTONS | TCS_RAGGEDRIGHT | TCS_OWNERDRAWFIXED |
                            TCS_BOTTOM | TCS_MULTILINE | TCS_FIXEDWIDTH;

TabPoint PointOf(LPARAM lParam) {
    return TabPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

TabControlView::~TabControlView() {
    if (hwnd_)
        RemoveWindowSubclass(hwnd_, &TabControlView::SubclassProc, kSubclassId);
}

bool TabControlView::Create(HWND parent, int controlId) {
    hwnd_ =
        CreateWindowExA(0, WC_TABCONTROLA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_FOCUSNEVER |
                            TCS_FORCELABELLEFT | TCS_FIXEDWIDTH | TCS_OWNERDRAWFIXED | TCS_BOTTOM,
                        0, 0, 400, 24, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                        GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        return false;
    SetWindowSubclass(hwnd_, &TabControlView::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    CreateTip();
    return true;
}

void TabControlView::Configure(CTabBar& bar, const std::optional<std::string>& taskBar) {
    bar_ = &bar;
    taskBar_ = taskBar;
    ConfigureLook(bar.Appearance(), taskBar);
}

void TabControlView::Restyle() {
    if (bar_)
        ConfigureLook(bar_->Appearance(), taskBar_);
}

void TabControlView::ConfigureLook(const TabBarLook& look,
                                   const std::optional<std::string>& taskBar) {
    painter_.SetLook(look);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)) & ~kLookBits;
    if (look.look == TabLook::Buttons)
        style |= TCS_BUTTONS | TCS_FLATBUTTONS | TCS_RAGGEDRIGHT;
    else
        style |= TCS_OWNERDRAWFIXED | (look.atTop ? 0 : TCS_BOTTOM);
    if (look.multiLine)
        style |= TCS_MULTILINE;
    if (look.fixedWidth)
        style |= TCS_FIXEDWIDTH;
    SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SendMessageA(hwnd_, TCM_SETEXTENDEDSTYLE, TCS_EX_FLATSEPARATORS, TCS_EX_FLATSEPARATORS);
    if (look.look == TabLook::Buttons)
        SendMessageA(hwnd_, TCM_SETPADDING, 0, MAKELPARAM(3, 2));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(painter_.ControlFont()), FALSE);
    images_ = LoadSkinImageList(taskBar, kTabImagesStrip);
    TabCtrl_SetImageList(hwnd_, images_.get());
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool TabControlView::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != hwnd_ || !painter_.DrawsItems())
        return false;
    painter_.DrawItem(hwnd_, item, images_.get());
    return true;
}

// --- Items --------------------------------------------------------------------------------

int TabControlView::Count() {
    return TabCtrl_GetItemCount(hwnd_);
}

void TabControlView::Insert(int index, const std::string& text, ChildId child) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM | TCIF_IMAGE;
    std::string copy = text;
    item.pszText = copy.data();
    item.iImage = -1;
    item.lParam = static_cast<LPARAM>(child);
    const int at = static_cast<int>(SendMessageA(hwnd_, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                                                 reinterpret_cast<LPARAM>(&item)));
    if (at >= 0)
        tips_.insert(tips_.begin() + std::min(at, static_cast<int>(tips_.size())), text);
}

void TabControlView::Delete(int index) {
    if (TabCtrl_DeleteItem(hwnd_, index) && index >= 0 && index < static_cast<int>(tips_.size()))
        tips_.erase(tips_.begin() + index);
}

ChildId TabControlView::ItemChild(int index) {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (index < 0 || !SendMessageA(hwnd_, TCM_GETITEMA, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&item)))
        return kNoChild;
    return static_cast<ChildId>(item.lParam);
}

int TabControlView::Selected() {
    return TabCtrl_GetCurSel(hwnd_);
}

void TabControlView::Select(int index) {
    TabCtrl_SetCurSel(hwnd_, index);
}

void TabControlView::SetText(int index, const std::string& text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    std::string copy = text;
    item.pszText = copy.data();
    SendMessageA(hwnd_, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string TabControlView::Text(int index) {
    // The control cannot tell a text's length: a text that fills the buffer may be cut, so
    // ask again with a larger one.
    for (size_t size = 256;; size *= 2) {
        std::string buffer(size, '\0');
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        if (!SendMessageA(hwnd_, TCM_GETITEMA, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&item)))
            return {};
        // The control may hand back its own copy instead of filling ours.
        const std::string text = item.pszText ? item.pszText : "";
        if (text.size() + 1 < size || size >= kLongestTabText)
            return text;
    }
}

void TabControlView::SetImage(int index, int image) {
    TCITEMA item{};
    item.mask = TCIF_IMAGE;
    item.iImage = image;
    SendMessageA(hwnd_, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int TabControlView::Image(int index) {
    TCITEMA item{};
    item.mask = TCIF_IMAGE;
    if (!SendMessageA(hwnd_, TCM_GETITEMA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item)))
        return -1;
    return item.iImage;
}

void TabControlView::SetTip(int index, const std::string& tip) {
    if (index >= 0 && index < static_cast<int>(tips_.size()))
        tips_[static_cast<size_t>(index)] = tip;
}

// --- Geometry -----------------------------------------------------------------------------

int TabControlView::RowCount() {
    return TabCtrl_GetRowCount(hwnd_);
}

void TabControlView::Widen(int pixels) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left + pixels, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabControlView::Repaint() {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int TabControlView::Width() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return client.right - client.left;
}

int TabControlView::HitTest(TabPoint point) {
    TCHITTESTINFO hit{};
    hit.pt = POINT{point.x, point.y};
    return TabCtrl_HitTest(hwnd_, &hit);
}

int TabControlView::HitTestScreen(POINT screen) const {
    TCHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(hwnd_, &hit.pt);
    return TabCtrl_HitTest(hwnd_, &hit);
}

TabRect TabControlView::ItemRect(int index) {
    RECT rect{};
    if (index < 0 || !TabCtrl_GetItemRect(hwnd_, index, &rect))
        return TabRect{};
    return TabRect{rect.left, rect.top, rect.right, rect.bottom};
}

void TabControlView::SetItemSize(int width, int height) {
    itemWidth_ = width;
    TabCtrl_SetItemSize(hwnd_, width, height);
}

void TabControlView::Reflow() {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, nullptr, 0, 0, width + 1, height, flags);
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, flags);
}

void TabControlView::SetStyleBit(DWORD bit, bool on) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
    SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(on ? style | bit : style & ~bit));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// --- The mouse ----------------------------------------------------------------------------

void TabControlView::CaptureMouse() {
    SetCapture(hwnd_);
}

void TabControlView::ReleaseMouse() {
    if (GetCapture() == hwnd_)
        ReleaseCapture();
}

void TabControlView::ShowMoveCursor(bool move) {
    moveCursor_ = move;
    SetCursor(LoadCursor(nullptr, move ? IDC_SIZEALL : IDC_ARROW));
}

// Presses the core takes never reach the control: a press on a tab's close image must not
// select the tab first.
bool TabControlView::OnMouse(UINT message, WPARAM wParam, TabPoint point) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return bar_->OnLeftDown(point);
        case WM_LBUTTONUP:
            bar_->OnLeftUp(point);
            return false;
        case WM_RBUTTONDOWN:
            return bar_->OnRightDown(point);
        case WM_RBUTTONUP:
            return bar_->OnRightUp(point, (wParam & MK_CONTROL) != 0);
        case WM_MOUSEMOVE:
            bar_->OnMouseMove(point);
            return false;
        case WM_LBUTTONDBLCLK:
            bar_->OnLeftDoubleClick(point);
            return false;
        case WM_RBUTTONDBLCLK:
            bar_->OnRightDoubleClick(point);
            return false;
        case WM_MBUTTONDOWN:
            bar_->OnMiddleDown(point);
            return false;
        default:
            return false;
    }
}

bool TabControlView::TakeWheel(const MSG& msg) {
    if (msg.message != WM_MOUSEWHEEL || !hwnd_ || msg.hwnd == hwnd_ || !IsWindowVisible(hwnd_))
        return false;
    const POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    RECT bar{};
    GetWindowRect(hwnd_, &bar);
    if (!PtInRect(&bar, screen))
        return false;
    SendMessageA(hwnd_, WM_MOUSEWHEEL, msg.wParam, msg.lParam);
    return true;
}

// --- Painting and tips --------------------------------------------------------------------

void TabControlView::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (dc && width > 0 && height > 0) {
        UniqueMemoryDc memory(CreateCompatibleDC(dc));
        UniqueGdiObject bitmap(CreateCompatibleBitmap(dc, width, height));
        if (memory && bitmap) {
            GdiSelection selected(memory.Get(), bitmap.Get());
            painter_.PaintControl(hwnd_, memory.Get(), images_.get());
            BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(hwnd_, &paint);
}

void TabControlView::CreateTip() {
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    if (!tip_)
        return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = kTipToolId;
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    GetClientRect(hwnd_, &tool.rect);
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

const char* TabControlView::TipUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int index = HitTestScreen(cursor);
    return index >= 0 && index < static_cast<int>(tips_.size())
               ? tips_[static_cast<size_t>(index)].c_str()
               : "";
}

bool TabControlView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_PAINT:
            if (!painter_.PaintsControl())
                return false;
            Paint();
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return painter_.PaintsControl();
        case WM_SETCURSOR:
            if (!moveCursor_)
                return false;
            SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
            result = TRUE;
            return true;
        case WM_CAPTURECHANGED:
            // The control may take the mouse itself (buttons do): only another window ends
            // what a press began.
            if (bar_ && reinterpret_cast<HWND>(lParam) != hwnd_)
                bar_->OnCaptureLost();
            return false;
        case WM_MOUSEWHEEL:
            if (bar_)
                bar_->OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return true;
        case WM_SIZE:
            if (bar_)
                bar_->OnResized(LOWORD(lParam));
            if (tip_) {
                TOOLINFOA tool{};
                tool.cbSize = TTTOOLINFOA_V1_SIZE;
                tool.hwnd = hwnd_;
                tool.uId = kTipToolId;
                GetClientRect(hwnd_, &tool.rect);
                SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
            }
            return false;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->hwndFrom != tip_ || header->code != TTN_GETDISPINFOA)
                return false;
            reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText =
                const_cast<char*>(TipUnderCursor());
            return true;
        }
        default:
            break;
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK && bar_) {
        if (message == WM_MOUSEMOVE && tip_) {
            // A new tab under the mouse has a tip of its own.
            POINT cursor{};
            GetCursorPos(&cursor);
            if (const int hovered = HitTestScreen(cursor); hovered != hoveredTip_) {
                hoveredTip_ = hovered;
                SendMessageA(tip_, TTM_POP, 0, 0);
            }
        }
        return OnMouse(message, wParam, PointOf(lParam));
    }
    return false;
}

LRESULT CALLBACK TabControlView::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TabControlView*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &TabControlView::SubclassProc, kSubclassId);
        if (self) {
            self->hwnd_ = nullptr;
            self->bar_ = nullptr;
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (self && self->OnMessage(message, wParam, lParam, result))
            return result;
    } catch (...) {
        // No exception crosses the window procedure; the control handles the message.
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace lumbrel::win32
