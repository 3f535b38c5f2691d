#include "win32/favorites/FavoritesMenuItems.h"

#include "base/MenuTitle.h"
#include "win32/commands/MenuHandles.h"
#include "win32/platform/GdiHandles.h"

namespace lumbrel::win32 {
namespace {

UINT BreakFlag(bool columnBreak) {
    return columnBreak ? MF_MENUBARBREAK : 0;
}

UINT_PTR CommandOf(int commandId) {
    return static_cast<UINT_PTR>(commandId);
}

// Appends `submenu` under `text`; the menu owns it from then on.
bool AppendSubmenu(HMENU menu, UniqueMenu submenu, UINT flags, const std::string& text) {
    if (!AppendMenuA(menu, MF_POPUP | MF_STRING | flags, reinterpret_cast<UINT_PTR>(submenu.get()),
                     text.c_str()))
        return false;
    submenu.release();
    return true;
}

}  // namespace

std::string MenuItemText(const MenuTextStyle& style, std::string_view title) {
    const std::string shortened = ShortenMenuTitle(style.cp, title, style.menuSize);
    // No trail byte of a double-byte character is below 0x40, so '&' is always a character.
    std::string text;
    text.reserve(shortened.size());
    for (char c : shortened) {
        text.push_back(c);
        if (c == '&')
            text.push_back('&');
    }
    return text;
}

void DeleteItemsFrom(HMENU menu, int keep) {
    for (int count = GetMenuItemCount(menu); count > keep; --count)
        DeleteMenu(menu, static_cast<UINT>(count - 1), MF_BYPOSITION);
}

void AppendFavoriteItems(HMENU menu, const std::vector<FavMenuItem>& items,
                         const MenuTextStyle& style, FavoriteMenuPainter* painter,
                         FavoriteMenuPainter::SetId set) {
    for (const FavMenuItem& item : items) {
        if (item.kind == FavItemKind::Separator) {
            AppendMenuA(menu, MF_SEPARATOR | BreakFlag(item.columnBreak), 0, nullptr);
            continue;
        }
        UniqueMenu submenu;
        if (item.kind == FavItemKind::Folder) {
            submenu.reset(CreatePopupMenu());
            if (!submenu)
                continue;
            AppendFavoriteItems(submenu.get(), item.items, style, painter, set);
        }
        std::string text = MenuItemText(style, item.text);
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | (submenu ? MIIM_SUBMENU : 0);
        info.fType = item.columnBreak ? MFT_MENUBARBREAK : 0;
        info.wID = submenu ? 0 : static_cast<UINT>(item.commandId);
        info.hSubMenu = submenu.get();
        info.dwTypeData = text.data();
        if (painter) {
            info.fMask |= MIIM_DATA;
            info.fType |= MFT_OWNERDRAW;
            info.dwItemData = painter->Add(
                set, FavoriteItemLook{IconOf(item.kind),
                                      ShortenMenuTitle(style.cp, item.text, style.menuSize),
                                      ShortenMenuTitle(style.cp, item.address, style.menuSize)});
        }
        const auto position = static_cast<UINT>(GetMenuItemCount(menu));
        if (InsertMenuItemA(menu, position, TRUE, &info))
            submenu.release();
    }
}

void AppendGroupItems(HMENU menu, const GroupsMenu& groups, const MenuTextStyle& style) {
    for (const GroupItem& group : groups.groups) {
        const UINT flags = BreakFlag(group.columnBreak);
        const std::string text = MenuItemText(style, group.text);
        if (!group.showsMembers) {
            AppendMenuA(menu, MF_STRING | flags, CommandOf(group.openId), text.c_str());
            continue;
        }
        UniqueMenu submenu(CreatePopupMenu());
        if (!submenu)
            continue;
        HMENU members = submenu.get();
        AppendMenuA(members, MF_STRING, CommandOf(group.addId), groups.addText.c_str());
        AppendMenuA(members, MF_STRING, CommandOf(group.openId), groups.openText.c_str());
        AppendMenuA(members, MF_SEPARATOR, 0, nullptr);
        for (const GroupMemberItem& member : group.members)
            AppendMenuA(members, MF_STRING | (member.ticked ? MF_CHECKED : MF_UNCHECKED),
                        CommandOf(member.commandId), MenuItemText(style, member.text).c_str());
        AppendSubmenu(menu, std::move(submenu), flags, text);
    }
}

void AppendAddToGroupItems(HMENU menu, const GroupsMenu& groups, const MenuTextStyle& style) {
    for (const MenuEntry& entry : groups.AddToGroupItems(groups.emptyText)) {
        const UINT state = entry.commandId == 0 ? MF_GRAYED : MF_ENABLED;
        AppendMenuA(menu, MF_STRING | state, CommandOf(entry.commandId),
                    MenuItemText(style, entry.text).c_str());
    }
}

MenuMetrics ScreenMenuMetrics() {
    MenuMetrics metrics;
    metrics.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    metrics.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    NONCLIENTMETRICSA nonClient{};
    nonClient.cbSize = sizeof(nonClient);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(nonClient), &nonClient, 0))
        return metrics;
    const UniqueGdiObject font(CreateFontIndirectA(&nonClient.lfMenuFont));
    const WindowDc screen(nullptr);
    if (!font || !screen)
        return metrics;
    const GdiSelection selected(screen.Get(), font.Get());
    TEXTMETRICA text{};
    if (GetTextMetricsA(screen.Get(), &text))
        metrics.fontHeight = text.tmHeight;
    return metrics;
}

}  // namespace lumbrel::win32
