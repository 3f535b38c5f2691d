#include "language/MenuTranslator.h"

#include <gtest/gtest.h>

#include "commands/MenuModel.h"
#include "commands/MenuModelSurface.h"
#include "language/Language.h"
#include "support/LanguageFiles.h"

namespace lumbrel {
namespace {

using Item = MenuItem;

// Three top-level menus; the third holds a submenu at its tenth position, behind a
// separator, with a submenu of its own.
MenuItems NestedMenu() {
    MenuItems window;
    for (int i = 0; i < 8; ++i) {
        window.push_back(Item::Command(100 + i, "Item " + std::to_string(i)));
    }
    window.push_back(Item::Separator());
    window.push_back(Item::Popup("&Undo", {Item::Command(200, "&Reopen\tAlt+Z"), Item::Separator(),
                                           Item::Popup("Deeper", {Item::Command(300, "Deep")})}));
    return {Item::Popup("&File", {Item::Command(1, "&Open"), Item::Separator(),
                                  Item::Popup("&New", {Item::Command(2, "&Blank")})}),
            Item::Popup("&Edit", {Item::Command(3, "&Copy"), Item::Command(1, "&Open")}),
            Item::Popup("&Window", std::move(window))};
}

class MenuTranslatorTest : public ::testing::Test {
protected:
    void Use(std::string_view lines) { test::UseLanguageFile(language_, fs_, test::Crlf(lines)); }
    void Translate(MenuItems& menu, std::string_view section = "MenuMain") {
        MenuModelSurface surface(menu);
        LngApplyMenu(surface, language_, section);
    }

    test::FakeFileSystem fs_;
    Language language_;
};

TEST_F(MenuTranslatorTest, TranslatesSubmenusByPositionPath) {
    Use("[MenuMain]\nX0=&Datei\nX0X2=&Neu\nX2=&Fenster\nX2X9=&Zurück\nX2X9X2=Tiefer\n");
    MenuItems menu = NestedMenu();
    Translate(menu);
    EXPECT_EQ(menu[0].text, "&Datei");
    EXPECT_EQ(menu[0].items[2].text, "&Neu");
    EXPECT_EQ(menu[1].text, "&Edit");
    EXPECT_EQ(menu[2].text, "&Fenster");
    EXPECT_EQ(menu[2].items[9].text, "&Zurück");
    EXPECT_EQ(menu[2].items[9].items[2].text, "Tiefer");
    EXPECT_EQ(menu[2].items[9].items[2].items[0].text, "Deep");
}

TEST_F(MenuTranslatorTest, PathKeysNeverMatchAnotherLevel) {
    // "X9" would be the tenth top-level menu; "X2X2" is a command, not a submenu.
    Use("[MenuMain]\nX9=Wrong\nX2X2=Wrong\n");
    MenuItems menu = NestedMenu();
    Translate(menu);
    EXPECT_EQ(menu[2].items[9].text, "&Undo");
    EXPECT_EQ(menu[2].items[2].text, "Item 2");
}

TEST_F(MenuTranslatorTest, TranslatesCommandsByIdAtEveryDepth) {
    Use("[MenuMain]\n1=Ö&ffnen\n200=&Wieder öffnen\\tAlt+Z\n300=Tief\n0=Separator\n");
    MenuItems menu = NestedMenu();
    Translate(menu);
    EXPECT_EQ(menu[0].items[0].text, "Ö&ffnen");
    EXPECT_EQ(menu[1].items[1].text, "Ö&ffnen") << "every item of the id";
    EXPECT_EQ(menu[1].items[1].id, 1);
    EXPECT_EQ(menu[2].items[9].items[0].text, "&Wieder öffnen\tAlt+Z");
    EXPECT_EQ(menu[2].items[9].items[2].items[0].text, "Tief");
    EXPECT_EQ(menu[0].items[1].kind, MenuItemKind::Separator);
    EXPECT_EQ(menu[0].items[1].text, "") << "separators are never translated";
}

TEST_F(MenuTranslatorTest, UsesOnlyTheGivenSection) {
    Use("[MenuTray]\n1=Tray\nX0=Tray\n[MenuMain]\n3=Kopieren\n");
    MenuItems menu = NestedMenu();
    Translate(menu, "MenuMain");
    EXPECT_EQ(menu[0].text, "&File");
    EXPECT_EQ(menu[0].items[0].text, "&Open");
    EXPECT_EQ(menu[1].items[0].text, "Kopieren");
}

TEST_F(MenuTranslatorTest, LeavesMenusAloneWithoutLanguageFile) {
    Use("[MenuMain]\nX0=&Datei\n1=Öffnen\n");
    language_.SetMode(Language::kBuiltIn);
    MenuItems menu = NestedMenu();
    Translate(menu);
    EXPECT_EQ(menu[0].text, "&File");
    EXPECT_EQ(menu[0].items[0].text, "&Open");
}

TEST_F(MenuTranslatorTest, MenuPathKeyNamesEveryLevel) {
    EXPECT_EQ(MenuPathKey({2, 9}), "X2X9");
    EXPECT_EQ(MenuPathKey({0}), "X0");
    EXPECT_EQ(MenuPathKey({10, 0, 3}), "X10X0X3");
}

}  // namespace
}  // namespace lumbrel
