// The commands on the browser windows themselves: making new ones, closing, moving between
// them, reloading or stopping them all, and locking, marking, protecting and arranging them.
#pragma once

#include "frame/CommandSet.h"

namespace lumbrel {

class CMainFrame;

class WindowCommands : public CommandTable<WindowCommands> {
public:
    explicit WindowCommands(CMainFrame& frame);

private:
    static const Row kRows[];

    // New windows.
    void NewWindow(const CommandCall& call);
    void NewWindowButton(const CommandCall& call);
    void NewProcess(const CommandCall& call);
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
    void ActivateIndex(int index);
    // Lock, mark, protect, arrange.
    void Lock(const CommandCall& call);
    void Mark(const CommandCall& call);
    void Protect(const CommandCall& call);
    void Arrange(const CommandCall& call);

    CMainFrame& frame_;
};

}  // namespace lumbrel
