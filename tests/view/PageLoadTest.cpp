// What a window shows while its page loads: tab texts and images, progress, status texts,
// the secure mark, and what the end of the top document's load does.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::FrameHarness;
using test::LoadedWindow;
using test::TabTexts;

TEST(TabText, ShowIndexNumbersTheTitles) {
    FrameHarness numbered("ShowIndex=1\r\nNewSequence=0\r\n");
    for (const char* name : {"One", "Two", "Three"})
        LoadedWindow(numbered, std::string("http://") + name + ".example/", name, false);
    EXPECT_EQ(TabTexts(numbered), "1-One|2-Two|3-Three");

    FrameHarness plain("ShowIndex=0\r\nNewSequence=0\r\n");
    for (const char* name : {"One", "Two", "Three"})
        LoadedWindow(plain, std::string("http://") + name + ".example/", name, false);
    EXPECT_EQ(TabTexts(plain), "One|Two|Three");
}

TEST(TabImage, ProgressShowsLoadingImagesAndTheEndSignalTheFinalOne) {
    FrameHarness h("ShowRead=1\r\n");
    CChildFrame* front = h.Open("http://front.example/", true);
    CChildFrame* back = h.Open("http://back.example/", false);
    h.BrowserOf(front).RaiseProgress(50, 100);
    EXPECT_EQ(h.tabs.Image(0), 2);
    h.BrowserOf(back).RaiseProgress(10, 100);
    EXPECT_EQ(h.tabs.Image(1), 1);
    h.BrowserOf(back).RaiseProgress(0, 0);
    EXPECT_EQ(h.tabs.Image(1), 5) << "unread in the background";
    h.BrowserOf(front).RaiseProgress(0, 0);
    EXPECT_EQ(h.tabs.Image(0), 9) << "read, shown with ShowRead";

    FrameHarness noRead("ShowRead=0\r\n");
    CChildFrame* page = noRead.Open("http://front.example/", true);
    noRead.BrowserOf(page).RaiseProgress(50, 100);
    noRead.BrowserOf(page).RaiseProgress(0, 0);
    EXPECT_EQ(noRead.tabs.Image(0), -1) << "no image without ShowRead";
}

TEST(TabImage, WindowsWithoutATabLeaveTheOtherTabsAlone) {
    FrameHarness h("ShowIndex=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.BrowserOf(page).RaiseProgress(50, 100);
    bool cancel = false;
    auto* hidden = dynamic_cast<test::FakeBrowser*>(h.BrowserOf(page).RaiseNewWindow(cancel));
    ASSERT_NE(hidden, nullptr);
    hidden->RaiseTitle("Hidden");
    hidden->RaiseProgress(90, 100);
    hidden->RaiseProgress(0, 0);
    EXPECT_EQ(TabTexts(h), "1-A");
    EXPECT_EQ(h.tabs.Image(0), 2);
    EXPECT_EQ(h.frame->Windows().Find(page->LastOpened())->View().TabImageShown(), -1);
}

TEST(StatusText, DisScrollTextDropsWhatPagesScroll) {
    FrameHarness h("DisScrollText=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.RaiseStatus("Done");
    EXPECT_EQ(h.status.text, "Done");
    engine.RaiseStatus("*** Welcome *** cheap deals ***");
    EXPECT_EQ(h.status.text, "Done");
    engine.RaiseStatus("Opening page http://b.example/...");
    EXPECT_EQ(h.status.text, "Opening page http://b.example/...");
    engine.RaiseStatus("see http://b.example/");
    EXPECT_EQ(h.status.text, "see http://b.example/");

    FrameHarness open("DisScrollText=0\r\n");
    CChildFrame* other = LoadedWindow(open, "http://a.example/", "A");
    open.BrowserOf(other).RaiseStatus("*** Welcome ***");
    EXPECT_EQ(open.status.text, "*** Welcome ***");
}

TEST(Frames, ThePageCompletesOnlyWithItsOwnDocument) {
    FrameHarness h;
    CChildFrame* page = h.Open("http://a.example/", true);
    CQuorralView& view = page->View();
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.location = "http://a.example/";
    view.OnNavigateComplete2("http://a.example/", engine.TopFrame(), true);
    int frameToken = 0;
    view.OnNavigateComplete2("http://a.example/menu.htm", &frameToken, false);
    view.OnDocumentComplete("http://a.example/menu.htm", &frameToken, false);
    EXPECT_GE(view.Progress(), 0) << "a frame's document is not the page's";
    view.OnDocumentComplete("http://a.example/", engine.TopFrame(), true);
    EXPECT_EQ(view.Progress(), kProgressIdle);
    EXPECT_EQ(view.Nav().topFrameDisp, nullptr);
}

TEST(Frames, AStoppedLoadDoesNotBlockTheNextPage) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.RaiseBeforeNavigate("http://slow.example/");
    // The first NavigateComplete2 of the load is a frame's, and the load is stopped before
    // any DocumentComplete.
    int frameToken = 0;
    page->View().OnNavigateComplete2("http://slow.example/menu.htm", &frameToken, false);
    engine.Stop();
    engine.RaiseBeforeNavigate("http://b.example/");
    engine.RaiseProgress(50, 100);
    engine.Load(test::FakePage{"http://b.example/", "B", {"http://b.example/f1.htm"}});
    EXPECT_EQ(page->View().Progress(), kProgressIdle);
    EXPECT_EQ(page->View().Nav().topFrameDisp, nullptr);
    EXPECT_EQ(h.address.text, "http://b.example/");
    EXPECT_EQ(page->View().Location(), "http://b.example/");
}

TEST(Secure, HttpsPagesWithAPrivacyProtocolAreMarked) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    engine.document.protocol = "HyperText Transfer Protocol with Privacy";
    engine.RaiseBeforeNavigate("https://bank.example/");
    engine.FinishLoad("Bank");
    EXPECT_TRUE(page->View().IsSecure());
    EXPECT_TRUE(h.status.secure);
    engine.RaiseBeforeNavigate("http://plain.example/");
    EXPECT_FALSE(page->View().IsSecure());
    EXPECT_FALSE(h.status.secure);
    engine.document.exists = false;
    engine.RaiseBeforeNavigate("https://bank.example/");
    engine.FinishLoad();
    EXPECT_FALSE(page->View().IsSecure()) << "no document, no proof";
}

