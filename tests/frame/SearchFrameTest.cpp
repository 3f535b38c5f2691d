// The search bar inside the frame: engines and typed keywords read at the deferred start, the
// band built from them, the address box's engine keywords, searches opening windows, find
// walking the active page with its wrap re-posted through the frame's own loop, the engine
// dialog, and the exit that saves the keywords and leaves the engines' file whole.
#include <gtest/gtest.h>

#include <set>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "support/FakeSearchBand.h"
#include "support/FakeSearchProxyDialogs.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr char kEngineIni[] = "C:\\Lumbrel\\User\\SearchEngine.ini";
constexpr char kEngines[] =
    "[SearchEngine]\r\n"
    "N0=Web\r\nS0=http://web.test/?q=%s\r\nC0=1\r\nI0=.\\icons\\web.ico\r\n"
    "N1=--\r\nS1=\r\n"
    "N2=Wiki\r\nS2=http://wiki.test/%u\r\nI2=E:\\gone\\wiki.ico\r\n"
    "N3=News\r\nS3=http://news.test/?k=%s\r\nC3=1\r\n";

struct SearchHarness {
    explicit SearchHarness(const std::string& settings = "", const std::string& keywords = "")
        : h(settings, false) {
        h.platform.fs.AddFile(kEngineIni, kEngines);
        if (!keywords.empty())
            h.platform.fs.AddFile(FrameHarness::kProfile,
                                  h.platform.fs.Content(FrameHarness::kProfile) + keywords);
        band.missingIcons.insert("E:\\gone\\wiki.ico");
        h.frame->Search().SetBand(&band);
        h.frame->Search().SetDialogs(&dialogs);
        h.frame->DeferredInit();
        h.Pump();
    }
    // The first address of every window, sorted: where a new window's tab goes is not
    // the search's business.
    std::multiset<std::string> Opened() {
        std::multiset<std::string> urls;
        for (int i = 0; i < h.frame->Windows().Count(); ++i)
            urls.insert(h.BrowserOf(h.frame->Windows().At(i)).navigations.front());
        return urls;
    }
    CChildFrame* PageWithText(const std::string& text) {
        CChildFrame* child = h.Open("http://page.test/", true);
        h.BrowserOf(child).document.text.body = text;
        return child;
    }

    FrameHarness h;
    test::FakeSearchBand band;
    test::FakeSearchProxyDialogs dialogs;
};

TEST(FrameSearch, TheDeferredStartBuildsTheBandFromTheEnginesAndTypedKeywords) {
    SearchHarness s("", "[SearchKey]\r\nkey0=newest\r\nkey1=older\r\n");
    EXPECT_EQ(s.band.dropDown, (std::vector<std::string>{"newest", "older"}));
    EXPECT_EQ(s.band.loadedIcons, std::vector<std::string>{"C:\\Lumbrel\\icons\\web.ico"});
    // The engine whose icon did not load has no button; the separator never has one.
    EXPECT_EQ(s.band.Commands(), (std::vector<int>{IDM_SEARCH_GO, IDM_SEARCH_ENGINE_FIRST,
                                                   IDM_HIGHLIGHT_KEYWORD, IDM_FIND_KEYWORD}));
    EXPECT_EQ(s.band.idealWidth, 150 + 23);
    EXPECT_EQ(s.h.frame->Search().Engines().iconCount(), 1);

    // The menus answer from the same list: engine 2 checked after a Ctrl-click, the
    // separator's id unknown.
    EXPECT_TRUE(s.h.frame->QueryCommand(IDM_SEARCH_ENGINE_FIRST).checked);
    EXPECT_FALSE(s.h.frame->QueryCommand(IDM_SEARCH_ENGINE_FIRST + 2).checked);
    s.h.platform.ui.ctrlHeld = true;
    s.h.Command(IDM_SEARCH_ENGINE_FIRST + 2);
    s.h.platform.ui.ctrlHeld = false;
    EXPECT_TRUE(s.h.frame->QueryCommand(IDM_SEARCH_ENGINE_FIRST + 2).checked);
    EXPECT_TRUE(s.band.focused) << "the Ctrl-click hands the focus back to the keyword box";
    EXPECT_FALSE(s.h.frame->QueryCommand(IDM_SEARCH_ENGINE_FIRST + 9).enabled);

    // The save after the toggle keeps the icon that could not be loaded today.
    const std::string file = s.h.platform.fs.Content(kEngineIni);
    EXPECT_NE(file.find("I2=E:\\gone\\wiki.ico"), std::string::npos) << file;
    EXPECT_NE(file.find("C2=1"), std::string::npos) << file;
}

