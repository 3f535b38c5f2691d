#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/SerialFileWriter.h"
#include "commands/CommandIds.h"
#include "search/SearchBarLayout.h"
#include "search/SearchEngineList.h"
#include "search/TypedKeywords.h"
#include "settings/SettingsStore.h"
#include "support/FakeFileSystem.h"
#include "support/ImmediateTasks.h"

namespace lumbrel {
namespace {

constexpr const char* kEngines = "C:\\User\\SearchEngine.ini";
constexpr const char* kIni = "C:\\User\\Lumbrel.ini";

SearchEngineEntry Engine(std::string name, std::string url, int checked = 0,
                         std::string icon = "") {
    return {.checked = checked,
            .name = std::move(name),
            .url = std::move(url),
            .icon = std::move(icon)};
}

class SearchEngineFileTest : public ::testing::Test {
protected:
    void SetUp() override { fs.AddFolder("C:\\User"); }
    std::vector<SearchEngineEntry> Reload() {
        PrivateProfile fresh(fs);
        SearchEngineList list;
        list.Load(fresh, kEngines);
        return list.Entries();
    }
    test::FakeFileSystem fs;
    test::ImmediateTasks tasks;
};

TEST_F(SearchEngineFileTest, ZeroChecksAndEmptyIconsAreLeftOutAndTheListReadsBack) {
    SearchEngineList list;
    list.Assign({Engine("Web", "http://w.example/?q=%s", 1, ".\\skin\\w.ico"), Engine("--", ""),
                 Engine("Wiki", "http://k.example/%u|http://m.example/%s")});
    const std::string text = list.FileText();
    EXPECT_NE(text.find("C0=1"), std::string::npos);
    EXPECT_EQ(text.find("C1"), std::string::npos);
    EXPECT_EQ(text.find("C2"), std::string::npos);
    EXPECT_EQ(text.find("I1"), std::string::npos);
    EXPECT_NE(text.find("I0=.\\skin\\w.ico"), std::string::npos);
    ASSERT_TRUE(fs.WriteFileAtomic(kEngines, text));
    EXPECT_EQ(Reload(), list.Entries());
}

TEST_F(SearchEngineFileTest, ReadingStopsAtTheFirstEmptyNameAndKeepsLongValuesWhole) {
    const std::string longList = "http://a.example/?q=%s|" + std::string(1500, 'x') + "%s";
    fs.AddFile(kEngines, "[SearchEngine]\r\nn0=One\r\nS0=" + longList +
                             "\r\nC0=7\r\nN1=\r\nS1=http://lost/%s\r\nN2=Lost\r\n");
    const auto entries = Reload();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].url, longList) << "a long template list must not be cut";
    EXPECT_EQ(entries[0].checked, 1);
    // Saved again, the long value goes back whole.
    SearchEngineList list;
    list.Assign(entries);
    ASSERT_TRUE(fs.WriteFileAtomic(kEngines, list.FileText()));
    EXPECT_EQ(Reload()[0].url, longList);
}

TEST_F(SearchEngineFileTest, AnIconThatFailsToLoadKeepsItsStoredPath) {
    SearchEngineList list;
    list.Assign({Engine("A", "http://a/%s", 0, "E:\\icons\\a.ico"),
                 Engine("B", "http://b/%s", 0, "C:\\b.ico"), Engine("C", "http://c/%s")});
    list.Entries()[0].iconLoaded = false;  // drive E: not there today
    list.Entries()[1].iconLoaded = true;
    EXPECT_EQ(list.iconCount(), 1);
    const auto strip = SearchBarButtons(list);
    int engineButtons = 0;
    for (const SearchBarButton& button : strip)
        if (button.command >= IDM_SEARCH_ENGINE_FIRST && button.command <= IDM_SEARCH_ENGINE_LAST) {
            ++engineButtons;
            EXPECT_EQ(button.command, IDM_SEARCH_ENGINE_FIRST + 1);
            EXPECT_EQ(button.image, kSearchBarFirstEngineImage);
            EXPECT_EQ(button.tooltip, "B");
        }
    EXPECT_EQ(engineButtons, 1);
    EXPECT_EQ(SearchBarIdealWidth(list, 23), 173);
    ASSERT_TRUE(fs.WriteFileAtomic(kEngines, list.FileText()));
    EXPECT_EQ(Reload()[0].icon, "E:\\icons\\a.ico");
}

TEST_F(SearchEngineFileTest, TheStripHasNoEngineGroupWithoutIconsAndSeparatorsNeverGetButtons) {
    SearchEngineList list;
    list.Assign({Engine("--", "", 0, "C:\\sep.ico"), Engine("A", "http://a/%s")});
    list.Entries()[0].iconLoaded = true;
    std::vector<int> commands;
    for (const SearchBarButton& button : SearchBarButtons(list))
        commands.push_back(button.kind == SearchBarButton::Kind::Button ? button.command : 0);
    EXPECT_EQ(commands,
              (std::vector<int>{0, IDM_SEARCH_GO, 0, IDM_HIGHLIGHT_KEYWORD, IDM_FIND_KEYWORD}));
    EXPECT_EQ(SearchBarIdealWidth(list, 23), 150);

    const MenuItems menu = list.BuildMenu(false);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].kind, MenuItemKind::Separator);
    EXPECT_EQ(menu[1].id, IDM_SEARCH_ENGINE_FIRST + 1);
    EXPECT_EQ(list.BuildMenu(true)[1].id, IDM_DRAG_SEARCH_ENGINE_FIRST + 1);
}

