// The status bar: the page's status text, the secure-page indicator, the loading animation
// and the progress pane with its progress control.
#pragma once

#include "platform/FrameWidgets.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class StatusBarView : public StatusBar {
public:
    bool Create(HWND parent, int controlId);
    HWND Handle() const { return bar_; }
    // Lays the panes out after the frame changed size.
    void Layout();
    int Height() const;
    // One step of the loading animation, or -1 to stop it.
    void SetThrobber(int frame);

    void SetText(const std::string& text) override;
    void SetProgress(std::optional<int> position, const std::string& text) override;
    void SetSecure(bool secure) override;

private:
    HWND bar_ = nullptr;
    HWND progress_ = nullptr;
};

}  // namespace lumbrel::win32
