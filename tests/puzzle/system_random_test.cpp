#include "puzzle/system_random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "puzzle/draws.h"

namespace velmora {
namespace {

// Every name is expected kDrawsPerName times. By Chernoff's bound a fair generator strays more
// than kTolerance from that with a probability below 1e-13 per name, so these tests do not
// flake, while a name lost, doubled or favoured by the draw shows at once.
constexpr int kDrawsPerName = 10000;
constexpr double kTolerance = 0.08;

// A clock that never moves: every re-seed falls in the same tick.
std::uint64_t Frozen_Ticks() { return 0x0123'4567'89ab'cdefULL; }

struct Ticks {
  const char* name;
  SystemRandom::TickSource source;
};

void PrintTo(const Ticks& ticks, std::ostream* out) { *out << ticks.name; }

const auto kBothClocks = ::testing::Values(Ticks{"RealClock", SystemRandom::Clock_Ticks},
                                           Ticks{"FrozenClock", Frozen_Ticks});

void Expect_Even_Shares(const std::map<std::string, int>& counts, const FramedList& list) {
  const int names = Count_Framed_Entries(list) - 2;
  EXPECT_EQ(counts.size(), static_cast<std::size_t>(names)) << "every name occurs, no other";
  for (int position = 1; position <= names; ++position) {
    const auto found = counts.find(list[position]);
    const int count = found == counts.end() ? 0 : found->second;
    EXPECT_NEAR(count, kDrawsPerName, kTolerance * kDrawsPerName) << list[position];
  }
}

TEST(SystemRandomTest, ValuesLieInZeroToOne) {
  SystemRandom random;
  float smallest = 1.0F;
  float largest = 0.0F;
  for (int reseed = 0; reseed < 1000; ++reseed) {
    random.reseed();
    for (int value = 0; value < 100; ++value) {
      const float r = random.next();
      smallest = std::min(smallest, r);
      largest = std::max(largest, r);
    }
  }
  EXPECT_GE(smallest, 0.0F);
  EXPECT_LT(largest, 1.0F);
  // 100000 values leave no gap near either end wider than 1e-3 but with odds below 1e-40.
  EXPECT_LT(smallest, 1e-3F);
  EXPECT_GT(largest, 1.0F - 1e-3F);
}

class SharesTest : public ::testing::TestWithParam<Ticks> {};

TEST_P(SharesTest, EveryKeyOccursAboutEquallyOften) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  SystemRandom random(GetParam().source);
  Board board;
  std::map<std::string, int> counts;
  for (int draw = 0; draw < 15 * kDrawsPerName; ++draw) {
    Draw_Key(board, tables.Key_Names, random);
    ++counts[board.Drawn_Key];
  }
  Expect_Even_Shares(counts, tables.Key_Names);
}

TEST_P(SharesTest, EveryChordTypeOfEitherLevelOccursAboutEquallyOften) {
  for (const bool expert : {true, false}) {
    SCOPED_TRACE(expert ? "Expert" : "Beginner");
    FramedList level;
    Fill_Chord_Types(level, expert);
    const int names = Count_Framed_Entries(level) - 2;
    SystemRandom random(GetParam().source);
    Board board;
    std::map<std::string, int> counts;
    for (int draw = 0; draw < names * kDrawsPerName; ++draw) {
      Draw_Chord_Type(board, level, random);
      ++counts[board.Drawn_Chord_Type];
    }
    Expect_Even_Shares(counts, level);
  }
}

// The distinct-type redraws rely on this: a draw repeats the one before it about once in N,
// however quickly the re-seeds follow each other.
TEST_P(SharesTest, BackToBackDrawsRepeatOnlyByChance) {
  constexpr int kNames = 27;
  SystemRandom random(GetParam().source);
  int repeats = 0;
  int previous = Draw_Position(kNames, random);
  for (int draw = 0; draw < kNames * kDrawsPerName; ++draw) {
    const int position = Draw_Position(kNames, random);
    if (position == previous) ++repeats;
    previous = position;
  }
  EXPECT_NEAR(repeats, kDrawsPerName, kTolerance * kDrawsPerName);
}

std::vector<float> Values_After_Reseed(SystemRandom& random) {
  random.reseed();
  return {random.next(), random.next(), random.next(), random.next()};
}

// Four values carry 96 random bits: two fair sequences agree with odds of about 2^-96.
TEST_P(SharesTest, BackToBackReseedsStartDifferentSequences) {
  SystemRandom random(GetParam().source);
  std::set<std::vector<float>> sequences;
  for (int pair = 0; pair < 1000; ++pair) {
    const std::vector<float> first = Values_After_Reseed(random);
    const std::vector<float> second = Values_After_Reseed(random);
    EXPECT_NE(first, second);
    sequences.insert(first);
    sequences.insert(second);
  }
  EXPECT_EQ(sequences.size(), 2000U);
}

// Two generators re-seeded in the same tick must not repeat each other either.
TEST(SystemRandomTest, TwoGeneratorsInOneTickDiffer) {
  SystemRandom first(Frozen_Ticks);
  SystemRandom second(Frozen_Ticks);
  EXPECT_NE(Values_After_Reseed(first), Values_After_Reseed(second));
}

INSTANTIATE_TEST_SUITE_P(Clocks, SharesTest, kBothClocks,
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
