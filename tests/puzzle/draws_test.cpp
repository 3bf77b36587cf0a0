#include "puzzle/draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "fakes/scripted_random.h"
#include "puzzle/system_random.h"

namespace velmora {
namespace {

using testing::ScriptedRandom;

// The largest single-precision value a generator may return.
const float kLargestBelowOne = std::nextafter(1.0F, 0.0F);

TEST(DrawBoundsTest, ExtremeValuesStayWithinTheNamesAndNeverReachASentinel) {
  ScriptedRandom random;
  for (int names : {12, 15, 27}) {
    random.values = {0.0F, kLargestBelowOne};
    EXPECT_EQ(Draw_Position(names, random), 1) << names;
    EXPECT_EQ(Draw_Position(names, random), names) << names;
  }
  KeyTables tables;
  Fill_Key_Tables(tables);
  FramedList expert, beginner;
  Fill_Chord_Types(expert, true);
  Fill_Chord_Types(beginner, false);
  Board board;
  random.values = {0.0F, kLargestBelowOne, 0.0F, kLargestBelowOne, 0.0F, kLargestBelowOne};
  Draw_Key(board, tables.Key_Names, random);
  EXPECT_EQ(board.Drawn_Key, "C");
  Draw_Key(board, tables.Key_Names, random);
  EXPECT_EQ(board.Drawn_Key, "Cb");
  Draw_Chord_Type(board, expert, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "6/9");
  Draw_Chord_Type(board, expert, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Min9_#4");
  Draw_Chord_Type(board, beginner, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Maj9");
  Draw_Chord_Type(board, beginner, random);
  EXPECT_EQ(board.Drawn_Chord_Type, "Min9");
}

TEST(DrawBoundsTest, GivenCircleGivesEveryCircleItsShareUpToTheLargestValue) {
  ScriptedRandom random;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    random.values = {(static_cast<float>(circle) - 0.5F) / kCircleCount};
    EXPECT_EQ(Draw_Given_Circle(random, false), circle);
  }
  random.values = {0.0F, kLargestBelowOne};
  EXPECT_EQ(Draw_Given_Circle(random, false), 1);
  EXPECT_EQ(Draw_Given_Circle(random, false), kCircleCount);
  EXPECT_EQ(random.calls.find('r'), std::string::npos) << "the given circle is not re-seeded";
}

// Every name is expected kDrawsPerName times. By Chernoff's bound a fair generator strays more
// than kTolerance from that with a probability below 1e-13 per name, so the test does not
// flake, while a name lost, doubled or favoured by the draw shows at once.
constexpr int kDrawsPerName = 10000;
constexpr double kTolerance = 0.08 * kDrawsPerName;

// A clock that never moves: every re-seed falls in the same tick.
std::uint64_t Frozen_Ticks() { return 0x0123'4567'89ab'cdefULL; }

class SystemRandomTest : public ::testing::TestWithParam<SystemRandom::TickSource> {};

TEST_P(SystemRandomTest, ValuesLieInZeroToOneAndReachBothEnds) {
  SystemRandom random(GetParam());
  float smallest = 1.0F;
  float largest = 0.0F;
  for (int draw = 0; draw < 100000; ++draw) {
    random.reseed();
    const float value = random.next();
    smallest = std::min(smallest, value);
    largest = std::max(largest, value);
  }
  EXPECT_GE(smallest, 0.0F);
  EXPECT_LT(largest, 1.0F);
  // 100000 values leave no gap near either end wider than 1e-3 but with odds below 1e-40.
  EXPECT_LT(smallest, 1e-3F);
  EXPECT_GT(largest, 1.0F - 1e-3F);
}

// Each draw re-seeds, so with the frozen clock this shows that re-seeds within one tick still
// give independent values: a draw repeats the one before it only about once in N.
TEST_P(SystemRandomTest, EveryKeyAndChordTypeOccursAboutEquallyOften) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  FramedList expert, beginner;
  Fill_Chord_Types(expert, true);
  Fill_Chord_Types(beginner, false);
  SystemRandom random(GetParam());
  Board board;
  for (const FramedList* list : {&tables.Key_Names, &expert, &beginner}) {
    const bool keys = list == &tables.Key_Names;
    const int names = Count_Framed_Entries(*list) - 2;
    std::map<std::string, int> counts;
    int repeats = 0;
    std::string previous;
    for (int draw = 0; draw < names * kDrawsPerName; ++draw) {
      if (keys) Draw_Key(board, *list, random);
      if (!keys) Draw_Chord_Type(board, *list, random);
      const std::string& name = keys ? board.Drawn_Key : board.Drawn_Chord_Type;
      ++counts[name];
      repeats += name == previous;
      previous = name;
    }
    EXPECT_EQ(counts.size(), static_cast<std::size_t>(names)) << "every name occurs, no other";
    for (const auto& [name, count] : counts) EXPECT_NEAR(count, kDrawsPerName, kTolerance) << name;
    EXPECT_NEAR(repeats, kDrawsPerName, kTolerance) << (*list)[1];
  }
}

INSTANTIATE_TEST_SUITE_P(Clocks, SystemRandomTest,
                         ::testing::Values(SystemRandom::Clock_Ticks, Frozen_Ticks));

TEST(SystemRandomTest, TwoGeneratorsReseededInOneTickDiffer) {
  SystemRandom first(Frozen_Ticks);
  SystemRandom second(Frozen_Ticks);
  first.reseed();
  second.reseed();
  const std::vector<float> a{first.next(), first.next(), first.next()};
  const std::vector<float> b{second.next(), second.next(), second.next()};
  EXPECT_NE(a, b);
}

}  // namespace
}  // namespace velmora
