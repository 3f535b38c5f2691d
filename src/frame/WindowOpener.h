// Makes browser windows: `NewChild`'s rules (refused schemes, addresses that open outside a
// browser window, the "www." rule, reusing an idle blank window, creating the child and
// configuring its view) and the openings that arrive from outside the program (a hand-over
// from a second start, files dropped on the frame).
#pragma once

#include <string>
#include <vector>

#include "frame/CChildFrame.h"
#include "frame/NewChildRequest.h"

namespace lumbrel {

class CMainFrame;

class WindowOpener {
public:
    explicit WindowOpener(CMainFrame& frame) : frame_(frame) {}

    // A window for `request`, or none: a refused or outside address, or creation failed.
    CChildFrame* NewChild(const NewChildRequest& request);
    // Inserts the tab of a window whose first navigation began, where its placement or the
    // user's `NewSequence` says, keeping the selection on the active window; returns the index.
    int AddTab(CChildFrame& child, int index, const std::string& title);
    // A second instance handed over a file name or URL: show the frame and open it activated.
    void OnHandover(const std::string& text);
    // Files dropped on the frame: shortcuts stand for their targets; with Shift the active
    // window navigates instead.
    void OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld);
    // A ".url" file's address; any other path as it is.
    std::string ResolveShortcut(const std::string& path);

private:
    CChildFrame* Reuse(ChildId source);
    CChildFrame* Create(const NewChildRequest& request);
    void ConfigureView(CQuorralView& view, ChildId source);

    CMainFrame& frame_;
    ChildId nextId_ = 0;
    bool tabWidened_ = false;
};

}  // namespace lumbrel
