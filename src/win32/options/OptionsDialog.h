// The options dialog ("DialogOptions"): the tree of pages on the left, the page shown beside
// it, OK, Cancel and "&Apply". Pages are made the first time they are shown. OK and Apply
// take every made page's controls into the model and let it write what changed; a refused
// value shows its page and message and keeps the dialog open.
#pragma once

#include <memory>

#include "options/OptionsDialogModel.h"
#include "options/OptionsUi.h"
#include "win32/options/OptionPageWindow.h"
#include "win32/ui/ModalDialog.h"

namespace lumbrel::win32 {

class OptionsDialog : public ModalDialog {
public:
    OptionsDialog(OptionsDialogModel& model, const Language* language, OptionPageId first);
    ~OptionsDialog() override;

    // The page on show (tests and screenshots select pages through the tree).
    OptionPageId Shown() const { return shown_; }

protected:
    void OnInit() override;
    bool OnOk() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowPage(OptionPageId page);
    bool Commit();

    OptionsDialogModel& model_;
    const Language* language_;
    OptionPageId first_;
    OptionPageId shown_;
    std::unique_ptr<OptionPageWindow> pages_[kOptionPageCount];
    HTREEITEM items_[kOptionPageCount] = {};
};

// Runs the dialog for the main frame.
class Win32OptionsUi : public OptionsUi {
public:
    Win32OptionsUi(HWND owner, const Language* language) : owner_(owner), language_(language) {}
    void ShowOptions(OptionsDialogModel& model, OptionPageId firstPage) override;

private:
    HWND owner_;
    const Language* language_;
};

}  // namespace lumbrel::win32
