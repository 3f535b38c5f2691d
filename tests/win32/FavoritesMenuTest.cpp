// The "Favorites" and "Groups" menus of the real main window, read back through the menu API
// as the user sees them: a favorites folder with subfolders, shortcuts and a stored "Order"
// value in the registry, and a group file with a member that stays closed.
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "favorites/MenuOrderStore.h"
#include "favorites/OrderBlob.h"
#include "win32/RunningMainWindow.h"
#include "win32/SavedRootOrder.h"
#include "win32/platform/Win32Registry.h"

namespace lumbrel::test {
namespace {

constexpr int kFixedItems = 4;  // both menus keep their first four items
constexpr int kFavoritesMenu = 4;
constexpr int kGroupsMenu = 5;

OrderEntry Entry(int position, uint16_t type, const std::string& name) {
    OrderEntry entry;
    entry.position = position;
    entry.type = type;
    entry.longName = name;
    return entry;
}

// The item's own text, which owner-drawn items keep beside their look.
std::string TextAt(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof(text);
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return text;
}

// The menu from `first` on, one word per item: its text, "-" for a separator, and "[...]"
// around a submenu's own items.
std::string Describe(HMENU menu, int first = 0) {
    std::string text;
    for (int i = first, n = GetMenuItemCount(menu); i < n; ++i) {
        if (!text.empty())
            text += " | ";
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            text += "-";
            continue;
        }
        text += TextAt(menu, i);
        if (info.hSubMenu)
            text += " [" + Describe(info.hSubMenu) + "]";
    }
    return text;
}

bool Checked(HMENU menu, int position) {
    return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

class FavoritesMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"
                                  "UseDefaultFavPath=0\r\nFavPath=.\\Fav\r\n"
                                  "UseDefaultLinkPath=1\r\nSingleMenu=1\r\n"));
        for (const char* sub : {"Fav", "Fav\\News", "Fav\\Beta", "groups"})
            CreateDirectoryA((folder_.Path() + sub).c_str(), nullptr);
        for (const char* name :
             {"Zeta.url", "alpha.url", "Mid.url", "SHOUT.URL", "News\\daily.url"})
            ASSERT_TRUE(Favorite(name));
        // Neither a shell link with its extension in capitals nor another file is a favorite.
        ASSERT_TRUE(folder_.Write("Fav\\x.LNK", "not a link"));
        ASSERT_TRUE(folder_.Write("Fav\\notes.txt", "text"));
        ASSERT_TRUE(folder_.Write("groups\\Work.cgp",
                                  "[Group]\r\nname0=Mail & News\r\nurl0=http://mail/\r\n"
                                  "name1=Wiki\r\nurl1=http://wiki/\r\nstate1=0\r\n"));
    }
    bool Favorite(const std::string& relative) {
        return folder_.Write("Fav\\" + relative,
                             "[InternetShortcut]\r\nURL=http://" + relative + "/\r\n");
    }
    HMENU BarMenu(int position) { return GetSubMenu(GetMenu(program_->Handle()), position); }

    ProgramFolder folder_{"favorites-menu"};
    SavedRootOrder order_;
    std::optional<RunningMainWindow> program_;
};

// One test for both: the "Order" value is the user's registry's, shared by tests that run side
// by side.
TEST_F(FavoritesMenuTest, TheFolderBecomesTheMenuInTheStoredOrderOrFoldersFirstWithoutOne) {
    order_.Clear();
    program_.emplace(folder_);
    ASSERT_TRUE(program_->Start());
    program_->Frame().DeferredInit();
    EXPECT_EQ(Describe(BarMenu(kFavoritesMenu), kFixedItems),
              "Beta [- | Add URL Here...] | News [daily | - | Open All URL | Add URL Here...] | "
              "alpha | Mid | SHOUT | Zeta | - | Open All URL | Add URL Here...");
    program_.reset();

    // The user put Zeta first, then the News folder, then alpha; "gone" no longer exists.
    ASSERT_TRUE(
        order_.Write({Entry(2, kOrderTypeFile, "alpha.url"), Entry(0, kOrderTypeFile, "Zeta.url"),
                      Entry(3, kOrderTypeFile, "gone.url"), Entry(1, kOrderTypeFolder, "News")}));
    program_.emplace(folder_);
    ASSERT_TRUE(program_->Start());
    HMENU favorites = BarMenu(kFavoritesMenu);
    ASSERT_NE(favorites, nullptr);
    EXPECT_EQ(GetMenuItemCount(favorites), kFixedItems) << "nothing before the deferred start";

    program_->Frame().DeferredInit();
    favorites = BarMenu(kFavoritesMenu);
    // Ordered entries first, then the new folders, then the new favorites by name.
    EXPECT_EQ(Describe(favorites, kFixedItems),
              "Zeta | News [daily | - | Open All URL | Add URL Here...] | alpha | "
              "Beta [- | Add URL Here...] | Mid | SHOUT | - | Open All URL | Add URL Here...");

    // Each item's command reaches the file it shows.
    const UINT zeta = GetMenuItemID(favorites, kFixedItems);
    ASSERT_GE(zeta, static_cast<UINT>(IDM_FAVORITE_FIRST));
    ASSERT_LE(zeta, static_cast<UINT>(IDM_FAVORITE_LAST));
    const auto path = program_->Frame().Favs().Menu().FavoritePath(static_cast<int>(zeta));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, folder_.Path() + "Fav\\Zeta.url");
}

