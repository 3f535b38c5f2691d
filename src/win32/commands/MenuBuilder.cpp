#include "win32/commands/MenuBuilder.h"

#include "win32/language/LanguageApply.h"

namespace lumbrel::win32 {
namespace {

bool AppendItems(HMENU menu, const MenuItems& items) {
    for (const MenuItem& item : items) {
        BOOL appended = FALSE;
        switch (item.kind) {
            case MenuItemKind::Separator:
                appended = AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuItemKind::Command:
                appended =
                    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.text.c_str());
                break;
            case MenuItemKind::Submenu: {
                UniqueMenu submenu = BuildMenu(item.items, MenuShape::Popup);
                if (!submenu) {
                    return false;
                }
                appended =
                    AppendMenuA(menu, MF_POPUP | MF_STRING,
                                reinterpret_cast<UINT_PTR>(submenu.get()), item.text.c_str());
                if (appended) {
                    submenu.release();  // the parent owns it now
                }
                break;
            }
        }
        if (!appended) {
            return false;
        }
    }
    return true;
}

}  // namespace

UniqueMenu BuildMenu(const MenuItems& items, MenuShape shape) {
    UniqueMenu menu(shape == MenuShape::Bar ? CreateMenu() : CreatePopupMenu());
    if (!menu || !AppendItems(menu.get(), items)) {
        return nullptr;
    }
    return menu;
}

UniqueMenu BuildTranslatedMenu(const MenuItems& items, MenuShape shape, const Language& language,
                               std::string_view section) {
    UniqueMenu menu = BuildMenu(items, shape);
    if (menu) {
        LngApplyMenu(menu.get(), section, language);
    }
    return menu;
}

bool RebuildMenu(UniqueMenu& holder, const MenuItems& items, MenuShape shape,
                 const Language& language, std::string_view section,
                 const std::function<bool(HMENU fresh)>& show) {
    UniqueMenu fresh = BuildTranslatedMenu(items, shape, language, section);
    if (!fresh || !show(fresh.get())) {
        return false;
    }
    holder = std::move(fresh);
    return true;
}

bool RebuildMenu(UniqueMenu& holder, const MenuItems& items, MenuShape shape,
                 const Language& language, std::string_view section, HWND window) {
    return RebuildMenu(holder, items, shape, language, section, [window](HMENU fresh) {
        if (!SetMenu(window, fresh)) {
            return false;
        }
        DrawMenuBar(window);
        return true;
    });
}

HMENU SubmenuFor(HMENU root, const MenuItems& items, MenuRole role) {
    const std::optional<MenuPath> path = FindRole(items, role);
    if (!path) {
        return nullptr;
    }
    HMENU menu = root;
    for (int pos : *path) {
        menu = GetSubMenu(menu, pos);
        if (menu == nullptr) {
            return nullptr;
        }
    }
    return menu;
}

}  // namespace lumbrel::win32
