#include "mouse/Strokes.h"

#include <cstdlib>

namespace lumbrel {

char QuantiseStroke(int dx, int dy) {
    const long long squared = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
    if (squared <= 64)
        return 0;
    const int ax = std::abs(dx), ay = std::abs(dy);
    if (ax > ay)
        return dx > 0 ? 'R' : 'L';
    if (ay > ax)
        return dy > 0 ? 'D' : 'U';
    return 0;
}

DragDirection DirectionOfDrag(int dx, int dy) {
    const int ax = std::abs(dx), ay = std::abs(dy);
    if (dx > ay && dx > 0)
        return DragDirection::Right;
    if (ax > ay && dx < 0)
        return DragDirection::Left;
    if (dy > ax && dy > 0)
        return DragDirection::Down;
    if (ay > ax && dy < 0)
        return DragDirection::Up;
    return DragDirection::Right;
}

void StrokeRing::Add(char letter) {
    const bool reset = write_ == 0 && read_ == 0;
    if (!reset && slots_[(write_ + kSlots - 1) % kSlots] == letter)
        return;
    slots_[write_] = letter;
    write_ = (write_ + 1) % kSlots;
    if (write_ == read_)
        read_ = (read_ + 1) % kSlots;
}

std::string StrokeRing::Text() const {
    std::string text;
    for (int i = read_; i != write_; i = (i + 1) % kSlots)
        text += slots_[i];
    return text;
}

std::string StrokeRing::Take() {
    std::string text = Text();
    read_ = write_;
    return text;
}

}  // namespace lumbrel
