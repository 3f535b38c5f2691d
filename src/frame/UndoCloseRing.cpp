#include "frame/UndoCloseRing.h"

namespace lumbrel {

void UndoCloseRing::Push(std::string url, std::string title) {
    slots_[tail_] = ClosedPage{std::move(url), std::move(title), ++pushes_};
    tail_ = Next(tail_);
    if (tail_ == head_)
        head_ = Next(head_);
}

bool UndoCloseRing::RemoveSlotIfHolds(int slot, const std::string& url) {
    return IsUsedSlot(slot) && slots_[slot].url == url && RemoveSlot(slot);
}

std::vector<ClosedPage> UndoCloseRing::PushedSince(uint64_t pushCount) const {
    std::vector<ClosedPage> pages = OldestFirst();
    std::erase_if(pages, [&](const ClosedPage& page) { return page.serial <= pushCount; });
    return pages;
}

void UndoCloseRing::PopNewest() {
    if (Empty())
        return;
    tail_ = Prev(tail_);
    slots_[tail_] = ClosedPage{};
}

bool UndoCloseRing::IsUsedSlot(int slot) const {
    if (slot < 0 || slot >= kSlots || Empty())
        return false;
    return (slot - head_ + kSlots) % kSlots < Size();
}

bool UndoCloseRing::RemoveSlot(int slot) {
    if (!IsUsedSlot(slot))
        return false;
    for (int i = slot; Next(i) != tail_; i = Next(i))
        slots_[i] = std::move(slots_[Next(i)]);
    tail_ = Prev(tail_);
    slots_[tail_] = ClosedPage{};
    return true;
}

std::vector<int> UndoCloseRing::SlotsNewestFirst() const {
    std::vector<int> slots;
    for (int i = tail_; i != head_;) {
        i = Prev(i);
        slots.push_back(i);
    }
    return slots;
}

std::vector<ClosedPage> UndoCloseRing::OldestFirst() const {
    std::vector<ClosedPage> pages;
    for (int i = head_; i != tail_; i = Next(i))
        pages.push_back(slots_[i]);
    return pages;
}

void UndoCloseRing::Clear() {
    slots_.fill(ClosedPage{});
    head_ = tail_ = 0;
}

}  // namespace lumbrel
