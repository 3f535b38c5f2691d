#include "commands/CommandPicker.h"

#include <gtest/gtest.h>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "commands/MenuModelSurface.h"
#include "language/Language.h"
#include "support/LanguageFiles.h"

namespace lumbrel {
namespace {

using Item = MenuItem;

std::vector<std::string> Texts(const std::vector<CommandChoice>& choices) {
    std::vector<std::string> texts;
    for (const CommandChoice& c : choices) {
        texts.push_back(c.text + "=" + std::to_string(c.id));
    }
    return texts;
}

class CommandPickerTest : public ::testing::Test {
protected:
    void Use(std::string_view lines) { test::UseLanguageFile(language_, fs_, test::Crlf(lines)); }
    std::vector<std::string> Pick(MenuItems menu) {
        MenuModelSurface surface(menu);
        return Texts(BuildCommandPicker(surface, language_));
    }

    test::FakeFileSystem fs_;
    Language language_;
};

TEST_F(CommandPickerTest, NamesCommandsByTheirMenuPath) {
    MenuItems menu = {
        Item::Popup("&File", {Item::Command(1, "&Open...\tCtrl+O"), Item::Separator(),
                              Item::Popup("&New", {Item::Command(2, "&Blank && Empty")})}),
        Item::Popup("&Help", {Item::Command(3, "&About")}), Item::Popup("Empty", {})};
    EXPECT_EQ(Pick(menu),
              (std::vector<std::string>{"None=0", "File \\ Open...=1",
                                        "File \\ New \\ Blank  Empty=2", "Help \\ About=3"}));
}

TEST_F(CommandPickerTest, DynamicItemsEndTheWalkOfTheirMenuOnly) {
    MenuItems menu = {
        Item::Popup("&Window",
                    {Item::Command(10, "Before"),
                     Item::Popup("&Undo", {Item::Command(32975, "&Undo"), Item::Separator(),
                                           Item::Command(IDM_UNDO_CLOSE_ITEM_FIRST + 3, "page"),
                                           Item::Command(11, "never")}),
                     Item::Command(12, "After")}),
        Item::Popup("&Search",
                    {Item::Command(IDM_SEARCH_ENGINE_FIRST, "engine"), Item::Command(13, "never")}),
        Item::Popup("F&avorites", {Item::Command(IDM_FAVORITE_FIRST, "a favorite"),
                                   Item::Command(IDM_PROXY_SERVER_FIRST, "a proxy")})};
    EXPECT_EQ(Pick(menu), (std::vector<std::string>{
                              "None=0", "Window \\ Before=10", "Window \\ Undo \\ Undo=32975",
                              "Window \\ After=12", "Favorites \\ a favorite=5120",
                              "Favorites \\ a proxy=25600"}));
}

TEST_F(CommandPickerTest, DynamicRangesThatStopTheWalk) {
    struct Case {
        int id;
        bool stops;
    };
    const Case cases[] = {{24831, false}, {24832, true},  {25087, true},  {25088, true},
                          {25112, true},  {25113, false}, {25343, false}, {25344, true},
                          {25599, true},  {25600, false}, {30207, false}, {30208, true},
                          {30719, true},  {30720, false}, {32772, false}, {0, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(EndsCommandWalk(c.id), c.stops) << c.id;
    }
}

TEST_F(CommandPickerTest, SubmenuNamesFollowTheLanguageFile) {
    Use("[StringTable]\n61348=Keine\n[MenuMain]\nX0=&Datei\\tx\nX0X1=&Neu\n1=Öffnen\n");
    MenuItems menu = {Item::Popup(
        "&File", {Item::Command(1, "&Open"), Item::Popup("&New", {Item::Command(2, "&Blank")}),
                  Item::Popup("&Recent", {Item::Command(3, "&One")})})};
    // Command texts are those of the menu: a live menu is translated already.
    EXPECT_EQ(Pick(menu),
              (std::vector<std::string>{"Keine=0", "Datei \\ Open=1", "Datei \\ Neu \\ Blank=2",
                                        "Datei \\ Recent \\ One=3"}));
}

TEST_F(CommandPickerTest, BuiltInMainMenuOffersCleanNames) {
    MenuItems menu = BuiltinMainMenu();
    MenuModelSurface surface(menu);
    const std::vector<CommandChoice> choices = BuildCommandPicker(surface, language_);
    ASSERT_GT(choices.size(), 100u);
    bool undo = false;
    for (const CommandChoice& c : choices) {
        EXPECT_EQ(c.text.find_first_of("&\t"), std::string::npos) << c.text;
        undo |= c.text == "Window \\ Undo Close \\ Undo Recently Close" && c.id == IDM_UNDO_CLOSE;
    }
    EXPECT_TRUE(undo);
}

class MenuCommandTextTest : public CommandPickerTest {};

TEST_F(MenuCommandTextTest, TextWithoutMarksAndShortcut) {
    const MenuItems& menu = BuiltinMainMenu();
    EXPECT_EQ(MenuCommandText(menu, IDM_CLOSE, language_), "Close");
    EXPECT_EQ(MenuCommandText(menu, IDM_CLEAN_HISTORY, language_), "Clean History");
    EXPECT_EQ(MenuCommandText(menu, IDM_CLOSE_LEFT, language_), "Close All Left Tabs (<=)");
    EXPECT_EQ(MenuCommandText(menu, 0, language_), "None");
    EXPECT_EQ(MenuCommandText(menu, IDM_FOCUS_ADDRESS, language_), "") << "not in the menu";
}

TEST_F(MenuCommandTextTest, TranslatedWhileALanguageFileIsActive) {
    Use("[StringTable]\n61348=Keine\n[MenuMain]\n32776=&Schließen\\tStrg+W\n");
    const MenuItems& menu = BuiltinMainMenu();
    EXPECT_EQ(MenuCommandText(menu, IDM_CLOSE, language_), "Schließen");
    EXPECT_EQ(MenuCommandText(menu, IDM_CLOSE_ALL, language_), "Close All");
    EXPECT_EQ(MenuCommandText(menu, 0, language_), "Keine");
}

}  // namespace
}  // namespace lumbrel
