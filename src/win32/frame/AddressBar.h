// The address box: an editable drop-down in its band of the main rebar. Enter opens the typed
// address through the main frame.
#pragma once

#include <functional>

#include "platform/FrameWidgets.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class AddressBar : public AddressBox {
public:
    // `onEnter` receives the text when the user presses Enter in the box.
    bool Create(HWND parent, int controlId, std::function<void(const std::string&)> onEnter);
    HWND Handle() const { return combo_; }
    HWND Edit() const { return edit_; }
    int Height() const;

    void SetText(const std::string& text) override;
    std::string Text() override;
    void Focus() override;
    bool HasFocus() override;

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);

    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    std::function<void(const std::string&)> onEnter_;
};

}  // namespace lumbrel::win32
