// Automatic scrolling and automatic refresh of one view, against a recording host.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "view/AutoRefresh.h"
#include "view/AutoScroll.h"

namespace lumbrel {
namespace {

struct RecordingHost : ScrollHost {
    int progress = 100;
    bool closing = false;
    bool hasDocument = true;
    ScrollMetrics metrics{800, 600, 16, 16, 0, 0};
    int scrolledX = 0;
    int scrolledY = 0;
    int moves = 0;
    int waited = 0;
    std::map<uint32_t, uint32_t> timers;  // id → period
    int starts = 0;

    int Progress() override { return progress; }
    bool IsClosing() override { return closing; }
    bool ScrollPage(int dx, int dy) override {
        if (!hasDocument)
            return false;
        scrolledX += dx;
        scrolledY += dy;
        ++moves;
        return true;
    }
    ScrollMetrics Metrics() override { return metrics; }
    void Wait(int ms) override { waited += ms; }
    void StartTimer(uint32_t id, uint32_t period) override {
        timers[id] = period;
        ++starts;
    }
    void StopTimer(uint32_t id) override { timers.erase(id); }
    uint32_t Period() const {
        auto it = timers.find(AutoScroll::kTimerId);
        return it == timers.end() ? 0 : it->second;
    }
};

struct Scrolling : ::testing::Test {
    RecordingHost host;
    AutoScroll scroll{host};
    ScrollSettings settings;
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            scroll.OnTimer(settings);
    }
};

TEST_F(Scrolling, TheThreeSpeedsTickAtTheirIntervals) {
    scroll.ToggleThisWindow(settings);
    EXPECT_EQ(host.Period(), 100u);
    scroll.SetSpeed(2, settings);
    EXPECT_EQ(host.Period(), 25u);
    scroll.SetSpeed(3, settings);
    EXPECT_EQ(host.Period(), 11u);
    settings.speedSeed = 0;  // counts as 100
    scroll.SetSpeed(1, settings);
    EXPECT_EQ(host.Period(), 100u);
    settings.speedSeed = 200;
    scroll.SetSpeed(2, settings);
    EXPECT_EQ(host.Period(), 50u);
    settings.speedSeed = 5;  // never a timer of 0 ms
    scroll.SetSpeed(3, settings);
    EXPECT_EQ(host.Period(), 1u);

    Ticks(3);
    EXPECT_EQ(host.scrolledY, 3);
    scroll.ToggleThisWindow(settings);
    EXPECT_FALSE(scroll.Running());
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(Scrolling, AfterLoadStartsWhenTheLoadCompletesAndStopsAtTheNextLoad) {
    scroll.SetAfterLoad(true);
    host.progress = 40;
    scroll.ToggleThisWindow(settings);
    EXPECT_FALSE(scroll.Running());
    host.progress = 80;
    scroll.OnLoadEvent(settings);
    EXPECT_FALSE(scroll.Running());
    host.progress = 100;
    scroll.OnLoadEvent(settings);
    EXPECT_TRUE(scroll.Running());
    host.progress = 10;  // the next page begins
    scroll.OnLoadEvent(settings);
    EXPECT_FALSE(scroll.Running());
    host.progress = -1;
    scroll.OnLoadEvent(settings);
    EXPECT_TRUE(scroll.Running());

    // Without the switch scrolling starts while the page loads.
    RecordingHost other;
    other.progress = 40;
    AutoScroll eager(other);
    eager.ToggleThisWindow(settings);
    EXPECT_TRUE(eager.Running());
}

TEST_F(Scrolling, ScrollAllMovesWindowsWhoseOwnSwitchIsOff) {
    settings.scrollAll = true;
    scroll.OnLoadEvent(settings);
    EXPECT_TRUE(scroll.Running());
    settings.scrollAll = false;
    Ticks(1);
    EXPECT_FALSE(scroll.Running());
    EXPECT_EQ(host.scrolledY, 0);
}

TEST_F(Scrolling, TheMouseOverTheScrollBarSetsTheSpeedAndAnywhereElsePauses) {
    settings.mouseCtrlSpeed = true;
    scroll.ToggleThisWindow(settings);
    EXPECT_EQ(host.Period(), 950u);
    Ticks(1);
    EXPECT_EQ(host.scrolledY, 0);  // a pause makes no step

    host.metrics.cursorX = 790;  // on the bar, near the top
    host.metrics.cursorY = 30;
    Ticks(1);
    EXPECT_EQ(host.Period(), static_cast<uint32_t>(101 - 30 * 100 / 584));
    const int slow = scroll.Interval();
    host.metrics.cursorY = 560;  // down the bar: faster
    Ticks(1);
    EXPECT_LT(scroll.Interval(), slow);
    EXPECT_EQ(scroll.Interval(), 101 - 560 * 100 / 584);
    const int starts = host.starts;
    host.metrics.cursorY = 555;  // a move of a few ms does not restart the timer
    Ticks(1);
    EXPECT_EQ(host.starts, starts);
    EXPECT_GT(host.scrolledY, 0);

    host.metrics.cursorX = 400;  // off the bar
    Ticks(1);
    EXPECT_EQ(host.Period(), 950u);
    const int y = host.scrolledY;
    Ticks(5);
    EXPECT_EQ(host.scrolledY, y);
    host.metrics.cursorX = 790;  // on the horizontal bar's corner, below the strip
    host.metrics.cursorY = 590;
    Ticks(1);
    EXPECT_EQ(host.Period(), 950u);
}

TEST_F(Scrolling, StepModesJumpSmoothlyAboutAFractionOfThePage) {
    settings.scrollPage = 2;
    scroll.ToggleThisWindow(settings);
    Ticks(299);
    EXPECT_EQ(host.scrolledY, 0);
    Ticks(1);
    EXPECT_EQ(host.scrolledY, 300);
    EXPECT_EQ(host.moves, 150);
    EXPECT_EQ(host.waited, 300);
    EXPECT_EQ(scroll.StepCounter(), 0);
    Ticks(300);
    EXPECT_EQ(host.scrolledY, 600);

    // An odd target ends, and a window that shrank below the count jumps at the next tick.
    host.scrolledY = 0;
    settings.scrollPage = 4;
    host.metrics.height = 603;  // target 150
    Ticks(149);
    host.metrics.height = 401;  // target 100, already passed
    Ticks(1);
    EXPECT_EQ(host.scrolledY, 150);
    EXPECT_EQ(scroll.StepCounter(), 0);
    host.metrics.height = 404;  // target 101: an odd count
    Ticks(101);
    EXPECT_EQ(host.scrolledY, 150 + 102);
    EXPECT_EQ(scroll.StepCounter(), 0);

    // Without a document the jump stops at once; a closing view does nothing.
    host.hasDocument = false;
    Ticks(101);
    EXPECT_EQ(scroll.StepCounter(), 0);
    host.closing = true;
    Ticks(5);
    EXPECT_EQ(scroll.StepCounter(), 0);
}

TEST_F(Scrolling, PagesScrollSidewaysBy87PercentOfTheWidth) {
    host.metrics.width = 1001;
    scroll.ScrollPageSideways(true);
    EXPECT_EQ(host.scrolledX, 870);
    scroll.ScrollPageSideways(false);
    scroll.ScrollPageSideways(false);
    EXPECT_EQ(host.scrolledX, -870);
}

struct Refreshing : ::testing::Test {
    std::map<uint32_t, uint32_t> timers;
    AutoRefresh refresh{[this](uint32_t id, uint32_t ms) { timers[id] = ms; },
                        [this](uint32_t id) { timers.erase(id); }, 60};
};

TEST_F(Refreshing, TimersAreSpreadByTheRandomNumberAndStopWhenSwitchedOff) {
    refresh.Toggle(32767);
    EXPECT_EQ(refresh.TimerId(), 3132u + 65u);
    EXPECT_EQ(timers, (std::map<uint32_t, uint32_t>{{3197u, 60000u}}));
    refresh.Toggle(0);
    EXPECT_TRUE(timers.empty());
    EXPECT_FALSE(refresh.On());
    refresh.Toggle(499);
    EXPECT_EQ(refresh.TimerId(), 3132u);
    // A new period restarts the timer under the base id.
    refresh.Toggle(1000);
    refresh.Toggle(1000);
    ASSERT_TRUE(refresh.SetPeriod(5));
    EXPECT_EQ(timers, (std::map<uint32_t, uint32_t>{{3132u, 5000u}}));
}

TEST_F(Refreshing, BackgroundWindowsReloadAndTheFrontOneOnlyWhenAsked) {
    refresh.Toggle(1000);
    const uint32_t id = refresh.TimerId();
    EXPECT_TRUE(refresh.OnTimer(id, false, false));
    EXPECT_FALSE(refresh.OnTimer(id, true, false));
    EXPECT_TRUE(refresh.OnTimer(id, true, true));
    EXPECT_FALSE(refresh.OnTimer(id + 1, false, false));  // not this view's timer
    refresh.Toggle(0);
    EXPECT_FALSE(refresh.OnTimer(id, false, true));
}

TEST_F(Refreshing, PeriodsOutsideOneToTenThousandAreRefused) {
    EXPECT_FALSE(refresh.SetPeriod(0));
    EXPECT_FALSE(refresh.SetPeriod(10001));
    EXPECT_EQ(refresh.Period(), 60);
    EXPECT_TRUE(refresh.SetPeriod(10000));
    EXPECT_FALSE(refresh.On());
    EXPECT_TRUE(timers.empty());  // set, but not switched on

    EXPECT_EQ(AutoRefresh::ParsePeriod(" 1 "), 1);
    EXPECT_EQ(AutoRefresh::ParsePeriod("10000"), 10000);
    for (const char* refused : {"0", "10001", "", "-5", "12a", "99999999999999999999"})
        EXPECT_EQ(AutoRefresh::ParsePeriod(refused), std::nullopt) << refused;
}

}  // namespace
}  // namespace lumbrel
