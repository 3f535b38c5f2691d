// The favorites in the main frame: opening favorites with their flags, adding pages, the
// favorites-changed flag answered, Reset Order and the side bar's delete.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "favorites/Favorites.h"
#include "favorites/FavoritesFakes.h"
#include "favorites/MenuOrderStore.h"
#include "frame/FrameMessages.h"
#include "support/FrameHarness.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

class FavoritesTest : public ::testing::Test {
protected:
    explicit FavoritesTest(const std::string& settings = "") : h(settings) {
        h.platform.shell.folders[SystemFolder::Favorites] = "C:\\Fav";
        h.platform.fs.AddFolder("C:\\Fav");
        favorites().Attach(&view, &dialogs);
    }
    Favorites& favorites() { return h.frame->Favs(); }
    void Url(const std::string& relative, const std::string& body) {
        h.platform.fs.AddFile("C:\\Fav\\" + relative, "[InternetShortcut]\r\n" + body);
    }
    // The command id of the favorite `title` in the root menu.
    int IdOf(const std::string& title) {
        for (const FavMenuItem& item : favorites().Menu().items)
            if (item.text == title)
                return item.commandId;
        ADD_FAILURE() << "no item " << title;
        return 0;
    }
    // What the idle duty posts once the flag is set.
    void DeliverChanged() {
        h.frame->OnPosted(UM_FAVORITES_CHANGED, static_cast<uintptr_t>(h.frame->FavoritesChanged()),
                          0);
        h.frame->SetFavoritesChanged(0);
    }

    test::FrameHarness h;
    test::FakeFavoritesView view;
    test::FakeFavoritesDialogs dialogs;
};

class FavoritesInCurrentWindowTest : public FavoritesTest {
protected:
    FavoritesInCurrentWindowTest() : FavoritesTest("FavInNewWindow=0\r\n") {}
};

TEST_F(FavoritesTest, StartingTellsWhenTheShellHasNoFavoritesFolder) {
    h.platform.shell.folders.erase(SystemFolder::Favorites);
    h.platform.shell.folders[SystemFolder::Windows] = "C:\\WINDOWS";
    favorites().Start();
    EXPECT_EQ(favorites().Folders().root, "C:\\WINDOWS\\favorites\\");
    ASSERT_EQ(h.platform.ui.Questions().size(), 1u);
    EXPECT_EQ(h.platform.ui.Questions()[0].text, "Can't get path of favorite.");
}

TEST_F(FavoritesTest, AFavoriteOpensInANewWindowWithItsFlags) {
    Url("a.url", "URL=http://a.example/\r\nProperty=16\r\n");
    Url("b.URL", "URL=http://b.example/\r\n");
    favorites().Start();
    ASSERT_EQ(view.menusShown, 1);
    h.Command(IdOf("a"));
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    CChildFrame* a = h.frame->Windows().At(0);
    EXPECT_EQ(h.BrowserOf(a).navigations.back(), "http://a.example/");
    EXPECT_EQ(a->View().Flags().dlFlags, 16);
    EXPECT_TRUE(a->View().Flags().dlFlagsFixed);

    h.Command(IdOf("b"));
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    CChildFrame* b = h.frame->Windows().At(1);
    EXPECT_EQ(h.BrowserOf(b).navigations.back(), "http://b.example/");
    EXPECT_FALSE(b->View().Flags().dlFlagsFixed);
}

TEST_F(FavoritesInCurrentWindowTest, WithoutFavInNewWindowTheActiveWindowNavigates) {
    Url("a.url", "URL=http://a.example/\r\nProperty=16\r\n");
    favorites().Start();
    CChildFrame* page = h.Open("http://start.example/", true);
    h.Command(IdOf("a"));
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.BrowserOf(page).navigations.back(), "http://a.example/");
    EXPECT_EQ(page->View().Flags().dlFlags, 16);
    // The side bar's Ctrl+click opens a new window all the same.
    favorites().OpenFavorite("C:\\Fav\\a.url", true);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

