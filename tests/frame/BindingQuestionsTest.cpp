// What the Windows binding asks the frame instead of deciding itself: what Enter in the
// address box opens, the tray icon's clicks, how the frame is first shown, which bands show,
// the download-control flags of a new browser host, and which posted messages reach the frame.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "frame/FrameMessages.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

TEST(AddressEnter, TheActiveWindowOpensTheAddressUnlessANewOneIsAskedFor) {
    FrameHarness h("AddressInNewWindow=0\r\n");
    CChildFrame* page = h.Open("http://a.example/", true);
    const int focused = h.BrowserOf(page).focusCount;
    h.frame->Address().GoAddress("  http://typed.example/ ", KeyModifiers{});
    h.Pump();
    EXPECT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(h.BrowserOf(page).navigations.back(), "http://typed.example/");
    EXPECT_EQ(h.BrowserOf(page).focusCount, focused + 1) << "the page gets the focus";

    h.frame->Address().GoAddress("http://alt.example/", KeyModifiers{.alt = true});
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 2) << "Alt held: a new window";
    EXPECT_EQ(h.Active()->View().Location(), "http://alt.example/") << "ActiveNewAddress is on";
    h.frame->Address().GoAddress("   ", KeyModifiers{});
    EXPECT_EQ(h.frame->Windows().Count(), 2) << "blank text opens nothing";
}

TEST(AddressEnter, AddressInNewWindowOpensBehindWithoutActiveNewAddress) {
    FrameHarness h("AddressInNewWindow=1\r\nActiveNewAddress=0\r\nNewSequence=0\r\n");
    CChildFrame* page = h.Open("http://a.example/", true);
    h.frame->Address().GoAddress("http://typed.example/", KeyModifiers{});
    h.Pump();
    ASSERT_EQ(h.frame->Windows().Count(), 2);
    EXPECT_EQ(h.frame->Windows().At(1)->View().Location(), "http://typed.example/");
    EXPECT_EQ(h.Active(), page);

    FrameHarness empty;
    empty.frame->Address().GoAddress("http://first.example/", KeyModifiers{});
    empty.Pump();
    ASSERT_EQ(empty.frame->Windows().Count(), 1) << "no window yet: a new one";
}

TEST(TrayIcon, ClicksShowOrHideAndTheRightButtonOpensTheMenu) {
    FrameHarness h;
    h.frame->OnTrayMouse(TrayMouse::LeftUp);
    EXPECT_FALSE(h.window.visible);
    h.frame->OnTrayMouse(TrayMouse::LeftDoubleClick);
    EXPECT_TRUE(h.window.visible);
    h.frame->OnTrayMouse(TrayMouse::RightUp);
    EXPECT_EQ(h.window.trayMenus, 1);
    EXPECT_TRUE(h.window.visible);
}

TEST(StartShow, FollowsThePlacementKeysAndZoomed) {
    FrameHarness placed("top=10\r\nleft=20\r\nwidth=640\r\nheight=480\r\nZoomed=1\r\n");
    FrameStartShow show = placed.frame->StartShow(false);
    ASSERT_TRUE(show.placement.has_value());
    EXPECT_EQ(show.placement->left, 20);
    EXPECT_EQ(show.placement->height, 480);
    EXPECT_TRUE(show.maximized);
    EXPECT_FALSE(placed.frame->StartShow(true).maximized) << "a minimised start stays so";

    FrameHarness unusable("top=-30\r\nZoomed=0\r\n");
    show = unusable.frame->StartShow(false);
    EXPECT_FALSE(show.placement.has_value());
    EXPECT_FALSE(show.maximized);
}

TEST(Bands, OnlyTheTabBandsKeyIsReadAtStart) {
    FrameHarness hidden;
    hidden.app->Settings().Write(keys::BandShown, 0, 0);
    hidden.app->Settings().Write(keys::BandShown, 1, 0);
    EXPECT_FALSE(hidden.frame->ShowsBandAtStart(0));
    EXPECT_TRUE(hidden.frame->ShowsBandAtStart(1));
    FrameHarness fresh;
    EXPECT_TRUE(fresh.frame->ShowsBandAtStart(0)) << "shown by default";
}

