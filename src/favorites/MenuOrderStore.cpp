#include "favorites/MenuOrderStore.h"

#include <algorithm>

#include "base/DbcsText.h"
#include "base/Paths.h"

namespace lumbrel {

std::optional<std::string> MenuOrderStore::KeyOf(const std::string& folder) const {
    const std::string_view rootPath = StripTrailingSeparators(cp_, root_);
    const std::string_view path = StripTrailingSeparators(cp_, folder);
    if (path.size() < rootPath.size() ||
        !EqualsNoCase(cp_, path.substr(0, rootPath.size()), rootPath))
        return std::nullopt;
    std::string_view rest = path.substr(rootPath.size());
    if (rest.empty())
        return std::string(kMenuOrderKey);
    if (!IsPathSeparator(rest.front()))
        return std::nullopt;  // "C:\Favorites2" is not below "C:\Favorites"
    rest.remove_prefix(1);
    return std::string(kMenuOrderKey) + "\\" + ReplaceChar(cp_, rest, '/', '\\');
}

OrderTable MenuOrderStore::Read(const std::string& folder) const {
    const auto key = KeyOf(folder);
    if (!key)
        return {};
    const auto blob = registry_.ReadBinary(RegRoot::CurrentUser, *key, kOrderValue);
    if (!blob)
        return {};
    return ReadOrderBlob(cp_, *blob);
}

bool MenuOrderStore::Write(const std::string& folder, const std::vector<DirEntry>& items) {
    const auto key = KeyOf(folder);
    if (!key)
        return false;
    // `items` come in the order the user put them in: that is each one's position. They are
    // stored as the shell stores them, folders first and then by name.
    std::vector<size_t> stored(items.size());
    for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = i;
    std::stable_sort(stored.begin(), stored.end(), [this, &items](size_t ai, size_t bi) {
        const DirEntry& a = items[ai];
        const DirEntry& b = items[bi];
        const bool aFolder = (a.attributes & kAttrDirectory) != 0;
        const bool bFolder = (b.attributes & kAttrDirectory) != 0;
        if (aFolder != bFolder)
            return aFolder;
        return CompareNoCase(cp_, a.name, b.name) < 0;
    });
    std::vector<OrderEntry> entries;
    for (const size_t i : stored)
        entries.push_back(OrderEntryFor(items[i], static_cast<int32_t>(i)));
    return registry_.WriteBinary(RegRoot::CurrentUser, *key, kOrderValue, WriteOrderBlob(entries));
}

bool MenuOrderStore::Reset(const std::string& folder) {
    const auto key = KeyOf(folder);
    return key && registry_.DeleteValue(RegRoot::CurrentUser, *key, kOrderValue);
}

bool MenuOrderStore::CopyTree(const std::string& from, const std::string& to) {
    if (auto blob = registry_.ReadBinary(RegRoot::CurrentUser, from, kOrderValue)) {
        if (!registry_.WriteBinary(RegRoot::CurrentUser, to, kOrderValue, *blob))
            return false;
    }
    for (const std::string& sub : registry_.SubKeys(RegRoot::CurrentUser, from)) {
        if (!CopyTree(from + "\\" + sub, to + "\\" + sub))
            return false;
    }
    return true;
}

bool MenuOrderStore::Move(const std::string& oldFolder, const std::string& newFolder) {
    const auto from = KeyOf(oldFolder);
    const auto to = KeyOf(newFolder);
    if (!from || !to)
        return false;
    // The same key under another spelling: deleting the "old" one would delete the copy.
    if (EqualsNoCase(cp_, *from, *to))
        return true;
    // A folder moved into itself would copy without end.
    if (to->size() > from->size() &&
        EqualsNoCase(cp_, to->substr(0, from->size() + 1), *from + "\\"))
        return false;
    if (!registry_.KeyExists(RegRoot::CurrentUser, *from))
        return true;
    if (!CopyTree(*from, *to))
        return false;
    return registry_.DeleteKey(RegRoot::CurrentUser, *from);
}

}  // namespace lumbrel
