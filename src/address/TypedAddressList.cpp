#include "address/TypedAddressList.h"

#include <algorithm>

namespace lumbrel {
namespace {

std::string ValueName(size_t number) {
    return "url" + std::to_string(number);
}

// The form of `url` with the closing "/" added, or taken away when it has one.
std::string SlashTwin(const std::string& url) {
    return url.ends_with('/') ? url.substr(0, url.size() - 1) : url + "/";
}

// Bounds the walk over a key that another program filled: the list is 24 entries long, and a
// key with a thousand numbered values is not one this program needs to read whole.
constexpr size_t kMaxNumberWalked = 1000;

}  // namespace

std::vector<std::string> TypedAddressList::ReadRegistry() {
    std::vector<std::string> values;
    for (size_t n = 1; n <= kMaxNumberWalked; ++n) {
        std::optional<std::string> value =
            registry_.ReadString(RegRoot::CurrentUser, kKey, ValueName(n));
        if (!value)
            break;
        if (value->empty())
            continue;
        values.push_back(std::move(*value));
    }
    return values;
}

void TypedAddressList::Load() {
    items_ = ReadRegistry();
    loaded_ = items_;
}

bool TypedAddressList::Contains(const std::vector<std::string>& list,
                                const std::string& url) const {
    const std::string twin = SlashTwin(url);
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& item) { return item == url || item == twin; });
}

bool TypedAddressList::Add(const std::string& url) {
    if (url.empty() || Contains(items_, url))
        return false;
    items_.insert(items_.begin(), url);
    return true;
}

bool TypedAddressList::Save() {
    // This session's entries are newest; then what the other program added meanwhile (its
    // own newest first); then what was there at the load and still is: an address the user
    // erased in the other program since the load stays erased.
    std::vector<std::string> merged;
    std::vector<std::string> earlier;
    for (const std::string& item : items_)
        (Contains(loaded_, item) ? earlier : merged).push_back(item);
    const std::vector<std::string> now = ReadRegistry();
    for (const std::string& value : now)
        if (!Contains(loaded_, value) && !Contains(merged, value))
            merged.push_back(value);
    for (const std::string& item : earlier)
        if (!Contains(merged, item) && Contains(now, item))
            merged.push_back(item);
    if (merged.size() > kSavedEntries)
        merged.resize(kSavedEntries);

    bool written = true;
    for (size_t i = 0; i < merged.size(); ++i)
        written &= registry_.WriteString(RegRoot::CurrentUser, kKey, ValueName(i + 1), merged[i]);
    for (size_t n = merged.size() + 1; n <= kMaxNumberWalked; ++n) {
        if (!registry_.ReadString(RegRoot::CurrentUser, kKey, ValueName(n)))
            break;
        registry_.DeleteValue(RegRoot::CurrentUser, kKey, ValueName(n));
    }
    loaded_ = merged;
    items_ = std::move(merged);
    return written;
}

void TypedAddressList::Clean() {
    items_.clear();
    loaded_.clear();
    for (size_t n = 1; n <= kMaxNumberWalked; ++n)
        if (!registry_.DeleteValue(RegRoot::CurrentUser, kKey, ValueName(n)))
            break;
}

}  // namespace lumbrel
