// The Page Manager dialog over its model: a tab strip, the list of the chosen tab's pages with
// a tick and a "TaskBar.bmp" picture per row, the row buttons and "&Work Offline". Every click
// goes to the model, and the list is drawn again from the model's rows afterwards; the dialog
// ends when the model says so.
#pragma once

#include <functional>
#include <string>

#include "frame/PageManager.h"
#include "language/DialogIds.h"
#include "win32/shell/SkinImages.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {

class PageManagerDialog : public ModalDialog {
public:
    using TextSource = std::function<std::string(int stringId)>;

    // `images` is the picture strip of the tabs (shared, not owned); `text` translates the
    // captions of the tabs and columns.
    PageManagerDialog(PageManager& manager, const Language* language, HIMAGELIST images,
                      TextSource text);

protected:
    void OnInit() override;
    bool OnOk() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND List() const { return Item(IDC_PM_LIST); }
    // Fills the list from the model's rows; the row at `focus` keeps the focus when it exists.
    void ShowRows(int focus);
    // The row with the focus (the current row), or -1.
    int CurrentRow() const;
    void OnButton(int id);
    void OnListNotify(const NMHDR& header);
    void OnRightDoubleClick(const NMITEMACTIVATE& click);
    void Edit(int row, bool url);
    void OnWorkOffline();
    // Closes the dialog once the model ended.
    void EndIfDone();

    PageManager& manager_;
    HIMAGELIST images_;
    TextSource text_;
    // Set while the list is filled: the ticks it sets are the model's own.
    bool filling_ = false;
};

}  // namespace lumbrel::win32
