// One browser window: an MDI child of the main window hosting one WebBrowser control. Window
// messages become calls of its core window (ChildWindowEvents, the posted-message target); the
// engine's events go straight from the control's host to the core view.
#pragma once

#include <functional>
#include <memory>

#include "platform/FrameWindow.h"
#include "win32/ui/Window.h"
#include "win32/view/WebBrowserHost.h"

namespace lumbrel::win32 {

class ChildWindow : public Window, public lumbrel::ChildWindow {
public:
    static constexpr const char* kClassName = "LumbrelChildFrame";

    ChildWindow(ChildId id, ChildWindowEvents& events, BrowserEvents& browserEvents,
                MessageTarget& target, const CodePage& codePage);
    ~ChildWindow() override;

    // Creates the hidden MDI child and its control. `gone` runs once the window is destroyed,
    // for the owner to drop this object.
    bool Create(HWND mdiClient, bool maximized, std::function<void(ChildId)> gone);
    ChildId Id() const { return id_; }
    WebBrowserHost& Host() { return host_; }

    // lumbrel::ChildWindow
    void Show() override;
    void Hide() override;
    bool IsVisible() override;
    bool IsMaximized() override;
    void SetText(const std::string& text) override;
    std::string Text() override;
    void SetPageVisible(bool visible) override;
    void Destroy() override;
    BrowserControl& Browser() override { return host_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    void ResizeBrowser();
    bool OnSysCommand(WPARAM command);

    const ChildId id_;
    ChildWindowEvents* events_;
    MessageTarget* target_;
    WebBrowserHost host_;
    HWND mdiClient_ = nullptr;
    bool maximizedAtCreation_ = false;
    std::function<void(ChildId)> gone_;
};

}  // namespace lumbrel::win32