TEST_F(FavoritesTest, ACommandOfAnOutdatedMenuOpensNothingElse) {
    Url("a.url", "URL=http://a.example/\r\n");
    favorites().Start();
    const int id = IdOf("a");
    h.platform.fs.DeleteFile("C:\\Fav\\a.url");
    Url("b.url", "URL=http://b.example/\r\n");
    // The menu still names a.url: its id does not slide onto b.url.
    h.Command(id);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
    EXPECT_FALSE(favorites().OnCommand(IDM_FAVORITE_FIRST + 5));
}

TEST_F(FavoritesTest, TheChangedFlagRebuildsTheMenusAndTheSideBarUnlessOrderOnly) {
    favorites().Start();
    Url("new.url", "URL=http://new.example/\r\n");
    h.frame->SetFavoritesChanged(kFavoritesChanged);
    DeliverChanged();
    EXPECT_EQ(view.menusShown, 2);
    EXPECT_EQ(view.sideBarRefreshes, 0) << "a hidden side bar is not read";
    EXPECT_NE(IdOf("new"), 0);

    favorites().ToggleSideBar();
    ASSERT_TRUE(view.sideBarShown);
    const FavoritesTree::NodeId before = favorites().Tree().Root();
    h.frame->SetFavoritesChanged(kFavoritesChanged);
    DeliverChanged();
    EXPECT_EQ(view.sideBarRefreshes, 1);
    EXPECT_EQ(favorites().Tree().Find(before), nullptr) << "the tree is read afresh";

    h.frame->SetFavoritesChanged(kFavoritesChangedMenusOnly);
    DeliverChanged();
    EXPECT_EQ(view.menusShown, 4);
    EXPECT_EQ(view.sideBarRefreshes, 1);
}

TEST_F(FavoritesTest, AddUrlHereWritesANewFileAndNeverOverwrites) {
    h.platform.fs.AddFolder("C:\\Fav\\News");
    Url("News\\Daily.url", "URL=http://old.example/\r\n");
    favorites().Start();
    CChildFrame* page = h.Open("http://daily.example/", true);
    page->SetTitle("Daily");

    AddFavoriteForm answer{"Daily", "http://daily.example/", "C:\\Fav\\News\\", 16};
    dialogs.answer = answer;
    favorites().AddUrlHere("C:\\Fav\\News\\");
    ASSERT_EQ(dialogs.shownForms.size(), 1u);
    EXPECT_EQ(dialogs.shownForms[0].name, "Daily");
    EXPECT_EQ(dialogs.shownForms[0].url, "http://daily.example/");
    EXPECT_EQ(h.platform.fs.Content("C:\\Fav\\News\\Daily.url"),
              "[InternetShortcut]\r\nURL=http://old.example/\r\n");
    EXPECT_EQ(h.platform.fs.Content("C:\\Fav\\News\\Daily (2).url"),
              "[InternetShortcut]\r\nURL=http://daily.example/\r\nProperty=16\r\n");
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChanged);

    // Cancelled: nothing written.
    dialogs.answer.reset();
    favorites().AddUrlHere("C:\\Fav\\News\\");
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Fav\\News\\Daily (3).url"));
}

TEST_F(FavoritesTest, AddUrlHereCleansNamesByCharacters) {
    h.platform.codePage = test::FakeCodePage(test::FakeCodePage::kGbk);
    favorites().Start();
    CChildFrame* page = h.Open("http://x.example/", true);
    // A GBK character whose trail byte is "\" stays whole; the real "/" and ":" go.
    page->SetTitle(std::string(test::gbk::kTrailBackslash) + "a/b:c");
    dialogs.answer = AddFavoriteForm{std::string(test::gbk::kTrailBar) + "|x", "http://x.example/",
                                     "C:\\Fav\\", -1};
    favorites().AddUrlHere("C:\\Fav\\");
    ASSERT_EQ(dialogs.shownForms.size(), 1u);
    EXPECT_EQ(dialogs.shownForms[0].name, std::string(test::gbk::kTrailBackslash) + "a_b_c");
    EXPECT_EQ(h.platform.fs.Content("C:\\Fav\\" + std::string(test::gbk::kTrailBar) + "_x.url"),
              "[InternetShortcut]\r\nURL=http://x.example/\r\n");
}