TEST(FrameSearch, TheSearchButtonOpensAWindowPerCheckedEngineAndRemembersTheKeyword) {
    SearchHarness s;
    s.band.keyword = "  a b ";
    s.h.Command(IDM_SEARCH_GO);
    EXPECT_EQ(s.Opened(), (std::multiset<std::string>{"http://web.test/?q=a%20b",
                                                      "http://news.test/?k=a%20b"}));
    EXPECT_EQ(s.band.dropDown, std::vector<std::string>{"a b"});

    // An engine button searches with that engine alone, whether it is checked or not.
    s.band.keyword = "x1";
    s.h.Command(IDM_SEARCH_ENGINE_FIRST + 2);
    EXPECT_EQ(s.Opened(),
              (std::multiset<std::string>{"http://web.test/?q=a%20b", "http://news.test/?k=a%20b",
                                          "http://wiki.test/x1"}));
    EXPECT_EQ(s.band.dropDown, (std::vector<std::string>{"x1", "a b"}));
}

TEST(FrameSearch, TheAddressBoxReachesTheEnginesThroughTheFilledSeam) {
    SearchHarness s;
    s.h.frame->Address().GoAddress("Wiki caf\xE9 bar", {});
    s.h.Pump();
    EXPECT_EQ(s.Opened(), std::multiset<std::string>{"http://wiki.test/caf%C3%A9%20bar"})
        << "UTF-8 for %u";

    // Words that are no address go to the keyword box and the search button.
    s.h.frame->Address().GoAddress("two words", {});
    s.h.Pump();
    EXPECT_EQ(s.band.keyword, "two words");
    EXPECT_EQ(s.Opened(), (std::multiset<std::string>{"http://wiki.test/caf%C3%A9%20bar",
                                                      "http://web.test/?q=two%20words",
                                                      "http://news.test/?k=two%20words"}));
}

TEST(FrameSearch, FindWalksTheActivePageAndWrapsThroughOneRepostedCommand) {
    SearchHarness s;
    CChildFrame* page = s.PageWithText("one two one three one");
    s.band.keyword = "one";
    const std::string prefix = "Find Keyword Current/Total: ";
    for (const char* expected : {"1/3", "2/3", "3/3"}) {
        s.h.Command(IDM_FIND_KEYWORD);
        EXPECT_EQ(s.h.status.text, prefix + expected);
    }
    EXPECT_EQ(s.h.BrowserOf(page).document.text.selectedAt, 18u);
    // The fourth press runs past the last match and posts the find once more.
    s.h.frame->OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(s.h.platform.loop.Queued(kFrameTarget, kWmCommand), 1);
    s.h.Pump();
    EXPECT_EQ(s.h.status.text, prefix + "1/3");
    EXPECT_EQ(s.h.BrowserOf(page).document.text.selectedAt, 0u);

    // No match: "0/0", and nothing is posted (no find repeating itself).
    s.band.keyword = "absent";
    s.h.frame->OnCommand(IDM_FIND_KEYWORD);
    EXPECT_EQ(s.h.status.text, prefix + "0/0");
    EXPECT_EQ(s.h.platform.loop.Queued(kFrameTarget, kWmCommand), 0);

    // The page changes under the same keyword: the count follows it.
    s.band.keyword = "one";
    s.h.BrowserOf(page).document.text.body = "one";
    s.h.Command(IDM_FIND_KEYWORD);
    EXPECT_EQ(s.h.status.text, prefix + "1/1");
}

