#include "filter/FilterListEditor.h"

#include <utility>

namespace lumbrel {

FilterListEditor::FilterListEditor(std::vector<std::string> entries)
    : entries_(std::move(entries)) {}

void FilterListEditor::Select(std::optional<size_t> row) {
    selection_ = row && *row < entries_.size() ? row : std::nullopt;
}

size_t FilterListEditor::Insert() {
    entries_.emplace_back(kNewEntry);
    selection_ = entries_.size() - 1;
    editing_ = selection_;
    return *selection_;
}

bool FilterListEditor::BeginEdit() {
    if (!selection_)
        return false;
    editing_ = selection_;
    return true;
}

void FilterListEditor::EndEdit(const std::optional<std::string>& text) {
    // A delete while the edit box was open took the row away: nothing to replace.
    if (editing_ && text && *editing_ < entries_.size())
        entries_[*editing_] = *text;
    editing_.reset();
}

bool FilterListEditor::Delete() {
    if (!selection_)
        return false;
    const size_t row = *selection_;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
    editing_.reset();
    if (entries_.empty())
        selection_.reset();
    else
        selection_ = row < entries_.size() ? row : entries_.size() - 1;
    return true;
}

}  // namespace lumbrel
