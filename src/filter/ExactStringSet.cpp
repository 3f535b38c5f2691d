#include "filter/ExactStringSet.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lumbrel {

namespace {
// Spreads the table's hash again, so that the filter's bits do not follow the table slot.
uint64_t Remix(uint64_t hash) {
    return hash * 0x9e3779b97f4a7c15ull;
}
}  // namespace

size_t ExactStringSet::FilterWord(uint64_t hash) const {
    // A shift by 64 would be undefined: a one-word filter takes word 0.
    return filterShift_ >= 64 ? 0 : static_cast<size_t>(Remix(hash) >> filterShift_);
}

uint64_t ExactStringSet::FilterBits(uint64_t hash) {
    const uint64_t mixed = Remix(hash);
    return (uint64_t{1} << (mixed & 63)) | (uint64_t{1} << ((mixed >> 6) & 63)) |
           (uint64_t{1} << ((mixed >> 12) & 63)) | (uint64_t{1} << ((mixed >> 18) & 63));
}

// FNV-1a over 64 bits: quick on short texts, and every byte counts.
uint64_t ExactStringSet::Hash(std::string_view text) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash ^ (hash >> 29);
}

void ExactStringSet::Clear() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    slots_.clear();
    slots_.shrink_to_fit();
    filter_.clear();
    filter_.shrink_to_fit();
    filterShift_ = 64;
    count_ = 0;
}

std::string_view ExactStringSet::At(uint32_t offset) const {
    uint32_t length;
    std::memcpy(&length, bytes_.data() + offset, sizeof length);
    return std::string_view(bytes_).substr(offset + sizeof length, length);
}

void ExactStringSet::Assign(const std::vector<std::string_view>& strings) {
    Clear();
    if (strings.empty())
        return;
    size_t total = 0;
    for (std::string_view s : strings)
        total += sizeof(uint32_t) + s.size();
    bytes_.reserve(std::min<size_t>(total, kEmpty));
    // A load of at most one half keeps probe runs short.
    slots_.assign(std::bit_ceil(strings.size() * 2), Slot{});
    // Ten bits a string keep the filter's false "maybe" near two in a hundred.
    const size_t words = std::bit_ceil((strings.size() * 10 + 63) / 64);
    filter_.assign(words, 0);
    filterShift_ = 64 - std::countr_zero(words);
    for (std::string_view s : strings) {
        // Positions are 32 bits: a list of more than 4 GB keeps what fits.
        if (bytes_.size() + sizeof(uint32_t) + s.size() >= kEmpty)
            break;
        Insert(s, Hash(s));
    }
}

void ExactStringSet::Insert(std::string_view text, uint64_t hash) {
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(hash >> 32);
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        Slot& entry = slots_[slot];
        if (entry.offset == kEmpty) {
            entry = Slot{tag, static_cast<uint32_t>(bytes_.size())};
            filter_[FilterWord(hash)] |= FilterBits(hash);
            auto length = static_cast<uint32_t>(text.size());
            bytes_.append(reinterpret_cast<const char*>(&length), sizeof length);
            bytes_.append(text);
            ++count_;
            return;
        }
        if (entry.tag == tag && At(entry.offset) == text)
            return;
    }
}

bool ExactStringSet::Contains(std::string_view text) const {
    if (slots_.empty())
        return false;
    const uint64_t hash = Hash(text);
    const uint64_t bits = FilterBits(hash);
    if ((filter_[FilterWord(hash)] & bits) != bits)
        return false;
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(hash >> 32);
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& entry = slots_[slot];
        if (entry.offset == kEmpty)
            return false;
        if (entry.tag == tag && At(entry.offset) == text)
            return true;
    }
}

size_t ExactStringSet::MemoryBytes() const {
    return bytes_.capacity() + slots_.capacity() * sizeof(Slot) +
           filter_.capacity() * sizeof(uint64_t);
}

}  // namespace lumbrel
