// The favorites and groups in the main frame's life: built once the frame's deferred start
// has read their settings, built again when the menus are rebuilt in another language, and
// the ticks of the group members answered through the command states.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "favorites/FavoritesFakes.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

constexpr const char* kGroups = "C:\\Lumbrel\\groups\\";

TEST(FrameWiring, TheDeferredStartBuildsBothMenusWithTheirSettings) {
    test::FrameHarness h("", /*deferredInit=*/false);
    test::FakeFavoritesView view;
    test::FakeGroupsUi ui;
    h.platform.fs.AddFolder("C:\\Favorites");
    h.platform.fs.AddFile("C:\\Favorites\\a.url", "[InternetShortcut]\r\nURL=http://a/\r\n");
    h.platform.fs.AddFile(std::string(kGroups) + "Work.cgp",
                          "[Group]\r\nname0=Mail\r\nurl0=http://mail/\r\n");
    h.frame->Favs().Attach(&view, nullptr);
    h.frame->UrlGroups().Attach(&ui);
    EXPECT_EQ(view.menusShown, 0);
    EXPECT_EQ(ui.menusShown, 0);

    h.frame->DeferredInit();
    EXPECT_TRUE(h.frame->Favs().Started());
    ASSERT_EQ(view.menusShown, 1);
    ASSERT_EQ(view.lastMenu.items.size(), 4u) << "the favorite, separator, open all, add here";
    EXPECT_EQ(view.lastMenu.items[0].text, "a");
    ASSERT_EQ(ui.menusShown, 1);
    ASSERT_EQ(ui.lastMenu.groups.size(), 1u);
    // `GroupMenuShowMember` (default 1) is one of the keys the deferred start reads: a menu
    // built before them would show the group without its members.
    EXPECT_TRUE(ui.lastMenu.groups[0].showsMembers);
    ASSERT_EQ(ui.lastMenu.groups[0].members.size(), 1u);
    EXPECT_TRUE(h.platform.ui.Questions().empty());
}

TEST(FrameWiring, AnotherLanguageRebuildsTheGroupsAndFlagsTheFavorites) {
    test::FrameHarness h;
    test::FakeGroupsUi ui;
    h.frame->UrlGroups().Attach(&ui);
    h.platform.fs.AddFile("C:\\Lumbrel\\Language\\Deutsch.ini",
                          "[Information]\r\nLanguage=Deutsch\r\n[StringTable]\r\n"
                          "61301=Zu dieser Gruppe...\r\n116=Leer\r\n");
    h.platform.ui.AnswerLanguage(1);
    h.Command(IDM_SELECT_LANGUAGE);
    ASSERT_EQ(ui.menusShown, 1);
    EXPECT_EQ(ui.lastMenu.addText, "Zu dieser Gruppe...");
    EXPECT_EQ(ui.lastMenu.emptyText, "Leer");
    // The favorites menu lives in the menu bar just rebuilt: built again once the user is idle,
    // the side bar left alone.
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChangedMenusOnly);

    // A pending full refresh (the side bar too) is not narrowed by the rebuild.
    h.frame->SetFavoritesChanged(kFavoritesChanged);
    h.frame->RebuildMenus();
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChanged);
}

TEST(FrameWiring, AMemberIsTickedWhenItOpensWithItsGroup) {
    test::FrameHarness h;
    h.platform.fs.AddFile(std::string(kGroups) + "Work.cgp",
                          "[Group]\r\nname0=Mail\r\nurl0=http://mail/\r\n"
                          "name1=Wiki\r\nurl1=http://wiki/\r\nstate1=0\r\n");
    h.frame->UrlGroups().RebuildMenu();
    const auto& members = h.frame->UrlGroups().Menu().groups.at(0).members;
    ASSERT_EQ(members.size(), 2u);
    const CommandState mail = h.frame->QueryCommand(members[0].commandId);
    const CommandState wiki = h.frame->QueryCommand(members[1].commandId);
    EXPECT_TRUE(mail.enabled);
    EXPECT_TRUE(mail.checked);
    EXPECT_TRUE(wiki.enabled);
    EXPECT_FALSE(wiki.checked);
    // An id of the range that no item of the menu carries does nothing, so it shows greyed.
    EXPECT_FALSE(h.frame->QueryCommand(members[1].commandId + 1).enabled);
}

}  // namespace
}  // namespace lumbrel
