#include "win32/favorites/FavoriteMenuPainter.h"

#include <commctrl.h>

#include <algorithm>

namespace lumbrel::win32 {
namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

int ImageOf(FavIcon icon) {
    switch (icon) {
        case FavIcon::Folder:
            return 0;
        case FavIcon::Link:
            return 1;
        default:
            return -1;
    }
}

SIZE TextSize(HDC dc, const std::string& text) {
    SIZE size{};
    if (!text.empty())
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

FavoriteMenuPainter::FavoriteMenuPainter() {
    NONCLIENTMETRICSA nonClient{};
    nonClient.cbSize = sizeof(nonClient);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(nonClient), &nonClient, 0))
        font_.Reset(CreateFontIndirectA(&nonClient.lfMenuFont));
    const WindowDc screen(nullptr);
    if (!screen)
        return;
    const GdiSelection selected(screen.Get(),
                                font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(screen.Get(), &metrics))
        fontHeight_ = metrics.tmHeight;
}

ULONG_PTR FavoriteMenuPainter::Add(SetId set, FavoriteItemLook look) {
    auto owned = std::make_unique<FavoriteItemLook>(std::move(look));
    const FavoriteItemLook* pointer = owned.get();
    sets_[set].push_back(std::move(owned));
    live_.insert(pointer);
    return reinterpret_cast<ULONG_PTR>(pointer);
}

void FavoriteMenuPainter::Clear(SetId set) {
    const auto it = sets_.find(set);
    if (it == sets_.end())
        return;
    for (const auto& look : it->second)
        live_.erase(look.get());
    sets_.erase(it);
}

size_t FavoriteMenuPainter::Count(SetId set) const {
    const auto it = sets_.find(set);
    return it == sets_.end() ? 0 : it->second.size();
}

const FavoriteItemLook* FavoriteMenuPainter::Find(ULONG_PTR data) const {
    const auto* look = reinterpret_cast<const FavoriteItemLook*>(data);
    return live_.contains(look) ? look : nullptr;
}

bool FavoriteMenuPainter::Measure(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU)
        return false;
    const FavoriteItemLook* look = Find(item.itemData);
    if (!look)
        return false;
    const WindowDc screen(nullptr);
    int width = kMargin + kIconSize + kTextGap + kMargin;
    if (screen) {
        const GdiSelection selected(screen.Get(),
                                    font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
        width += TextSize(screen.Get(), look->text).cx;
        if (!look->detail.empty())
            width += kColumnGap + TextSize(screen.Get(), look->detail).cx;
    }
    item.itemWidth = static_cast<UINT>(width);
    item.itemHeight = static_cast<UINT>(MenuItemHeight(fontHeight_));
    return true;
}

bool FavoriteMenuPainter::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU)
        return false;
    const FavoriteItemLook* look = Find(item.itemData);
    if (!look)
        return false;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    RECT area = item.rcItem;
    const int image = ImageOf(look->icon);
    if (images_ && image >= 0)
        ImageList_Draw(images_.get(), image, dc, area.left + kMargin,
                       area.top + (area.bottom - area.top - kIconSize) / 2, ILD_TRANSPARENT);
    area.left += kMargin + kIconSize + kTextGap;
    area.right -= kMargin;

    const GdiSelection font(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF textColour = GetSysColor(grayed     ? COLOR_GRAYTEXT
                                            : selected ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_MENUTEXT);
    const COLORREF oldColour = SetTextColor(dc, textColour);
    RECT title = area;
    if (!look->detail.empty()) {
        // The address is drawn right-aligned and dimmed; the title keeps what it needs.
        const int detailWidth = TextSize(dc, look->detail).cx;
        RECT detail = area;
        detail.left = std::max(area.left, area.right - detailWidth);
        title.right = std::max(area.left, detail.left - kColumnGap);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, look->detail.c_str(), static_cast<int>(look->detail.size()), &detail,
                  kTextFormat | DT_RIGHT);
        SetTextColor(dc, textColour);
    }
    DrawTextA(dc, look->text.c_str(), static_cast<int>(look->text.size()), &title, kTextFormat);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return true;
}

}  // namespace lumbrel::win32
