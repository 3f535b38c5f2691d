#include "search/TypedKeywords.h"

#include <algorithm>

namespace lumbrel {

bool TypedKeywords::Remember(const std::string& keyword) {
    if (keyword.empty() || std::find(items_.begin(), items_.end(), keyword) != items_.end())
        return false;
    items_.insert(items_.begin(), keyword);
    return true;
}

std::optional<size_t> TypedKeywords::RemoveAt(size_t index) {
    if (index >= items_.size())
        return std::nullopt;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    if (items_.empty())
        return std::nullopt;
    return std::min(index, items_.size() - 1);
}

void TypedKeywords::Load(SettingsStore& settings) {
    items_.clear();
    NoCaseMap<std::string> values;
    for (ProfileEntry& entry : settings.Section(keys::SearchKeyword.section))
        values.try_emplace(entry.key, std::move(entry.value));
    for (int i = 0;; ++i) {
        const auto found = values.find(keys::SearchKeyword.prefix + std::to_string(i));
        if (found == values.end() || found->second.empty())
            break;
        items_.push_back(found->second);
    }
}

bool TypedKeywords::Save(SettingsStore& settings) const {
    auto batch = settings.BeginBatch();
    bool ok = settings.DeleteSection(keys::SearchKeyword.section);
    int position = 0;
    for (size_t i = 0; i < items_.size() && i < kWritten; ++i) {
        std::string line;
        for (char c : items_[i])
            if (c != '\r' && c != '\n')
                line += c;
        if (line.empty())
            continue;  // an empty value would end the list for the next load
        ok = settings.Write(keys::SearchKeyword, position++, line) && ok;
    }
    return batch.Commit() && ok;
}

}  // namespace lumbrel
