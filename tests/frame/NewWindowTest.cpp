// Creating, reusing and placing browser windows.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

TEST(NewWindow, TheFirstNavigationShowsTheWindowAndInsertsItsTab) {
    FrameHarness h;
    CChildFrame* child = h.Open("http://a.example/");
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(h.WindowOf(child).visible);
    EXPECT_EQ(h.Tabs(), "0*:0");
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.Active(), child) << "the first window of all is the active one";
    EXPECT_EQ(h.BrowserOf(child).navigations, std::vector<std::string>{"http://a.example/"});
    EXPECT_EQ(h.tabs.widened, 4) << "the tab control is widened once";
    h.Open("http://b.example/");
    EXPECT_EQ(h.tabs.widened, 4);
}

TEST(NewWindow, ACancelledFirstNavigationNeverShowsTheWindow) {
    FrameHarness h;
    ASSERT_NE(h.Open("http://page.example/"), nullptr);
    EXPECT_EQ(h.tabs.Count(), 1);
    CChildFrame* silent =
        h.NewChild(ChildMode::NoNavigation, NavKind::Url, "http://x.example/", false);
    ASSERT_NE(silent, nullptr);
    EXPECT_FALSE(h.WindowOf(silent).visible);
    EXPECT_EQ(h.tabs.Count(), 1) << "mode 0 waits for the engine to navigate";
    EXPECT_TRUE(h.BrowserOf(silent).navigations.empty());
}

TEST(NewWindow, ScriptAndMailAddressesGetNoWindow) {
    FrameHarness h;
    EXPECT_EQ(h.Open("javascript:void(0)"), nullptr);
    EXPECT_EQ(h.Open(" mailto:someone@example.com"), nullptr);
    EXPECT_EQ(h.window.created, 0);
}

TEST(NewWindow, TypedSiteNamesGetWww) {
    FrameHarness h;
    CChildFrame* child = h.Open("  example.com\r\n");
    EXPECT_EQ(h.BrowserOf(child).navigations.back(), "www.example.com");
    CChildFrame* other = h.Open("example.com/page.htm");
    EXPECT_EQ(h.BrowserOf(other).navigations.back(), "example.com/page.htm");
}

TEST(NewWindow, LocalFoldersOpenInTheShell) {
    FrameHarness h;
    h.platform.fs.AddFolder("C:\\Windows");
    h.platform.fs.AddFolder("C:\\Lumbrel\\Resource");
    EXPECT_EQ(h.Open("C:\\Windows"), nullptr);
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Windows");
    EXPECT_NE(h.Open("C:\\pages\\index.htm"), nullptr) << "a file is a page";
    EXPECT_EQ(h.Open(".\\Resource"), nullptr);
    EXPECT_EQ(h.platform.shell.executed.back().file, "C:\\Lumbrel\\Resource");
    const size_t started = h.platform.shell.executed.size();
    EXPECT_NE(h.Open("C:\\Tools\\setup"), nullptr)
        << "a name without an extension that is no folder is left to the engine";
    EXPECT_EQ(h.platform.shell.executed.size(), started);
}

TEST(NewWindow, FtpAddressesGoToTheFtpProgram) {
    FrameHarness h;
    EXPECT_EQ(h.Open("ftp://files.example/"), nullptr);
    EXPECT_EQ(h.platform.shell.executed.back().parameters, "\"ftp://files.example/\"");
    FrameHarness off("");
    off.app->Settings().WriteProfileInt("FtpOpen", "FtpOpenType", 0);
    EXPECT_NE(off.Open("ftp://files.example/"), nullptr);
}

TEST(NewWindow, AnIdleBlankWindowIsReusedInsteadOfCreatingOne) {
    FrameHarness h;
    CChildFrame* blank = h.OpenBlank();
    ASSERT_NE(blank, nullptr);
    ASSERT_EQ(blank->View().Location(), "about:blank");
    CChildFrame* link = h.Open("http://link.example/");
    EXPECT_EQ(link, blank);
    EXPECT_EQ(h.window.created, 1);
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.BrowserOf(blank).navigations.back(), "http://link.example/");

    h.BrowserOf(blank).RaiseProgress(40, 100);  // loading: not idle
    h.NewChild(ChildMode::Create, NavKind::Blank, "", false);
    h.Pump();
    EXPECT_EQ(h.window.created, 2) << "the blank page command always creates";
}

