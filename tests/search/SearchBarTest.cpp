#include "search/SearchBar.h"

#include <gtest/gtest.h>

#include "SearchFakes.h"
#include "commands/CommandIds.h"
#include "language/StringIds.h"
#include "search/EngineDialogModel.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"
#include "support/ImmediateTasks.h"
#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

constexpr const char* kIni = "C:\\User\\Lumbrel.ini";
constexpr const char* kEngines = "C:\\User\\SearchEngine.ini";

class SearchBarTest : public ::testing::Test {
protected:
    explicit SearchBarTest(unsigned codePage = test::FakeCodePage::kWestern) : cp(codePage) {
        fs.AddFolder("C:\\User");
        store.SetProfileName(kIni);
    }
    void SetEngines(std::vector<SearchEngineEntry> entries) { engines.Assign(std::move(entries)); }
    std::vector<std::string> Messages() const { return ui.MessagesShown(); }

    test::FakeCodePage cp;
    test::FakeFileSystem fs;
    PrivateProfile profile{fs};
    SettingsStore store{profile};
    test::ScriptedUi ui;
    test::ImmediateTasks tasks;
    Language language;
    SearchEngineList engines;
    TypedKeywords typed;
    test::FakeSearchHost host;
    SerialFileWriter writer{fs, tasks, kEngines};
    Preferences prefs;
    SearchBar bar{{engines, typed, store, prefs, ui, language, cp, host, writer}};
};

TEST_F(SearchBarTest, PlainSearchOpensEveryCheckedEngineInOrderAndRemembersTheKeywordOnce) {
    SetEngines({{.checked = 1, .name = "A", .url = "http://a/?q=%s"},
                {.checked = 0, .name = "B", .url = "http://b/?q=%s"},
                {.checked = 1, .name = "C", .url = "http://c/%s"}});
    host.keywordBox = "  a b ";
    host.keywordBoxFocused = true;
    EXPECT_TRUE(bar.OnCommand(IDM_SEARCH_GO));
    EXPECT_EQ(host.opened, (std::vector<std::string>{"http://a/?q=a%20b", "http://c/a%20b"}));
    EXPECT_EQ(host.dropDown, (std::vector<std::string>{"a b"}));
    EXPECT_EQ(host.focusMoves, (std::vector<std::string>{"page"}));

    host.keywordBox = "Lumbrel2";
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(host.opened.back(), "http://c/Lumbrel2") << "letters and digits pass unchanged";
    host.keywordBox = "a b";
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(host.dropDown, (std::vector<std::string>{"Lumbrel2", "a b"}));

    prefs.notSaveKeyword = 1;
    host.keywordBox = "secret";
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(typed.Items().size(), 2u);
}

TEST_F(SearchBarTest, WithoutEnginesTheSearchOnlyAsksForThem) {
    host.keywordBox = "x";
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"No search engine, please set search engine first !"}));
    EXPECT_TRUE(host.opened.empty());
    EXPECT_TRUE(typed.Items().empty());
}

TEST_F(SearchBarTest, CtrlAndShiftOnAnEngineButtonChangeTheChecksAndSaveThem) {
    SetEngines({{.checked = 1, .name = "A", .url = "http://a/%s"},
                {.checked = 1, .name = "B", .url = "http://b/%s"},
                {.checked = 0, .name = "C", .url = "http://c/%s"}});
    host.keywordBox = "k";
    ui.ctrlHeld = true;
    bar.OnCommand(IDM_SEARCH_ENGINE_FIRST + 2);
    EXPECT_EQ(engines.Entries()[2].checked, 1);
    EXPECT_TRUE(bar.IsChecked(IDM_SEARCH_ENGINE_FIRST + 2).value());
    ui.ctrlHeld = false;
    ui.shiftHeld = true;
    bar.OnCommand(IDM_SEARCH_ENGINE_FIRST + 1);
    EXPECT_EQ(engines.Entries()[0].checked, 0);
    EXPECT_EQ(engines.Entries()[1].checked, 1);
    EXPECT_EQ(engines.Entries()[2].checked, 0);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(host.focusMoves.back(), "box");
    PrivateProfile fresh(fs);
    SearchEngineList saved;
    saved.Load(fresh, kEngines);
    EXPECT_EQ(saved.Entries()[1].checked, 1);
    EXPECT_EQ(saved.Entries()[0].checked, 0);

    ui.shiftHeld = false;
    bar.OnCommand(IDM_SEARCH_ENGINE_FIRST + 0);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"http://a/k"}));
    // A command for an engine removed since the menu was built does nothing.
    EXPECT_TRUE(bar.OnCommand(IDM_SEARCH_ENGINE_FIRST + 3));
    EXPECT_EQ(host.opened.size(), 1u);
}

