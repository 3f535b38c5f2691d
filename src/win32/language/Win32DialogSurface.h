// An open dialog's HWND seen through the core's DialogSurface: its direct child controls in
// window order, taken when the surface is made. Does not own the dialog.
#pragma once

#include "win32/platform/WinApi.h"

#include <vector>

#include "platform/DialogSurface.h"

namespace lumbrel::win32 {

class Win32DialogSurface : public DialogSurface {
public:
    explicit Win32DialogSurface(HWND dialog);

    void SetCaption(const std::string& text) override;
    int ControlCount() const override { return static_cast<int>(controls_.size()); }
    int ControlId(int index) const override;
    void SetControlText(int index, const std::string& text) override;
    bool IsComboBox(int index) const override;
    int ComboSelection(int index) const override;
    void ComboReset(int index) override;
    void ComboAdd(int index, const std::string& text) override;
    void ComboSelect(int index, int item) override;

private:
    HWND At(int index) const { return controls_.at(static_cast<size_t>(index)); }

    HWND dialog_;
    std::vector<HWND> controls_;
};

}  // namespace lumbrel::win32
