#include "frame/FrameIndicators.h"

#include <cstdio>

#include "app/CBrowserApp.h"
#include "frame/WindowList.h"

namespace lumbrel {
namespace {

// The throbber has 7 pictures; whether pages load is looked at once per round.
constexpr int kThrobberFrames = 7;
constexpr int kThrobberStopped = -1;

}  // namespace

void FrameIndicators::SetGlobalProgress(int progress) {
    globalProgress_ = progress;
    UpdateProgressDisplay();
}

void FrameIndicators::UpdateProgressDisplay() {
    if (globalProgress_ < 0) {
        widgets_.status.SetProgress(std::nullopt, "");
        widgets_.window.SetTitle(CBrowserApp::kAppName);
        return;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%d%%", globalProgress_);
    widgets_.status.SetProgress(globalProgress_, text);
    widgets_.window.SetTitle(std::string(text) + "-" + CBrowserApp::kAppName);
}

void FrameIndicators::SetStatusText(const std::string& text) {
    if (text.empty() && lastStatusEmpty_)
        return;
    lastStatusEmpty_ = text.empty();
    widgets_.status.SetText(text);
}

void FrameIndicators::ClearStatusText() {
    widgets_.status.SetText("");
    lastStatusEmpty_ = true;
}

void FrameIndicators::OnIconTick(WindowList& windows) {
    if (iconCounter_ % kThrobberFrames == 0) {
        bool loading = false;
        for (CChildFrame* child : windows.All()) {
            const int progress = child->View().Progress();
            loading = loading || (progress > 0 && progress < 100);
        }
        if (loading != throbbing_) {
            throbbing_ = loading;
            if (!throbbing_)
                widgets_.window.SetThrobber(kThrobberStopped);
        }
    }
    if (throbbing_)
        widgets_.window.SetThrobber(iconCounter_);
    iconCounter_ = (iconCounter_ + 1) % kThrobberFrames;
}

}  // namespace lumbrel
