// The keywords typed into the search bar, newest first, mirrored in the keyword box's
// drop-down. Stored in section "SearchKey" of the main settings file as "key0", "key1", …;
// only the newest 20 are written, each on one line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace lumbrel {

class TypedKeywords {
public:
    static constexpr size_t kWritten = 20;

    const std::vector<std::string>& Items() const { return items_; }

    // Adds `keyword` at the head unless it is empty or already held (exact comparison).
    // True when it was added (the drop-down then gets it at the top).
    bool Remember(const std::string& keyword);
    // Removes the item at `index`; the position to select next (the next item, or the
    // previous when the last was removed), nothing when the list is empty or `index` is out.
    std::optional<size_t> RemoveAt(size_t index);
    void Clear() { items_.clear(); }

    // Reads "key0", "key1", … up to the first missing or empty value.
    void Load(SettingsStore& settings);
    // Replaces the section with the newest 20, carriage returns and line feeds removed.
    bool Save(SettingsStore& settings) const;

private:
    std::vector<std::string> items_;
};

}  // namespace lumbrel
