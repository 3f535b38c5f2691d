// The auto-refresh commands of the main menu and of the tab menu: switch a window's refresh
// on or off, and ask for its period. They act on a window named by id, looked up again after
// the period dialog: the dialog runs the message loop, and the window may close meanwhile.
#pragma once

#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;

class RefreshCommands {
public:
    explicit RefreshCommands(CMainFrame& frame) : frame_(frame) {}

    // "Enable Auto Refresh" for `subject`.
    void Toggle(ChildId subject);
    bool IsOn(ChildId subject);
    // "Set Refresh Frequency...": asks until a period of 1 to 10000 seconds is given or the
    // box is cancelled; the period becomes `AutoRefresh` and the window's own.
    void SetFrequency(ChildId subject);

private:
    CMainFrame& frame_;
};

}  // namespace lumbrel