TEST(Bands, TheBarCommandsShowAndHideTheirBandsAndTheExitKeepsTheChoice) {
    FrameHarness h("ConfirmExit=0\r\n");
    h.window.bands = {{IDM_VIEW_TAB_BAR, 200, 0, true}, {IDM_VIEW_ADDRESS_BAR, 300, 0, true}};
    EXPECT_TRUE(h.frame->QueryCommand(IDM_VIEW_TAB_BAR).checked);
    h.Command(IDM_VIEW_TAB_BAR);
    EXPECT_FALSE(h.window.bands[0].visible);
    EXPECT_FALSE(h.frame->QueryCommand(IDM_VIEW_TAB_BAR).checked);
    EXPECT_TRUE(h.window.bands[1].visible) << "each command its own band";
    h.Command(IDM_VIEW_ADDRESS_BAR);
    h.Command(IDM_VIEW_ADDRESS_BAR);
    EXPECT_TRUE(h.window.bands[1].visible);

    h.window.bands.pop_back();
    EXPECT_FALSE(h.frame->QueryCommand(IDM_VIEW_ADDRESS_BAR).enabled) << "no such band";
    h.Command(IDM_VIEW_ADDRESS_BAR);
    EXPECT_EQ(h.window.bands.size(), 1u);

    EXPECT_TRUE(h.frame->OnCloseRequest(false));
    EXPECT_EQ(h.app->Settings().Get(keys::BandShown, 0), 0);
    EXPECT_EQ(h.app->Settings().Get(keys::BandId, 0), IDM_VIEW_TAB_BAR);
    EXPECT_FALSE(h.frame->ShowsBandAtStart(0)) << "the tab bar starts hidden next time";
}

TEST(DownloadControl, ANewHostGetsTheDefaultOrItsOpenersFlags) {
    FrameHarness h("DefaultProperty=48\r\nDisDownActivex=0\r\n");
    CChildFrame* page = h.Open("http://a.example/");
    EXPECT_EQ(h.window.createdWith[page->Id()].downloadControlFlags, 48);
    bool cancel = false;
    h.BrowserOf(page).RaiseNewWindow(cancel);
    const ChildId opened = page->LastOpened();
    EXPECT_EQ(h.window.createdWith[opened].downloadControlFlags, page->View().Inherited().dlFlags);

    FrameHarness noActiveXDownload("DefaultProperty=48\r\nDisDownActivex=1\r\n");
    CChildFrame* guarded = noActiveXDownload.Open("http://a.example/");
    EXPECT_EQ(noActiveXDownload.window.createdWith[guarded->Id()].downloadControlFlags, 48 | 0x400)
        << "the engine is told not to download ActiveX controls";
}

TEST(FrameMessages, OnlyForwardedMessagesReachTheFrame) {
    FrameHarness h;
    h.platform.loop.Post(kFrameTarget, UM_REBUILD_TOOLBAR, 0, 0);
    EXPECT_NONFATAL_FAILURE(h.Pump(), "does not forward");
    for (uint32_t message : kForwardedFrameMessages)
        EXPECT_NE(message, UM_HANDOVER) << "the hand-over is read by the main window first";
}

TEST(FrameMessages, TheTabBandIsFittedWhenTheRowsChange) {
    FrameHarness h;
    const int before = h.window.tabBandFits;
    h.Open("http://a.example/");
    EXPECT_EQ(h.window.tabBandFits, before + 1) << "the first tab's row";
    h.Open("http://b.example/");
    EXPECT_EQ(h.window.tabBandFits, before + 1) << "same rows: nothing to do";
    h.frame->Post(UM_TAB_LAYOUT, 2);
    h.Pump();
    EXPECT_EQ(h.window.tabBandFits, before + 2) << "wParam 2 asks for it anyway";
}

}  // namespace
}  // namespace lumbrel
