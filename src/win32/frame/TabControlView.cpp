#include "win32/frame/TabControlView.h"

#include <commctrl.h>

#include <algorithm>

namespace lumbrel::win32 {
namespace {

constexpr int kImageCount = 11;
constexpr int kImageSize = 16;

// Eleven plain state pictures until the skins draw the real ones: new, loading 1-3, locked,
// unread, protected, saved, (unused), read, marked.
HIMAGELIST CreateStateImages() {
    static const COLORREF kColors[kImageCount] = {
        RGB(120, 200, 120), RGB(200, 200, 80),  RGB(230, 170, 60), RGB(240, 120, 40),
        RGB(90, 90, 90),    RGB(70, 130, 230),  RGB(200, 60, 60),  RGB(60, 160, 160),
        RGB(0, 0, 0),       RGB(170, 170, 170), RGB(230, 80, 200)};
    HIMAGELIST list =
        ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, kImageCount, 0);
    if (!list)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (COLORREF color : kColors) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, kImageSize, kImageSize);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT all{0, 0, kImageSize, kImageSize};
        HBRUSH back = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(dc, &all, back);
        DeleteObject(back);
        HBRUSH dot = CreateSolidBrush(color);
        HGDIOBJ oldBrush = SelectObject(dc, dot);
        SelectObject(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, 3, 3, 13, 13);
        SelectObject(dc, oldBrush);
        DeleteObject(dot);
        SelectObject(dc, old);
        ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

}  // namespace

TabControlView::~TabControlView() {
    if (images_)
        ImageList_Destroy(images_);
}

bool TabControlView::Create(HWND parent, int controlId) {
    hwnd_ = CreateWindowExA(
        0, WC_TABCONTROLA, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_FOCUSNEVER | TCS_TOOLTIPS, 0,
        0, 400, 24, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}), GetModuleHandleA(nullptr),
        nullptr);
    if (!hwnd_)
        return false;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    images_ = CreateStateImages();
    if (images_)
        TabCtrl_SetImageList(hwnd_, images_);
    return true;
}

int TabControlView::IdealHeight() const {
    RECT rect{0, 0, 400, 0};
    TabCtrl_AdjustRect(hwnd_, TRUE, &rect);
    const int rows = TabCtrl_GetRowCount(hwnd_);
    RECT item{};
    const int rowHeight = TabCtrl_GetItemRect(hwnd_, 0, &item) ? item.bottom - item.top : 20;
    return std::max(1, rows) * rowHeight + 4;
}

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
    SendMessageA(hwnd_, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void TabControlView::Delete(int index) {
    TabCtrl_DeleteItem(hwnd_, index);
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
    char buffer[1024] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(hwnd_, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
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

int TabControlView::RowCount() {
    return TabCtrl_GetRowCount(hwnd_);
}

void TabControlView::Widen(int pixels) {
    extraWidth_ += pixels;
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left + pixels, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabControlView::Repaint() {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int TabControlView::HitTest(POINT screen) const {
    TCHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(hwnd_, &hit.pt);
    return TabCtrl_HitTest(hwnd_, &hit);
}

}  // namespace lumbrel::win32