TEST_F(FavoritesMenuTest, TheGroupsMenuShowsTheMembersWithTheirTicks) {
    program_.emplace(folder_);
    ASSERT_TRUE(program_->Start());
    program_->Frame().DeferredInit();
    HMENU groups = BarMenu(kGroupsMenu);
    ASSERT_NE(groups, nullptr);
    // "&" in a member's name is shown, not taken for a mnemonic.
    EXPECT_EQ(Describe(groups, kFixedItems),
              "1. Work [Add URL to this Group... | Open All Selected Group Member | - | "
              "Mail && News | Wiki]");
    HMENU work = GetSubMenu(groups, kFixedItems);
    ASSERT_NE(work, nullptr);
    // The ticks are the members' states, also once the menu drops down and the command states
    // are shown.
    SendMessageA(program_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(work),
                 MAKELPARAM(kFixedItems, FALSE));
    EXPECT_TRUE(Checked(work, 3));
    EXPECT_FALSE(Checked(work, 4));
    EXPECT_EQ(GetMenuState(work, 4, MF_BYPOSITION) & MF_GRAYED, 0u);
    HMENU addTo = GetSubMenu(groups, 2);
    ASSERT_NE(addTo, nullptr);
    EXPECT_EQ(Describe(addTo), "1. Work");
    EXPECT_EQ(static_cast<int>(GetMenuItemID(addTo, 0)),
              program_->Frame().UrlGroups().Menu().groups.at(0).addId);
}

struct ShownButton {
    int id;
    std::string text;
};

std::vector<ShownButton> Buttons(HWND toolbar) {
    std::vector<ShownButton> buttons;
    const auto count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&button));
        char text[128] = {};
        SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand),
                     reinterpret_cast<LPARAM>(text));
        buttons.push_back({button.idCommand, text});
    }
    return buttons;
}

// Reads the drop-down menu while it is up, then ends it (a timer of the test's own loop).
std::string droppedMenu;
void CALLBACK ReadDroppedMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND popup = FindWindowA("#32768", nullptr)) {
        auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, 0, TRUE, &info);
        droppedMenu = Describe(menu) + ((info.fType & MFT_OWNERDRAW) ? " (drawn)" : "");
    }
    EndMenu();
}

TEST_F(FavoritesMenuTest, TheLinksFolderBecomesTheLinksBarAndItsCommandHidesIt) {
    CreateDirectoryA((folder_.Path() + "Fav\\Links").c_str(), nullptr);
    CreateDirectoryA((folder_.Path() + "Fav\\Links\\Sub").c_str(), nullptr);
    ASSERT_TRUE(Favorite("Links\\a.url"));
    ASSERT_TRUE(Favorite("Links\\Sub\\b.url"));
    program_.emplace(folder_);
    ASSERT_TRUE(program_->Start());
    program_->Frame().DeferredInit();
    HWND rebar = FindWindowExA(program_->Handle(), nullptr, REBARCLASSNAMEA, nullptr);
    HWND links = nullptr;
    for (; rebar && !links;
         rebar = FindWindowExA(program_->Handle(), rebar, REBARCLASSNAMEA, nullptr))
        links = FindWindowExA(rebar, nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_NE(links, nullptr);
    const std::vector<ShownButton> buttons = Buttons(links);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].text, "Sub");
    EXPECT_EQ(buttons[1].text, "a");
    // The favorite's button sends the favorite's own command.
    const auto path = program_->Frame().Favs().Menu().FavoritePath(buttons[1].id);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, folder_.Path() + "Fav\\Links\\a.url");

    // The folder's button drops its menu down, drawn by the program: read while it is up.
    droppedMenu = "(no menu)";
    const UINT_PTR reader = SetTimer(nullptr, 0, 200, &ReadDroppedMenu);
    NMTOOLBARA drop{};
    drop.hdr.hwndFrom = links;
    drop.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(links));
    drop.hdr.code = TBN_DROPDOWN;
    drop.iItem = buttons[0].id;
    SendMessageA(program_->Handle(), WM_NOTIFY, drop.hdr.idFrom, reinterpret_cast<LPARAM>(&drop));
    KillTimer(nullptr, reader);
    EXPECT_EQ(droppedMenu, "b | - | Open All URL | Add URL Here... (drawn)");

    EXPECT_TRUE(program_->Frame().QueryCommand(IDM_VIEW_LINKS_BAR).checked);
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_VIEW_LINKS_BAR, 0);
    EXPECT_FALSE(program_->Frame().QueryCommand(IDM_VIEW_LINKS_BAR).checked);
    EXPECT_FALSE(IsWindowVisible(links));
}

// The bar draws its texts without mnemonics: a favorite's "&" must reach it once, not
// doubled as the menus need it.
TEST_F(FavoritesMenuTest, AnAmpersandShowsOnceOnTheLinksBar) {
    CreateDirectoryA((folder_.Path() + "Fav\\Links").c_str(), nullptr);
    ASSERT_TRUE(Favorite("Links\\Tom & Jerry.url"));
    program_.emplace(folder_);
    ASSERT_TRUE(program_->Start());
    program_->Frame().DeferredInit();
    HWND rebar = FindWindowExA(program_->Handle(), nullptr, REBARCLASSNAMEA, nullptr);
    HWND links = nullptr;
    for (; rebar && !links;
         rebar = FindWindowExA(program_->Handle(), rebar, REBARCLASSNAMEA, nullptr))
        links = FindWindowExA(rebar, nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_NE(links, nullptr);
    const std::vector<ShownButton> buttons = Buttons(links);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0].text, "Tom & Jerry");
}

}  // namespace
}  // namespace lumbrel::test
