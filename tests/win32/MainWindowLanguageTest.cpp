// Picking another language while a browser window is maximised: the command goes through the
// main window, the core's language choice and the menu bar's rebuild, as "Select Language..."
// does in the program. The maximised child's system menu and caption buttons live in the
// frame's menu bar; they must come over to the new menu bar, alive.
#include <gtest/gtest.h>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "win32/OleWindowTest.h"
#include "win32/RunningMainWindow.h"

namespace lumbrel::test {
namespace {

constexpr const char* kGerman =
    "[Information]\r\nLanguage=Deutsch\r\n"
    "[MenuMain]\r\nX0=&Datei\r\nX2=&Fenster\r\n";

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

class MainWindowLanguageTest : public OleWindowTest {
protected:
    void SetUp() override {
        OleWindowTest::SetUp();
        ASSERT_TRUE(folder_.Write("Language\\Deutsch.ini", kGerman));
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nPageMax=1\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
    }
    void TearDown() override {
        program_.reset();
        OleWindowTest::TearDown();
    }

    HMENU MenuBar() const { return GetMenu(program_->Handle()); }

    ProgramFolder folder_{"language-switch"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(MainWindowLanguageTest, SwitchWithAMaximisedWindowKeepsItsButtonsOnTheNewMenuBar) {
    ASSERT_NE(program_->Frame().NewChild(ChildMode::Create, NavKind::Blank, "", nullptr, true),
              nullptr);
    const std::vector<HWND> children = program_->BrowserWindows();
    ASSERT_EQ(children.size(), 1u);
    HWND child = children.front();
    ASSERT_TRUE(IsZoomed(child)) << "the children are maximised (PageMax=1)";
    const HMENU systemMenu = GetSystemMenu(child, FALSE);
    const HMENU oldBar = MenuBar();
    const int items = static_cast<int>(BuiltinMainMenu().size());
    // The maximised child lends the menu bar its system menu in front and its minimise,
    // restore and close buttons behind the menus.
    ASSERT_EQ(GetSubMenu(oldBar, 0), systemMenu);
    const int lent = GetMenuItemCount(oldBar) - items;
    ASSERT_GE(lent, 2);

    program_->Boxes().languageRow = 1;
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SELECT_LANGUAGE, 0);

    ASSERT_EQ(program_->Boxes().languageDialogs, 1);
    ASSERT_EQ(program_->Boxes().lastLanguageRows.size(), 2u);
    EXPECT_EQ(program_->Boxes().lastLanguageRows[1].fileName, "Deutsch.ini");
    const HMENU newBar = MenuBar();
    ASSERT_NE(newBar, oldBar) << "the menu bar was built again";
    EXPECT_FALSE(IsMenu(oldBar)) << "the old menu bar is destroyed, not leaked";
    EXPECT_TRUE(IsMenu(systemMenu)) << "the child's system menu went with the old menu bar";
    EXPECT_EQ(GetSystemMenu(child, FALSE), systemMenu);
    EXPECT_EQ(GetSubMenu(newBar, 0), systemMenu) << "the system menu moved to the new menu bar";
    EXPECT_EQ(GetMenuItemCount(newBar), items + lent) << "and so did the caption buttons";
    EXPECT_EQ(MenuText(newBar, 1 + kMenuFile), "&Datei");
    EXPECT_EQ(MenuText(newBar, 1 + kMenuWindow), "&Fenster");
    EXPECT_EQ(MenuText(newBar, 1 + kMenuEdit), "&Edit") << "untranslated items stay English";
}

TEST_F(MainWindowLanguageTest, SwitchWithoutBrowserWindowsShowsTheTranslatedMenuBar) {
    const HMENU oldBar = MenuBar();
    program_->Boxes().languageRow = 1;
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SELECT_LANGUAGE, 0);
    const HMENU newBar = MenuBar();
    ASSERT_NE(newBar, oldBar);
    EXPECT_FALSE(IsMenu(oldBar));
    EXPECT_EQ(GetMenuItemCount(newBar), static_cast<int>(BuiltinMainMenu().size()));
    EXPECT_EQ(MenuText(newBar, kMenuFile), "&Datei");

    // A cancelled dialog changes nothing.
    program_->Boxes().languageRow.reset();
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SELECT_LANGUAGE, 0);
    EXPECT_EQ(program_->Boxes().languageDialogs, 2);
    EXPECT_EQ(MenuBar(), newBar);
    EXPECT_EQ(MenuText(MenuBar(), kMenuFile), "&Datei");
}

}  // namespace
}  // namespace lumbrel::test
