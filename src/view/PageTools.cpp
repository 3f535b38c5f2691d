#include "view/PageTools.h"

#include "commands/CommandIds.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "view/PageScriptRunner.h"
#include "view/ZoomScripts.h"

namespace lumbrel {

PageTools::PageTools(CQuorralView& view) : view_(view), scroll_(*this) {}

PageTools::~PageTools() {
    scroll_.Stop();
}

ScrollSettings PageTools::Settings() {
    CMainFrame& frame = view_.Frame();
    const Preferences& prefs = frame.Prefs();
    ScrollSettings settings;
    settings.speedSeed = prefs.speedSeed;
    settings.mouseCtrlSpeed = prefs.mouseCtrlSpeed != 0;
    settings.scrollPage = prefs.autoScrollPage;
    settings.scrollAll = frame.Services().ScrollAll();
    return settings;
}

void PageTools::Adopt(int speed, bool afterLoad, bool thisWindow) {
    scroll_.Adopt(speed, afterLoad, thisWindow);
}

// --- Commands -----------------------------------------------------------------------------

void PageTools::ToggleThisWindow() {
    view_.Frame().Prefs().useAutoScroll = scroll_.ToggleThisWindow(Settings()) ? 1 : 0;
}

void PageTools::ToggleAfterLoad() {
    scroll_.SetAfterLoad(!scroll_.AfterLoad());
    view_.Frame().Prefs().autoScrollAfterDL = scroll_.AfterLoad() ? 1 : 0;
}

void PageTools::SetSpeed(int speed) {
    scroll_.SetSpeed(speed, Settings());
    view_.Frame().Prefs().srSpeed = scroll_.Speed();
}

void PageTools::SetStepMode(int mode) {
    view_.Frame().Prefs().autoScrollPage = mode;
}

void PageTools::ToggleScrollAll() {
    ViewServices& services = view_.Frame().Services();
    services.SetScrollAll(!services.ScrollAll());
    const ScrollSettings settings = Settings();
    if (settings.scrollAll)
        scroll_.Restart(AutoScroll::kPauseInterval, settings);
    else if (!scroll_.ThisWindow())
        scroll_.Stop();
}

void PageTools::ScrollSideways(bool right) {
    scroll_.ScrollPageSideways(right);
}

void PageTools::Zoom(int commandId) {
    Ui& ui = view_.Frame().App().Ports().ui;
    const bool everyWindow = ui.CtrlHeld() && ui.ShiftHeld();
    PageScriptRunner(view_.Frame()).Run(ZoomScript(commandId), view_.Child().Id(), everyWindow);
}

// --- Events -------------------------------------------------------------------------------

void PageTools::OnLoadEvent() {
    scroll_.OnLoadEvent(Settings());
}

bool PageTools::OnTimer(uint32_t timerId) {
    if (timerId != AutoScroll::kTimerId)
        return false;
    scroll_.OnTimer(Settings());
    return true;
}

// --- ScrollHost ---------------------------------------------------------------------------

int PageTools::Progress() {
    return view_.Progress();
}

bool PageTools::IsClosing() {
    return view_.IsClosing();
}

bool PageTools::ScrollPage(int dx, int dy) {
    BrowserControl* browser = view_.Browser();
    return browser && browser->ScrollPage(dx, dy);
}

ScrollMetrics PageTools::Metrics() {
    BrowserControl* browser = view_.Browser();
    return browser ? browser->Metrics() : ScrollMetrics{};
}

void PageTools::Wait(int milliseconds) {
    view_.Frame().App().Ports().clock.Sleep(static_cast<uint32_t>(milliseconds));
}

void PageTools::StartTimer(uint32_t timerId, uint32_t periodMs) {
    view_.Frame().App().Ports().loop.StartTimer(view_.Child().Id(), timerId, periodMs);
}

void PageTools::StopTimer(uint32_t timerId) {
    view_.Frame().App().Ports().loop.StopTimer(view_.Child().Id(), timerId);
}

}  // namespace lumbrel
