// Enter in the address box, an entry of its list, the Open dialog, "&Up", the quick keys and
// the typed list, played against a main frame over fakes.
#include <gtest/gtest.h>

#include <map>

#include "address/AddressInput.h"
#include "commands/CommandIds.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

// A search bar with named engines that records what it was asked.
class FakeSearchBar : public SearchSeam {
public:
    std::map<std::string, std::string> engines;
    std::vector<std::pair<std::string, SearchAction>> searched;
    std::vector<bool> finds;
    int keywordBoxFocused = 0;

    std::optional<std::string> EngineTemplate(const std::string& name) override {
        const auto it = engines.find(name);
        if (it == engines.end())
            return std::nullopt;
        return it->second;
    }
    void SearchKeyword(const std::string& keyword, SearchAction action) override {
        searched.emplace_back(keyword, action);
    }
    void FindInPage(bool backward) override { finds.push_back(backward); }
    void FocusKeywordBox() override { ++keywordBoxFocused; }
};

class FakeDialogs : public AddressDialogs {
public:
    std::optional<OpenDialogFields> openAnswer;
    OpenDialogFields openShown;
    std::vector<std::string> typedShown;
    std::optional<AliasFields> aliasAnswer;
    AliasFields aliasShown;

    std::optional<OpenDialogFields> OpenAddress(const OpenDialogFields& initial,
                                                const std::vector<std::string>& typed) override {
        openShown = initial;
        typedShown = typed;
        return openAnswer;
    }
    std::optional<std::string> Input(const DialogInput&) override { return std::nullopt; }
    std::optional<AliasFields> Alias(const AliasFields& proposed) override {
        aliasShown = proposed;
        return aliasAnswer;
    }
    std::optional<QuickKeyFields> quickKeyAnswer;
    QuickKeyFields quickKeysShown;
    std::optional<QuickKeyFields> QuickKeys(const QuickKeyFields& shown) override {
        quickKeysShown = shown;
        return quickKeyAnswer;
    }
};

class GoAddressTest : public ::testing::Test {
protected:
    GoAddressTest() {
        h.frame->Address().SetSearch(&search);
        h.frame->Address().SetDialogs(&dialogs);
    }
    // Enter with `keys`; the address of the window it opened in (the active one), or "".
    std::string Enter(const std::string& text, KeyModifiers keys = {}) {
        h.frame->Address().GoAddress(text, keys);
        h.Pump();
        CChildFrame* active = h.Active();
        return active ? active->View().Location() : "";
    }
    int Windows() { return h.frame->Windows().Count(); }

    FrameHarness h;
    FakeSearchBar search;
    FakeDialogs dialogs;
};

TEST_F(GoAddressTest, CtrlShiftAndCtrlShiftEnterCompleteAWord) {
    EXPECT_EQ(Enter("lumbrel", {.ctrl = true}), "http://www.lumbrel.com");
    EXPECT_EQ(Enter("lumbrel", {.shift = true}), "http://www.lumbrel.net");
    EXPECT_EQ(Enter("lumbrel", {.ctrl = true, .shift = true}), "http://www.lumbrel.com.cn");
    EXPECT_EQ(h.address.text, "http://www.lumbrel.com.cn");
    EXPECT_EQ(Windows(), 1) << "the active window opens each";
    EXPECT_TRUE(search.searched.empty());
}

TEST_F(GoAddressTest, PlainWordsAndMailAddressesGoToTheSearchBar) {
    Enter("lumbrel");
    Enter("someone@site.example");
    EXPECT_EQ(Windows(), 0) << "nothing opened";
    ASSERT_EQ(search.searched.size(), 2u);
    EXPECT_EQ(search.searched[0].first, "lumbrel");
    EXPECT_EQ(search.searched[0].second, SearchAction::Search);
    EXPECT_EQ(search.searched[1].first, "someone@site.example");
    EXPECT_TRUE(h.address.items.empty()) << "searched words are no typed addresses";
}

