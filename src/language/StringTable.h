// The built-in English string table: every text the program shows in a message box, a status
// line, a list header or a toolbar label, under the ids of StringIds.h (and, for toolbar
// labels, the command ids of CommandIds.h).
//
// Read-only data. Language::LngLoadString serves these texts unless the active language file
// replaces them; nothing else should read the table directly.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lumbrel {

class StringTable {
public:
    // The English text of `id`, or nothing when the table has no such string.
    static std::optional<std::string_view> Find(int id);

    // The English text of `id`; "" when the table has no such string.
    static std::string_view Get(int id);

    // Every id of the table in ascending order.
    static std::vector<int> Ids();
};

}  // namespace lumbrel