TEST_F(FavoritesTest, AddingAPageGoesThroughTheShellsDialog) {
    favorites().Start();
    favorites().ToggleSideBar();
    CChildFrame* page = h.Open("http://p.example/", true);
    page->SetTitle("Page");
    h.Command(IDM_ADD_TO_FAVORITES);
    EXPECT_EQ(dialogs.shellAdds, (std::vector<std::string>{"http://p.example/|Page"}));
    EXPECT_EQ(view.sideBarRefreshes, 1);
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChanged);
    // Without a title there is nothing to add.
    page->SetTitle("");
    h.Command(IDM_ADD_TO_FAVORITES);
    EXPECT_EQ(dialogs.shellAdds.size(), 1u);
}

TEST(FavoritesOwnRoot, AddingAPageWritesTheFileTheShellDialogChose) {
    test::FrameHarness h("UseDefaultFavPath=0\r\nFavPath=.\\Fav\r\n");
    h.platform.fs.AddFolder("C:\\Lumbrel\\Fav");
    test::FakeFavoritesDialogs dialogs;
    h.frame->Favs().Attach(nullptr, &dialogs);
    h.frame->Favs().Start();
    EXPECT_EQ(h.frame->Favs().Folders().root, "C:\\Lumbrel\\Fav\\");
    CChildFrame* page = h.Open("http://p.example/", true);
    page->SetTitle("Page");
    dialogs.chosenFile = "C:\\Lumbrel\\Fav\\Page.url";
    h.Command(IDM_ADD_TO_FAVORITES);
    EXPECT_TRUE(dialogs.shellAdds.empty());
    EXPECT_EQ(h.platform.fs.Content("C:\\Lumbrel\\Fav\\Page.url"),
              "[InternetShortcut]\r\nURL=http://p.example/\r\n");
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChanged);
}

TEST(FavoritesOwnRoot, WithoutTheShellsDialogTheProgramsOwnAsksOnTheRoot) {
    test::FrameHarness h("UseDefaultFavPath=0\r\nFavPath=.\\Fav\r\n");
    h.platform.fs.AddFolder("C:\\Lumbrel\\Fav");
    h.platform.fs.AddFile("C:\\Lumbrel\\Fav\\Page.url",
                          "[InternetShortcut]\r\nURL=http://old/\r\n");
    test::FakeFavoritesDialogs dialogs;
    dialogs.shellAddDialog = false;
    h.frame->Favs().Attach(nullptr, &dialogs);
    h.frame->Favs().Start();
    CChildFrame* page = h.Open("http://p.example/", true);
    page->SetTitle("Pa/ge");
    h.Command(IDM_ADD_TO_FAVORITES);
    // Cancelled: nothing written, nothing changed.
    ASSERT_EQ(dialogs.shownForms.size(), 1u);
    EXPECT_EQ(dialogs.shownForms[0].name, "Pa_ge");
    EXPECT_EQ(dialogs.shownForms[0].url, "http://p.example/");
    EXPECT_EQ(dialogs.shownForms[0].folder, "C:\\Lumbrel\\Fav\\");
    EXPECT_EQ(h.frame->FavoritesChanged(), 0);
    // Kept as "Page": the favorite of that name stays, the new one takes a free name.
    dialogs.answer = AddFavoriteForm{"Page", "http://p.example/", "", -1};
    h.Command(IDM_ADD_TO_FAVORITES);
    EXPECT_EQ(h.platform.fs.Content("C:\\Lumbrel\\Fav\\Page.url"),
              "[InternetShortcut]\r\nURL=http://old/\r\n");
    EXPECT_EQ(h.platform.fs.Content("C:\\Lumbrel\\Fav\\Page (2).url"),
              "[InternetShortcut]\r\nURL=http://p.example/\r\n");
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChanged);
}

