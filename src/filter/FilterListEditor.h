// One filter list as its options page shows it: the entries in display order, the selected
// row and an edit in place. "Insert" appends "http://www." and starts editing it; "Edit" (or a
// double click) edits the selected row; the edited text replaces the row when editing ends,
// unless it was cancelled; "Delete" removes the selected row and selects the row that takes
// its place. The page rebuilds its lists from Entries() on OK.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumbrel {

class FilterListEditor {
public:
    static constexpr const char* kNewEntry = "http://www.";

    explicit FilterListEditor(std::vector<std::string> entries = {});

    const std::vector<std::string>& Entries() const { return entries_; }
    // The selected row; nothing when none is.
    std::optional<size_t> Selection() const { return selection_; }
    void Select(std::optional<size_t> row);

    // Appends the new-entry text, selects it and starts editing it; returns its row.
    size_t Insert();
    // Starts editing the selected row; false when no row is selected.
    bool BeginEdit();
    // The row being edited; nothing when no edit runs.
    std::optional<size_t> EditingRow() const { return editing_; }
    // Ends the edit: `text` replaces the row; nothing (the user pressed Escape) keeps it.
    void EndEdit(const std::optional<std::string>& text);
    // Removes the selected row; the row that took its place (or the new last row) is
    // selected. False when no row is selected.
    bool Delete();

private:
    std::vector<std::string> entries_;
    std::optional<size_t> selection_;
    std::optional<size_t> editing_;
};

}  // namespace lumbrel
