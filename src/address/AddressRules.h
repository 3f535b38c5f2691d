// How the text typed into the address box becomes an address: the search-keyword split, the domain
// completion of Ctrl, Shift and Ctrl+Shift with Enter, and the scheme guess that tells an address
// from words to search for. Pure functions over the text; `AddressInput` applies them in order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

// The modifier keys held when Enter was pressed, read by the binding.
struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What the search bar does with a keyword it is handed (`SearchButtonAction`).
enum class SearchAction { ByKeys = 0, Search = 1, Find = 2, Highlight = 4 };

// The prefix and suffix put around a word by Ctrl, Shift and Ctrl+Shift with Enter
// (section "Domains").
struct DomainCompletion {
    std::string ctrlPrefix, ctrlSuffix;
    std::string shiftPrefix, shiftSuffix;
    std::string ctrlShiftPrefix, ctrlShiftSuffix;

    static DomainCompletion Load(SettingsStore& store);
};

// A letter, ":" and then the end, "/" or "\".
bool IsDrivePath(std::string_view text);

// "engine rest of words": the first word (trimmed) and the rest (trailing blanks removed);
// nothing when the text has no blank after its first character.
struct KeywordQuery {
    std::string engine;
    std::string keyword;
};
std::optional<KeywordQuery> SplitKeywordQuery(const CodePage& cp, std::string_view text);

// What typed text becomes after completion: an address to open, or words to search for.
struct CompletedAddress {
    bool search = false;
    std::string text;
    SearchAction action = SearchAction::Search;
};
CompletedAddress CompleteAddress(const CodePage& cp, std::string_view text, KeyModifiers keys,
                                 const DomainCompletion& domains);

}  // namespace lumbrel
