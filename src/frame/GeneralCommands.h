// The frame's own commands: the preference toggles and the bars, the address input's commands
// and quick keys, showing, hiding and leaving, undo close and the page manager, auto-refresh,
// and the filter switches.
#pragma once

#include "frame/CommandSet.h"

namespace lumbrel {

class CMainFrame;

class GeneralCommands : public CommandTable<GeneralCommands> {
public:
    explicit GeneralCommands(CMainFrame& frame);

private:
    static const Row kRows[];

    // Toggles.
    void TogglePreference(const CommandCall& call);
    CommandState PreferenceState(int id) const;
    void NewToNext(const CommandCall& call);
    CommandState NewToNextState(int id) const;
    void ToggleWorkOffline(const CommandCall& call);
    CommandState WorkOfflineState(int id) const;
    void StopOpenWindows(const CommandCall& call);
    CommandState StopOpenWindowsState(int id) const;
    void ToggleMouseMode(const CommandCall& call);
    CommandState MouseModeState(int id) const;
    void ToggleBand(const CommandCall& call);
    CommandState BandState(int id) const;
    // The quick keys, "&Up" and its list, "&Open...", "Clean Typed A&ddress", and the tab
    // menu's "URL Alias..." and "Quick Key...".
    void QuickKey(const CommandCall& call);
    void AddressCommand(const CommandCall& call);
    // The frame.
    void ShowHide(const CommandCall& call);
    void Exit(const CommandCall& call);
    void FocusAddress(const CommandCall& call);
    void SelectLanguage(const CommandCall& call);
    // Undo close, the page manager, auto-refresh.
    void UndoClose(const CommandCall& call);
    CommandState UndoCloseState(int id) const;
    void ReopenClosed(const CommandCall& call);
    void CleanUndoClose(const CommandCall& call);
    void OpenPageManager(const CommandCall& call);
    void ToggleAutoRefresh(const CommandCall& call);
    CommandState AutoRefreshState(int id) const;
    void SetRefreshFrequency(const CommandCall& call);
    // The filter switches, and "Add to Popup Filter..." for the active window or the tab
    // menu's.
    void Filter(const CommandCall& call);
    CommandState FilterState(int id) const;
    void AddToPopupFilter(const CommandCall& call);

    CMainFrame& frame_;
};

}  // namespace lumbrel
