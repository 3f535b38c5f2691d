// One filter list prepared for matching: the entries without a star in an exact set, the
// star patterns in a word index. Built from the list as the user keeps it, whenever the list
// changed; asked on every request the engine makes, so a lookup allocates nothing and costs
// about the same for ten entries or a million.
//
// Url style (the content lists): each entry is lower-cased and stripped of blanks at both
// ends first, the callers pass lower-case addresses, and an entry "*" matches everything.
// Popup style (the popup lists): entries are used as stored, case and blanks included; an
// entry counts through exact equality, and, when it holds a star and is not "*" alone, also
// as a pattern.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "filter/ExactStringSet.h"
#include "filter/PatternIndex.h"
#include "filter/WildcardPattern.h"
#include "platform/CodePage.h"

namespace lumbrel {

class CompiledFilterList {
public:
    explicit CompiledFilterList(const CodePage& cp) : cp_(&cp) {}
    CompiledFilterList(const CompiledFilterList&) = delete;
    CompiledFilterList& operator=(const CompiledFilterList&) = delete;

    // Replaces the compiled content with that of `entries`.
    void Build(const std::vector<std::string>& entries, MatchStyle style);
    void Clear();

    // Exact membership first, then the patterns.
    bool Contains(std::string_view text) const;

    size_t ExactCount() const { return exact_.Size(); }
    size_t PatternCount() const { return patterns_.Size(); }
    size_t UnindexedPatternCount() const { return patterns_.UnindexedCount(); }
    size_t MemoryBytes() const;

private:
    const CodePage* cp_;
    ExactStringSet exact_;
    std::string patternText_;  // the patterns end to end; the index views into it
    PatternIndex patterns_;
};

}  // namespace lumbrel
