#include "win32/tabs/CColorTabCtrl.h"

#include <string>

namespace lumbrel::win32 {
namespace {

// The dark edge of the selected flat tab.
constexpr COLORREF kDarkEdge = RGB(62, 63, 67);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Image cells are 11 pixels wide; the text starts 14 pixels after the image's left edge.
constexpr int kTextAfterImage = 14;
constexpr int kMargin = 3;

const int kSystemColors[4] = {COLOR_BTNFACE, COLOR_GRAYTEXT, COLOR_BTNTEXT, COLOR_GRAYTEXT};

void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
    UniqueGdiObject pen(CreatePen(PS_SOLID, 1, color));
    GdiSelection selected(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    UniqueGdiObject brush(CreateSolidBrush(color));
    FillRect(dc, &rect, static_cast<HBRUSH>(brush.Get()));
}

struct ItemData {
    std::string text;
    int image = -1;
};

ItemData ReadItem(HWND tab, int index) {
    char buffer[1024] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    if (!SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item)))
        return {};
    return ItemData{buffer, item.iImage};
}

}  // namespace

void CColorTabCtrl::SetLook(const TabBarLook& look) {
    look_ = look;
    for (int i = 0; i < 4; ++i)
        colors_[i] = look.colors[i] == kSystemColor ? GetSysColor(kSystemColors[i])
                                                    : static_cast<COLORREF>(look.colors[i]);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTA font{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font = metrics.lfMenuFont;
    else
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfWeight = FW_MEDIUM;
    font.lfItalic = FALSE;
    font.lfUnderline = FALSE;
    for (UniqueGdiObject& made : fonts_)
        made.Reset(CreateFontIndirectA(&font));
}

void CColorTabCtrl::PaintControl(HWND tab, HDC dc, HIMAGELIST images) const {
    RECT client{};
    GetClientRect(tab, &client);
    Fill(dc, client, GetSysColor(COLOR_BTNFACE));
    const int count = TabCtrl_GetItemCount(tab);
    if (count > 0) {
        // The strip in the unselected colour, but for the line next to the page.
        RECT strip = client;
        if (look_.atTop)
            --strip.bottom;
        else
            ++strip.top;
        Fill(dc, strip, colors_[kUnselectedBack]);
    }
    RECT display = client;
    TabCtrl_AdjustRect(tab, FALSE, &display);
    OffsetRect(&display, 0, look_.atTop ? -2 : 2);
    if (look_.atTop)
        Line(dc, kWhite, client.left, display.top, client.right, display.top);
    else
        Line(dc, kBlack, client.left, display.bottom, client.right, display.bottom);

    const int selected = TabCtrl_GetCurSel(tab);
    for (int i = count - 1; i >= 0; --i) {
        RECT rect{};
        if (i != selected && TabCtrl_GetItemRect(tab, i, &rect))
            DrawOne(tab, dc, i, rect, false, images);
    }
    RECT rect{};
    if (selected >= 0 && TabCtrl_GetItemRect(tab, selected, &rect))
        DrawOne(tab, dc, selected, rect, true, images);
}

void CColorTabCtrl::DrawItem(HWND tab, const DRAWITEMSTRUCT& item, HIMAGELIST images) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0 ||
                          static_cast<int>(item.itemID) == TabCtrl_GetCurSel(tab);
    DrawOne(tab, item.hDC, static_cast<int>(item.itemID), item.rcItem, selected, images);
}

void CColorTabCtrl::DrawOne(HWND tab, HDC dc, int index, RECT rect, bool selected,
                            HIMAGELIST images) const {
    const bool flat = look_.look == TabLook::Flat;
    // "Toward the page" is up for tabs along the bottom, down for tabs along the top.
    const int towardPage = look_.atTop ? 1 : -1;
    if (flat) {
        (look_.atTop ? rect.top : rect.bottom) -= 2 * towardPage;
        if (selected)
            (look_.atTop ? rect.bottom : rect.top) += towardPage;
    } else if (!selected) {
        OffsetRect(&rect, -1, 0);
        (look_.atTop ? rect.bottom : rect.top) += 2 * towardPage;
    }
    Fill(dc, rect, selected ? GetSysColor(COLOR_BTNFACE) : colors_[kUnselectedBack]);

    const ItemData item = ReadItem(tab, index);
    int x = rect.left + kMargin;
    const int y = rect.top + (selected ? 4 : 3);
    if (item.image >= 0 && images) {
        ImageList_Draw(images, item.image, dc, x, y - 1, ILD_TRANSPARENT);
        x += kTextAfterImage;
    }
    RECT text{x, y, rect.right - kMargin, rect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colors_[selected ? kSelectedText : kUnselectedText]);
    GdiSelection font(dc, fonts_[1].Get());
    DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | (look_.showDot ? DT_END_ELLIPSIS : 0u));
    if (flat)
        DrawFlatEdges(dc, rect, selected);
}

void CColorTabCtrl::DrawFlatEdges(HDC dc, RECT rect, bool selected) const {
    if (!selected) {
        Line(dc, colors_[kSeparator], rect.right - 1, rect.top + 4, rect.right - 1,
             rect.bottom - 4);
        return;
    }
    (look_.atTop ? rect.bottom : rect.top) += look_.atTop ? 1 : -1;
    Line(dc, kWhite, rect.left, rect.top, rect.left, rect.bottom);
    if (look_.atTop)
        Line(dc, kWhite, rect.left, rect.top, rect.right, rect.top);
    else
        Line(dc, kDarkEdge, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
    Line(dc, kDarkEdge, rect.right - 1, rect.top, rect.right - 1, rect.bottom);
}

}  // namespace lumbrel::win32