TEST_F(FavoritesTest, ResetOrderFallsBackToNameOrder) {
    Url("a.url", "URL=http://a/\r\n");
    Url("b.url", "URL=http://b/\r\n");
    OrderEntry b;
    b.type = kOrderTypeFile;
    b.longName = "b.url";
    h.platform.registry.WriteBinary(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue,
                                    WriteOrderBlob({b}));
    favorites().Start();
    EXPECT_EQ(favorites().Menu().items[0].text, "b");
    favorites().ResetOrder("C:\\Fav\\");
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChangedMenusOnly);
    DeliverChanged();
    EXPECT_EQ(favorites().Menu().items[0].text, "a");
    EXPECT_EQ(view.sideBarRefreshes, 0);
}

TEST_F(FavoritesTest, DeletingRemovesTheItemsOwnFileOnly) {
    Url("Same.url", "URL=http://url/\r\n");
    h.platform.fs.AddFile("C:\\Fav\\Same.lnk", "");
    favorites().Start();
    EXPECT_TRUE(favorites().DeleteFavorite("C:\\Fav\\Same.lnk"));
    EXPECT_TRUE(h.platform.fs.HasFile("C:\\Fav\\Same.url"));
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Fav\\Same.lnk"));
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChangedMenusOnly);
    EXPECT_FALSE(favorites().DeleteFavorite("C:\\Fav\\Same.lnk"));
}

TEST_F(FavoritesTest, OpenAllUrlOpensTheFolderThroughTheQueue) {
    h.platform.fs.AddFolder("C:\\Fav\\News");
    Url("News\\1.url", "URL=http://one/\r\n");
    Url("News\\2.url", "URL=http://two/\r\n");
    favorites().Start();
    const FavMenuItem& news = favorites().Menu().items[0];
    int openAll = 0;
    for (const FavMenuItem& item : news.items)
        if (item.kind == FavItemKind::OpenAll)
            openAll = item.commandId;
    ASSERT_NE(openAll, 0);
    h.Command(openAll);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    h.platform.loop.Advance(100);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

// --- The side bar's tree ---

class FavoritesTreeTest : public FavoritesTest {
protected:
    explicit FavoritesTreeTest(const std::string& settings = "") : FavoritesTest(settings) {}
    FavoritesTree& tree() { return favorites().Tree(); }
    // A folder's children as "name" or "name/", read as the side bar reads them.
    std::string Children(FavoritesTree::NodeId folder) {
        std::string text;
        for (FavoritesTree::NodeId id : tree().Expand(folder)) {
            const FavoritesTree::Node* node = tree().Find(id);
            text += (text.empty() ? "" : " ") + node->text +
                    (node->kind == FavItemKind::Folder ? "/" : "");
        }
        return text;
    }
    FavoritesTree::NodeId Child(FavoritesTree::NodeId folder, const std::string& text) {
        for (FavoritesTree::NodeId id : tree().Expand(folder))
            if (tree().Find(id)->text == text)
                return id;
        ADD_FAILURE() << "no node " << text;
        return FavoritesTree::kNoNode;
    }
    void Show() {
        favorites().Start();
        favorites().ToggleSideBar();
    }
};

class FavoritesTreeInCurrentWindowTest : public FavoritesTreeTest {
protected:
    FavoritesTreeInCurrentWindowTest() : FavoritesTreeTest("FavInNewWindow=0\r\n") {}
};

TEST_F(FavoritesTreeTest, FoldersAreReadWhenFirstOpenedInTheMenusOrder) {
    h.platform.fs.AddFolder("C:\\Fav\\News");
    Url("News\\b.url", "URL=http://b/\r\n");
    Url("zeta.url", "URL=http://z/\r\n");
    Url("Alpha.url", "URL=http://a/\r\n");
    h.platform.fs.AddFile("C:\\Fav\\x.LNK", "");
    h.platform.fs.AddFile("C:\\Fav\\notes.txt", "");
    Show();
    EXPECT_EQ(Children(tree().Root()), "News/ Alpha zeta");
    const FavoritesTree::NodeId news = Child(tree().Root(), "News");
    EXPECT_FALSE(tree().Find(news)->loaded);
    // Written after the root was read but before the folder was opened: it is there.
    Url("News\\a.url", "URL=http://a2/\r\n");
    EXPECT_EQ(Children(news), "a b");
    // Opening it again reads nothing more.
    Url("News\\c.url", "URL=http://c/\r\n");
    EXPECT_EQ(Children(news), "a b");
    // A favorite has no children; an unknown id names nothing.
    EXPECT_TRUE(tree().Expand(Child(news, "a")).empty());
    EXPECT_TRUE(tree().Expand(9999).empty());
}

TEST_F(FavoritesTreeInCurrentWindowTest, AClickOpensInTheActiveWindowAndCtrlInANewOne) {
    Url("a.url", "URL=http://a.example/\r\nProperty=16\r\n");
    Show();
    CChildFrame* page = h.Open("http://p.example/", true);
    const FavoritesTree::NodeId a = Child(tree().Root(), "a");
    EXPECT_TRUE(tree().Open(a, false));
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.BrowserOf(page).navigations.back(), "http://a.example/");
    EXPECT_TRUE(tree().Open(a, true));
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(1)).navigations.back(), "http://a.example/");
    EXPECT_EQ(h.frame->Windows().At(1)->View().Flags().dlFlags, 16);
    // A folder opens in the tree only.
    EXPECT_FALSE(tree().Open(tree().Root(), true));
    EXPECT_EQ(h.frame->Windows().Count(), 2);
}

