// The tab style page: its fields, "Use Default Color Scheme", and a tab strip of its own below
// them that shows ten tabs as the page's values would draw the tab bar, redrawn at once when a
// style, the place or a colour changes.
#pragma once

#include "win32/frame/TabControlView.h"
#include "win32/options/OptionPageWindow.h"

namespace lumbrel::win32 {

class TabStylePageWindow : public OptionPageWindow {
public:
    explicit TabStylePageWindow(OptionsDialogModel& model)
        : OptionPageWindow(OptionPageId::TabStyle, model) {}

    static constexpr int kPreviewTabs = 10;

protected:
    void Build(int top) override;
    INT_PTR OnCommand(int id, int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    void ShowPreview();

    TabControlView preview_;
    RECT previewArea_{};  // pixels in the page
};

}  // namespace lumbrel::win32