TEST_F(SearchBarTest, KeywordSourcesAddressBoxAndDraggedTextAreUsedOnce) {
    SetEngines({{.checked = 1, .name = "A", .url = "http://a/%s"}});
    host.keywordBox = "box";
    host.addressBox = " addr ";
    bar.SetSearchSource(SearchSource::AddressBox);
    bar.RunSearch(0);
    bar.RunSearch(0);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"http://a/addr", "http://a/box"}));
    bar.SetDraggedText("dragged");
    bar.RunSearch(IDM_DRAG_SEARCH_ENGINE_FIRST);
    EXPECT_EQ(host.opened.back(), "http://a/dragged");
    EXPECT_EQ(bar.Source(), SearchSource::KeywordBox);
}

class GbkSearchBarTest : public SearchBarTest {
protected:
    GbkSearchBarTest() : SearchBarTest(test::FakeCodePage::kGbk) {}
};

TEST_F(GbkSearchBarTest, ATemplatePairOpensTwoWindowsOneInEachEncodingAndSkipsShortPieces) {
    SetEngines({{.checked = 1, .name = "Two", .url = " http://a/?q=%s | x | http://b/?q=%u "}});
    host.keywordBox = test::gbk::kZhong;
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(host.opened,
              (std::vector<std::string>{"http://a/?q=%D6%D0", "http://b/?q=%E4%B8%AD"}));
}

TEST_F(SearchBarTest, TheButtonActionIsUsedOnceAndTheKeysDecideOtherwise) {
    SetEngines({{.checked = 1, .name = "A", .url = "http://a/%s"}});
    host.page.body = "cat cat";
    host.keywordBox = "cat";
    bar.SearchKeyword("cat", SearchAction::Highlight);
    EXPECT_EQ(host.statusTexts.back(), "Highlight Keyword Count: 2");
    ui.shiftHeld = true;
    bar.OnCommand(IDM_SEARCH_GO);  // Shift alone: find backward
    EXPECT_EQ(host.statusTexts.back(), "Find Keyword Current/Total: 2/2");
    ui.ctrlHeld = true;
    bar.OnCommand(IDM_SEARCH_GO);  // both: highlight (which now removes)
    EXPECT_EQ(host.statusTexts.back(), "Highlight Keyword Count: -2");
    ui.ctrlHeld = ui.shiftHeld = false;
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(host.opened, (std::vector<std::string>{"http://a/cat"}));
}

TEST_F(SearchBarTest, FindWrapsByOneRepostAndAnEmptyKeywordOnlyAsks) {
    host.page.body = "one two one";
    host.keywordBox = "one";
    bar.OnCommand(IDM_FIND_KEYWORD);
    bar.OnCommand(IDM_FIND_KEYWORD);
    EXPECT_TRUE(host.posted.empty());
    bar.OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(host.posted, (std::vector<int>{IDM_FIND_KEYWORD}));
    bar.OnCommand(IDM_FIND_KEYWORD);  // the re-post
    EXPECT_EQ(host.statusTexts, (std::vector<std::string>{"Find Keyword Current/Total: 1/2",
                                                          "Find Keyword Current/Total: 2/2",
                                                          "Find Keyword Current/Total: 1/2"}));
    host.keywordBox = "  ";
    bar.OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Please input keyword first !"}));
    EXPECT_EQ(host.posted.size(), 1u);
}

TEST_F(SearchBarTest, F7FromTheKeywordBoxHandsTheFocusToThePage) {
    host.page.body = "abc";
    host.keywordBox = "b";
    host.keywordBoxFocused = true;
    bar.FindInPage(false);
    EXPECT_EQ(host.page.selectedAt, 1u);
    EXPECT_EQ(host.focusMoves, (std::vector<std::string>{"page"}));
}

TEST_F(SearchBarTest, SelectedTextCommandsFillTheBoxAndPostTheSearchButton) {
    host.page.body = "x y x";
    host.selectedText = "x";
    bar.OnCommand(IDM_FIND_PREVIOUS_SELECTED_TEXT);
    EXPECT_EQ(host.keywordBox, "x");
    EXPECT_EQ(host.posted, (std::vector<int>{IDM_SEARCH_GO}));
    bar.OnCommand(IDM_SEARCH_GO);  // as the post arrives, no key held
    EXPECT_EQ(host.statusTexts.back(), "Find Keyword Current/Total: 2/2");

    bar.OnDragCommand(IDM_DRAG_HIGHLIGHT, "");
    EXPECT_EQ(host.posted.size(), 1u) << "empty dragged text does nothing";
    bar.OnDragCommand(IDM_DRAG_HIGHLIGHT, "y");
    bar.OnCommand(IDM_SEARCH_GO);
    EXPECT_EQ(host.statusTexts.back(), "Highlight Keyword Count: 1");
}