TEST_F(GoAddressTest, GuessesSchemesAndTurnsDrivePathsToForwardSlashes) {
    EXPECT_EQ(Enter("localhost"), "http://localhost");
    EXPECT_EQ(Enter(" www.site.example "), "http://www.site.example");
    EXPECT_EQ(Enter("C:\\docs\\page.htm"), "C:/docs/page.htm");
    EXPECT_EQ(Enter("res://ieframe.dll/dnserror.htm#http://gone.example/"), "http://gone.example/")
        << "an error page opens the address that failed";
    Enter("res://ieframe.dll/dnserror.htm#javascript:alert(1)");
    for (CChildFrame* child : h.frame->Windows().All())
        EXPECT_FALSE(child->View().Location().starts_with("javascript:"))
            << "a script after the error page's # is no failed address";
}

TEST_F(GoAddressTest, AnEngineNameFirstSearchesThatEngineForTheRest) {
    search.engines["g"] = "http://s.example/?q=%s";
    search.engines["both"] = "http://a.example/?q=%s|http://b.example/?q=%s";
    EXPECT_EQ(Enter("g two words"), "http://s.example/?q=two%20words");
    EXPECT_EQ(h.address.text, "http://s.example/?q=two%20words");
    Enter("unknown two words");
    ASSERT_EQ(search.searched.size(), 1u) << "no such engine: the words are searched whole";
    EXPECT_EQ(search.searched[0].first, "unknown two words");

    const int before = Windows();
    Enter("both x y");
    EXPECT_EQ(Windows(), before + 1) << "the second template of the list has its own window";
    bool sawFirst = false, sawSecond = false;
    for (CChildFrame* child : h.frame->Windows().All()) {
        sawFirst |= child->View().Location() == "http://a.example/?q=x%20y";
        sawSecond |= child->View().Location() == "http://b.example/?q=x%20y";
        EXPECT_EQ(child->View().Location().find('|'), std::string::npos);
    }
    EXPECT_TRUE(sawFirst && sawSecond);
}

TEST_F(GoAddressTest, AnAliasStandsForItsAddressUnlessCtrlOrShiftIsHeld) {
    ASSERT_TRUE(h.frame->Address().AssignAlias("news", "http://news.example/"));
    EXPECT_EQ(Enter("news"), "http://news.example/");
    EXPECT_EQ(Enter("news", {.ctrl = true}), "http://www.news.com");
    h.app->Prefs().useAlias = 0;
    Enter("news");
    EXPECT_EQ(search.searched.back().first, "news");
}

TEST_F(GoAddressTest, TheTypedListTakesEachAddressOnceNewestFirst) {
    Enter("http://a.example/");
    Enter("http://b.example");
    Enter("http://a.example");
    Enter("http://b.example/");
    EXPECT_EQ(h.address.items, (std::vector<std::string>{"http://b.example", "http://a.example/"}));
    h.Command(IDM_CLEAN_TYPED_ADDRESS);
    EXPECT_TRUE(h.address.items.empty());
}

TEST_F(GoAddressTest, TypedAddressesComeFromTheRegistryAndGoBackAtClose) {
    FrameHarness other("ConfirmExit=0\r\n");
    other.platform.registry.WriteString(RegRoot::CurrentUser, TypedAddressList::kKey, "url1",
                                        "http://before.example/");
    other.frame->Address().LoadTypedAddresses();
    EXPECT_EQ(other.address.items, (std::vector<std::string>{"http://before.example/"}));
    other.frame->Address().GoAddress("http://typed.example/", {});
    other.Pump();
    ASSERT_TRUE(other.frame->OnCloseRequest(false));
    EXPECT_EQ(
        other.platform.registry.ReadString(RegRoot::CurrentUser, TypedAddressList::kKey, "url1"),
        "http://typed.example/");
}

