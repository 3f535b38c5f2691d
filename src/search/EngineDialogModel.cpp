#include "search/EngineDialogModel.h"

#include "base/DbcsText.h"
#include "language/StringIds.h"

namespace lumbrel {

EngineDialogModel::EngineDialogModel(const CodePage& cp, std::vector<SearchEngineEntry> rows)
    : cp_(cp), rows_(std::move(rows)) {}

bool EngineDialogModel::HasKeywordPlace(const std::string& templates) {
    return templates.find("%s") != std::string::npos || templates.find("%u") != std::string::npos;
}

bool EngineDialogModel::NameTaken(const std::string& candidate) const {
    const std::string lower = ToLowerAscii(cp_, candidate);
    for (const SearchEngineEntry& row : rows_)
        if (ToLowerAscii(cp_, row.name) == lower)
            return true;
    return false;
}

void EngineDialogModel::Select(std::optional<size_t> row) {
    if (row && *row >= rows_.size())
        row.reset();
    selected_ = row;
    if (!row)
        return;
    name = rows_[*row].name;
    path = rows_[*row].url;
    icon = rows_[*row].icon;
}

void EngineDialogModel::SetChecked(size_t row, bool checked) {
    if (row < rows_.size())
        rows_[row].checked = checked ? 1 : 0;
}

int EngineDialogModel::Insert() {
    const std::string newName(TrimBlanks(cp_, name));
    const std::string newPath(TrimBlanks(cp_, path));
    const bool separator = newName == "--";
    if (!separator && !HasKeywordPlace(newPath))
        return IDS_ENGINE_NEEDS_KEYWORD;
    if (!separator && NameTaken(newName))
        return IDS_ENGINE_NAME_EXISTS;
    if (!separator && newName.empty())
        return 0;
    SearchEngineEntry row{.checked = 0, .name = newName, .url = newPath, .icon = icon};
    const size_t at = selected_ ? *selected_ + 1 : rows_.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    selected_ = at;
    Clean();
    return 0;
}

int EngineDialogModel::Update() {
    if (!selected_)
        return 0;
    const std::string newName(TrimBlanks(cp_, name));
    const std::string newPath(TrimBlanks(cp_, path));
    if (newName.empty() || newPath.size() < 2)
        return 0;
    if (newName != "--" && !HasKeywordPlace(newPath))
        return IDS_ENGINE_NEEDS_KEYWORD;
    SearchEngineEntry& row = rows_[*selected_];
    row.name = newName;
    row.url = newPath;
    row.icon = icon;
    return 0;
}

void EngineDialogModel::Delete() {
    if (!selected_)
        return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    selected_.reset();
}

void EngineDialogModel::Clean() {
    name.clear();
    path.clear();
    icon.clear();
}

bool EngineDialogModel::Move(int delta) {
    if (!selected_)
        return false;
    const auto to = static_cast<long long>(*selected_) + delta;
    if (to < 0 || to >= static_cast<long long>(rows_.size()))
        return false;
    std::swap(rows_[*selected_], rows_[static_cast<size_t>(to)]);
    selected_ = static_cast<size_t>(to);
    return true;
}

std::vector<SearchEngineEntry> EngineDialogModel::Ok() {
    Update();
    return rows_;
}

}  // namespace lumbrel
