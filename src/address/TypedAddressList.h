// The addresses typed into the address box, newest first, shared with the system browser's
// own list in the registry ("TypedUrls", values "url1", "url2", …). Loaded when the main
// window is made, saved when it closes.
//
// The key is shared: the other program may add to it while this one runs, so a save never
// deletes the key. It writes "url1"…"urlN" in place over what is there, deletes only the
// numbers above N, and keeps the addresses the other program added since the load.
#pragma once

#include <string>
#include <vector>

#include "platform/Registry.h"

namespace lumbrel {

class TypedAddressList {
public:
    static constexpr const char* kKey = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
    // Entries written back. Values are kept whole: the key is shared, and an address cut
    // here would be stored cut for the other program too.
    static constexpr size_t kSavedEntries = 24;

    explicit TypedAddressList(Registry& registry) : registry_(registry) {}

    // Replaces the list by the registry's entries, up to the first missing number.
    void Load();
    // Puts `url` at the top unless it, or it with a "/" added or removed at the end, is
    // listed; true when it was added.
    bool Add(const std::string& url);
    // Writes the list merged with what others added since the load; false when a write
    // failed.
    bool Save();
    // Empties the list and deletes "url1", "url2", … until a deletion fails.
    void Clean();

    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> ReadRegistry();
    bool Contains(const std::vector<std::string>& list, const std::string& url) const;

    Registry& registry_;
    std::vector<std::string> items_;
    std::vector<std::string> loaded_;
};

}  // namespace lumbrel
