// The recently closed windows: 24 slots used as a ring, so at most 23 entries; the oldest is
// dropped when a new one arrives at a full ring. The undo commands, the undo menu and the
// closed-windows file read it; closing a window pushes into it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumbrel {

struct ClosedPage {
    std::string url;
    std::string title;
    // The number of its push (1 for the first of the session), so that what arrived after a
    // moment is known however the ring moved since.
    uint64_t serial = 0;
};

class UndoCloseRing {
public:
    static constexpr int kSlots = 24;

    bool Empty() const { return head_ == tail_; }
    int Size() const { return (tail_ - head_ + kSlots) % kSlots; }

    // Stores the pair as the newest entry, dropping the oldest when the ring is full.
    void Push(std::string url, std::string title);
    // The newest entry; the ring must not be empty.
    const ClosedPage& Newest() const { return slots_[Prev(tail_)]; }
    // Removes the newest entry.
    void PopNewest();
    // Removes the entry in `slot`; later entries move one slot back.
    bool RemoveSlot(int slot);
    // Removes the entry in `slot` only while it lies between head and tail and still holds
    // `url`: a menu item or a dialog row built earlier names the page it showed.
    bool RemoveSlotIfHolds(int slot, const std::string& url);
    const ClosedPage& Slot(int slot) const { return slots_[slot]; }
    bool IsUsedSlot(int slot) const;
    // Slot numbers, newest first (the order of the undo menu).
    std::vector<int> SlotsNewestFirst() const;
    // Entries from the oldest to the newest (the order of the closed-windows file).
    std::vector<ClosedPage> OldestFirst() const;
    void Clear();
    // How many pushes the ring has seen; a reader that kept this number learns with
    // PushedSince what arrived after it.
    uint64_t PushCount() const { return pushes_; }
    // The entries pushed after the count was `pushCount` and still held, oldest first.
    std::vector<ClosedPage> PushedSince(uint64_t pushCount) const;

private:
    static int Prev(int i) { return (i + kSlots - 1) % kSlots; }
    static int Next(int i) { return (i + 1) % kSlots; }

    std::array<ClosedPage, kSlots> slots_;
    int head_ = 0;
    int tail_ = 0;
    uint64_t pushes_ = 0;
};

}  // namespace lumbrel