TEST_F(GoAddressTest, AltOpensANewWindowThatInheritsTheWebProxy) {
    Enter("http://a.example/");
    CChildFrame* first = h.Active();
    first->View().MutableProxy().webProxyOn = true;
    first->View().MutableProxy().webProxyTemplate = "http://proxy.example/?u=%s";
    Enter("http://b.example/", {.alt = true});
    ASSERT_EQ(Windows(), 2);
    CChildFrame* second = h.Active();
    ASSERT_NE(second, first) << "ActiveNewAddress is on";
    EXPECT_TRUE(second->View().Proxy().webProxyOn);
    EXPECT_EQ(h.BrowserOf(second).navigations.back(),
              "http://proxy.example/?u=http%3A%2F%2Fb.example%2F");
}

TEST_F(GoAddressTest, WithoutAWindowToOpenInNothingIsOpened) {
    Enter("javascript:alert(1)");
    EXPECT_EQ(Windows(), 0) << "no active window and a script has no window of its own";
    EXPECT_TRUE(h.address.items.empty());
    h.window.failCreate = true;
    Enter("http://a.example/");
    EXPECT_EQ(Windows(), 0) << "the window could not be made";
    EXPECT_TRUE(h.address.items.empty());
    h.window.failCreate = false;
    Enter("http://a.example/");
    Enter("javascript:void(0)", {.alt = true});
    EXPECT_EQ(Windows(), 1);
}

TEST_F(GoAddressTest, ListEntriesOpenAsTheyAreAndLeaveTheListAlone) {
    h.frame->Address().GoListItem("lumbrel");
    h.Pump();
    ASSERT_EQ(Windows(), 1);
    EXPECT_EQ(h.Active()->View().Location(), "lumbrel") << "no completion, no search";
    h.frame->Address().GoListItem("res://x.dll/e.htm#file://C:\\a.htm");
    h.Pump();
    EXPECT_EQ(h.Active()->View().Location(), "file:///C:/a.htm");
    EXPECT_TRUE(h.address.items.empty());
}

TEST_F(GoAddressTest, TheOpenDialogOpensTheTextAsItIsAndKeepsItsChecks) {
    dialogs.openAnswer = OpenDialogFields{" some text ", true, false};
    h.Command(IDM_OPEN);
    EXPECT_TRUE(dialogs.openShown.openInNew);
    EXPECT_TRUE(dialogs.openShown.directOpen);
    ASSERT_EQ(Windows(), 1);
    EXPECT_EQ(h.Active()->View().Location(), "some text");
    EXPECT_EQ(h.app->Prefs().directOpenFile, 0);
    dialogs.openAnswer = OpenDialogFields{"javascript:x()", true, false};
    h.Command(IDM_OPEN);
    EXPECT_EQ(Windows(), 1) << "a script has no new window to run in";
}

TEST_F(GoAddressTest, AliasFromTheTabMenuProposesTheTitleWithoutItsLineBreaks) {
    Enter("http://a.example/");
    h.Active()->SetTitle("Two\r\nLines");
    dialogs.aliasAnswer = AliasFields{"a\nb", "http://a.example/"};
    h.frame->OnTabMenuCommand(IDM_URL_ALIAS, h.Active()->Id());
    EXPECT_EQ(dialogs.aliasShown.alias, "Two  Lines");
    EXPECT_EQ(dialogs.aliasShown.url, "http://a.example/");
    EXPECT_EQ(h.frame->Address().Aliases().Find("a b"), "http://a.example/");
}

TEST_F(GoAddressTest, FtpGoesToTheFtpProgramOrOpensWithItsScheme) {
    Enter("ftp.site.example");
    EXPECT_EQ(Windows(), 0);
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].parameters, "\"ftp.site.example\"")
        << "one quoted argument";

    FrameHarness noProgram("");
    noProgram.app->Settings().Write(keys::FtpOpenType, 0);
    noProgram.frame->Address().GoAddress("ftp.site.example", {});
    noProgram.Pump();
    ASSERT_NE(noProgram.Active(), nullptr);
    EXPECT_EQ(noProgram.Active()->View().Location(), "ftp://ftp.site.example");
}

