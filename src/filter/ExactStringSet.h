// A set of byte strings built once and then only asked for membership, laid out for size
// and for few cache misses: the strings sit end to end in one buffer, each after its length,
// and an open-addressing table of (hash tag, position) pairs finds them. A filter list of a
// hundred thousand addresses fits in a few megabytes, and a lookup hashes the text once,
// allocates nothing, and touches one table slot and one string where the tag agrees.
// In front of the table sits a small bit filter (about ten bits a string, four of them in one
// 64-bit word set for each string): most addresses asked are in no list, and for nearly all of
// those one word that stays in the processor's cache says so, however large the list. It only
// ever says "maybe" for a string that is in the set, so the answers are those of the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrel {

class ExactStringSet {
public:
    // Replaces the content; duplicates are stored once.
    void Assign(const std::vector<std::string_view>& strings);
    void Clear();

    bool Contains(std::string_view text) const;
    size_t Size() const { return count_; }
    // Bytes held by the set's buffers.
    size_t MemoryBytes() const;

    static uint64_t Hash(std::string_view text);

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;
    struct Slot {
        uint32_t tag = 0;          // high bits of the hash
        uint32_t offset = kEmpty;  // of the string's length in bytes_
    };
    std::string_view At(uint32_t offset) const;
    void Insert(std::string_view text, uint64_t hash);
    // The filter word for `hash` and the four bits a member sets in it.
    size_t FilterWord(uint64_t hash) const;
    static uint64_t FilterBits(uint64_t hash);

    std::string bytes_;        // per string: its length (4 bytes), then its bytes
    std::vector<Slot> slots_;  // size a power of two
    std::vector<uint64_t> filter_;  // size a power of two
    int filterShift_ = 64;
    size_t count_ = 0;
};

}  // namespace lumbrel