TEST(FrameSearch, HighlightMarksAndUnmarksTheActivePage) {
    SearchHarness s;
    CChildFrame* page = s.PageWithText("red and Red");
    s.band.keyword = "red";
    s.h.Command(IDM_HIGHLIGHT_KEYWORD);
    EXPECT_EQ(s.h.status.text, "Highlight Keyword Count: 2");
    EXPECT_EQ(s.h.BrowserOf(page).document.text.marks.at(8).back, "yellow");
    s.h.Command(IDM_HIGHLIGHT_KEYWORD);
    EXPECT_EQ(s.h.status.text, "Highlight Keyword Count: -2");
    EXPECT_EQ(s.h.BrowserOf(page).document.text.marks.at(8).back, "");

    // Each window keeps its own toggle.
    CChildFrame* other = s.PageWithText("red");
    s.h.Command(IDM_HIGHLIGHT_KEYWORD);
    EXPECT_EQ(s.h.status.text, "Highlight Keyword Count: 1");
    EXPECT_EQ(s.h.BrowserOf(other).document.text.marks.at(0).fore, "red");
}

TEST(FrameSearch, TheEngineDialogReplacesTheListRebuildsTheBandAndWritesTheFileWhole) {
    SearchHarness s;
    const int strips = s.band.strips;
    s.dialogs.engineDialog = [](EngineDialogModel& model) {
        model.Select(0);
        model.Delete();
        model.name = "Maps";
        model.path = "http://maps.test/%s";
        model.icon = ".\\icons\\maps.ico";
        EXPECT_EQ(model.Insert(), 0);
        return true;
    };
    s.h.Command(IDM_SET_SEARCH_ENGINE);
    EXPECT_EQ(s.band.strips, strips + 1);
    EXPECT_EQ(s.band.loadedIcons, std::vector<std::string>{"C:\\Lumbrel\\icons\\maps.ico"});
    const std::string file = s.h.platform.fs.Content(kEngineIni);
    EXPECT_EQ(file.find("N0=Web"), std::string::npos) << file;
    EXPECT_NE(file.find("N3=Maps"), std::string::npos) << file;

    // Cancelled: nothing changes.
    s.dialogs.engineDialog = [](EngineDialogModel& model) {
        model.Select(0);
        model.Delete();
        return false;
    };
    s.h.Command(IDM_SET_SEARCH_ENGINE);
    EXPECT_EQ(s.h.platform.fs.Content(kEngineIni), file);
    EXPECT_EQ(s.h.frame->Search().Engines().Entries().size(), 4u);
}

TEST(FrameSearch, TheExitWritesTheNewestTwentyKeywords) {
    SearchHarness s;
    for (int i = 0; i < 21; ++i) {
        s.band.keyword = "k" + std::to_string(i);
        s.h.frame->Search().Bar().FindKeyword(false);  // remembered without a page
    }
    ASSERT_EQ(s.h.frame->Search().Typed().Items().size(), 21u);
    s.h.platform.ui.AnswerMessage(MsgResult::Yes);  // "Do you really want to exit?"
    ASSERT_TRUE(s.h.frame->OnCloseRequest(false));
    const std::string profile = s.h.platform.fs.Content(FrameHarness::kProfile);
    EXPECT_NE(profile.find("key0=k20"), std::string::npos);
    EXPECT_NE(profile.find("key19=k1\r\n"), std::string::npos);
    EXPECT_EQ(profile.find("key20="), std::string::npos) << "the oldest is dropped";
}

}  // namespace
}  // namespace lumbrel