TEST_F(SearchBarTest, TogglingAMatchOptionForgetsTheFindKeyword) {
    host.page.body = "Ab ab";
    host.keywordBox = "ab";
    bar.OnCommand(IDM_FIND_KEYWORD);
    bar.OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(host.statusTexts.back(), "Find Keyword Current/Total: 2/2");
    bar.OnCommand(IDM_SEARCH_MATCH_CASE);
    EXPECT_TRUE(bar.IsChecked(IDM_SEARCH_MATCH_CASE).value());
    bar.OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(host.statusTexts.back(), "Find Keyword Current/Total: 1/1");
}

TEST_F(SearchBarTest, CleaningAndDeletingTypedKeywordsKeepTheDropDownInStep) {
    SetEngines({{.checked = 1, .name = "A", .url = "http://a/%s"}});
    for (const char* w : {"one", "two", "three"}) {
        host.keywordBox = w;
        bar.OnCommand(IDM_SEARCH_GO);
    }
    bar.DeleteTypedKeyword(2);
    EXPECT_EQ(host.dropDown, typed.Items());
    EXPECT_EQ(host.selectedItem, 1);
    bar.OnCommand(IDM_CLEAN_TYPED_SEARCH);
    EXPECT_TRUE(host.dropDown.empty());
    EXPECT_TRUE(typed.Items().empty());
    EXPECT_EQ(host.keywordBox, "");
}

TEST_F(SearchBarTest, TheAddressBoxFindsEnginesByExactName) {
    SetEngines({{.checked = 0, .name = "Wiki", .url = "http://w/%s"}});
    EXPECT_EQ(bar.EngineTemplate("Wiki"), "http://w/%s");
    EXPECT_FALSE(bar.EngineTemplate("wiki"));
}

TEST_F(SearchBarTest, EngineDialogRulesAndSeparatorRows) {
    EngineDialogModel dialog(cp, {{.checked = 1, .name = "Web", .url = "http://w/%s"}});
    dialog.name = "Other";
    dialog.path = "http://o/";
    EXPECT_EQ(dialog.Insert(), IDS_ENGINE_NEEDS_KEYWORD);
    dialog.name = " WEB ";
    dialog.path = "http://o/%u";
    EXPECT_EQ(dialog.Insert(), IDS_ENGINE_NAME_EXISTS);
    dialog.name = "";
    EXPECT_EQ(dialog.Insert(), 0);
    EXPECT_EQ(dialog.Rows().size(), 1u) << "an empty name is only for separators";
    for (int i = 0; i < 2; ++i) {
        dialog.name = "--";
        dialog.path = "";
        dialog.icon = "C:\\x.ico";
        EXPECT_EQ(dialog.Insert(), 0);
    }
    dialog.Select(0);
    dialog.name = "Mid";
    dialog.path = "http://m/%s";
    dialog.icon = "";
    EXPECT_EQ(dialog.Insert(), 0);
    EXPECT_EQ(dialog.Selected(), 1u);
    EXPECT_EQ(dialog.name, "");
    EXPECT_TRUE(dialog.Move(-1));
    EXPECT_FALSE(dialog.Move(-1));
    dialog.Select(1);
    EXPECT_EQ(dialog.name, "Web");
    dialog.path = "x";
    EXPECT_EQ(dialog.Update(), 0);
    EXPECT_EQ(dialog.Rows()[1].url, "http://w/%s") << "a path under 2 characters is ignored";
    dialog.path = "http://w2/%s";
    const auto rows = dialog.Ok();  // the pending edit goes in with OK
    EXPECT_EQ(rows[1].url, "http://w2/%s");

    bar.ReplaceEngines(rows);
    EXPECT_EQ(host.rebuilds, 1);
    EXPECT_EQ(engines.iconCount(), 0) << "separators never get a button";
    const MenuItems menu = engines.BuildMenu(false);
    EXPECT_EQ(menu[2].kind, MenuItemKind::Separator);
    EXPECT_EQ(menu[3].kind, MenuItemKind::Separator);
    PrivateProfile fresh(fs);
    SearchEngineList saved;
    saved.Load(fresh, kEngines);
    EXPECT_EQ(saved.Entries().size(), 4u);
}

}  // namespace
}  // namespace lumbrel
