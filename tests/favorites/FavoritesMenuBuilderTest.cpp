// Building a favorites folder into menu data: the order rules, which files list, the
// commands after the items, their id ranges and the columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "favorites/FavoritesMenuBuilder.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeRegistry.h"

namespace lumbrel {
namespace {

constexpr const char* kRoot = "C:\\Fav\\";

class MenuBuilderTest : public ::testing::Test {
protected:
    MenuBuilderTest() { fs.AddFolder("C:\\Fav"); }

    void Url(const std::string& relative, const std::string& url = "http://x/") {
        fs.AddFile(kRoot + relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
    }
    void Folder(const std::string& relative) { fs.AddFolder(kRoot + relative); }
    // The folder's "Order" value: entries at positions 0, 1, … in the given order.
    void Order(const std::string& folder,
               const std::vector<std::pair<std::string, uint16_t>>& entries,
               uint16_t folderAttributes = kAttrDirectory) {
        std::vector<OrderEntry> table;
        for (const auto& [name, type] : entries) {
            OrderEntry entry;
            entry.position = static_cast<int32_t>(table.size());
            entry.type = type;
            entry.longName = name;
            entry.attributes = type == kOrderTypeFolder ? folderAttributes : 0x20;
            table.push_back(entry);
        }
        registry.WriteBinary(RegRoot::CurrentUser, *order.KeyOf(folder), kOrderValue,
                             WriteOrderBlob(table));
    }
    FavoritesMenu Build() { return FavoritesMenuBuilder(cp, fs, order, options).Build(kRoot); }

    // The menu as text: folders as "Name[...]", favorites by title, the rest by kind.
    static std::string Shown(const std::vector<FavMenuItem>& items) {
        std::string text;
        for (const FavMenuItem& item : items) {
            if (!text.empty())
                text += ' ';
            if (item.columnBreak)
                text += '|';
            switch (item.kind) {
                case FavItemKind::Favorite:
                    text += item.text;
                    break;
                case FavItemKind::Folder:
                    text += item.text + "[" + Shown(item.items) + "]";
                    break;
                case FavItemKind::Separator:
                    text += "-";
                    break;
                case FavItemKind::OpenAll:
                    text += "OpenAll";
                    break;
                case FavItemKind::AddHere:
                    text += "AddHere";
                    break;
            }
        }
        return text;
    }
    std::string ShownWithoutCommands() {
        options.displayOpenAll = options.displayAddFav = false;
        return Shown(Build().items);
    }

    test::FakeCodePage cp;
    test::FakeFileSystem fs;
    test::FakeRegistry registry;
    MenuOrderStore order{cp, registry, kRoot};
    FavoritesMenuOptions options;
};

TEST_F(MenuBuilderTest, WithoutOrderFoldersComeFirstCaseSensitiveThenFavoritesCaseInsensitive) {
    Url("beta.url");
    Url("Alpha.url");
    Url("gamma.lnk");
    Folder("zeta");
    Folder("Zeta2");
    Folder("apple");
    Url("apple\\in.url");
    EXPECT_EQ(ShownWithoutCommands(), "Zeta2[] apple[in] zeta[] Alpha beta gamma");
}

TEST_F(MenuBuilderTest, OrderedEntriesFirstStaleOnesSkippedNewOnesAfter) {
    Url("a.url");
    Url("b.url");
    Url("c.url");
    Url("new.url");
    Folder("Docs");
    Folder("Later");
    Order(kRoot, {{"c.url", kOrderTypeFile},
                  {"gone.url", kOrderTypeFile},
                  {"Docs", kOrderTypeFolder},
                  {"A.URL", kOrderTypeFile}});
    EXPECT_EQ(ShownWithoutCommands(), "c Docs[] a Later[] b new");
}

TEST_F(MenuBuilderTest, OrderMatchesFoldersWhateverTheirAttributeWord) {
    Url("a.url");
    Folder("Plain");
    Folder("Other");
    // A plain folder (0x10) and a read-only, hidden one (0x13) are both folders.
    Order(kRoot, {{"a.url", kOrderTypeFile}, {"Plain", kOrderTypeFolder}}, kAttrDirectory);
    EXPECT_EQ(ShownWithoutCommands(), "a Plain[] Other[]");
    Order(kRoot, {{"Plain", kOrderTypeFolder}, {"a.url", kOrderTypeFile}}, 0x13);
    EXPECT_EQ(ShownWithoutCommands(), "Plain[] a Other[]");
}

TEST_F(MenuBuilderTest, AnOrderValueOfAnotherTypeLeavesNameOrder) {
    Url("a.url");
    Url("b.url");
    registry.WriteString(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue, "b.url");
    EXPECT_EQ(ShownWithoutCommands(), "a b");
}

TEST_F(MenuBuilderTest, HiddenSystemAndOtherFilesFollowTheirRules) {
    Url("shown.url");
    Url("CAPS.URL");
    Url("link.lnk");
    fs.AddFile("C:\\Fav\\LINK2.LNK", "");
    fs.AddFile("C:\\Fav\\notes.txt", "");
    Url("hidden.url");
    fs.SetAttributes("C:\\Fav\\hidden.url", kAttrHidden);
    Url("system.url");
    fs.SetAttributes("C:\\Fav\\system.url", kAttrSystem);
    Folder("Secret");
    fs.SetAttributes("C:\\Fav\\Secret", kAttrHidden);
    EXPECT_EQ(ShownWithoutCommands(), "CAPS link shown");
    options.showHidden = true;
    EXPECT_EQ(ShownWithoutCommands(), "Secret[] CAPS hidden link shown");
}

TEST_F(MenuBuilderTest, AJunctionIsNotFollowed) {
    Folder("Loop");
    Url("Loop\\inside.url");
    fs.SetAttributes("C:\\Fav\\Loop", kAttrReparsePoint);
    Folder("Real");
    EXPECT_EQ(ShownWithoutCommands(), "Real[]");
}

TEST_F(MenuBuilderTest, EachFolderEndsWithItsCommandsAndTheIdsNameTheirTargets) {
    Url("a.url");
    Folder("Empty");
    Folder("News");
    Url("News\\n.url");
    const FavoritesMenu menu = Build();
    EXPECT_EQ(Shown(menu.items), "Empty[- AddHere] News[n - OpenAll AddHere] a - OpenAll AddHere");
    ASSERT_EQ(menu.folders.size(), 3u);
    EXPECT_EQ(menu.folders[0], "C:\\Fav\\");
    const FavMenuItem& news = menu.items[1];
    EXPECT_EQ(news.path, "C:\\Fav\\News\\");
    EXPECT_EQ(menu.OpenAllFolder(news.items[2].commandId), "C:\\Fav\\News\\");
    EXPECT_EQ(menu.AddHereFolder(news.items[3].commandId), "C:\\Fav\\News\\");
    EXPECT_EQ(menu.items[4].commandId, IDM_FAV_OPEN_ALL_FIRST);
    EXPECT_EQ(menu.items[5].commandId, IDM_FAV_ADD_HERE_FIRST);
    EXPECT_EQ(menu.FavoritePath(menu.items[2].commandId), "C:\\Fav\\a.url");
    EXPECT_EQ(menu.FavoritePath(news.items[0].commandId), "C:\\Fav\\News\\n.url");
    EXPECT_EQ(menu.FavoritePath(IDM_FAVORITE_FIRST + 2), std::nullopt);

    options.displayOpenAll = false;
    EXPECT_EQ(Shown(Build().items), "Empty[- AddHere] News[n - AddHere] a - AddHere");
}

TEST_F(MenuBuilderTest, FullCommandRangesStopAddingItems) {
    // 300 folders: "Open All URL" and "Add URL Here..." have room for 256 folders each.
    for (int i = 0; i < 300; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F%03d", i);
        Url(std::string(name) + "\\x.url");
    }
    const FavoritesMenu menu = Build();
    int openAll = 0, addHere = 0, favorites = 0;
    std::vector<const FavMenuItem*> all;
    for (const FavMenuItem& folder : menu.items)
        for (const FavMenuItem& item : folder.items) {
            openAll += item.kind == FavItemKind::OpenAll;
            addHere += item.kind == FavItemKind::AddHere;
            favorites += item.kind == FavItemKind::Favorite;
            if (item.commandId)
                all.push_back(&item);
        }
    EXPECT_EQ(favorites, 300);
    EXPECT_EQ(openAll, 255);  // the root holds index 0
    EXPECT_EQ(addHere, 255);
    for (const FavMenuItem* item : all) {
        if (item->kind == FavItemKind::OpenAll) {
            EXPECT_LE(item->commandId, IDM_FAV_OPEN_ALL_LAST);
        } else if (item->kind == FavItemKind::AddHere) {
            EXPECT_LE(item->commandId, IDM_FAV_ADD_HERE_LAST);
        }
    }
}

TEST_F(MenuBuilderTest, FavoriteIdsStopAtTheEndOfTheirRange) {
    const int room = IDM_FAVORITE_LAST - IDM_FAVORITE_FIRST + 1;
    for (int i = 0; i < room + 3; ++i)
        fs.AddFile("C:\\Fav\\f" + std::to_string(i) + ".url", "");
    options.displayOpenAll = options.displayAddFav = false;
    const FavoritesMenu menu = Build();
    EXPECT_EQ(menu.items.size(), static_cast<size_t>(room));
    EXPECT_EQ(menu.favoritePaths.size(), static_cast<size_t>(room));
    for (const FavMenuItem& item : menu.items)
        ASSERT_LE(item.commandId, IDM_FAVORITE_LAST);
}

TEST_F(MenuBuilderTest, LongMenusBreakIntoColumnsUnlessSingleMenu) {
    for (char c = 'a'; c <= 'h'; ++c)
        Url(std::string(1, c) + ".url");
    Folder("Sub");
    for (char c = 'a'; c <= 'e'; ++c)
        Url(std::string("Sub\\") + c + ".url");
    // (200 - 4 * 20) / 20 = 6 items a column; the root's four fixed items come first.
    options.metrics = {200, 20, 12};
    options.displayOpenAll = options.displayAddFav = false;
    EXPECT_EQ(Shown(Build().items), "Sub[a b c d e] a |b c d e f g |h");
    // A bigger font makes the items taller: (200 - 80) / 30 = 4 a column.
    options.metrics = {200, 20, 26};
    EXPECT_EQ(Shown(Build().items), "|Sub[a b c d |e] a b c |d e f g |h");
    options.singleMenu = true;
    EXPECT_EQ(Shown(Build().items), "Sub[a b c d e] a b c d e f g h");
}

TEST_F(MenuBuilderTest, AddressesComeWithUrlFavoritesOnlyWhenAskedFor) {
    Folder("Sub");
    Url("a.url", "http://a.example/");
    Url("Sub\\b.URL", "http://b.example/");
    fs.AddFile(std::string(kRoot) + "c.lnk", "binary");
    std::vector<std::string> asked;
    options.addressOf = [&](const std::string& path) {
        asked.push_back(path);
        return "<" + path + ">";
    };
    const FavoritesMenu menu = Build();
    ASSERT_EQ(Shown(menu.items), "Sub[b - OpenAll AddHere] a c - OpenAll AddHere");
    EXPECT_EQ(menu.items[0].items[0].address, "<C:\\Fav\\Sub\\b.URL>");
    EXPECT_EQ(menu.items[1].address, "<C:\\Fav\\a.url>");
    EXPECT_EQ(menu.items[2].address, "") << "a shell link's target is the shell's to read";
    EXPECT_EQ(asked.size(), 2u);
    options.addressOf = nullptr;
    EXPECT_EQ(Build().items[1].address, "");
}

TEST_F(MenuBuilderTest, ADepthLimitLeavesDeeperFoldersUnread) {
    Folder("Sub");
    Folder("Sub\\Deep");
    Url("a.url");
    Url("Sub\\b.url");
    Url("Sub\\Deep\\c.url");
    options.displayOpenAll = options.displayAddFav = false;
    options.maxDepth = 0;
    EXPECT_EQ(Shown(Build().items), "Sub[] a");
    options.maxDepth = 1;
    EXPECT_EQ(Shown(Build().items), "Sub[Deep[] b] a");
}

TEST(MenuColumns, ItemsPerColumnFollowTheScreen) {
    EXPECT_EQ(ItemsPerColumn({768, 18, 13}), (768 - 72) / 20);  // at least 20 pixels an item
    EXPECT_EQ(ItemsPerColumn({768, 18, 20}), (768 - 72) / 24);
    EXPECT_EQ(ItemsPerColumn({60, 20, 12}), 1);  // never fewer than one
    EXPECT_EQ(ItemsPerColumn({0, 18, 13}), 0);   // unknown screen: one column
    // Owner-drawn items are measured with the same height the columns are counted with.
    EXPECT_EQ(MenuItemHeight(13), 20);
    EXPECT_EQ(MenuItemHeight(20), 24);
}

}  // namespace
}  // namespace lumbrel