TEST(NewWindow, ABackgroundWindowGoesRightOfTheCurrentOneWithNewSequence1) {
    FrameHarness h("NewSequence=1\r\n");
    h.Open("http://one.example/");
    h.Open("http://two.example/");
    h.Open("http://three.example/");
    CChildFrame* second = h.frame->Windows().At(1);
    h.frame->ActivateChild(*second);
    ASSERT_EQ(h.tabs.selected, 1);

    CChildFrame* added = h.Open("http://four.example/");
    EXPECT_EQ(h.frame->FindTab(*added), 2);
    EXPECT_EQ(h.tabs.selected, 1) << "the second window stays selected";
    EXPECT_EQ(h.Active(), second);
}

TEST(NewWindow, TheOtherSideFlagInsertsLeftAndMovesTheSelection) {
    FrameHarness h("NewSequence=1\r\n");
    h.Open("http://one.example/");
    h.Open("http://two.example/");
    h.Open("http://three.example/");
    CChildFrame* second = h.frame->Windows().At(1);
    h.frame->ActivateChild(*second);

    CChildFrame* child = h.NewChild(ChildMode::NoNavigation, NavKind::Blank, "", false);
    child->SetOpenFlags(kOpenOtherSide);
    h.BrowserOf(child).RaiseBeforeNavigate("http://left.example/");
    EXPECT_EQ(h.frame->FindTab(*child), 1);
    EXPECT_EQ(h.tabs.selected, 2);
    EXPECT_EQ(h.Active(), second);
    EXPECT_EQ(child->OpenFlags(), 0) << "used once";
}

TEST(NewWindow, ShowIndexNumbersTheTabsFromTheNewOneOn) {
    FrameHarness h("NewSequence=2\r\n");
    CChildFrame* a = h.Open("http://a.example/");
    h.BrowserOf(a).RaiseTitle("A");
    CChildFrame* b = h.Open("http://b.example/");
    EXPECT_EQ(h.frame->FindTab(*b), 0);
    EXPECT_EQ(h.tabs.Text(1), "2-A");
    EXPECT_EQ(h.tabs.Text(0), "1-http://b.example/") << "the address until the page has a title";
    h.BrowserOf(b).RaiseTitle("B");
    EXPECT_EQ(h.tabs.Text(0), "1-B");
}

TEST(NewWindow, ActivatedWindowsComeToTheFront) {
    FrameHarness h;
    CChildFrame* first = h.Open("http://one.example/");
    CChildFrame* background = h.Open("http://two.example/");
    EXPECT_EQ(h.Active(), first);
    EXPECT_FALSE(background->View().IsActiveView());
    CChildFrame* front = h.Open("http://three.example/", true);
    EXPECT_EQ(h.Active(), front);
    EXPECT_EQ(h.tabs.selected, h.frame->FindTab(*front));
    EXPECT_EQ(h.address.text, "http://three.example/");

    FrameHarness activeNew("ActiveNew=1\r\n");
    activeNew.Open("http://one.example/");
    CChildFrame* next = activeNew.Open("http://two.example/");
    EXPECT_EQ(activeNew.Active(), next);
}

TEST(NewWindow, TheFirstWindowFollowsTheChildrenDisplayMode) {
    FrameHarness maximised("PageMax=1\r\n");
    CChildFrame* a = maximised.Open("http://a.example/");
    EXPECT_TRUE(maximised.WindowOf(a).maximized);
    EXPECT_EQ(maximised.frame->ChildrenDisplayMode(), DisplayMode::Maximized);

    FrameHarness normal("PageMax=0\r\n");
    CChildFrame* b = normal.Open("http://b.example/");
    EXPECT_FALSE(normal.WindowOf(b).maximized);
    normal.WindowOf(b).maximized = true;  // the user maximised it
    CChildFrame* c = normal.Open("http://c.example/");
    EXPECT_TRUE(normal.WindowOf(c).maximized) << "follows the active window";
}

TEST(NewWindow, CreationFailureGivesNoWindow) {
    FrameHarness h;
    h.window.failCreate = true;
    EXPECT_EQ(h.Open("http://a.example/"), nullptr);
    EXPECT_EQ(h.frame->Windows().Count(), 0);
}

TEST(NewWindow, APageRequestedWindowRemembersItsOpener) {
    FrameHarness h;
    CChildFrame* opener = h.Open("http://a.example/");
    bool cancel = false;
    BrowserControl* control = h.BrowserOf(opener).RaiseNewWindow(cancel);
    ASSERT_FALSE(cancel);
    ASSERT_NE(control, nullptr);
    CChildFrame* opened = h.frame->Windows().Find(opener->LastOpened());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(&opened->View().Child(), opened);
    EXPECT_TRUE(opened->View().OpenedByPage());
    EXPECT_EQ(opened->View().Opener(), opener->Id());
}

