// What the drag commands do through the main frame: the windows they open and where, the
// boxes, the clipboard, the collector and the drag menus.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameDragHost.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

// Records the menu it was asked to show and answers with `pick`.
class FakeDragMenus : public DragMenuSurface {
public:
    int PickAtCursor(const MenuItems& items, const char* section) override {
        shown = items;
        shownSection = section;
        return pick;
    }
    int pick = 0;
    MenuItems shown;
    std::string shownSection;
};

class DragHostTest : public ::testing::Test {
protected:
    DragHostTest() {
        first = h.Open("http://first.example/", true);
        h.Open("http://second.example/");
        h.frame->ActivateChild(*first);
        h.Pump();
    }

    // The tabs in order by the address each window was sent to; the active window with "*".
    std::string Tabs() {
        std::string tabs;
        CChildFrame* active = h.Active();
        for (ChildId id : h.frame->Windows().InOrder()) {
            CChildFrame* child = h.frame->Windows().Find(id);
            const std::vector<std::string>& sent = h.BrowserOf(child).navigations;
            tabs +=
                (sent.empty() ? std::string("-") : sent.back()) + (child == active ? "* " : " ");
        }
        return tabs;
    }

    DragItem Link(const std::string& url, const std::string& title = "T") {
        DragItem item;
        item.DragItemKind = DragKind::Link;
        item.DragItemUrl = url;
        item.DragItemText = title;
        return item;
    }

    FrameHarness h;
    CChildFrame* first = nullptr;
    FrameDragHost host{*h.frame};
};

TEST_F(DragHostTest, OpenModesPlaceAndActivateTheNewWindow) {
    ASSERT_EQ(Tabs(), "http://first.example/* http://second.example/ ");
    host.OpenLink("http://fore.example/", kOpenLinkInNewWindow | kOpenForeground);
    h.Pump();
    EXPECT_EQ(Tabs(), "http://first.example/ http://fore.example/* http://second.example/ ");

    h.frame->ActivateChild(*first);
    h.app->Prefs().activeNew = 1;
    host.OpenLink("http://back.example/", kOpenLinkInNewWindow | kOpenBackground);
    h.Pump();
    EXPECT_EQ(Tabs(),
              "http://first.example/* http://back.example/ http://fore.example/ "
              "http://second.example/ ")
        << "a background window stays behind even with new windows activated";

    host.OpenText("http://side.example/", TextOpening::OtherSide);
    h.Pump();
    EXPECT_EQ(Tabs().substr(0, 42), "http://side.example/* http://first.example")
        << "the other side of the current tab, activated as the settings say";
}

TEST_F(DragHostTest, ScriptTextAndEmptyEditsOpenNothing) {
    const int windows = h.frame->Windows().Count();
    host.OpenText("javascript:alert(1)", TextOpening::Foreground);
    host.OpenLink("vbscript:msgbox", kOpenLinkInNewWindow);
    h.platform.ui.AnswerInput(std::nullopt);
    h.platform.ui.AnswerInput(std::string("http://edited.example/"));
    DragCommands& commands = host.Commands();
    commands.Run(IDM_DRAG_EDIT_URL, Link("http://a.example/"), {});
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), windows);
    commands.Run(IDM_DRAG_EDIT_URL, Link("http://a.example/"), {});
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), windows + 1);
    ASSERT_EQ(h.platform.ui.Questions().size(), 2u);
    EXPECT_EQ(h.platform.ui.Questions()[0].text, "Input URL:");
}

TEST_F(DragHostTest, FtpAddressesAreMadeFromAnyAddress) {
    EXPECT_EQ(FtpAddress("ftp://files.example/a"), "ftp://files.example/a");
    EXPECT_EQ(FtpAddress("http://files.example/a"), "ftp://files.example/a");
    EXPECT_EQ(FtpAddress("files.example/a"), "ftp://files.example/a");
    EXPECT_EQ(FtpAddress("www.example/go?to=http://x/"), "ftp://www.example/go?to=http://x/")
        << "a \"://\" in the query is no scheme";
    EXPECT_EQ(FtpAddress(""), "");
    host.Commands().Run(IDM_DRAG_OPEN_FTP, Link("http://files.example/"), {});
    ASSERT_FALSE(h.platform.shell.executed.empty()) << "ftp addresses go to the ftp program";
    EXPECT_EQ(h.platform.shell.executed.back().parameters, "\"ftp://files.example/\"");
}

