// Picking another language while a browser window is maximised: the command goes through the
// main window, the core's language choice and the menu bar's rebuild, as "Select Language..."
// does in the program. The maximised window's menu and its buttons live in the frame's menu
// bar; they must come over to the new menu bar, alive.
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
    NewChildRequest request;
    request.mode = ChildMode::Create;
    request.kind = NavKind::Blank;
    request.activate = true;
    CChildFrame* child = program_->Frame().NewChild(request);
    ASSERT_NE(child, nullptr);
    ASSERT_TRUE(child->Window()->IsMaximized()) << "the windows are maximised (PageMax=1)";
    const HMENU oldBar = MenuBar();
    const int items = static_cast<int>(BuiltinMainMenu().size());
    // The maximised window lends the menu bar its menu in front and its minimise, restore and
    // close buttons behind the menus.
    const HMENU windowMenu = GetSubMenu(oldBar, 0);
    ASSERT_NE(windowMenu, nullptr);
    ASSERT_NE(GetMenuState(windowMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    ASSERT_EQ(GetMenuItemCount(oldBar), items + 4);

    program_->Boxes().languageRow = 1;
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SELECT_LANGUAGE, 0);

    ASSERT_EQ(program_->Boxes().languageDialogs, 1);
    ASSERT_EQ(program_->Boxes().lastLanguageRows.size(), 2u);
    EXPECT_EQ(program_->Boxes().lastLanguageRows[1].fileName, "Deutsch.ini");
    const HMENU newBar = MenuBar();
    ASSERT_NE(newBar, oldBar) << "the menu bar was built again";
    EXPECT_FALSE(IsMenu(oldBar)) << "the old menu bar is destroyed, not leaked";
    EXPECT_TRUE(IsMenu(windowMenu)) << "the window's menu went with the old menu bar";
    EXPECT_EQ(GetSubMenu(newBar, 0), windowMenu) << "the window's menu moved to the new menu bar";
    EXPECT_EQ(GetMenuItemCount(newBar), items + 4) << "and so did the buttons";
    for (UINT button : {SC_MINIMIZE, SC_RESTORE, SC_CLOSE})
        EXPECT_NE(GetMenuState(newBar, button, MF_BYCOMMAND), static_cast<UINT>(-1)) << button;
    EXPECT_EQ(MenuText(newBar, 1 + kMenuFile), "&Datei");
    EXPECT_EQ(MenuText(newBar, 1 + kMenuWindow), "&Fenster");
    EXPECT_EQ(MenuText(newBar, 1 + kMenuEdit), "&Edit") << "untranslated items stay English";

    // The buttons still act on the window.
    SendMessageA(program_->Handle(), WM_COMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(child->Window()->IsMaximized());
    EXPECT_EQ(GetMenuItemCount(MenuBar()), items);
    EXPECT_TRUE(IsMenu(windowMenu)) << "kept for the next maximised window";
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
