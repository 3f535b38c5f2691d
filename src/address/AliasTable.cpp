#include "address/AliasTable.h"

#include <unordered_map>

namespace lumbrel {
namespace {

// Key names are ASCII ("A0", "U12").
std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::string CleanAliasText(std::string_view text) {
    std::string clean(text);
    // A control character or a space is never the trail byte of a double-byte character
    // (those are 0x40 and above), so a byte walk cannot tear one.
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back();
    return clean;
}

void AliasTable::Load(SettingsStore& store) {
    entries_.clear();
    // Key names are read as the settings file compares them, without regard to case.
    std::unordered_map<std::string, std::string> values;
    for (ProfileEntry& entry : store.Section(keys::AliasText.section))
        values.emplace(LowerAscii(entry.key), std::move(entry.value));
    for (int i = 0;; ++i) {
        const auto alias = values.find(LowerAscii(keys::AliasText.prefix + std::to_string(i)));
        if (alias == values.end() || alias->second.empty())
            break;
        const auto url = values.find(LowerAscii(keys::AliasUrl.prefix + std::to_string(i)));
        if (url == values.end() || url->second.empty())
            break;
        entries_.emplace(alias->second, url->second);
    }
}

bool AliasTable::Save(SettingsStore& store) const {
    auto batch = store.BeginBatch();
    store.DeleteSection(keys::AliasText.section);
    int i = 0;
    for (const auto& [alias, url] : entries_) {
        store.Write(keys::AliasText, i, alias);
        store.Write(keys::AliasUrl, i, url);
        ++i;
    }
    return batch.Commit();
}

std::optional<std::string> AliasTable::Find(const std::string& alias) const {
    const auto it = entries_.find(alias);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

bool AliasTable::Assign(std::string_view alias, std::string_view url) {
    std::string cleanAlias = CleanAliasText(alias);
    std::string cleanUrl = CleanAliasText(url);
    if (cleanAlias.empty() || cleanUrl.empty())
        return false;
    entries_[std::move(cleanAlias)] = std::move(cleanUrl);
    return true;
}

}  // namespace lumbrel
