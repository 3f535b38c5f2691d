// One browser window: an MDI child of the main window hosting one WebBrowser control. Window
// messages become calls of its core window (ChildWindowEvents, the posted-message target); the
// engine's events go straight from the control's host to the core view.
//
// A window the core shows maximised fills the MDI client without caption and borders instead
// of being maximised by the MDI client: switching between maximised windows is then a plain
// activation, with no restore of the one and maximise of the other, and no rebuilt menu bar
// and caption at each step. The frame shows the maximised window's buttons and title as the
// MDI client would (MdiClient tells it when they change).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/FrameWindow.h"
#include "win32/ui/Window.h"
#include "win32/view/WebBrowserHost.h"

namespace lumbrel::win32 {

class MdiClient;

class ChildWindow : public Window, public lumbrel::ChildWindow {
public:
    static constexpr const char* kClassName = "LumbrelChildFrame";
    // The size of a window that is not maximised, when it is created.
    static constexpr int kNormalWidth = 520;
    static constexpr int kNormalHeight = 320;

    ChildWindow(ChildId id, ChildWindowEvents& events, BrowserEvents& browserEvents,
                MessageTarget& target, const CodePage& codePage);
    ~ChildWindow() override;

    // Creates the hidden MDI child of `owner` and its control, filling the client when
    // `maximized`. `gone` runs once the window is destroyed, for the owner to drop this object.
    bool Create(MdiClient& owner, bool maximized, std::function<void(ChildId)> gone);
    ChildId Id() const { return id_; }
    WebBrowserHost& Host() { return host_; }

    // Shown maximised: fills the MDI client, without caption and borders.
    bool Filled() const { return filled_; }
    void Fill();
    // Back to its caption, borders and the place it had before it filled the client.
    void Unfill();
    // Follows the MDI client's size while filling it.
    void FitClient();

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
    PageMouseWindow& MouseWindow() override { return host_.MouseWindow(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    void ResizeBrowser();
    // True when the command was carried out here instead of by the MDI client.
    bool OnSysCommand(WPARAM command);
    void OnActivated(HWND previous);

    const ChildId id_;
    ChildWindowEvents* events_;
    MessageTarget* target_;
    WebBrowserHost host_;
    MdiClient* mdi_ = nullptr;
    bool filled_ = false;
    RECT normalPlace_{};  // in the MDI client, while the window fills it
    // The title shown, to leave the window alone when it does not change: the title of a
    // maximised window is part of the frame's caption, which repaints whole.
    std::string text_;
    std::function<void(ChildId)> gone_;
};

}  // namespace lumbrel::win32
