#include "puzzle/draws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "fakes/scripted_random.h"
#include "platform/posix/system_random.h"

namespace velmora {
namespace {

struct Lists {
  Lists() {
    Fill_Key_Tables(tables);
    Fill_Chord_Types(expert, true);
    Fill_Chord_Types(beginner, false);
  }
  KeyTables tables;
  FramedList expert, beginner;
};

// The smallest and the largest single-precision value a generator may return draw the first and
// the last name, never a sentinel; every circle gets its share of the values.
TEST(DrawBoundsTest, ExtremeValuesDrawTheFirstAndTheLastName) {
  const float largest = std::nextafter(1.0F, 0.0F);
  const Lists lists;
  testing::ScriptedRandom random;
  random.values = {0.0F, largest, 0.0F, largest, 0.0F, largest};
  Board board;
  std::vector<std::string> drawn;
  for (int draw = 0; draw < 2; ++draw) {
    Draw_Key(board, lists.tables.Key_Names, random);
    drawn.push_back(board.Drawn_Key);
  }
  for (const FramedList* types : {&lists.expert, &lists.expert, &lists.beginner, &lists.beginner}) {
    Draw_Chord_Type(board, *types, random);
    drawn.push_back(board.Drawn_Chord_Type);
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{"C", "Cb", "6/9", "Min9_#4", "Maj9", "Min9"}));
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    random.values = {(static_cast<float>(circle) - 0.5F) / kCircleCount};
    EXPECT_EQ(Draw_Given_Circle(random, false), circle);
  }
  random.values = {0.0F, largest};
  EXPECT_EQ(Draw_Given_Circle(random, false), 1);
  EXPECT_EQ(Draw_Given_Circle(random, false), kCircleCount);
}

// Every name is expected kDrawsPerName times. By Chernoff's bound a fair generator strays more
// than kTolerance from that with a probability below 1e-13 per name, so the test does not
// flake, while a name lost, doubled or favoured by the draw shows at once.
constexpr int kDrawsPerName = 10000;
constexpr double kTolerance = 0.08 * kDrawsPerName;

// A clock that never moves: every re-seed falls in the same tick.
std::uint64_t Frozen_Ticks() { return 0x0123'4567'89ab'cdefULL; }

class SystemRandomTest : public ::testing::TestWithParam<SystemRandom::TickSource> {};

// Values spread unevenly over [0, 1), or outside it, would lose or favour names. Each draw
// re-seeds, so with the frozen clock this shows that re-seeds within one tick still give
// independent values: a draw repeats the one before it only about once in N.
TEST_P(SystemRandomTest, EveryKeyAndChordTypeOccursAboutEquallyOften) {
  SystemRandom random(GetParam());
  const Lists lists;
  Board board;
  for (const FramedList* list : {&lists.tables.Key_Names, &lists.expert, &lists.beginner}) {
    const bool keys = list == &lists.tables.Key_Names;
    const int names = Count_Framed_Entries(*list) - 2;
    std::map<std::string, int> counts;
    int repeats = 0;
    std::string previous;
    for (int draw = 0; draw < names * kDrawsPerName; ++draw) {
      keys ? Draw_Key(board, *list, random) : Draw_Chord_Type(board, *list, random);
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
                         ::testing::Values(SystemRandom::Clock_Ticks, Frozen_Ticks),
                         [](const auto& clock) {
                           return clock.param == Frozen_Ticks ? "Frozen" : "Running";
                         });

}  // namespace
}  // namespace velmora
