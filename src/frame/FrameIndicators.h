// What the frame shows about the active page and the loads under way: the global progress in
// the status bar and the frame's caption, the status text, the secure-page mark and the
// throbber. The active view writes the values; the UI tick refreshes the progress display.
#pragma once

#include <string>

#include "platform/FrameWidgets.h"

namespace lumbrel {

class WindowList;

class FrameIndicators {
public:
    explicit FrameIndicators(FrameWidgets& widgets) : widgets_(widgets) {}

    // The global progress the active view writes; negative when nothing loads.
    void SetGlobalProgress(int progress);
    int GlobalProgress() const { return globalProgress_; }
    // Shows the progress pane and "42%-Lumbrel", or hides it and shows the program's name.
    void UpdateProgressDisplay();
    // An empty text after an empty one changes nothing.
    void SetStatusText(const std::string& text);
    void ClearStatusText();
    void SetSecure(bool secure) { widgets_.status.SetSecure(secure); }
    // The 250 ms animation tick: every 7th tick looks whether a page loads and starts or stops
    // the throbber, which steps while it runs.
    void OnIconTick(WindowList& windows);

private:
    FrameWidgets& widgets_;
    int globalProgress_ = -1;
    bool lastStatusEmpty_ = true;
    int iconCounter_ = 0;
    bool throbbing_ = false;
};

}  // namespace lumbrel
