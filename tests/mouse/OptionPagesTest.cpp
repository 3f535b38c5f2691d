#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "language/Language.h"
#include "mouse/CGestureProp.h"
#include "mouse/CMouseProp.h"

namespace lumbrel {
namespace {

class GesturePropTest : public ::testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& row : page.Rows())
            names.push_back(row.name);
        return names;
    }

    MouseSettings settings = [] {
        MouseSettings s;
        s.rButtonDown = IDM_CLOSE;
        return s;
    }();
    GestureTable gestures = [] {
        GestureTable g;
        g.Add("R", IDM_NEXT_WINDOW);
        g.Add("L", IDM_PREVIOUS_WINDOW);
        return g;
    }();
    Language language;
    CGestureProp page{settings,
                      gestures,
                      {{"None", 0},
                       {"File \\ Close", IDM_CLOSE},
                       {"Window \\ Next", IDM_NEXT_WINDOW},
                       {"Window \\ Previous", IDM_PREVIOUS_WINDOW}},
                      language};
};

TEST_F(GesturePropTest, SixFixedRowsComeFirstAndSelectingFillsBothBoxes) {
    EXPECT_EQ(Names(), (std::vector<std::string>{"Left Click", "Left Double Click", "Middle Click",
                                                 "Right Click", "Left-Right Click",
                                                 "Right-Left Click", "R", "L"}));
    page.Select(3);
    EXPECT_EQ(page.GestureBox(), "Right Click");
    EXPECT_EQ(page.CommandChoiceIndex(), 1);
    page.Select(7);
    EXPECT_EQ(page.GestureBox(), "L");
    EXPECT_EQ(page.CommandChoiceIndex(), 3);
    page.Select(CGestureProp::kNoRow);
    EXPECT_EQ(page.GestureBox(), "");
    EXPECT_EQ(page.CommandChoiceIndex(), -1);
    EXPECT_EQ(page.CommandText(IDM_NEXT_WINDOW), "Window \\ Next");
}

TEST_F(GesturePropTest, LetterButtonsKeepGesturesValid) {
    page.Select(0);
    page.PressLetter('U');
    EXPECT_EQ(page.GestureBox(), "Left Click") << "a button action has no letters";
    page.New();
    for (char c : {'U', 'U', 'D', 'U', 'D', 'U', 'D', 'U', 'D', 'U'})
        page.PressLetter(c);
    EXPECT_EQ(page.GestureBox(), "UDUDUDUD") << "no repeat and at most eight";
    page.PressErase();
    EXPECT_EQ(page.GestureBox(), "UDUDUDU");
    page.Select(2);
    page.PressErase();
    EXPECT_EQ(page.GestureBox(), "Middle Click");
}

TEST_F(GesturePropTest, InsertUpdatesTheSameGestureOrAppendsOne) {
    page.New();
    page.PressLetter('R');
    EXPECT_FALSE(page.Insert()) << "no command chosen";
    page.ChooseCommand(1);
    ASSERT_TRUE(page.Insert());
    EXPECT_EQ(page.Rows().size(), 8u);
    EXPECT_EQ(page.Rows()[6].command, IDM_CLOSE);
    EXPECT_EQ(page.Selected(), 6);
    page.New();
    page.PressLetter('D');
    page.ChooseCommand(2);
    ASSERT_TRUE(page.Insert());
    EXPECT_EQ(page.Rows().size(), 9u);
    EXPECT_EQ(page.Selected(), 8);
    page.New();
    EXPECT_FALSE(page.Insert()) << "no letters";
}

TEST_F(GesturePropTest, DeleteAndSpinNeverTouchTheFixedRowsOrder) {
    page.Select(3);
    page.Delete();
    EXPECT_EQ(page.Rows()[3].name, "Right Click");
    EXPECT_EQ(page.Rows()[3].command, 0);
    page.Select(6);
    page.Spin(-1);
    EXPECT_EQ(page.Rows()[6].name, "R") << "not into the fixed rows";
    page.Spin(1);
    EXPECT_EQ(Names().back(), "R");
    EXPECT_EQ(page.Selected(), 7);
    page.Spin(1);
    EXPECT_EQ(page.Selected(), 7) << "not past the end";
    page.Delete();
    EXPECT_EQ(page.Rows().size(), 7u);
    EXPECT_EQ(page.Selected(), CGestureProp::kNoRow);
}

TEST_F(GesturePropTest, OkRebuildsTheTableAndTheButtonActions) {
    page.Select(0);
    page.ChooseCommand(2);
    page.Select(6);
    page.Delete();
    page.showGesture = false;
    GestureTable table;
    table.Add("old", 1);
    MouseSettings out;
    page.Apply(table, out);
    EXPECT_EQ(out.lButtonDown, IDM_NEXT_WINDOW);
    EXPECT_EQ(out.rButtonDown, IDM_CLOSE);
    ASSERT_EQ(table.Entries().size(), 1u);
    EXPECT_EQ(table.Entries()[0].text, "L");
    EXPECT_EQ(out.showGesture, 0);
}

TEST_F(GesturePropTest, InsertWithAButtonActionSelectedAddsNoGestureNamedAfterIt) {
    // Selecting a fixed row puts its name in the gesture box; the letter buttons are locked
    // for it, so that name must never become a gesture.
    page.Select(0);
    page.ChooseCommand(2);
    page.Insert();
    EXPECT_EQ(page.Rows().size(), 8u);
    for (size_t i = CGestureProp::kFixedRows; i < page.Rows().size(); ++i)
        EXPECT_EQ(page.Rows()[i].name.find_first_not_of("UDLR"), std::string::npos)
            << "row " << i << " holds \"" << page.Rows()[i].name << "\"";
    GestureTable table;
    MouseSettings out;
    page.Apply(table, out);
    EXPECT_EQ(LookupGesture(table, "Left Click"), 0);
    EXPECT_EQ(out.lButtonDown, IDM_NEXT_WINDOW) << "the choice itself still applies to the row";
}

TEST(MouseProp, ChoicesAreBoundedByTheirList) {
    CMouseProp page(DragSettings{}, true);
    EXPECT_TRUE(page.Choose(DragKind::Link, DragDirection::Up, 16));
    EXPECT_FALSE(page.Choose(DragKind::Image, DragDirection::Up, 10));
    EXPECT_EQ(page.Choice(DragKind::Image, DragDirection::Up), 6) << "unchanged";
    EXPECT_EQ(page.Settings().ActionIndex(DragKind::Link, DragDirection::Up), 16);
    EXPECT_STREQ(CMouseProp::Choices(DragKind::Link)[16].text, "Edit Image URL");
}

}  // namespace
}  // namespace lumbrel
