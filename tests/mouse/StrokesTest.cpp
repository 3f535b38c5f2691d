#include <gtest/gtest.h>

#include "mouse/Strokes.h"

namespace lumbrel {
namespace {

TEST(QuantiseStroke, EightPixelsOrLessAndExactDiagonalsGiveNoDirection) {
    struct Case {
        int dx, dy;
        char letter;
    };
    const Case cases[] =
        {
            {0, 0, 0},     {8, 0, 0},      {0, -8, 0},    {5, 6, 0},
            {-6, -5, 0},  // within 8 pixels
            {9, 0, 'R'},   {-9, 0, 'L'},   {0, 9, 'D'},   {0, -9, 'U'},
            {30, 29, 'R'}, {-30, 29, 'L'}, {29, 30, 'D'}, {-29, -30, 'U'},
            {6, 6, 0},     {20, -20, 0},   {-40, 40, 0},  // diagonals longer than 8 pixels
        };
    for (const Case& c : cases)
        EXPECT_EQ(QuantiseStroke(c.dx, c.dy), c.letter) << c.dx << "," << c.dy;
}

TEST(DirectionOfDrag, TiesCountAsRight) {
    EXPECT_EQ(DirectionOfDrag(50, 0), DragDirection::Right);
    EXPECT_EQ(DirectionOfDrag(-50, 10), DragDirection::Left);
    EXPECT_EQ(DirectionOfDrag(3, 40), DragDirection::Down);
    EXPECT_EQ(DirectionOfDrag(3, -40), DragDirection::Up);
    EXPECT_EQ(DirectionOfDrag(30, 30), DragDirection::Right);
    EXPECT_EQ(DirectionOfDrag(-30, -30), DragDirection::Right);
    EXPECT_EQ(DirectionOfDrag(-30, 30), DragDirection::Right);
    EXPECT_EQ(DirectionOfDrag(0, 0), DragDirection::Right);
}

TEST(StrokeRing, RepeatedStrokesCollapse) {
    StrokeRing ring;
    for (char c : {'R', 'R', 'D', 'D', 'R'})
        ring.Add(c);
    EXPECT_EQ(ring.Text(), "RDR");
    EXPECT_EQ(ring.Take(), "RDR");
    EXPECT_TRUE(ring.Empty());
    EXPECT_EQ(ring.Take(), "");
    ring.Reset();
    ring.Add('R');
    EXPECT_EQ(ring.Text(), "R") << "after a reset the first stroke is always recorded";
}

TEST(StrokeRing, ALongGestureIsJudgedByItsLastEightStrokes) {
    StrokeRing ring;
    for (int i = 0; i < 9; ++i)
        ring.Add(i % 2 == 0 ? 'R' : 'L');
    EXPECT_EQ(ring.Text(), "LRLRLRLR");
    for (int i = 0; i < 20; ++i)
        ring.Add(i % 2 == 0 ? 'U' : 'D');
    EXPECT_EQ(ring.Text(), "UDUDUDUD");
    EXPECT_FALSE(ring.Empty());
}

}  // namespace
}  // namespace lumbrel
