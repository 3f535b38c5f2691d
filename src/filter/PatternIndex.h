// The star patterns of one filter list, indexed so that an address is tried only against the
// few patterns that could match it. Every piece of a pattern must occur in a matching
// address, so each pattern is filed under one word (a run of ASCII letters and digits) that a
// matching address is sure to hold as a whole word: a run that its piece bounds on both sides
// by other characters, or that is pinned to the address's start or end. Of those the word
// fewest patterns share is taken. Patterns without such a word ("*", "*a*") sit in a short
// list that every address is tried against.
//
// An address is cut into its words; each word's patterns are tried with the full match, so
// the answer is exactly that of trying every pattern, at a cost that grows with the
// address, not with the list. Words are filed by hash alone: a collision only adds patterns
// to try.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "filter/WildcardPattern.h"
#include "platform/CodePage.h"

namespace lumbrel {

class PatternIndex {
public:
    // The patterns (views that must outlive the index) in list order.
    void Build(const std::vector<std::string_view>& patterns, MatchStyle style);
    void Clear();

    // True when any pattern matches `text`.
    bool AnyMatches(const CodePage& cp, std::string_view text) const;

    size_t Size() const { return patterns_.size(); }
    // Patterns every address is tried against.
    size_t UnindexedCount() const { return unindexed_.size(); }
    size_t MemoryBytes() const;

    // The words a matching address must hold whole, by hash (tests and the benchmark).
    static std::vector<uint64_t> RequiredWords(const WildcardPattern& pattern, MatchStyle style);

private:
    struct Bucket {
        uint64_t word = 0;  // 0: empty slot
        uint32_t begin = 0;
        uint32_t count = 0;
    };
    static constexpr size_t kNoSlot = SIZE_MAX;
    size_t SlotOf(uint64_t word) const;
    bool TryBucket(const CodePage& cp, std::string_view text, uint64_t word) const;

    MatchStyle style_ = MatchStyle::Url;
    std::vector<WildcardPattern> patterns_;
    std::vector<uint32_t> unindexed_;
    std::vector<Bucket> buckets_;  // open addressing; size a power of two
    // Sixteen bits per filed word, set for the filed words' hashes: most words of an address
    // are filed under nothing, and this table, small enough to stay in the processor's cache,
    // says so for nearly all of them without touching the buckets.
    std::vector<uint64_t> wordBits_;
    size_t wordBitMask_ = 0;
    std::vector<uint32_t> filed_;  // pattern indices, grouped by bucket
};

}  // namespace lumbrel
