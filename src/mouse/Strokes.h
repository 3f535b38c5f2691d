// The geometry of mouse strokes: which direction a movement counts as, for gestures drawn with
// the right button and for items dragged inside a page; and the ring that keeps the strokes of
// the gesture being drawn.
#pragma once

#include <array>
#include <string>

namespace lumbrel {

// A movement of (dx, dy) in screen orientation (y grows downward) as a gesture letter:
// 'R', 'L', 'D' or 'U'; 0 for a movement of 8 pixels or less and for an exact diagonal,
// which could not be told apart from the neighbouring directions.
char QuantiseStroke(int dx, int dy);

enum class DragDirection { Up, Down, Left, Right };
// The direction of a drag from its start; ties (diagonals, no movement) count as right.
DragDirection DirectionOfDrag(int dx, int dy);

// The strokes of the gesture being drawn, one per process: nine slots, so the last eight
// strokes are kept and a longer gesture is judged by its end. A stroke equal to the one
// before it is not recorded again.
class StrokeRing {
public:
    void Reset() { write_ = read_ = 0; }
    bool Empty() const { return write_ == read_; }
    // Records `letter` unless it repeats the last stroke.
    void Add(char letter);
    // The strokes from the oldest kept to the newest.
    std::string Text() const;
    // Text(), and the ring is empty afterwards.
    std::string Take();

private:
    static constexpr int kSlots = 9;
    std::array<char, kSlots> slots_{};
    int write_ = 0;
    int read_ = 0;
};

}  // namespace lumbrel
