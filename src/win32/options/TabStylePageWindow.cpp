#include "win32/options/TabStylePageWindow.h"

#include <string>

#include "language/DialogIds.h"

namespace lumbrel::win32 {
namespace {

constexpr int kPreviewHeight = 44;  // dialog units: two rows of tabs

}  // namespace

void TabStylePageWindow::Build(int top) {
    int y = AddFields(top);
    MakeControl("BUTTON", "Use Default Color Scheme", BS_PUSHBUTTON | WS_TABSTOP,
                IDC_TAB_DEFAULT_COLOURS, 0, y, 150, 14);
    y += kControlRow + 4;
    previewArea_ = RECT{0, y, kWidth, y + kPreviewHeight};
    MapDialogRect(hwnd_, &previewArea_);
    if (!preview_.Create(hwnd_, IDC_TAB_PREVIEW))
        return;
    for (int i = 0; i < kPreviewTabs; ++i) {
        preview_.Insert(i, "Tab " + std::to_string(i), 0);
        preview_.SetImage(i, i);
    }
    preview_.Select(0);
    ShowPreview();
}

void TabStylePageWindow::ShowPreview() {
    if (!preview_.Handle())
        return;
    preview_.ConfigureLook(model_.PreviewTabLook(), model_.TabImagesFile());
    // A new style changes the control's frame: it is placed again.
    SetWindowPos(preview_.Handle(), nullptr, previewArea_.left, previewArea_.top,
                 previewArea_.right - previewArea_.left, previewArea_.bottom - previewArea_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(preview_.Handle(), nullptr, TRUE);
}

INT_PTR TabStylePageWindow::OnCommand(int id, int code) {
    if (id == IDC_TAB_DEFAULT_COLOURS && code == BN_CLICKED)
        model_.UseDefaultColourScheme();
    const INT_PTR handled =
        id == IDC_TAB_DEFAULT_COLOURS ? TRUE : OptionPageWindow::OnCommand(id, code);
    if (code == BN_CLICKED) {
        // Styles and the place are taken at once; a colour was taken when it was chosen.
        Commit();
        ShowPreview();
    }
    return handled;
}

bool TabStylePageWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    return preview_.DrawItem(item);
}

}  // namespace lumbrel::win32
