#include "commands/BuiltinMenus.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "commands/Accelerators.h"
#include "commands/CommandIds.h"
#include "commands/CommandPicker.h"

namespace lumbrel {
namespace {

void ForEachItem(const MenuItems& menu, const std::function<void(const MenuItem&)>& visit) {
    for (const MenuItem& item : menu) {
        visit(item);
        if (item.kind == MenuItemKind::Submenu) {
            ForEachItem(item.items, visit);
        }
    }
}

bool InDynamicRange(int id) {
    return id < 32768 || (id >= IDM_UP_LEVEL_FIRST && id <= IDM_UP_LEVEL_LAST);
}

TEST(BuiltinMenusTest, UndoCloseIsTheTenthItemOfTheThirdMenu) {
    const MenuItems& menu = BuiltinMainMenu();
    const std::optional<MenuPath> path = FindRole(menu, MenuRole::UndoClose);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, (MenuPath{kMenuWindow, kUndoCloseMenuPosition}));
    EXPECT_EQ(MenuPathKey(*path), "X2X9");
    const MenuItem* undo = ItemAt(menu, *path);
    ASSERT_EQ(undo->items.size(), static_cast<size_t>(kUndoCloseFixedItems));
    EXPECT_EQ(undo->items[0].id, IDM_UNDO_CLOSE);
    EXPECT_EQ(undo->items[0].text, "&Undo Recently Close\tAlt+Z");
}

TEST(BuiltinMenusTest, RebuiltMenusSitWhereTheirOwnersLookForThem) {
    const MenuItems& menu = BuiltinMainMenu();
    const std::map<MenuRole, MenuPath> expected = {
        {MenuRole::NewWindow, {kMenuFile, 1}},     {MenuRole::WindowList, {kMenuWindow}},
        {MenuRole::Favorites, {kMenuFavorites}},   {MenuRole::Groups, {kMenuGroups}},
        {MenuRole::AddToGroup, {kMenuGroups, 2}},  {MenuRole::Search, {kMenuSearch}},
        {MenuRole::ProxyServers, {kMenuTools, 3}}, {MenuRole::WebProxies, {kMenuTools, 4}},
        {MenuRole::ExternalTools, {kMenuTools, 9}}};
    for (const auto& [role, path] : expected) {
        EXPECT_EQ(FindRole(menu, role), path) << static_cast<int>(role);
    }
    EXPECT_EQ(menu[kMenuSearch].text, "Searc&h");
    EXPECT_EQ(menu[kMenuFavorites].items.size(), 4u) << "four fixed favorites items";
    EXPECT_EQ(menu[kMenuGroups].items.size(), 4u) << "four fixed group items";
}

TEST(BuiltinMenusTest, NewWindowMenuPositionsAreTheNewWindowSetting) {
    const MenuItem* menu =
        ItemAt(BuiltinMainMenu(), *FindRole(BuiltinMainMenu(), MenuRole::NewWindow));
    const std::map<int, int> commandAt = {{0, IDM_BLANK_PAGE},         {2, IDM_NEW_HOME_PAGE},
                                          {3, IDM_NEW_FROM_CLIPBOARD}, {5, IDM_NEW_SELECTED_TEXT},
                                          {6, IDM_NEW_SELECTED_LINKS}, {8, IDM_NEW_CURRENT_PAGE},
                                          {9, IDM_NEW_UP_PAGE},        {10, IDM_NEW_ROOT_PAGE}};
    ASSERT_EQ(menu->items.size(), 11u);
    for (int pos = 0; pos < 11; ++pos) {
        const MenuItem& item = menu->items[static_cast<size_t>(pos)];
        if (commandAt.contains(pos)) {
            EXPECT_EQ(item.id, commandAt.at(pos)) << pos;
            EXPECT_EQ(NewWindowMenuCommand(pos), commandAt.at(pos)) << pos;
        } else {
            EXPECT_EQ(item.kind, MenuItemKind::Separator) << pos;
            EXPECT_EQ(NewWindowMenuCommand(pos), 0) << "a separator runs nothing";
        }
    }
    EXPECT_EQ(NewWindowMenuCommand(-1), 0);
    EXPECT_EQ(NewWindowMenuCommand(11), 0);
}

TEST(BuiltinMenusTest, EveryAcceleratedCommandIsInTheMainMenuOrDeclaredMenuLess) {
    const MenuItems& menu = BuiltinMainMenu();
    for (const Accelerator& a : AcceleratorTable()) {
        const bool inMenu = FindCommand(menu, a.command) != nullptr;
        EXPECT_NE(inMenu, IsMenuLessCommand(a.command))
            << AcceleratorText(a) << " -> " << a.command;
    }
}

TEST(BuiltinMenusTest, ShortcutTextsNameAnAcceleratorOfTheirCommand) {
    std::multimap<std::string, int> commandsByKey;
    for (const Accelerator& a : AcceleratorTable()) {
        commandsByKey.emplace(AcceleratorText(a), a.command);
    }
    // The page itself handles these; the menus show them as a hint.
    const std::set<std::string> pageKeys = {"Ctrl+C", "Ctrl+X", "Ctrl+V"};
    for (const MenuItems* menu : {&BuiltinMainMenu(), &BuiltinTrayMenu(), &BuiltinTabMenu()}) {
        ForEachItem(*menu, [&](const MenuItem& item) {
            const size_t tab = item.text.find('\t');
            if (tab == std::string::npos) {
                return;
            }
            const std::string key = item.text.substr(tab + 1);
            if (pageKeys.contains(key)) {
                return;
            }
            auto [first, last] = commandsByKey.equal_range(key);
            bool found = false;
            for (auto it = first; it != last; ++it) {
                found |= it->second == item.id;
            }
            EXPECT_TRUE(found) << item.text;
        });
    }
}

TEST(BuiltinMenusTest, AcceleratorKeysAreUnique) {
    std::set<std::pair<uint16_t, uint8_t>> keys;
    for (const Accelerator& a : AcceleratorTable()) {
        EXPECT_TRUE(keys.emplace(a.key, a.modifiers).second) << AcceleratorText(a);
    }
    EXPECT_EQ(AcceleratorTable().size(), 10u + 11u + 59u);
}

// Ctrl+1 is the first tab and Ctrl+0 the tenth; the quick keys run from F2 to F12.
TEST(BuiltinMenusTest, NumberedKeysCountFromTheFirstTab) {
    std::map<int, std::string> keyOf;
    for (const Accelerator& a : AcceleratorTable()) {
        keyOf.emplace(a.command, AcceleratorText(a));
    }
    EXPECT_EQ(keyOf[IDM_ACTIVATE_TAB_FIRST], "Ctrl+1");
    EXPECT_EQ(keyOf[IDM_ACTIVATE_TAB_FIRST + 8], "Ctrl+9");
    EXPECT_EQ(keyOf[IDM_ACTIVATE_TAB_LAST], "Ctrl+0");
    EXPECT_EQ(keyOf[IDM_QUICK_KEY_FIRST], "F2");
    EXPECT_EQ(keyOf[IDM_QUICK_KEY_LAST], "F12");
}

TEST(BuiltinMenusTest, FixedItemsStayOutOfTheDynamicRanges) {
    for (const MenuItems* menu : {&BuiltinMainMenu(), &BuiltinTrayMenu(), &BuiltinTabMenu()}) {
        ForEachItem(*menu, [](const MenuItem& item) {
            if (item.kind == MenuItemKind::Command) {
                EXPECT_FALSE(InDynamicRange(item.id)) << item.text;
                EXPECT_FALSE(EndsCommandWalk(item.id)) << item.text;
            } else if (item.kind == MenuItemKind::Submenu) {
                EXPECT_FALSE(item.text.empty());
            }
        });
    }
}

// Two items of one menu with the same "&" letter make the second unreachable by keyboard.
TEST(BuiltinMenusTest, MnemonicsAreUniqueWithinEachMenu) {
    std::function<void(const MenuItems&, const std::string&)> check =
        [&](const MenuItems& menu, const std::string& where) {
            std::map<char, std::string> owner;
            for (const MenuItem& item : menu) {
                const size_t amp = item.text.find('&');
                if (amp != std::string::npos && amp + 1 < item.text.size()) {
                    const char letter = static_cast<char>(
                        std::tolower(static_cast<unsigned char>(item.text[amp + 1])));
                    auto [it, fresh] = owner.emplace(letter, item.text);
                    EXPECT_TRUE(fresh) << where << ": " << it->second << " / " << item.text;
                }
                if (item.kind == MenuItemKind::Submenu) {
                    check(item.items, where + " > " + item.text);
                }
            }
        };
    check(BuiltinMainMenu(), "main");
    check(BuiltinTrayMenu(), "tray");
    check(BuiltinTabMenu(), "tab");
}

}  // namespace
}  // namespace lumbrel
