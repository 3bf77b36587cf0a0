#include "puzzle/draws.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fakes/scripted_random.h"

namespace velmora {
namespace {

using testing::ScriptedRandom;

// The largest single-precision value a generator may return.
const float kLargestBelowOne = std::nextafter(1.0F, 0.0F);

// A value that draws `position` out of `names`: the middle of its share of [0, 1).
float Value_For(int position, int names) {
  return (static_cast<float>(position) - 0.5F) / static_cast<float>(names);
}

class DrawPositionTest : public ::testing::TestWithParam<int> {};

TEST_P(DrawPositionTest, StaysWithinTheNamesForTheExtremeValues) {
  const int names = GetParam();
  ScriptedRandom random;
  random.values = {0.0F, kLargestBelowOne};
  EXPECT_EQ(Draw_Position(names, random), 1);
  EXPECT_EQ(Draw_Position(names, random), names);
}

TEST_P(DrawPositionTest, GivesEveryPositionItsOwnShare) {
  const int names = GetParam();
  ScriptedRandom random;
  for (int position = 1; position <= names; ++position) {
    random.values.push_back(Value_For(position, names));
    EXPECT_EQ(Draw_Position(names, random), position);
  }
}

// Values on either side of each boundary k / N, where single-precision rounding decides.
TEST_P(DrawPositionTest, NeverLeavesOneToNAroundTheBoundaries) {
  const int names = GetParam();
  ScriptedRandom random;
  int previous = 1;
  for (int k = 1; k <= names; ++k) {
    const float boundary = static_cast<float>(k) / static_cast<float>(names);
    for (float value : {std::nextafter(boundary, 0.0F), boundary, std::nextafter(boundary, 2.0F)}) {
      if (value >= 1.0F) continue;
      random.values.push_back(value);
      const int position = Draw_Position(names, random);
      EXPECT_GE(position, 1) << value;
      EXPECT_LE(position, names) << value;
      EXPECT_GE(position, previous) << "positions must not fall as the value rises: " << value;
      previous = position;
    }
  }
}

TEST_P(DrawPositionTest, ReseedsBeforeTakingItsValue) {
  ScriptedRandom random;
  Draw_Position(GetParam(), random);
  Draw_Position(GetParam(), random);
  EXPECT_EQ(random.calls, "rvrv");
}

INSTANTIATE_TEST_SUITE_P(KeysAndLevels, DrawPositionTest, ::testing::Values(12, 15, 27));

class DrawFromListsTest : public ::testing::Test {
 protected:
  DrawFromListsTest() { Fill_Key_Tables(tables); }

  KeyTables tables;
  Board board;
  ScriptedRandom random;
};

TEST_F(DrawFromListsTest, KeyDrawNeverReturnsASentinel) {
  random.values = {0.0F, kLargestBelowOne};
  Draw_Key(board, tables.Key_Names, random);
  EXPECT_EQ(board.Drawn_Key, "C");
  Draw_Key(board, tables.Key_Names, random);
  EXPECT_EQ(board.Drawn_Key, "Cb");
}

TEST_F(DrawFromListsTest, ChordTypeDrawReachesBothEndsOfEitherLevel) {
  FramedList expert;
  FramedList beginner;
  Fill_Chord_Types(expert, true);
  Fill_Chord_Types(beginner, false);
  random.values = {0.0F, kLargestBelowOne, 0.0F, kLargestBelowOne};
  Draw_Chord_Type(board, expert, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "6/9");
  Draw_Chord_Type(board, expert, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Min9_#4");
  Draw_Chord_Type(board, beginner, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Maj9");
  Draw_Chord_Type(board, beginner, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Min9");
}

// All four lines are drawn once before any redraw; then line 2 is redrawn against line 1,
// line 3 against lines 1 and 2, line 4 against lines 1 to 3.
TEST_F(DrawFromListsTest, DistinctChordTypesRedrawInLineOrder) {
  FramedList expert;
  Fill_Chord_Types(expert, true);
  const auto value = [](int position) { return Value_For(position, 27); };
  random.values = {value(1), value(1), value(2), value(2),  // first draws: 6/9 6/9 Maj9 Maj9
                   value(1), value(3),                      // line 2 redrawn twice
                   value(2), value(3), value(4)};           // line 4 redrawn three times
  Draw_Distinct_Chord_Types(board, expert, random);
  EXPECT_EQ(board.Chords, (ChordNames{"6/9", "Maj9_#5", "Maj9", "Dom7_b5_b9"}));
  EXPECT_EQ(board.Drawn_Chord_Type, "Dom7_b5_b9");
  EXPECT_EQ(random.calls, "rvrvrvrvrvrvrvrvrv");
  EXPECT_TRUE(random.values.empty());
}

TEST(RejectLongNotesTest, SetsRegenerateOnlyForNamesOfFourOrMoreCharacters) {
  Board board;
  board.Circle_Notes.fill("Cbb");
  Reject_Long_Notes(board);
  EXPECT_FALSE(board.Regenerate);
  circle_note(board.Circle_Notes, 17) = "F###";
  Reject_Long_Notes(board);
  EXPECT_TRUE(board.Regenerate);
}

TEST(RejectLongNotesTest, NeverClearsRegenerate) {
  Board board;
  board.Regenerate = true;
  Reject_Long_Notes(board);
  EXPECT_TRUE(board.Regenerate);
}

TEST(DrawGivenCircleTest, GivesEveryCircleItsShareWithoutReseeding) {
  ScriptedRandom random;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    random.values.push_back(Value_For(circle, kCircleCount));
    EXPECT_EQ(Draw_Given_Circle(random, false), circle);
  }
  EXPECT_EQ(random.reseeds, 0);
}

TEST(DrawGivenCircleTest, StaysWithinTheCirclesForTheExtremeValues) {
  ScriptedRandom random;
  random.values = {0.0F, kLargestBelowOne};
  EXPECT_EQ(Draw_Given_Circle(random, false), 1);
  EXPECT_EQ(Draw_Given_Circle(random, false), kCircleCount);
}

TEST(DrawGivenCircleTest, CentreQuestionGivesTheCentreButStillTakesTheValue) {
  ScriptedRandom random;
  random.values = {0.0F, kLargestBelowOne};
  EXPECT_EQ(Draw_Given_Circle(random, true), kCentreCircle);
  EXPECT_EQ(Draw_Given_Circle(random, true), kCentreCircle);
  EXPECT_EQ(random.calls, "vv");
}

}  // namespace
}  // namespace velmora