TEST(DocumentComplete, FinishedPagesGetTheirSettings) {
    FrameHarness h("AutoSetBG=1\r\nBGColor=#E0E8F0\r\nLockHomepage=1\r\n");
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    EXPECT_EQ(h.BrowserOf(page).document.background, "#E0E8F0");
    h.BrowserOf(page).document.backgroundPicture = "tile.gif";
    h.BrowserOf(page).RaiseBeforeNavigate("http://c.example/");
    h.BrowserOf(page).FinishLoad();
    EXPECT_EQ(h.BrowserOf(page).document.backgroundPicture, "") << "the page's picture goes";
    EXPECT_EQ(h.BrowserOf(page).document.bodyScroll, "") << "a window the user opened";
    ClickInPage(h, page);
    test::FakeBrowser* popup = h.BrowserOf(page).OpenWindowFromScript("http://b.example/");
    popup->FinishLoad("B");
    EXPECT_EQ(popup->document.bodyScroll, "yes") << "page-opened windows always scroll";
}

TEST(DocumentComplete, LockHomepageRestoresTheStartPage) {
    const std::string key = "Software\\Microsoft\\Internet Explorer\\Main";
    FrameHarness h("LockHomepage=1\r\n", false);
    h.platform.registry.WriteString(RegRoot::CurrentUser, key, "Start Page", "http://home/");
    h.frame->OnCreate(FrameWidgets{h.window, h.tabs, h.address, h.status});
    h.frame->DeferredInit();
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    h.platform.registry.WriteString(RegRoot::CurrentUser, key, "Start Page", "http://hijack/");
    h.BrowserOf(page).RaiseBeforeNavigate("http://b.example/");
    h.BrowserOf(page).FinishLoad("B");
    EXPECT_EQ(h.platform.registry.ReadString(RegRoot::CurrentUser, key, "Start Page"),
              "http://home/");
}

TEST(DocumentComplete, ABlankPageShowsAnAddressFromTheClipboard) {
    FrameHarness h("BlankMonitorClip=1\r\n");
    h.platform.shell.clipboard = "www.clip.example";
    h.OpenBlank();
    h.BrowserOf(h.Active()).FinishLoad();
    EXPECT_EQ(h.address.text, "www.clip.example");
    h.platform.shell.clipboard = "just words";
    h.BrowserOf(h.Active()).RaiseBeforeNavigate("about:blank");
    h.BrowserOf(h.Active()).FinishLoad();
    EXPECT_EQ(h.address.text, "about:blank");
}

TEST(Navigate2, PostDataKeepsEveryByteAndEmptyMeansNone) {
    FrameHarness h;
    CChildFrame* page = LoadedWindow(h, "http://a.example/", "A");
    test::FakeBrowser& engine = h.BrowserOf(page);
    const std::string binary("id=\0\x01\xFF&x", 8);
    page->View().OpenUrl(NavigateRequest{"http://a.example/upload", 0, "", "X-A: 1\r\n", binary});
    EXPECT_EQ(engine.requests.back().postData, binary);
    EXPECT_EQ(engine.requests.back().headers, "X-A: 1\r\n");
    page->View().OpenUrl("http://a.example/next");
    EXPECT_TRUE(engine.requests.back().postData.empty());
}

TEST(Refresh, AnErrorPageReloadsTheAddressThatFailedInItsOwnWindow) {
    FrameHarness h;
    CChildFrame* front = LoadedWindow(h, "http://front.example/", "Front");
    CChildFrame* back = h.Open("http://down.example/", false);
    h.BrowserOf(back).Load(
        test::FakePage{"res://ieframe.dll/dnserror.htm#http://down.example/", "Error", {}});
    h.address.text = "http://front.example/";
    h.Command(IDM_REFRESH_ALL);
    EXPECT_EQ(h.BrowserOf(back).navigations.back(), "http://down.example/");
    EXPECT_EQ(h.BrowserOf(front).refreshes, std::vector<int>{0});
    EXPECT_EQ(h.address.text, "http://front.example/") << "the active window's box stays";

    h.frame->ActivateChild(*back);
    h.Command(IDM_FORBID_AUTO_NAVIGATE);
    h.BrowserOf(back).Load(
        test::FakePage{"res://ieframe.dll/dnserror.htm#http://down.example/", "Error", {}});
    h.Command(IDM_REFRESH);
    EXPECT_FALSE(h.BrowserOf(back).lastNavigationCancelled) << "the user's refresh goes through";

    // The text after "#" is the page's to choose: only a loadable address is loaded again.
    h.BrowserOf(back).Load(test::FakePage{
        "res://ieframe.dll/dnserror.htm#javascript:alert(document.cookie)", "Error", {}});
    const size_t loaded = h.BrowserOf(back).navigations.size();
    h.Command(IDM_REFRESH);
    EXPECT_EQ(h.BrowserOf(back).navigations.size(), loaded);
    EXPECT_TRUE(h.BrowserOf(back).refreshes.empty());
}

}  // namespace
}  // namespace lumbrel