TEST_F(FavoritesTreeTest, DeleteRemovesTheNodesOwnFileAndTheNode) {
    Url("Same.url", "URL=http://url/\r\n");
    h.platform.fs.AddFile("C:\\Fav\\Same.lnk", "");
    Show();
    ASSERT_EQ(Children(tree().Root()), "Same Same");
    // Two nodes of one name: the shell link's is the one deleted.
    FavoritesTree::NodeId link = FavoritesTree::kNoNode;
    for (FavoritesTree::NodeId id : tree().Expand(tree().Root()))
        if (tree().Find(id)->path == "C:\\Fav\\Same.lnk")
            link = id;
    ASSERT_NE(link, FavoritesTree::kNoNode);
    EXPECT_TRUE(tree().Delete(link));
    EXPECT_TRUE(h.platform.fs.HasFile("C:\\Fav\\Same.url"));
    EXPECT_FALSE(h.platform.fs.HasFile("C:\\Fav\\Same.lnk"));
    EXPECT_EQ(Children(tree().Root()), "Same");
    EXPECT_EQ(tree().Find(link), nullptr);
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChangedMenusOnly);
    // Gone already, a folder, a file that will not go: nothing happens.
    EXPECT_FALSE(tree().Delete(link));
    EXPECT_FALSE(tree().Delete(tree().Root()));
    const FavoritesTree::NodeId url = Child(tree().Root(), "Same");
    h.platform.fs.FailOn(test::FsOp::Delete, "C:\\Fav\\Same.url");
    EXPECT_FALSE(tree().Delete(url));
    EXPECT_NE(tree().Find(url), nullptr);
}

TEST_F(FavoritesTreeTest, OpenAllLinksGoesThroughTheOpenQueue) {
    h.platform.fs.AddFolder("C:\\Fav\\News");
    Url("News\\1.url", "URL=http://one/\r\n");
    Url("News\\2.url", "URL=http://two/\r\n");
    Url("News\\3.url", "URL=http://three/\r\n");
    Show();
    EXPECT_FALSE(tree().OpenAll(Child(tree().Root(), "News") + 1000));
    EXPECT_TRUE(tree().OpenAll(Child(tree().Root(), "News")));
    EXPECT_EQ(h.frame->Windows().Count(), 1) << "the first at once, the others queued";
    for (int tick = 0; tick < 5; ++tick) {
        h.platform.loop.Advance(100);
        h.Pump();
    }
    EXPECT_EQ(h.frame->Windows().Count(), 3);
}

