#include "puzzle/draws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/scripted_random.h"
#include "platform/posix/system_random.h"

namespace velmora {
namespace {

struct Lists { FramedList keys = Fill_Key_Tables(), expert = Fill_Chord_Types(true),
                            beginner = Fill_Chord_Types(false); };

// The smallest and the largest single-precision value a generator may return draw the first and
// the last name, never a sentinel. Each circle's share of the values shows in PrintGivenNoteTest.
TEST(DrawBoundsTest, ExtremeValuesDrawTheFirstAndTheLastName) {
  const float largest = std::nextafter(1.0F, 0.0F);
  const Lists lists;
  testing::ScriptedRandom random;
  random.values = {0.0F, largest, 0.0F, largest, 0.0F, largest};
  std::vector<std::string> drawn;
  for (int draw = 0; draw < 2; ++draw) drawn.push_back(Draw_Key(lists.keys, random).text());
  for (const FramedList* types : {&lists.expert, &lists.expert, &lists.beginner, &lists.beginner}) {
    drawn.push_back(Draw_Chord_Type(*types, random));
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{"C", "Cb", "6/9", "Min9_#4", "Maj9", "Min9"}));
  random.values = {0.0F, largest};
  EXPECT_EQ(draw_given_circle(random, false), 1);
  EXPECT_EQ(draw_given_circle(random, false), kCircleCount);
}

// By Chernoff's bound a fair generator strays more than kTolerance from kDrawsPerName with a
// probability below 1e-13 per name; a name lost, doubled or favoured shows at once.
constexpr int kDrawsPerName = 10000;
constexpr double kTolerance = 0.08 * kDrawsPerName;

// A clock that never moves: every re-seed falls in the same tick.
std::uint64_t frozen_ticks() { return 0x0123'4567'89ab'cdefULL; }

class SystemRandomTest : public ::testing::TestWithParam<SystemRandom::TickSource> {};

// Uneven values, or values outside [0, 1), would lose or favour names. Each draw re-seeds: on the
// frozen clock, re-seeds in one tick still give independent values (a repeat about once in N).
TEST_P(SystemRandomTest, EveryKeyAndChordTypeOccursAboutEquallyOften) {
  SystemRandom random(GetParam());
  const Lists lists;
  for (const FramedList* list : {&lists.keys, &lists.expert, &lists.beginner}) {
    const bool keys = list == &lists.keys;
    const int names = count_framed_entries(*list) - 2;
    std::map<std::string, int> counts;
    int repeats = 0;
    std::string previous;
    for (int draw = 0; draw < names * kDrawsPerName; ++draw) {
      const std::string name =
          keys ? Draw_Key(*list, random).text() : Draw_Chord_Type(*list, random);
      ++counts[name];
      repeats += name == previous;
      previous = name;
    }
    EXPECT_EQ(counts.size(), static_cast<std::size_t>(names)) << "every name occurs, no other";
    for (const auto& [name, count] : counts) EXPECT_NEAR(count, kDrawsPerName, kTolerance) << name;
    EXPECT_NEAR(repeats, kDrawsPerName, kTolerance) << (*list)[1];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, SystemRandomTest, ::testing::Values(SystemRandom::clock_ticks, frozen_ticks),
    [](const auto& clock) { return clock.param == frozen_ticks ? "Frozen" : "Running"; });

// Each launch seeds from the clock: two generators started at different ticks give different
// puzzles, two started in the same tick the same ones; two launches on the real clock differ.
TEST(SystemRandomSeedTest, TheClockMakesEachLaunchsDrawsItsOwn) {
  const auto first_values = [](SystemRandom::TickSource ticks) {
    SystemRandom random(ticks);
    std::vector<float> values;
    for (int draw = 0; draw < 4; ++draw) {
      random.reseed();
      values.push_back(random.next());
    }
    return values;
  };
  EXPECT_EQ(first_values(frozen_ticks), first_values(frozen_ticks));
  EXPECT_NE(first_values(frozen_ticks), first_values([] { return frozen_ticks() + 1; }));
  EXPECT_NE(first_values(SystemRandom::clock_ticks), first_values(SystemRandom::clock_ticks));
}

// The given circle's value follows the key's without a re-seed: still every pair occurs.
TEST(SystemRandomSeedTest, TheGivenCircleDoesNotFollowFromTheKey) {
  SystemRandom random(frozen_ticks);
  const FramedList keys = Fill_Key_Tables();
  std::set<std::pair<std::string, int>> pairs;
  for (int draw = 0; draw < 15 * kCircleCount * 100; ++draw) {
    const std::string key = Draw_Key(keys, random).text();
    pairs.emplace(key, draw_given_circle(random, false));
  }
  EXPECT_EQ(pairs.size(), 15U * kCircleCount);
}

}  // namespace
}  // namespace velmora
