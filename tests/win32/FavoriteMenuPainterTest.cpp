// The owner-drawn favorites items: measured and painted from their looks, the picture the
// look names, the address column only when there is an address, and nothing answered for an
// item whose look was dropped with its menu.
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include <optional>

#include "favorites/FavoritesMenu.h"
#include "win32/commands/MenuHandles.h"
#include "win32/favorites/FavoriteMenuPainter.h"
#include "win32/favorites/FavoritesMenuItems.h"
#include "win32/platform/GdiHandles.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::win32 {
namespace {

constexpr COLORREF kFolderColour = RGB(200, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 200);
constexpr int kWidth = 320;
constexpr int kHeight = 24;

// Two solid 16x16 cells: red for a folder, blue for a link.
UniqueImageList TwoCells() {
    UniqueImageList list(ImageList_Create(16, 16, ILC_COLOR24, 2, 0));
    const WindowDc screen(nullptr);
    for (COLORREF colour : {kFolderColour, kLinkColour}) {
        const UniqueGdiObject bitmap(CreateCompatibleBitmap(screen.Get(), 16, 16));
        const UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
        {
            const GdiSelection selected(dc.Get(), bitmap.Get());
            const UniqueGdiObject brush(CreateSolidBrush(colour));
            RECT all{0, 0, 16, 16};
            FillRect(dc.Get(), &all, static_cast<HBRUSH>(brush.Get()));
        }
        ImageList_Add(list.get(), static_cast<HBITMAP>(bitmap.Get()), nullptr);
    }
    return list;
}

// An item drawn into a bitmap of its own, read back pixel by pixel.
class Canvas {
public:
    Canvas() : screen_(nullptr) {
        dc_.Reset(CreateCompatibleDC(screen_.Get()));
        bitmap_.Reset(CreateCompatibleBitmap(screen_.Get(), kWidth, kHeight));
        selected_.emplace(dc_.Get(), bitmap_.Get());
    }
    bool Draw(const FavoriteMenuPainter& painter, ULONG_PTR data, UINT state = 0) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hDC = dc_.Get();
        item.rcItem = RECT{0, 0, kWidth, kHeight};
        item.itemData = data;
        return painter.Draw(item);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    // Whether any pixel of the columns [from, to) differs from `background`.
    bool Inked(int from, int to, COLORREF background) const {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < kHeight; ++y)
                if (At(x, y) != background)
                    return true;
        return false;
    }

private:
    WindowDc screen_;
    UniqueMemoryDc dc_;
    UniqueGdiObject bitmap_;
    std::optional<GdiSelection> selected_;
};

std::string TextAt(HMENU menu, int position) {
    char text[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof(text);
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return text;
}

std::optional<MEASUREITEMSTRUCT> Measured(const FavoriteMenuPainter& painter, ULONG_PTR data) {
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemData = data;
    if (!painter.Measure(item))
        return std::nullopt;
    return item;
}

TEST(FavoriteMenuPainter, MeasuresTheTitleAndTheAddressColumnAtTheColumnsItemHeight) {
    FavoriteMenuPainter painter;
    const ULONG_PTR plain = painter.Add(1, {FavIcon::Link, "News", ""});
    const ULONG_PTR longer = painter.Add(1, {FavIcon::Link, "News of the whole world", ""});
    const ULONG_PTR withUrl = painter.Add(1, {FavIcon::Link, "News", "http://news.example/"});
    const auto a = Measured(painter, plain);
    const auto b = Measured(painter, longer);
    const auto c = Measured(painter, withUrl);
    ASSERT_TRUE(a && b && c);
    EXPECT_GT(b->itemWidth, a->itemWidth);
    EXPECT_GT(c->itemWidth, a->itemWidth + FavoriteMenuPainter::kColumnGap);
    // The same height as the core counts columns with, for the same menu font.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    const UniqueGdiObject font(CreateFontIndirectA(&metrics.lfMenuFont));
    const WindowDc screen(nullptr);
    const GdiSelection selected(screen.Get(), font.Get());
    TEXTMETRICA text{};
    GetTextMetricsA(screen.Get(), &text);
    EXPECT_EQ(static_cast<int>(a->itemHeight), MenuItemHeight(text.tmHeight));
    EXPECT_GE(a->itemHeight, 20u);
}

TEST(FavoriteMenuPainter, PaintsTheLooksPictureAndTheAddressOnlyWhenThereIsOne) {
    FavoriteMenuPainter painter;
    painter.SetImages(TwoCells());
    Canvas canvas;
    const int iconX = FavoriteMenuPainter::kMargin + 8;
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);

    ASSERT_TRUE(canvas.Draw(painter, painter.Add(1, {FavIcon::Folder, "Sub", ""})));
    EXPECT_EQ(canvas.At(iconX, kHeight / 2), kFolderColour);
    EXPECT_EQ(canvas.At(kWidth - 2, kHeight / 2), menu);
    EXPECT_FALSE(canvas.Inked(kWidth / 2, kWidth, menu)) << "no address, no second column";

    ASSERT_TRUE(canvas.Draw(painter, painter.Add(1, {FavIcon::Link, "a", "http://a.example/"}),
                            ODS_SELECTED));
    EXPECT_EQ(canvas.At(iconX, kHeight / 2), kLinkColour);
    EXPECT_EQ(canvas.At(iconX, 0), highlight) << "a selected item is highlighted";
    EXPECT_TRUE(canvas.Inked(kWidth / 2, kWidth - FavoriteMenuPainter::kMargin, highlight))
        << "the address is drawn at the right";

    ASSERT_TRUE(canvas.Draw(painter, painter.Add(1, {FavIcon::None, "Open All URL", ""})));
    EXPECT_EQ(canvas.At(iconX, kHeight / 2), menu) << "a command has no picture";
}