TEST(NewWindowCommands, OpenTheirPages) {
    FrameHarness h("NewSequence=0\r\n");
    CChildFrame* page = h.Open("http://news.site.com/a/b.htm");
    h.platform.shell.clipboard = "javascript:alert(1)";
    h.Command(IDM_NEW_FROM_CLIPBOARD);
    EXPECT_EQ(h.frame->Windows().Count(), 1) << "a script on the clipboard opens nothing";
    h.platform.shell.clipboard = "http://clip.example/";
    h.Command(IDM_NEW_FROM_CLIPBOARD);
    EXPECT_EQ(h.frame->Windows().Count(), 2);

    h.frame->ActivateChild(*page);
    h.Command(IDM_NEW_UP_PAGE);
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(2)).navigations.back(), "http://news.site.com/a/");
    h.frame->ActivateChild(*page);
    h.Command(IDM_NEW_ROOT_PAGE);
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(3)).navigations.back(), "http://www.site.com/");
    h.frame->ActivateChild(*page);
    h.Command(IDM_NEW_CURRENT_PAGE);
    EXPECT_EQ(h.frame->Windows().Count(), 5);

    h.BrowserOf(page).selectedLinks = {"http://l1.example/", "http://l2.example/"};
    h.frame->ActivateChild(*page);
    h.Command(IDM_NEW_SELECTED_LINKS);
    EXPECT_EQ(h.frame->Windows().Count(), 7);
}

TEST(NewWindowCommands, TheNewWindowButtonRunsTheConfiguredItem) {
    FrameHarness h("NewWindow=8\r\nNewSequence=0\r\n");
    CChildFrame* page = h.Open("http://a.example/");
    h.frame->ActivateChild(*page);
    h.Command(IDM_NEW_WINDOW);
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(1)).navigations.back(), "http://a.example/");
}

TEST(NewWindowCommands, TogglesFlipTheirSettings) {
    FrameHarness h;
    EXPECT_EQ(h.frame->QueryCommand(IDM_NEW_TO_NEXT).checked, false);
    h.Command(IDM_NEW_TO_NEXT);
    EXPECT_EQ(h.app->Prefs().newSequence, 2);
    h.Command(IDM_NEW_TO_NEXT);
    EXPECT_EQ(h.app->Prefs().newSequence, 1);
    h.Command(IDM_ACTIVATE_NEW_WINDOW);
    EXPECT_EQ(h.app->Prefs().activeNew, 1);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_ACTIVATE_NEW_WINDOW).checked);
    h.Command(IDM_OPEN_LINKS_IN_NEW_WINDOW);
    EXPECT_EQ(h.app->Prefs().linkInNewWindow, 1);
    h.Command(IDM_NEW_PROCESS);
    EXPECT_EQ(h.platform.shell.executed.back().file, "C:\\Lumbrel\\lumbrel.exe");
    h.platform.shell.failExecute = true;
    h.Command(IDM_NEW_PROCESS);
    EXPECT_EQ(h.platform.ui.MessagesShown().back(), "Fail to run this external utility.");
}

TEST(HandOver, OpensTheUrlOrTheShortcutTargetActivated) {
    FrameHarness h;
    h.platform.fs.AddFile("C:\\Desk\\Site.url",
                          "[InternetShortcut]\r\nURL=http://short.example/\r\n");
    h.window.visible = false;
    h.frame->OnHandover("C:\\Desk\\Site.URL");
    h.Pump();
    EXPECT_TRUE(h.window.visible);
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.BrowserOf(h.Active()).navigations.back(), "http://short.example/");
    h.frame->OnHandover("http://direct.example/");
    h.Pump();
    EXPECT_EQ(h.BrowserOf(h.Active()).navigations.back(), "http://direct.example/");
}

TEST(DroppedFiles, OpenShortcutsLinksAndFiles) {
    FrameHarness h;
    h.platform.fs.AddFile("C:\\D\\a.url", "[InternetShortcut]\r\nURL=http://a.example/\r\n");
    h.platform.shell.links["C:\\D\\b.LNK"] = "C:\\pages\\b.htm";
    h.frame->OnDroppedFiles({"C:\\D\\a.url", "C:\\D\\b.LNK", "C:\\D\\broken.lnk"}, false);
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.BrowserOf(h.frame->Windows().At(1)).navigations.back(), "C:\\pages\\b.htm");
    CChildFrame* active = h.Active();
    h.frame->OnDroppedFiles({"C:\\pages\\c.htm"}, true);
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 2) << "with Shift the active window navigates";
    EXPECT_EQ(h.BrowserOf(active).navigations.back(), "C:\\pages\\c.htm");
}

}  // namespace
}  // namespace lumbrel
