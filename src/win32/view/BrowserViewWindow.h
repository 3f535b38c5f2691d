// The window a hosted WebBrowser control lives in: the view of one browser window. It shows
// nothing of its own (the control covers it) and tells its owner what its child windows
// report through WM_PARENTNOTIFY, and that it is going away.
#pragma once

#include <functional>
#include <optional>

#include "platform/BrowserControl.h"
#include "win32/ui/Window.h"

namespace lumbrel::win32 {

// What one WM_PARENTNOTIFY tells; nothing for the kinds nobody asks about (X buttons, pens).
std::optional<ChildNotice> ChildNoticeOf(WPARAM wParam, LPARAM lParam);

class BrowserViewWindow : public Window {
public:
    static constexpr const char* kClassName = "LumbrelBrowserView";

    struct Listener {
        std::function<void(const ChildNotice&)> notified;
        // A move or a button release at the view itself (it holds the capture); true when it
        // was used and gets no default handling.
        std::function<bool(const PageMouse&)> mouse;
        // The window is being destroyed (by its owner or with its parent); its children
        // still exist.
        std::function<void()> destroying;
    };

    BrowserViewWindow() = default;
    ~BrowserViewWindow() override;

    // A visible child of `parent` covering `area` of its client area.
    bool Create(HWND parent, const RECT& area);
    // Reports go to `listener` until it is replaced; an empty one silences the window.
    void SetListener(Listener listener) { listener_ = std::move(listener); }
    void Destroy();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Listener listener_;
};

}  // namespace lumbrel::win32