TEST(FavoriteMenuPainter, ItemsOfADroppedSetOrOfSomeoneElseAreNotAnswered) {
    FavoriteMenuPainter painter;
    const ULONG_PTR kept =
        painter.Add(FavoriteMenuPainter::kFavoritesMenu, {FavIcon::Link, "a", ""});
    const ULONG_PTR dropped =
        painter.Add(FavoriteMenuPainter::kLinksDropDown, {FavIcon::Link, "b", ""});
    painter.Clear(FavoriteMenuPainter::kLinksDropDown);
    EXPECT_TRUE(Measured(painter, kept));
    EXPECT_FALSE(Measured(painter, dropped));
    EXPECT_FALSE(Measured(painter, 0));
    Canvas canvas;
    EXPECT_FALSE(canvas.Draw(painter, dropped));
    // Another control's owner-drawn item, even with our data, is not a menu item.
    MEASUREITEMSTRUCT button{};
    button.CtlType = ODT_BUTTON;
    button.itemData = kept;
    EXPECT_FALSE(painter.Measure(button));
}

TEST(FavoriteMenuPainter, AppendedItemsAreOwnerDrawnAndKeepTheirTexts) {
    Win32CodePage cp;
    FavoriteMenuPainter painter;
    FavMenuItem sub;
    sub.kind = FavItemKind::Folder;
    sub.text = "Sub";
    FavMenuItem inner;
    inner.kind = FavItemKind::Favorite;
    inner.text = "Inner & Co";
    inner.commandId = 5121;
    sub.items = {inner};
    FavMenuItem favorite;
    favorite.kind = FavItemKind::Favorite;
    favorite.text = std::string(12, 'x');
    favorite.address = "http://x.example/a/long/address";
    favorite.commandId = 5120;
    favorite.columnBreak = true;
    FavMenuItem separator;
    separator.kind = FavItemKind::Separator;

    UniqueMenu menu(CreatePopupMenu());
    AppendFavoriteItems(menu.get(), {sub, favorite, separator}, MenuTextStyle{cp, 10}, &painter,
                        FavoriteMenuPainter::kFavoritesMenu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
    EXPECT_EQ(painter.Count(FavoriteMenuPainter::kFavoritesMenu), 3u) << "sub, inner, favorite";

    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoA(menu.get(), 1, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_TRUE(info.fType & MFT_MENUBARBREAK);
    EXPECT_EQ(info.wID, 5120u);
    EXPECT_EQ(TextAt(menu.get(), 1), "xxxxxxxxxx...") << "the text stays readable, cut to size";
    // The look is cut the same way, its address too.
    const auto measured = Measured(painter, info.dwItemData);
    ASSERT_TRUE(measured);
    const auto* look = reinterpret_cast<const FavoriteItemLook*>(info.dwItemData);
    EXPECT_EQ(look->text, "xxxxxxxxxx...");
    EXPECT_EQ(look->detail, "http://x.e...");
    EXPECT_EQ(look->icon, FavIcon::Link);

    ASSERT_TRUE(GetMenuItemInfoA(menu.get(), 0, TRUE, &info));
    ASSERT_NE(info.hSubMenu, nullptr);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(TextAt(info.hSubMenu, 0), "Inner && Co");

    ASSERT_TRUE(GetMenuItemInfoA(menu.get(), 2, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

}  // namespace
}  // namespace lumbrel::win32
