#include "frame/FrameFilters.h"

#include "commands/CommandIds.h"
#include "filter/MasterFilterSwitch.h"
#include "frame/CMainFrame.h"

namespace lumbrel {

FrameFilters::FrameFilters(CMainFrame& frame)
    : frame_(frame),
      url_(UrlFilterPorts{frame.App().Ports().fs, frame.App().Ports().tasks,
                          frame.App().Ports().codePage, frame.App().Ports().filterSession, *this},
           frame.App().Directories().user + "Filter.ini"),
      popup_(frame, url_,
             [this](const std::string& text, int kind) { AddToCollector(text, kind); }),
      cleanup_(frame) {
    frame.Services().SetPopupChecks(&popup_);
    frame.Services().SetPageExtensions(&cleanup_);
}

FrameFilters::~FrameFilters() {
    frame_.Services().SetPageExtensions(nullptr);
    frame_.Services().SetPopupChecks(nullptr);
}

void FrameFilters::Load() {
    ApplySettings();
    url_.LoadFilterLists(frame_.App().Profiles());
    if (frame_.Prefs().useFlyingFilter)
        cleanup_.PrepareFlyingFilter();
}

void FrameFilters::Exit() {
    url_.Exit();
}

void FrameFilters::ApplySettings() {
    const Preferences& prefs = frame_.Prefs();
    SettingsStore& settings = frame_.App().Settings();
    url_.ApplySettings(RequestFilterSettings{
        .useUrlFilter = prefs.useUrlFilter != 0,
        .useDialogFilter = prefs.useDialogFilter != 0,
        .outputSaveUrlFilter = settings.Get(keys::OutputSaveUrlFilter) != 0,
        .notFilterClickDialog = settings.Get(keys::NotFilterClickDialog) != 0,
        .popupBound = prefs.PopupBound(),
    });
    cleanup_.PrepareKillBlank();
}

// --- Commands -----------------------------------------------------------------------------

void FrameFilters::Run(int id) {
    Preferences& prefs = frame_.Prefs();
    switch (id) {
        case IDM_KILL_POPUP:
            prefs.killPop = !prefs.killPop;
            break;
        case IDM_FILTER_DIALOG_ADS:
            prefs.useDialogFilter = !prefs.useDialogFilter;
            ApplySettings();
            break;
        case IDM_FILTER_AD_CONTENT:
            prefs.useUrlFilter = !prefs.useUrlFilter;
            ApplySettings();
            break;
        case IDM_ENABLE_FILTER:
            ToggleMaster();
            break;
        case IDM_FILTER_FLYING_ADS:
            cleanup_.ToggleFlyingFilter();
            break;
        case IDM_ADD_TO_CONTENT_FILTER:
            cleanup_.AddToFilter();
            break;
        default:
            break;
    }
}

void FrameFilters::ToggleMaster() {
    Preferences& prefs = frame_.Prefs();
    const MasterSwitchResult result = ToggleMasterFilter(prefs.Filters(), prefs.enableFilter);
    prefs.killPop = result.switches.killPop;
    prefs.useUrlFilter = result.switches.useUrlFilter;
    prefs.useDialogFilter = result.switches.useDialogFilter;
    prefs.useFlyingFilter = result.switches.useFlyingFilter;
    prefs.enableFilter = result.enableFilter;
    ApplySettings();
    if (prefs.useFlyingFilter)
        cleanup_.FlyingFilterCameOn();
}

CommandState FrameFilters::State(int id) const {
    const Preferences& prefs = frame_.Prefs();
    switch (id) {
        case IDM_KILL_POPUP:
            return {true, prefs.killPop != 0};
        case IDM_FILTER_DIALOG_ADS:
            return {true, prefs.useDialogFilter != 0};
        case IDM_FILTER_AD_CONTENT:
            return {true, prefs.useUrlFilter != 0};
        case IDM_ENABLE_FILTER:
            return {true, RecomputeEnableFilter(0, prefs.Filters()) != 0};
        case IDM_FILTER_FLYING_ADS:
            return {true, prefs.useFlyingFilter != 0};
        case IDM_ADD_TO_CONTENT_FILTER:
            return {true, false};
        default:
            return {false, false};
    }
}

// --- What the request decision asks -------------------------------------------------------

const std::string& FrameFilters::LastNavigationUrl() {
    return frame_.Services().LastNavigationUrl();
}

std::optional<double> FrameFilters::SecondsSinceSelectedClick() {
    CChildFrame* selected = frame_.Windows().Find(frame_.Windows().Selected());
    if (!selected)
        return std::nullopt;
    // No click at all is as long ago as can be.
    const double seconds = selected->View().SecondsSinceLeftClick();
    return seconds < 0 ? std::nullopt : std::optional<double>(seconds);
}

bool FrameFilters::FilterDialog(const std::string& url) {
    return popup_.FilterDialog(url);
}

void FrameFilters::AddToCollector(const std::string& text, int kind) {
    // FIXME: collector — the lines go to the collector's output once it exists; until then
    // only a function set for them sees them.
    if (collect_)
        collect_(text, kind);
}

}  // namespace lumbrel