TEST_F(SearchEngineFileTest, NoMenuItemOrButtonPastTheEndOfItsRange) {
    SearchEngineList list;
    std::vector<SearchEngineEntry> many;
    for (int i = 0; i < 600; ++i) {
        many.push_back(Engine("E" + std::to_string(i), "http://e/%s", 1, "C:\\e.ico"));
        many.back().iconLoaded = true;
    }
    list.Assign(many);
    const MenuItems menu = list.BuildMenu(false);
    ASSERT_EQ(menu.size(), 512u);
    EXPECT_EQ(menu.back().id, IDM_SEARCH_ENGINE_LAST);
    EXPECT_EQ(list.BuildMenu(true).back().id, IDM_DRAG_SEARCH_ENGINE_LAST);
    for (const SearchBarButton& button : SearchBarButtons(list))
        EXPECT_TRUE(button.command <= IDM_SEARCH_ENGINE_LAST || button.command >= IDM_SEARCH_GO ||
                    button.command == IDM_FIND_KEYWORD || button.command == IDM_HIGHLIGHT_KEYWORD);
    EXPECT_EQ(list.EngineOfCommand(IDM_DRAG_SEARCH_ENGINE_LAST), 511u);
    EXPECT_FALSE(list.EngineOfCommand(IDM_DRAG_SEARCH_ENGINE_LAST + 1));
    // Entries beyond the ranges are still kept in the file.
    ASSERT_TRUE(fs.WriteFileAtomic(kEngines, list.FileText()));
    EXPECT_EQ(Reload().size(), 600u);
}

TEST_F(SearchEngineFileTest, ACutDuringTheSaveLeavesTheOldList) {
    SerialFileWriter writer(fs, tasks, kEngines);
    SearchEngineList list;
    list.Assign({Engine("Old", "http://old/%s")});
    writer.Save(list.FileText());
    list.Assign({Engine("New", "http://new/%s")});
    fs.CutAfter(1);
    writer.Save(list.FileText());
    fs.CutAfter(-1);
    ASSERT_EQ(Reload().size(), 1u);
    EXPECT_EQ(Reload()[0].name, "Old");
    EXPECT_EQ(writer.FailedWrites(), 1);
}

// A worker that starts only when the test says, to see what saves do while one runs.
class HeldTasks : public Tasks {
public:
    bool RunInBackground(std::function<void()> task) override {
        ++started;
        threads.emplace_back([this, task = std::move(task)] {
            while (!go)
                std::this_thread::yield();
            task();
        });
        return true;
    }
    ~HeldTasks() override {
        go = true;
        for (auto& t : threads)
            t.join();
    }
    std::atomic<bool> go{false};
    int started = 0;
    std::vector<std::thread> threads;
};

TEST_F(SearchEngineFileTest, OneWriterAtATimeTheLatestTextWinsAndTheExitWaits) {
    HeldTasks held;
    {
        SerialFileWriter writer(fs, held, kEngines);
        writer.Save("[SearchEngine]\r\nN0=First\r\n");
        writer.Save("[SearchEngine]\r\nN0=Second\r\n");
        writer.Save("[SearchEngine]\r\nN0=Third\r\n");
        EXPECT_EQ(held.started, 1) << "a second worker would race the first";
        held.go = true;
        writer.WaitIdle();
        EXPECT_EQ(Reload()[0].name, "Third");
        writer.Save("[SearchEngine]\r\nN0=Last\r\n");
        // The writer's end waits for the last save.
    }
    EXPECT_EQ(Reload()[0].name, "Last");
}

class TypedKeywordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs.AddFolder("C:\\User");
        store.SetProfileName(kIni);
    }
    test::FakeFileSystem fs;
    PrivateProfile profile{fs};
    SettingsStore store{profile};
};

TEST_F(TypedKeywordsTest, OnlyTheNewestTwentyAreWrittenOnOneLineEach) {
    TypedKeywords typed;
    for (int i = 0; i < 21; ++i)
        EXPECT_TRUE(typed.Remember("word" + std::to_string(i)));
    EXPECT_FALSE(typed.Remember("word20")) << "already held";
    EXPECT_FALSE(typed.Remember(""));
    typed.Remember("two\r\nlines");
    ASSERT_TRUE(typed.Save(store));

    TypedKeywords loaded;
    loaded.Load(store);
    ASSERT_EQ(loaded.Items().size(), 20u);
    EXPECT_EQ(loaded.Items()[0], "twolines");
    EXPECT_EQ(loaded.Items()[1], "word20");
    EXPECT_EQ(loaded.Items()[19], "word2");
    EXPECT_EQ(fs.Content(kIni).find("word1\r"), std::string::npos);
}

TEST_F(TypedKeywordsTest, LoadingStopsAtTheFirstEmptyValue) {
    fs.AddFile(kIni, "[SearchKey]\r\nkey0=a\r\nKEY1=b\r\nkey2=\r\nkey3=c\r\n");
    TypedKeywords typed;
    typed.Load(store);
    EXPECT_EQ(typed.Items(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(TypedKeywordsTest, RemovingSelectsTheNextOrThePreviousAtTheEnd) {
    TypedKeywords typed;
    for (const char* w : {"c", "b", "a"})
        typed.Remember(w);
    EXPECT_EQ(typed.RemoveAt(1), 1u);  // "b" gone, "c" now at 1
    EXPECT_EQ(typed.RemoveAt(1), 0u);  // the last gone: the previous
    EXPECT_EQ(typed.RemoveAt(5), std::nullopt);
    EXPECT_EQ(typed.RemoveAt(0), std::nullopt);
    EXPECT_TRUE(typed.Items().empty());
}

}  // namespace
}  // namespace lumbrel
