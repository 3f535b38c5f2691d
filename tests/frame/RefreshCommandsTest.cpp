// Auto-refresh from the menus: the switch, the period dialog and which windows reload.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "support/FrameHarness.h"
#include "view/AutoRefresh.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

struct TwoWindows : FrameHarness {
    explicit TwoWindows(const std::string& settings = "")
        : FrameHarness(settings + "NewSequence=0\r\n") {
        for (const char* name : {"front", "back"}) {
            CChildFrame* child = Open(std::string("http://") + name + ".example/");
            BrowserOf(child).FinishLoad(name);
            windows.push_back(child);
        }
        frame->ActivateChild(*windows[0]);
        Pump();
    }
    uint32_t TimerOf(int i) { return windows[i]->View().AutoRefresher().TimerId(); }
    std::vector<CChildFrame*> windows;
};

TEST(AutoRefreshCommand, BackgroundWindowsReloadAndTheFrontOneOnlyWhenAsked) {
    TwoWindows h("AutoRefreshActive=0\r\nAutoRefresh=2\r\n");
    h.Command(IDM_AUTO_REFRESH);  // the active window
    h.frame->OnTabMenuCommand(IDM_TAB_AUTO_REFRESH, h.windows[1]->Id());
    EXPECT_TRUE(h.frame->QueryCommand(IDM_AUTO_REFRESH).checked);
    ASSERT_NE(h.TimerOf(0), 0u);
    EXPECT_EQ(h.platform.loop.TimerPeriod(h.windows[1]->Id(), h.TimerOf(1)), 2000u);
    h.platform.loop.Advance(4100);
    EXPECT_TRUE(h.BrowserOf(h.windows[0]).refreshes.empty());
    EXPECT_EQ(h.BrowserOf(h.windows[1]).refreshes.size(), 2u);

    TwoWindows active("AutoRefreshActive=1\r\nAutoRefresh=2\r\n");
    active.Command(IDM_AUTO_REFRESH);
    active.platform.loop.Advance(2100);
    EXPECT_EQ(active.BrowserOf(active.windows[0]).refreshes.size(), 1u);

    active.Command(IDM_AUTO_REFRESH);
    EXPECT_FALSE(active.frame->QueryCommand(IDM_AUTO_REFRESH).checked);
    active.platform.loop.Advance(5000);
    EXPECT_EQ(active.BrowserOf(active.windows[0]).refreshes.size(), 1u);
}

TEST(AutoRefreshCommand, TheDialogRefusesPeriodsOutsideItsRangeAndAsksAgain) {
    TwoWindows h;
    const ChildId back = h.windows[1]->Id();
    h.frame->OnTabMenuCommand(IDM_TAB_AUTO_REFRESH, back);
    h.platform.ui.AnswerInput(std::string("0"));
    h.platform.ui.AnswerInput(std::string("10001"));
    h.platform.ui.AnswerInput(std::string("30"));
    h.frame->OnTabMenuCommand(IDM_TAB_SET_REFRESH, back);
    EXPECT_EQ(h.platform.ui.MessagesShown(),
              (std::vector<std::string>{"Please enter an integer between 1 and 10000.",
                                        "Please enter an integer between 1 and 10000."}));
    EXPECT_EQ(h.platform.ui.lastNumberCaption, "Set Refresh Frequency");
    EXPECT_EQ(h.platform.ui.Questions().front().text, "Refresh Frequency (S) :");
    EXPECT_EQ(h.platform.ui.lastInputInitial, "10001");  // the refused text stays to be mended
    EXPECT_EQ(h.windows[1]->View().AutoRefresher().Period(), 30);
    EXPECT_EQ(h.windows[0]->View().AutoRefresher().Period(), 60);
    EXPECT_EQ(h.TimerOf(1), AutoRefresh::kTimerBase);
    EXPECT_EQ(h.platform.loop.TimerPeriod(back, AutoRefresh::kTimerBase), 30000u);
    EXPECT_NE(h.platform.fs.Content(FrameHarness::kProfile).find("AutoRefresh=30"),
              std::string::npos);
}

TEST(AutoRefreshCommand, AWindowClosedWhileTheDialogIsUpIsLeftAlone) {
    TwoWindows h;
    const ChildId back = h.windows[1]->Id();
    h.platform.ui.WhileNextBoxIsUp([&] { h.frame->CloseChild(back); });
    h.platform.ui.AnswerInput(std::string("30"));
    h.frame->OnTabMenuCommand(IDM_TAB_SET_REFRESH, back);
    EXPECT_EQ(h.frame->Windows().Find(back), nullptr);
    EXPECT_EQ(h.platform.fs.Content(FrameHarness::kProfile).find("AutoRefresh=30"),
              std::string::npos);
}

TEST(AutoRefreshCommand, ABackgroundErrorPageReloadsItsOwnFailedAddress) {
    TwoWindows h("AutoRefresh=1\r\n");
    CChildFrame* back = h.windows[1];
    h.BrowserOf(back).Load(
        test::FakePage{"res://ieframe.dll/dnserror.htm#http://down.example/", "Error", {}});
    h.frame->OnTabMenuCommand(IDM_TAB_AUTO_REFRESH, back->Id());
    h.address.text = "http://front.example/";
    h.platform.loop.Advance(1100);
    EXPECT_EQ(h.BrowserOf(back).navigations.back(), "http://down.example/");
    EXPECT_EQ(h.address.text, "http://front.example/");
}

}  // namespace
}  // namespace lumbrel
