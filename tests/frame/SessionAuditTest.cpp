// Faults of the session files found by an outside read: each test fails on the code as it
// stands and passes once the fault is mended.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "support/FrameHarness.h"
#include "view/AutoRefresh.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr const char* kVisiting = "C:\\Lumbrel\\User\\Visiting.ini";
constexpr const char* kLastVisit = "C:\\Lumbrel\\User\\LastVisit.ini";
constexpr const char* kLastClose = "C:\\Lumbrel\\User\\LastClose.ini";

void FullUiCycle(FrameHarness& h) {
    for (int tick = 0; tick <= 40; ++tick)
        h.frame->OnTimer(kUiTickTimer);
}

// A periodic save that failed (a virus scanner holding the file, a full disk for a moment)
// must be tried again at the next cycle: clearing the changed flag anyway leaves the crash
// insurance without the windows until some window happens to open or close again.
TEST(SessionAudit, AFailedPeriodicSaveIsTriedAgainAtTheNextCycle) {
    FrameHarness h("NewSequence=0\r\n");
    CChildFrame* child = h.Open("http://a.example/");
    h.BrowserOf(child).FinishLoad("A");
    h.platform.fs.FailOn(test::FsOp::Write, kVisiting);
    FullUiCycle(h);
    ASSERT_FALSE(h.platform.fs.HasFile(kVisiting));
    h.platform.fs.ClearFailures();
    FullUiCycle(h);
    EXPECT_TRUE(h.platform.fs.HasFile(kVisiting))
        << "the window list did not change again, and the failed save was never repeated";
}

// After an unclean end a periodic save that holds no window (a start on a blank page, killed
// after its first save) replaces the last orderly exit's session: nothing is offered, and the
// windows of the last clean exit are gone for good.
TEST(SessionAudit, AnEmptyPeriodicSaveDoesNotWipeTheLastExitsSession) {
    FrameHarness h("", false);
    h.platform.fs.AddFile(kLastVisit,
                          "[LastVisit]\r\nstate0=0\r\nname0=A\r\nurl0=http://exit.example/\r\n");
    h.platform.fs.AddFile(kVisiting, "[LastVisit]\r\n");  // newer, and empty
    std::vector<std::string> offered;
    h.window.pageManagerScript = [&offered](PageManager& manager) {
        for (const PageRow& row : manager.Rows())
            offered.push_back(row.url);
    };
    h.frame->RestoreAtStart(0, true);
    h.Pump();
    EXPECT_EQ(offered, std::vector<std::string>{"http://exit.example/"});
    EXPECT_NE(h.platform.fs.Content(kLastVisit).find("exit.example"), std::string::npos);
}

// A name longer than the read buffer is cut on a byte count: with a double-byte code page the
// last character is torn and a lone lead byte reaches the Page Manager and the undo menu.
TEST(SessionAudit, ALongTitleReadBackIsNotCutInsideADoubleByteCharacter) {
    FrameHarness h("", false);
    h.platform.codePage = test::FakeCodePage(test::FakeCodePage::kGbk);
    const std::string zhong = "\xD6\xD0";  // one GBK character
    const std::string title = std::string(4094, 'a') + zhong + zhong;
    h.platform.fs.AddFile(kLastClose,
                          "[LastClose]\r\nname0=" + title + "\r\nurl0=http://a.example/\r\n");
    h.platform.fs.AddFile(
        kLastVisit, "[LastVisit]\r\nstate0=0\r\nname0=" + title + "\r\nurl0=http://a.example/\r\n");
    const std::vector<ClosedPage> closed = h.frame->Sessions().ReadClosedList();
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0].title.size(), 4094u) << "ends in " << int(uint8_t(closed[0].title.back()));
    const std::vector<SessionEntry> session = h.frame->Sessions().ReadSession(kLastVisit);
    ASSERT_EQ(session.size(), 1u);
    EXPECT_EQ(session[0].name.size(), 4094u) << "ends in " << int(uint8_t(session[0].name.back()));
}

// "AutoRefresh" is read from the profile unchecked: a hand-edited or damaged value out of the
// dialog's range multiplies past 32 bits, and 4294968 seconds becomes a reload every 0.7 s.
TEST(SessionAudit, ARefreshPeriodFromTheProfileStaysInTheDialogsRange) {
    FrameHarness h("AutoRefresh=4294968\r\n");
    CChildFrame* child = h.Open("http://a.example/", true);
    h.BrowserOf(child).FinishLoad("A");
    h.Command(IDM_AUTO_REFRESH);
    const AutoRefresh& refresh = child->View().AutoRefresher();
    ASSERT_NE(refresh.TimerId(), 0u);
    EXPECT_GE(refresh.Period(), AutoRefresh::kMinPeriod);
    EXPECT_LE(refresh.Period(), AutoRefresh::kMaxPeriod);
    EXPECT_GE(h.platform.loop.TimerPeriod(child->Id(), refresh.TimerId()), 1000u);
    EXPECT_EQ(h.platform.loop.TimerPeriod(child->Id(), refresh.TimerId()),
              static_cast<uint32_t>(refresh.Period()) * 1000u);
}

// "Auto Show Background Color" is on the menu, but no command table knows it: the switch can
// never be turned on from the program.
TEST(PageToolsAudit, AutoShowBackgroundColorTogglesTheForcedBackground) {
    FrameHarness h;
    CChildFrame* child = h.Open("http://a.example/", true);
    h.BrowserOf(child).FinishLoad("A");
    ASSERT_EQ(h.frame->Prefs().autoSetBG, 0);
    h.Command(IDM_AUTO_BG_COLOR);
    EXPECT_EQ(h.frame->Prefs().autoSetBG, 1);
    EXPECT_TRUE(h.frame->QueryCommand(IDM_AUTO_BG_COLOR).checked);
    h.Command(IDM_AUTO_BG_COLOR);
    EXPECT_EQ(h.frame->Prefs().autoSetBG, 0);
}

}  // namespace
}  // namespace lumbrel
