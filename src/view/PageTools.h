// The page tools of one view: automatic scrolling driven by the view's scroll timer, its load
// events and its engine; the horizontal page scroll; and the zoom scripts. Owned by the view.
// The per-window switches live here; the defaults, the step mode and the speed factor are the
// settings', and "Auto Scroll All Windows" is shared by every view (ViewServices).
#pragma once

#include <cstdint>

#include "view/AutoScroll.h"

namespace lumbrel {

class CQuorralView;

class PageTools : private ScrollHost {
public:
    explicit PageTools(CQuorralView& view);
    ~PageTools() override;
    PageTools(const PageTools&) = delete;
    PageTools& operator=(const PageTools&) = delete;

    const AutoScroll& Scroll() const { return scroll_; }
    // What the frame and the settings decide for this view's scrolling now.
    ScrollSettings Settings();

    // --- Taken over when the window is made ---
    // The speed (1..3), the after-load switch and the window's own switch; no timer starts.
    void Adopt(int speed, bool afterLoad, bool thisWindow);

    // --- Commands (the active view's) ---
    // "Auto Scroll Current Window" (stored as `UseAutoScroll`).
    void ToggleThisWindow();
    // "Auto Scroll After Downloading" (stored as `AutoScrollAfterDL`).
    void ToggleAfterLoad();
    // "Slow", "Medium", "Fast": this window's speed and `SrSpeed`; the timer restarts.
    void SetSpeed(int speed);
    // "Auto Scroll Once ...": `AutoScrollPage` = 0 (one line), 4, 2 or 1.
    void SetStepMode(int mode);
    // "Auto Scroll All Windows": on restarts this view's timer at the pause interval; off
    // stops it unless this window scrolls by its own switch.
    void ToggleScrollAll();
    // "Scroll Page Left" / "Scroll Page Right".
    void ScrollSideways(bool right);
    // "50%", "100%", "150%", "More", "Less": the zoom script in this page, or in every window's
    // with Ctrl and Shift held; a failing script tells nothing.
    void Zoom(int commandId);

    // --- Events ---
    // A progress change or the completed page of the active view.
    void OnLoadEvent();
    // True when the timer is the scroll timer (and its tick was handled).
    bool OnTimer(uint32_t timerId);

private:
    // ScrollHost
    int Progress() override;
    bool IsClosing() override;
    bool ScrollPage(int dx, int dy) override;
    ScrollMetrics Metrics() override;
    void Wait(int milliseconds) override;
    void StartTimer(uint32_t timerId, uint32_t periodMs) override;
    void StopTimer(uint32_t timerId) override;

    CQuorralView& view_;
    AutoScroll scroll_;
};

}  // namespace lumbrel