TEST_F(DragHostTest, TheSystemBrowserGetsTheLinkAsOneArgument) {
    host.Commands().Run(IDM_DRAG_OPEN_IN_IE, Link("http://a.example/?q=1 -x"), {});
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "IEXPLORE.EXE");
    EXPECT_EQ(h.platform.shell.executed[0].parameters, "\"http://a.example/?q=1 -x\"");
    h.platform.shell.failExecute = true;
    host.Commands().Run(IDM_DRAG_OPEN_IN_IE, Link("http://b.example/"), {});
    EXPECT_EQ(h.platform.ui.MessagesShown().size(), 1u) << "a failed start is told";
}

TEST_F(DragHostTest, ClipboardCollectorAndPageReads) {
    std::vector<std::pair<std::string, int>> collected;
    h.frame->Filters().SetCollector(
        [&](const std::string& text, int kind) { collected.emplace_back(text, kind); });
    DragCommands& commands = host.Commands();
    commands.Run(IDM_DRAG_COPY_TEXT, Link("http://a.example/", "A title"), {});
    EXPECT_EQ(h.platform.shell.clipboard, "A title");
    commands.Run(IDM_DRAG_LINK_TO_COLLECTOR, Link("http://a.example/", "A title"), {});
    host.CollectDrop(Link("http://b.example/", "B"), "");
    ASSERT_EQ(collected.size(), 2u);
    EXPECT_EQ(collected[0].first, "A title => http://a.example/\r\n");
    EXPECT_EQ(collected[0].second, 0) << "the text collector";
    EXPECT_EQ(collected[1].first, "B => http://b.example/\r\n");

    h.BrowserOf(first).document.images["5,6"] = "http://i.example/a.gif";
    EXPECT_EQ(host.ImageAt({5, 6}), "http://i.example/a.gif");
    EXPECT_EQ(host.ImageAt({6, 5}), "");
    h.BrowserOf(first).selectedLinks = {"http://l1.example/", "javascript:x()"};
    const int windows = h.frame->Windows().Count();
    commands.Run(IDM_DRAG_OPEN_SELECTED_LINKS, Link(""), {});
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), windows + 1) << "a script link is not opened";
    EXPECT_EQ(h.Active(), first) << "selected links open behind";
}

TEST_F(DragHostTest, SearchActionsFollowTheCommandAndShift) {
    EXPECT_EQ(DragSearchAction(IDM_DRAG_SEARCH, false), SearchAction::Search);
    EXPECT_EQ(DragSearchAction(IDM_DRAG_SEARCH, true), SearchAction::Highlight);
    EXPECT_EQ(DragSearchAction(IDM_DRAG_HIGHLIGHT, false), SearchAction::Highlight);
    EXPECT_EQ(DragSearchAction(IDM_DRAG_FIND, true), SearchAction::Find);
    EXPECT_EQ(DragSearchAction(IDM_DRAG_OPEN, false), std::nullopt);
}

TEST_F(DragHostTest, TheMenuPickRunsOnTheDraggedItem) {
    FakeDragMenus menus;
    host.ShowDragMenu(Link("http://a.example/"), {});
    EXPECT_TRUE(menus.shown.empty()) << "without a binding no menu is shown";

    h.frame->Mouse().dragMenus = &menus;
    menus.pick = IDM_DRAG_COPY_URL;
    host.ShowDragMenu(Link("http://a.example/"), {});
    EXPECT_EQ(menus.shownSection, "MenuDragLink");
    ASSERT_FALSE(menus.shown.empty());
    EXPECT_EQ(menus.shown[0].id, IDM_DRAG_OPEN);
    EXPECT_EQ(h.platform.shell.clipboard, "http://a.example/");

    // A command of the menu that is not a drag command (an engine of "All &Search") goes to
    // the frame like any menu command.
    menus.pick = IDM_DRAG_SEARCH_ENGINE_FIRST;
    DragItem text;
    text.DragItemUrl = text.DragItemText = "words";
    host.ShowDragMenu(text, {});
    EXPECT_EQ(menus.shownSection, "MenuDragText");
    ASSERT_FALSE(h.platform.loop.Queue().empty());
    EXPECT_EQ(h.platform.loop.Queue().back().message, kWmCommand);
    EXPECT_EQ(h.platform.loop.Queue().back().wParam,
              static_cast<uintptr_t>(IDM_DRAG_SEARCH_ENGINE_FIRST));
    menus.pick = 0;
    h.platform.shell.clipboard.clear();
    host.ShowDragMenu(Link("http://a.example/"), {});
    EXPECT_EQ(h.platform.shell.clipboard, "") << "a dismissed menu runs nothing";
    h.frame->Mouse().dragMenus = nullptr;
}

}  // namespace
}  // namespace lumbrel
