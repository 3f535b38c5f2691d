// Automatic scrolling of one browser view: continuous at three speeds or under the mouse's
// control over the vertical scroll bar, or stepwise by a fraction of a page with a smooth
// jump. Owned by the view; driven by its scroll timer, its load events and the scroll
// commands; it scrolls the page and starts or stops the timer through its host.
#pragma once

#include <cstdint>

#include "platform/BrowserControl.h"

namespace lumbrel {

class ScrollHost {
public:
    virtual ~ScrollHost() = default;
    // The load progress: 0 to 99 while loading, 100 or below 0 when done.
    virtual int Progress() = 0;
    virtual bool IsClosing() = 0;
    // The page window's scrollBy; false when the page has no document.
    virtual bool ScrollPage(int dx, int dy) = 0;
    virtual ScrollMetrics Metrics() = 0;
    // Blocks the UI thread for `milliseconds` (the smooth jump's pace).
    virtual void Wait(int milliseconds) = 0;
    virtual void StartTimer(uint32_t timerId, uint32_t periodMs) = 0;
    virtual void StopTimer(uint32_t timerId) = 0;
};

// What the main frame and the settings decide for every view.
struct ScrollSettings {
    int speedSeed = 100;  // percent; 0 counts as 100
    bool mouseCtrlSpeed = false;
    int scrollPage = 0;  // 0 one line, 1 one page, 2 half a page, 4 a quarter page
    bool scrollAll = false;
};

class AutoScroll {
public:
    static constexpr uint32_t kTimerId = 2132;
    // An interval this long or longer makes no step: scrolling pauses.
    static constexpr int kPauseInterval = 950;

    explicit AutoScroll(ScrollHost& host) : host_(host) {}

    // The interval of a speed (1 slow … 3 fast): 100 ms × factor / speed², whole ms.
    static int SpeedInterval(int speedSeed, int speed);

    // --- State ---
    bool ThisWindow() const { return scrollThisWindow_; }
    bool AfterLoad() const { return scrollAfterLoad_; }
    void SetAfterLoad(bool on) { scrollAfterLoad_ = on; }
    int Speed() const { return scrollSpeed_; }
    int Interval() const { return scrollInterval_; }
    bool Running() const { return timerRunning_; }
    int StepCounter() const { return stepCounter_; }
    bool Wanted(const ScrollSettings& settings) const {
        return (scrollThisWindow_ || settings.scrollAll) && scrollSpeed_ != 0;
    }

    // Takes over a window's switches and speed (a new window's from its opener or the
    // settings); no timer starts.
    void Adopt(int speed, bool afterLoad, bool thisWindow);

    // --- Commands ---
    // Toggles scrolling of this window and starts or stops the timer; the new state.
    bool ToggleThisWindow(const ScrollSettings& settings);
    // A new speed (1..3) with the timer restarted at it.
    void SetSpeed(int speed, const ScrollSettings& settings);
    // Stops the timer, then starts it at `interval` (under mouse control) or at the speed's
    // interval, unless scrolling is not wanted or waits for the page to finish loading.
    void Restart(int interval, const ScrollSettings& settings);
    void Stop();

    // --- Events ---
    // A progress change or the completed document of the active view.
    void OnLoadEvent(const ScrollSettings& settings);
    void OnTimer(const ScrollSettings& settings);
    // "Scroll Page Left" / "Scroll Page Right": 0.87 of the window's width.
    void ScrollPageSideways(bool right);

private:
    void StartIfIdle(const ScrollSettings& settings);
    void Step(const ScrollSettings& settings);
    void FollowMouse(const ScrollSettings& settings);

    ScrollHost& host_;
    bool scrollThisWindow_ = false;
    bool scrollAfterLoad_ = false;
    int scrollSpeed_ = 1;
    int scrollInterval_ = 0;
    bool timerRunning_ = false;
    int stepCounter_ = 0;
};

}  // namespace lumbrel
