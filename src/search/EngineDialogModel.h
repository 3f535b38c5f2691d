// The "Set Search Engine" dialog without its window: the rows (one per engine, with its check
// box), the selected row and the three edit boxes. The binding forwards each button and list
// event and shows what the model says; OK hands the rows to SearchBar::ReplaceEngines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "search/SearchEngineList.h"

namespace lumbrel {

class EngineDialogModel {
public:
    EngineDialogModel(const CodePage& cp, std::vector<SearchEngineEntry> rows);

    const std::vector<SearchEngineEntry>& Rows() const { return rows_; }
    std::optional<size_t> Selected() const { return selected_; }

    // The edit boxes "Name:", "Path:", "Icon:".
    std::string name, path, icon;

    // Selecting a row fills the boxes.
    void Select(std::optional<size_t> row);
    void SetChecked(size_t row, bool checked);

    // Each returns the string id of the message to show, or 0.
    // Inserts the boxes as a row after the selection (at the end without one), selects it and
    // empties the boxes.
    int Insert();
    // The selected row takes the boxes (name not empty, path of 2 characters or more).
    int Update();
    void Delete();
    void Clean();
    // Moves the selected row one place; false at the end of the list or without selection.
    bool Move(int delta);

    // OK: a pending update of the selected row is applied when valid; the rows to keep.
    std::vector<SearchEngineEntry> Ok();

private:
    bool NameTaken(const std::string& candidate) const;
    static bool HasKeywordPlace(const std::string& templates);

    const CodePage& cp_;
    std::vector<SearchEngineEntry> rows_;
    std::optional<size_t> selected_;
};

}  // namespace lumbrel
