// The frame's commands as one table: command id (or range) → handler → update state. The
// binding runs a command by id; the menus and bars ask for its state. A command acts on its
// subject: the window of the tab a tab menu was opened on, or else the active window.
#pragma once

#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

struct CommandCall {
    int id = 0;
    ChildId subject = kNoChild;
};

class FrameCommands {
public:
    explicit FrameCommands(CMainFrame& frame) : frame_(frame) {}

    bool Knows(int id) const;
    // Runs the command when it is known and enabled; returns whether it ran.
    bool Run(const CommandCall& call);
    // Unknown commands are reported disabled.
    CommandState State(int id) const;

private:
    struct Row;
    static const Row kRows[];
    static const Row* Find(int id);

    // New windows.
    void NewWindow(const CommandCall& call);
    void NewWindowButton(const CommandCall& call);
    void NewProcess(const CommandCall& call);
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
    // Closing.
    void Close(const CommandCall& call);
    void CloseAll(const CommandCall& call);
    void CloseAllBut(const CommandCall& call);
    void CloseLeft(const CommandCall& call);
    void CloseRight(const CommandCall& call);
    void CloseAlike(const CommandCall& call);
    void CloseUnmarked(const CommandCall& call);
    // Every window's page.
    void RefreshAll(const CommandCall& call);
    void StopAll(const CommandCall& call);
    // Moving between windows.
    void PreviousWindow(const CommandCall& call);
    void NextWindow(const CommandCall& call);
    void ActivateTab(const CommandCall& call);
    void QuickKey(const CommandCall& call);
    // The address input's commands: "&Up" and its list, "&Open...", "Clean Typed A&ddress",
    // and the tab menu's "URL Alias..." and "Quick Key...".
    void AddressCommand(const CommandCall& call);
    // Lock, mark, protect, arrange.
    void Lock(const CommandCall& call);
    void Mark(const CommandCall& call);
    void Protect(const CommandCall& call);
    void Arrange(const CommandCall& call);
    // The frame.
    void ShowHide(const CommandCall& call);
    void Exit(const CommandCall& call);
    void FocusAddress(const CommandCall& call);
    void SelectLanguage(const CommandCall& call);
    // Undo close.
    void UndoClose(const CommandCall& call);
    CommandState UndoCloseState(int id) const;
    void ReopenClosed(const CommandCall& call);
    void CleanUndoClose(const CommandCall& call);
    void OpenPageManager(const CommandCall& call);
    void ToggleAutoRefresh(const CommandCall& call);
    CommandState AutoRefreshState(int id) const;
    void SetRefreshFrequency(const CommandCall& call);
    // Favorites: the favorites menus' items, adding a page, the shell's organise dialog.
    void FavoritesCommand(const CommandCall& call);
    void AddToFavorites(const CommandCall& call);
    void OrganizeFavorites(const CommandCall& call);
    // Groups: the group menus' items, "Set &Groups...", "&Save Windows As Group...".
    void GroupsCommand(const CommandCall& call);
    // A member item is ticked when it opens with its group.
    CommandState GroupMemberState(int id) const;
    void SetGroups(const CommandCall& call);
    void SaveWindowsAsGroup(const CommandCall& call);
    // The filter switches.
    void Filter(const CommandCall& call);
    CommandState FilterState(int id) const;
    // "Add to Popup Filter..." for the active window or the tab menu's.
    void AddToPopupFilter(const CommandCall& call);
    void Options(const CommandCall& call);

    void ActivateIndex(int index);

    CMainFrame& frame_;
};

}  // namespace lumbrel
