// The options pages that show lists: the two filter pages (their check boxes from the option
// table, then the list and the exception list with "Insert", "Edit" and "Delete"), the
// gesture page and the drag page. Each forwards the user's clicks to its page model and shows
// the model again; the model decides what a click does.
#pragma once

#include "win32/options/OptionPageWindow.h"

namespace lumbrel {
class FilterListEditor;
}

namespace lumbrel::win32 {

class FilterListsPageWindow : public OptionPageWindow {
public:
    FilterListsPageWindow(OptionPageId page, OptionsDialogModel& model)
        : OptionPageWindow(page, model) {}

protected:
    void Build(int top) override;
    INT_PTR OnCommand(int id, int code) override;
    INT_PTR OnNotify(NMHDR& header) override;

private:
    struct ListUi {
        int listId, insertId, editId, deleteId;
    };
    FilterListEditor& Editor(int listId);
    const ListUi* UiOf(int id) const;
    void Show(const ListUi& ui);
    void StartEdit(const ListUi& ui);

    ListUi lists_[2] = {};
};

class GesturePageWindow : public OptionPageWindow {
public:
    GesturePageWindow(OptionsDialogModel& model, const Language* language)
        : OptionPageWindow(OptionPageId::Gesture, model), language_(language) {}

protected:
    void Build(int top) override;
    void CommitLists() override;
    INT_PTR OnCommand(int id, int code) override;
    INT_PTR OnNotify(NMHDR& header) override;

private:
    std::string Shown(int row) const;
    void ShowRows();
    void ShowSelection();

    const Language* language_;
};

class DragPageWindow : public OptionPageWindow {
public:
    explicit DragPageWindow(OptionsDialogModel& model)
        : OptionPageWindow(OptionPageId::MouseDrag, model) {}

protected:
    void Build(int top) override;
    void CommitLists() override;
};

}  // namespace lumbrel::win32
