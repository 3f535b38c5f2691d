// The search bar in the main window: the band's window, what its buttons, keys and drop-down
// arrow do through the frame's search part, and the engine menu of the search button's arrow.
#pragma once

#include <optional>
#include <string>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "win32/frame/FrameBars.h"
#include "win32/frame/MenuBar.h"
#include "win32/frame/SearchBandWindow.h"

namespace lumbrel::win32 {

class SearchBarView {
public:
    SearchBarView(CBrowserApp& app, CMainFrame& frame) : app_(app), frame_(frame) {}

    // Makes the band in the frame's top rebar; commands go to `owner` as WM_COMMAND. `cells` is
    // the picture of the bar's buttons, if any.
    bool Create(HWND owner, FrameBars& bars, std::optional<std::string> cells, bool visible,
                CommandStateQuery states);
    // Hands the band to the search part, which fills it; once the frame has its widgets.
    void Attach();
    // Takes the band back from the search part before the window goes.
    void Detach();

private:
    void ShowEngineMenu(int x, int y);
    void Post(int commandId) const;

    CBrowserApp& app_;
    CMainFrame& frame_;  // its search part exists from the frame's creation on
    SearchBandWindow band_;
    HWND owner_ = nullptr;
    CommandStateQuery states_;
    bool attached_ = false;
};

}  // namespace lumbrel::win32