TEST_F(GoAddressTest, OnlyExistingFoldersAreHandedToTheShell) {
    h.platform.fs.AddFolder("C:\\Data\\Folder");
    h.platform.fs.AddFile("C:\\Data\\program", "x");
    Enter("C:\\Data\\Folder");
    EXPECT_EQ(Windows(), 0);
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Data\\Folder");
    Enter("C:\\Data\\program");
    EXPECT_EQ(h.platform.shell.executed.size(), 1u) << "a file without extension is no folder";
    EXPECT_EQ(Windows(), 1);
}

TEST_F(GoAddressTest, AnExpansionTooLongForItsBufferIsNotUsed) {
    h.platform.environment.variables["LONG"] = std::string(300, 'x');
    h.platform.environment.variables["SHORT"] = "C:\\Data";
    h.platform.fs.AddFolder("C:\\Data");
    Enter("%SHORT%");
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Data");
    Enter("%LONG%\\dir");
    EXPECT_EQ(h.platform.shell.executed.size(), 1u);
    for (CChildFrame* child : h.frame->Windows().All())
        EXPECT_EQ(child->View().Location().find("xxxxxxxx"), std::string::npos)
            << "a cut expansion never reaches a window";
}

TEST_F(GoAddressTest, UpAndItsListClimbFromTheActivePage) {
    Enter("http://a.b.c.d.e.f.g.h.i.site.com/1/2/3/4/5/6/7/8/9/x.htm");
    const std::vector<std::string> levels = h.frame->Address().UpLevels();
    ASSERT_EQ(levels.size(), AddressInput::kMaxUpLevels);
    EXPECT_EQ(levels[0], "http://a.b.c.d.e.f.g.h.i.site.com/1/2/3/4/5/6/7/8/9/");
    h.platform.ui.ctrlHeld = false;
    h.Command(IDM_UP_LEVEL_FIRST + 1);
    EXPECT_EQ(h.Active()->View().Location(), levels[1]);
    h.Command(IDM_UP);
    EXPECT_EQ(h.Active()->View().Location(), levels[2]);
    h.platform.ui.ctrlHeld = true;
    h.Command(IDM_UP_LEVEL_FIRST + 9);
    EXPECT_EQ(Windows(), 2) << "Ctrl: a new window";

    Enter("about:blank");
    h.app->Prefs().activeNew = 1;
    EXPECT_TRUE(h.frame->Address().UpLevels().empty());
}

TEST_F(GoAddressTest, UpHandsOnlyAnExistingFolderToTheShell) {
    h.platform.fs.AddFolder("C:\\Data\\Folder");
    h.frame->Address().GoListItem("C:\\Data\\Folder\\page.htm");
    h.Pump();
    h.Command(IDM_UP);
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Data\\Folder\\");
    EXPECT_EQ(h.Active()->View().Location(), "C:\\Data\\Folder\\page.htm");

    h.frame->Address().GoListItem("C:\\Data\\Gone\\page.htm");
    h.Pump();
    h.Command(IDM_UP);
    EXPECT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.Active()->View().Location(), "C:\\Data\\Gone\\")
        << "no such folder: the browser goes there and tells";
}