TEST_F(FavoritesTreeTest, ResetOrderReadsTheFolderAgainInNameOrder) {
    Url("a.url", "URL=http://a/\r\n");
    Url("b.url", "URL=http://b/\r\n");
    OrderEntry b;
    b.type = kOrderTypeFile;
    b.longName = "b.url";
    h.platform.registry.WriteBinary(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue,
                                    WriteOrderBlob({b}));
    Show();
    EXPECT_EQ(Children(tree().Root()), "b a");
    const FavoritesTree::NodeId oldB = Child(tree().Root(), "b");
    EXPECT_TRUE(tree().ResetOrder(tree().Root()));
    EXPECT_EQ(Children(tree().Root()), "a b");
    EXPECT_EQ(tree().Find(oldB), nullptr);
    EXPECT_EQ(h.frame->FavoritesChanged(), kFavoritesChangedMenusOnly);
    EXPECT_FALSE(tree().ResetOrder(Child(tree().Root(), "a")));
}

TEST_F(FavoritesTreeTest, TheShowCommandTogglesTheSideBar) {
    favorites().Start();
    h.Command(IDM_SIDEBAR_FAVORITES);
    EXPECT_TRUE(view.sideBarShown);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_SIDEBAR_FAVORITES).checked);
    h.Command(IDM_SIDEBAR_FAVORITES);
    EXPECT_FALSE(view.sideBarShown);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_SIDEBAR_FAVORITES).checked);
}

}  // namespace
}  // namespace lumbrel

namespace lumbrel {
namespace {

class LinksBarTest : public FavoritesTest {
protected:
    explicit LinksBarTest(const std::string& settings = "") : FavoritesTest(settings) {}
    std::string Texts(const std::vector<FavMenuItem>& items) {
        std::string text;
        for (const FavMenuItem& item : items)
            text += (text.empty() ? "" : " ") + item.text +
                    (item.kind == FavItemKind::Folder ? "/" : "");
        return text;
    }
};

TEST_F(LinksBarTest, TheBarShowsTheLinksFolderWithoutItsMenuCommands) {
    Url("top.url", "URL=http://top/\r\n");
    Url("Links\\a.url", "URL=http://a/\r\n");
    Url("Links\\Sub\\b.url", "URL=http://b/\r\n");
    favorites().Start();
    ASSERT_EQ(favorites().Folders().links, std::optional<std::string>("C:\\Fav\\Links\\"));
    const FavoritesMenu& menu = view.lastMenu;
    EXPECT_EQ(Texts(menu.links), "Sub/ a");
    // A folder on the bar drops down its own menu, commands and all.
    ASSERT_EQ(menu.links[0].items.size(), 4u);
    EXPECT_EQ(menu.links[0].items[0].text, "b");
    // The bar's favorites carry the commands of the same favorites in the menu.
    const auto path = menu.FavoritePath(menu.links[1].commandId);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, "C:\\Fav\\Links\\a.url");
    EXPECT_FALSE(menu.compactLinks);
}

TEST_F(LinksBarTest, WithoutALinksFolderTheBarIsEmpty) {
    Url("top.url", "URL=http://top/\r\n");
    Url("Other\\a.url", "URL=http://a/\r\n");
    favorites().Start();
    EXPECT_FALSE(favorites().Folders().links.has_value());
    EXPECT_TRUE(view.lastMenu.links.empty());
}

class CompactLinksBarTest : public LinksBarTest {
protected:
    CompactLinksBarTest() : LinksBarTest("CompactFavBar=1\r\n") {}
};

TEST_F(CompactLinksBarTest, ACompactBarShowsNoPictures) {
    Url("Links\\a.url", "URL=http://a/\r\n");
    favorites().Start();
    EXPECT_EQ(Texts(view.lastMenu.links), "a");
    EXPECT_TRUE(view.lastMenu.compactLinks);
}

}  // namespace
}  // namespace lumbrel
