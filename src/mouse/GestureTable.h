// The user's gestures: stroke letters ("U", "D", "L", "R", at most eight, no letter twice in a
// row) bound to main-menu commands. Held by the main frame, edited on the gesture options page
// and stored in section "MouseGesture" of the settings file as "N0"/"C0", "N1"/"C1", ….
//
// The section is replaced as a whole in one write of the file, so an end in the middle of a
// save leaves the old table or the new one, never a mix of both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsStore.h"

namespace lumbrel {

struct GestureEntry {
    std::string text;  // "RD"
    int32_t command = 0;
};

// In file order; duplicates are kept and the first one wins.
class GestureTable {
public:
    // Appends the stored entries: from N0 up to the first N key that is missing or empty; a
    // missing C key reads as 0. Keys past that end are left over from longer tables and ignored.
    void Load(SettingsStore& store);
    // Writes the whole section in one replacement of the file; false when it could not be
    // written (the file then holds the old table).
    bool Save(SettingsStore& store) const;

    void Clear() { entries_.clear(); }
    void Add(std::string text, int32_t command) { entries_.push_back({std::move(text), command}); }
    const std::vector<GestureEntry>& Entries() const { return entries_; }

private:
    std::vector<GestureEntry> entries_;
};

// The command of the first entry whose text equals `text` byte for byte; 0 when none does.
int32_t LookupGesture(const GestureTable& table, std::string_view text);

}  // namespace lumbrel