TEST_F(GoAddressTest, QuickKeysOpenTheirListsAtTheEndOrDoTheirOwnAction) {
    h.app->Prefs().useSC = 1;
    h.app->Settings().Write(keys::QuickKeyUrls, 5, "http://one.example/ | http://two.example/");
    h.app->Settings().Write(keys::QuickKeyUrls, 6, "javascript:go()");
    h.Command(IDM_QUICK_KEY_FIRST + 4);  // F6: a script, and no page to run it in
    EXPECT_EQ(Windows(), 0);
    Enter("http://first.example/");
    Enter("http://second.example/", {.alt = true});
    h.frame->ActivateChild(*h.frame->Windows().At(0));
    h.Pump();
    h.Command(IDM_QUICK_KEY_FIRST + 3);  // F5
    ASSERT_EQ(Windows(), 4);
    EXPECT_EQ(h.frame->Windows().At(2)->View().Location(), "http://one.example/");
    EXPECT_EQ(h.frame->Windows().At(3)->View().Location(), "http://two.example/");

    h.Command(IDM_QUICK_KEY_FIRST + 4);  // F6: bound to a script for the active page
    EXPECT_EQ(Windows(), 4);

    h.Command(IDM_QUICK_KEY_FIRST + 5);  // F7: not bound, finds forwards
    ASSERT_EQ(search.finds.size(), 1u);
    EXPECT_FALSE(search.finds[0]);
    h.Command(IDM_QUICK_KEY_FIRST + 7);  // F9
    EXPECT_TRUE(h.address.droppedDown);
    h.app->Prefs().useSC = 0;
    h.Command(IDM_QUICK_KEY_FIRST + 3);
    EXPECT_EQ(Windows(), 4) << "UseSC off: F5 refreshes";
}

TEST_F(GoAddressTest, AListBindingWithOneAddressLeftStillOpensAtTheEnd) {
    h.app->Prefs().useSC = 1;
    h.app->Settings().Write(keys::QuickKeyUrls, 5, "http://one.example/ | ");
    Enter("http://first.example/");
    Enter("http://second.example/", {.alt = true});
    h.frame->ActivateChild(*h.frame->Windows().At(0));
    h.Pump();
    h.Command(IDM_QUICK_KEY_FIRST + 3);  // F5
    h.Pump();
    ASSERT_EQ(Windows(), 3);
    EXPECT_EQ(h.frame->Windows().At(2)->View().Location(), "http://one.example/")
        << "a binding with \"|\" opens at the end whatever NewSequence says";
}

TEST_F(GoAddressTest, TheTabsQuickKeyBoxOffersThePageInTheFirstFreeKey) {
    h.app->Settings().Write(keys::QuickKeyUrls, 2, "http://bound.example/");
    Enter("http://first.example/");
    Enter("http://second.example/", {.alt = true});
    QuickKeyFields answer;
    answer.bindings[0] = "http://bound.example/";
    answer.bindings[3] = "http://picked.example/\r\nF9=evil";
    dialogs.quickKeyAnswer = answer;
    h.frame->OnTabMenuCommand(IDM_QUICK_KEY, h.frame->TabMenuSubject(0));
    EXPECT_EQ(dialogs.quickKeysShown.bindings[0], "http://bound.example/");
    EXPECT_EQ(dialogs.quickKeysShown.bindings[1], "http://first.example/")
        << "the tab's page, not the active one";
    EXPECT_EQ(dialogs.quickKeysShown.focusRow, 1);
    EXPECT_EQ(h.app->Settings().Get(keys::QuickKeyUrls, 5), "http://picked.example/  F9=evil")
        << "a line break cannot add keys to the settings file";
    EXPECT_EQ(h.app->Settings().Get(keys::QuickKeyUrls, 3), "")
        << "the box's answer is what is kept";

    for (int i = 0; i < kQuickKeyCount; ++i)
        h.app->Settings().Write(keys::QuickKeyUrls, i + 2, "http://full.example/");
    dialogs.quickKeyAnswer.reset();
    h.frame->OnTabMenuCommand(IDM_QUICK_KEY, h.frame->TabMenuSubject(1));
    EXPECT_EQ(dialogs.quickKeysShown.focusRow, 0) << "no free key: nothing is replaced";
    EXPECT_EQ(dialogs.quickKeysShown.bindings[10], "http://full.example/");
    EXPECT_EQ(h.app->Settings().Get(keys::QuickKeyUrls, 12), "http://full.example/")
        << "Cancel keeps the keys";
}

}  // namespace
}  // namespace lumbrel
