// URL aliases: a short text typed into the address box stands for a whole address. Held by
// the main frame, stored in section "Alias" of the settings file as "A0"/"U0", "A1"/"U1", ….
//
// An alias often starts as a page title, which may hold line breaks: every control character
// becomes a space, so nothing typed or proposed can add lines, keys or sections to the file.
// The section is written as one replacement of the file, so an end in the middle of a save
// leaves the old table or the new one.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsStore.h"

namespace lumbrel {

class AliasTable {
public:
    // Reads "A0"/"U0", "A1"/"U1", … up to the first pair with an empty part.
    void Load(SettingsStore& store);
    // Writes the whole section in one step; false when the file could not be written.
    bool Save(SettingsStore& store) const;

    // The address of an alias (exact, case-sensitive); nothing when there is none.
    std::optional<std::string> Find(const std::string& alias) const;
    // Adds or replaces `alias` → `url` after cleaning both; false (and nothing changed) when
    // either is empty then.
    bool Assign(std::string_view alias, std::string_view url);
    bool Remove(const std::string& alias) { return entries_.erase(alias) != 0; }

    const std::map<std::string, std::string>& Entries() const { return entries_; }

private:
    std::map<std::string, std::string> entries_;
};

// Control characters made spaces, trailing blanks removed.
std::string CleanAliasText(std::string_view text);

}  // namespace lumbrel
