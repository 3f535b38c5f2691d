// The window a hosted WebBrowser control lives in: the view of one browser window. It shows
// nothing of its own (the control covers it) and tells its owner what its child windows
// report through WM_PARENTNOTIFY, and that it is going away.
#pragma once

#include <functional>

#include "win32/ui/Window.h"

namespace lumbrel::win32 {

// One WM_PARENTNOTIFY as the view received it.
struct ParentNotification {
    // WM_CREATE, WM_DESTROY or the button message (WM_LBUTTONDOWN, WM_RBUTTONDOWN, …).
    UINT event = 0;
    // The id of the window created or destroyed; 0 for a button.
    int childId = 0;
    // Where a button was pressed, in the view's client coordinates.
    POINT point{};
};

class BrowserViewWindow : public Window {
public:
    static constexpr const char* kClassName = "LumbrelBrowserView";

    struct Listener {
        std::function<void(const ParentNotification&)> notified;
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
