#include "filter/FilterListFile.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "base/DbcsText.h"
#include "base/ProfileDocument.h"

namespace lumbrel {
namespace {

struct Section {
    std::string_view name;
    std::string_view prefix;
    std::vector<std::string> FilterListsCopy::*list;
};
constexpr Section kSections[] = {
    {"PopFilter", "pop", &FilterListsCopy::popFilter},
    {"PopUnFilter", "pop", &FilterListsCopy::popUnFilter},
    {"UrlFilter", "url", &FilterListsCopy::urlFilter},
    {"UrlUnFilter", "url", &FilterListsCopy::urlUnFilter},
};

// The n of a key named prefix + n (n ≥ 1 in plain decimal, as the reader asks for it), or 0.
size_t KeyNumber(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || !NoCaseEqual{}(key.substr(0, prefix.size()), prefix))
        return 0;
    std::string_view digits = key.substr(prefix.size());
    if (digits.front() == '0')
        return 0;
    size_t n = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return error == std::errc() && end == digits.data() + digits.size() ? n : 0;
}

}  // namespace

FilterListsCopy FilterListFile::Read(PrivateProfile& store, const CodePage& cp,
                                     const std::string& path) {
    FilterListsCopy lists;
    for (const Section& section : kSections) {
        // One parse for the whole section; the first line of each number counts, as a
        // lookup of that key would find it.
        std::vector<ProfileEntry> entries = store.GetSection(path, section.name);
        std::vector<const std::string*> byNumber(entries.size() + 1, nullptr);
        for (const ProfileEntry& entry : entries) {
            size_t n = KeyNumber(entry.key, section.prefix);
            if (n != 0 && n < byNumber.size() && byNumber[n] == nullptr)
                byNumber[n] = &entry.value;
        }
        std::vector<std::string>& list = lists.*section.list;
        for (size_t n = 1; n < byNumber.size() && byNumber[n] && !byNumber[n]->empty(); ++n)
            list.emplace_back(CutToBytes(cp, *byNumber[n], kMaxEntryBytes));
    }
    return lists;
}

bool FilterListFile::Write(PrivateProfile& store, const std::string& path,
                           const FilterListsCopy& lists) {
    PrivateProfile::Batch batch = store.BeginBatch(path);
    for (const Section& section : kSections) {
        store.DeleteSection(path, section.name);
        size_t n = 0;
        for (const std::string& entry : lists.*section.list) {
            if (FilterLists::IsBlankEntry(entry))
                continue;
            store.WriteString(path, section.name, std::string(section.prefix) + std::to_string(++n),
                              entry);
        }
    }
    return batch.Commit();
}

}  // namespace lumbrel
