#include "view/AutoScroll.h"

#include <algorithm>
#include <cstdlib>

namespace lumbrel {
namespace {

bool StillLoading(int progress) {
    return progress >= 0 && progress <= 99;
}

}  // namespace

int AutoScroll::SpeedInterval(int speedSeed, int speed) {
    const int percent = speedSeed == 0 ? 100 : speedSeed;
    // A timer of 0 ms would spin; the fastest the system gives is about 1 ms anyway.
    return std::max(1, percent / std::max(1, speed * speed));
}

void AutoScroll::Adopt(int speed, bool afterLoad, bool thisWindow) {
    scrollSpeed_ = std::clamp(speed, 1, 3);
    scrollAfterLoad_ = afterLoad;
    scrollThisWindow_ = thisWindow;
}

bool AutoScroll::ToggleThisWindow(const ScrollSettings& settings) {
    scrollThisWindow_ = !scrollThisWindow_;
    if (scrollThisWindow_)
        StartIfIdle(settings);
    else if (!settings.scrollAll)
        Stop();
    return scrollThisWindow_;
}

void AutoScroll::SetSpeed(int speed, const ScrollSettings& settings) {
    scrollSpeed_ = std::clamp(speed, 1, 3);
    Restart(SpeedInterval(settings.speedSeed, scrollSpeed_), settings);
}

void AutoScroll::Stop() {
    if (timerRunning_)
        host_.StopTimer(kTimerId);
    timerRunning_ = false;
}

void AutoScroll::Restart(int interval, const ScrollSettings& settings) {
    Stop();
    if (!Wanted(settings) || interval == 0 || (scrollAfterLoad_ && StillLoading(host_.Progress())))
        return;
    scrollInterval_ =
        settings.mouseCtrlSpeed ? interval : SpeedInterval(settings.speedSeed, scrollSpeed_);
    host_.StartTimer(kTimerId, static_cast<uint32_t>(scrollInterval_));
    timerRunning_ = true;
}

void AutoScroll::StartIfIdle(const ScrollSettings& settings) {
    const int progress = host_.Progress();
    if (timerRunning_ || !Wanted(settings))
        return;
    if (progress == 100 || progress < 0 || !scrollAfterLoad_)
        Restart(settings.mouseCtrlSpeed ? kPauseInterval
                                        : SpeedInterval(settings.speedSeed, scrollSpeed_),
                settings);
}

void AutoScroll::OnLoadEvent(const ScrollSettings& settings) {
    const int progress = host_.Progress();
    if (timerRunning_ && progress > 0 && progress < 20) {
        Stop();  // a new load began
        return;
    }
    StartIfIdle(settings);
}

void AutoScroll::OnTimer(const ScrollSettings& settings) {
    if (!Wanted(settings)) {
        Stop();
        return;
    }
    if (scrollInterval_ < kPauseInterval)
        Step(settings);
    if (settings.mouseCtrlSpeed)
        FollowMouse(settings);
}

void AutoScroll::FollowMouse(const ScrollSettings& settings) {
    const ScrollMetrics m = host_.Metrics();
    const int stripHeight = m.height - m.scrollBarHeight;
    const bool overStrip = m.cursorX >= m.width - m.scrollBarWidth && m.cursorX <= m.width &&
                           m.cursorY > 0 && m.cursorY <= stripHeight;
    if (!overStrip) {
        if (scrollInterval_ != kPauseInterval)
            Restart(kPauseInterval, settings);
        return;
    }
    // About 100 ms at the top of the bar, 1 ms at its bottom.
    const int interval = 101 - m.cursorY * 100 / stripHeight;
    if (std::abs(interval - scrollInterval_) > 5)
        Restart(interval, settings);
}

void AutoScroll::Step(const ScrollSettings& settings) {
    if (host_.IsClosing())
        return;
    const int k = settings.scrollPage;
    if (k != 1 && k != 2 && k != 4) {
        host_.ScrollPage(0, 1);
        return;
    }
    ++stepCounter_;
    const int target = host_.Metrics().height / k;
    // At or past the target: the window may have shrunk since the count began.
    if (stepCounter_ < target)
        return;
    // Two pixels a move while the counter is above 0: an odd count ends too.
    while (stepCounter_ > 0) {
        if (!host_.ScrollPage(0, 2))
            break;
        host_.Wait(2);
        stepCounter_ -= 2;
    }
    stepCounter_ = 0;
}

void AutoScroll::ScrollPageSideways(bool right) {
    const int distance = static_cast<int>(0.87 * host_.Metrics().width);
    host_.ScrollPage(right ? distance : -distance, 0);
}

}  // namespace lumbrel
