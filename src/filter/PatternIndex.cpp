#include "filter/PatternIndex.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "filter/ExactStringSet.h"

namespace lumbrel {
namespace {

bool IsWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

uint64_t WordHash(std::string_view word) {
    uint64_t hash = ExactStringSet::Hash(word);
    return hash == 0 ? 1 : hash;  // 0 marks an empty bucket
}

// Calls `visit` with every maximal run of word bytes in `text` and where it begins and ends,
// until it returns true; true when it did.
template <typename Visit>
bool ForEachWord(std::string_view text, Visit&& visit) {
    size_t i = 0;
    while (i < text.size()) {
        if (!IsWordByte(text[i])) {
            ++i;
            continue;
        }
        size_t begin = i;
        while (i < text.size() && IsWordByte(text[i]))
            ++i;
        if (visit(text.substr(begin, i - begin), begin, i))
            return true;
    }
    return false;
}

}  // namespace

std::vector<uint64_t> PatternIndex::RequiredWords(const WildcardPattern& pattern,
                                                  MatchStyle style) {
    std::vector<uint64_t> words;
    const auto& pieces = pattern.Pieces();
    const size_t last = pieces.size() - 1;
    for (size_t i = 0; i < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        // The first piece begins the address; in url style the last one ends it.
        bool pinnedStart = i == 0;
        bool pinnedEnd = i == last && style == MatchStyle::Url && last > 0;
        ForEachWord(piece, [&](std::string_view word, size_t begin, size_t end) {
            bool boundedLeft = begin > 0 || pinnedStart;
            bool boundedRight = end < piece.size() || pinnedEnd;
            if (boundedLeft && boundedRight)
                words.push_back(WordHash(word));
            return false;
        });
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

void PatternIndex::Clear() {
    patterns_.clear();
    patterns_.shrink_to_fit();
    unindexed_.clear();
    unindexed_.shrink_to_fit();
    buckets_.clear();
    buckets_.shrink_to_fit();
    wordBits_.clear();
    wordBits_.shrink_to_fit();
    wordBitMask_ = 0;
    filed_.clear();
    filed_.shrink_to_fit();
}

void PatternIndex::Build(const std::vector<std::string_view>& patterns, MatchStyle style) {
    Clear();
    style_ = style;
    patterns_.reserve(patterns.size());
    std::vector<std::vector<uint64_t>> words;
    words.reserve(patterns.size());
    std::unordered_map<uint64_t, uint32_t> sharedBy;
    for (std::string_view text : patterns) {
        patterns_.emplace_back(text);
        words.push_back(RequiredWords(patterns_.back(), style));
        for (uint64_t word : words.back())
            ++sharedBy[word];
    }

    // The rarest word of each pattern; among equals the first, which is the most specific
    // part of most addresses (the host).
    std::vector<uint64_t> chosen(patterns_.size(), 0);
    std::unordered_map<uint64_t, uint32_t> bucketSize;
    for (size_t i = 0; i < patterns_.size(); ++i) {
        uint32_t best = UINT32_MAX;
        for (uint64_t word : words[i]) {
            if (sharedBy[word] < best) {
                best = sharedBy[word];
                chosen[i] = word;
            }
        }
        if (chosen[i] == 0)
            unindexed_.push_back(static_cast<uint32_t>(i));
        else
            ++bucketSize[chosen[i]];
    }
    if (bucketSize.empty())
        return;

    buckets_.assign(std::bit_ceil(bucketSize.size() * 2), Bucket{});
    wordBitMask_ = std::bit_ceil(bucketSize.size() * 16) - 1;
    wordBits_.assign((wordBitMask_ + 64) / 64, 0);
    const size_t mask = buckets_.size() - 1;
    uint32_t next = 0;
    for (auto [word, count] : bucketSize) {
        size_t slot = word & mask;
        while (buckets_[slot].word != 0)
            slot = (slot + 1) & mask;
        buckets_[slot] = Bucket{word, next, 0};
        next += count;
        const size_t bit = (word >> 32) & wordBitMask_;
        wordBits_[bit / 64] |= uint64_t{1} << (bit % 64);
    }
    filed_.assign(next, 0);
    for (size_t i = 0; i < patterns_.size(); ++i) {
        if (chosen[i] == 0)
            continue;
        Bucket& bucket = buckets_[SlotOf(chosen[i])];
        filed_[bucket.begin + bucket.count++] = static_cast<uint32_t>(i);
    }
}

size_t PatternIndex::SlotOf(uint64_t word) const {
    if (buckets_.empty())
        return kNoSlot;
    const size_t mask = buckets_.size() - 1;
    const size_t bit = (word >> 32) & wordBitMask_;
    if ((wordBits_[bit / 64] & (uint64_t{1} << (bit % 64))) == 0)
        return kNoSlot;
    for (size_t slot = word & mask;; slot = (slot + 1) & mask) {
        if (buckets_[slot].word == word)
            return slot;
        if (buckets_[slot].word == 0)
            return kNoSlot;
    }
}

bool PatternIndex::TryBucket(const CodePage& cp, std::string_view text, uint64_t word) const {
    size_t slot = SlotOf(word);
    if (slot == kNoSlot)
        return false;
    const Bucket& bucket = buckets_[slot];
    for (uint32_t k = bucket.begin; k < bucket.begin + bucket.count; ++k) {
        if (patterns_[filed_[k]].Matches(cp, text, style_))
            return true;
    }
    return false;
}

bool PatternIndex::AnyMatches(const CodePage& cp, std::string_view text) const {
    for (uint32_t i : unindexed_) {
        if (patterns_[i].Matches(cp, text, style_))
            return true;
    }
    if (buckets_.empty())
        return false;
    return ForEachWord(text, [&](std::string_view word, size_t, size_t) {
        return TryBucket(cp, text, WordHash(word));
    });
}

size_t PatternIndex::MemoryBytes() const {
    size_t bytes = patterns_.capacity() * sizeof(WildcardPattern) +
                   (unindexed_.capacity() + filed_.capacity()) * sizeof(uint32_t) +
                   buckets_.capacity() * sizeof(Bucket) + wordBits_.capacity() * sizeof(uint64_t);
    for (const auto& pattern : patterns_)
        bytes += pattern.Pieces().capacity() * sizeof(std::string_view);
    return bytes;
}

}  // namespace lumbrel
