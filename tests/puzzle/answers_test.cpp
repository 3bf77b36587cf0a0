#include "puzzle/answers.h"
#include "puzzle/review.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora {
namespace {

// The window's circle centres, in pixels.
constexpr CirclePlaces kScreen = {{{268, 108}, {340, 92}, {412, 108}, {300, 132}, {340, 132},
                                   {380, 132}, {260, 172}, {300, 172}, {340, 172}, {380, 172},
                                   {420, 172}, {300, 212}, {340, 212}, {380, 212}, {268, 236},
                                   {340, 252}, {412, 236}}};

OpenCircles all_open_but(int closed) {
  OpenCircles open;
  open.fill(true);
  if (closed > 0) open[closed - 1] = false;
  return open;
}

// The nearest circle less than 45 degrees off the arrow; a closed one is passed over.
TEST(NeighbourCircleTest, AnArrowGoesToTheNearestOpenCircleThatWay) {
  using D = Direction;
  const struct { int closed; int from; D direction; int to; } cases[] = {  // to 0: none
      {0, 9, D::Right, 10}, {0, 11, D::Right, 0}, {0, 9, D::Left, 8},   {0, 9, D::Up, 5},
      {0, 2, D::Up, 0},     {0, 1, D::Right, 4},  {0, 1, D::Down, 7},   {0, 1, D::Up, 0},
      {0, 4, D::Up, 0},     {0, 12, D::Left, 15}, {0, 16, D::Left, 15}, {0, 14, D::Right, 17},
      {0, 7, D::Up, 1},     {0, 12, D::Down, 0},  {9, 8, D::Right, 10}, {9, 5, D::Down, 13},
      {5, 9, D::Up, 2},     {4, 1, D::Right, 2},  {2, 1, D::Right, 4},  {13, 16, D::Up, 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(neighbour_circle(kScreen, all_open_but(c.closed), c.from, c.direction).value_or(0),
              c.to)
        << "closed " << c.closed << ", from " << c.from << " " << static_cast<int>(c.direction);
  }
}

// At equal distances the circle straighter ahead wins, whichever comes first.
TEST(NeighbourCircleTest, AtEqualDistanceTheStraighterOneWins) {
  for (const bool straight_first : {true, false}) {
    CirclePlaces places{};
    places.fill({-500, -500});
    places[0] = {0, 0};
    places[straight_first ? 1 : 2] = {10, 0};
    places[straight_first ? 2 : 1] = {8, 6};
    EXPECT_EQ(neighbour_circle(places, all_open_but(0), 1, Direction::Right).value_or(0),
              straight_first ? 2 : 3);
  }
}

// Whichever circle is given, the arrows lead from every open circle to every other.
TEST(NeighbourCircleTest, EveryOpenCircleIsReachedFromEveryOther) {
  for (int closed = 0; closed <= kCircleCount; ++closed) {
    const OpenCircles open = all_open_but(closed);
    for (int start = 1; start <= kCircleCount; ++start) {
      if (!open[start - 1]) continue;
      std::array<bool, kCircleCount> reached{};
      std::vector<int> to_visit{start};
      reached[start - 1] = true;
      while (!to_visit.empty()) {
        const int circle = to_visit.back();
        to_visit.pop_back();
        for (Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
          const std::optional<int> next = neighbour_circle(kScreen, open, circle, direction);
          if (next && !std::exchange(reached[*next - 1], true)) to_visit.push_back(*next);
        }
      }
      EXPECT_EQ(std::count(reached.begin(), reached.end(), true), closed == 0 ? 17 : 16)
          << "closed " << closed << ", from " << start;
    }
  }
}

TEST(TypedNameTest, ALetterStartsANameAndAccidentalsExtendIt) {
  const struct { std::string_view typing; char key; std::string_view made; } cases[] = {
      {"", 'e', "E"},    {"", 'E', "E"},    {"", 'b', "B"},     {"", 'B', "B"},
      {"E", 'b', "Eb"},  {"Eb", 'b', "Ebb"}, {"Ebb", 'b', ""},  {"F", '#', "F#"},
      {"F#", '#', "Fx"}, {"F", 'x', "Fx"},  {"Fx", '#', ""},    {"Fx", 'b', ""},
      {"Eb", '#', ""},   {"Eb", 'G', "G"},  {"Eb", 'B', "B"},   {"", '#', ""},
      {"", 'x', ""},     {"", 'h', ""},     {"C", '5', ""},     {"C", ' ', ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(typed_name(c.typing, c.key).value_or(""), c.made)  // empty: refused
        << "\"" << c.typing << "\" + '" << c.key << "'";
  }
}

// What a speech synthesizer is given for the names on screen; unknown parts stay as written.
TEST(SpokenNameTest, NotesChordNamesAndIntervalsAreSaidInWords) {
  const std::pair<std::string_view, std::string_view> notes[] = {
      {"Bb", "B flat"}, {"Cx", "C double sharp"}, {"  Abb", "A double flat"},
      {"F#", "F sharp"}, {"G", "G"}, {"H", "H"}};
  for (const auto& [name, said] : notes) EXPECT_EQ(spoken_note(name), said) << name;
  const std::pair<std::string_view, std::string_view> chords[] = {
      {"Min7_#5_#9", "minor seventh, sharp five, sharp nine"},
      {"Dom9_sus", "dominant ninth, suspended fourth"},
      {"Min9_maj7", "minor ninth, major seventh"},
      {"6/9", "six nine"},
      {"Min6/9", "minor six nine"},
      {"Dom7_b5_b9", "dominant seventh, flat five, flat nine"},
      {"Maj 9", "major ninth"},
      {"9 sus4", "ninth suspended fourth"},
      {"  b7", "flat seven"},
      {"  3", "three"},
      {"Odd_x1", "Odd, x1"}};
  for (const auto& [name, said] : chords) EXPECT_EQ(spoken_chord(name), said) << name;
}

// Each class with the words a tooltip and a screen reader give it.
TEST(ReviewCircleTest, RightEnharmonicWrongOrEmptyAndWhatToSay) {
  const std::optional<NoteName> eb = NoteName('E', -1);
  using enum AnswerClass;
  const struct { std::string_view caption; std::optional<NoteName> answer; AnswerClass verdict;
                 std::string_view text; } cases[] = {
      {"  Eb", eb, Right, "right"},
      {"  D#", eb, RightPitchWrongSpelling, "sounds right, spelled wrong: D# here is Eb"},
      {" Fbb", eb, RightPitchWrongSpelling, "sounds right, spelled wrong: Fbb here is Eb"},
      {"   E", eb, Wrong, "wrong: E is not the note here"},
      {"  Ab", eb, Wrong, "wrong: Ab is not the note here"},
      {"", eb, Empty, "empty"},
      {"", std::nullopt, Right, "right"},
      {"   C", std::nullopt, Wrong, "wrong: C is not the note here"},
      {"  b7", eb, Wrong, "wrong:   b7 is not the note here"},
  };
  for (const auto& c : cases) {
    const CircleReview review = review_circle(c.caption, c.answer);
    EXPECT_EQ(review.verdict, c.verdict) << "\"" << c.caption << "\"";
    EXPECT_EQ(review.text, c.text);
  }
}

// A palette name lands in its four-character form, replacing the caption; nothing else lands.
TEST(DropTest, OnlyPaletteNamesLandInTheirFourCharacterForm) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"C", "   C"},  {"Eb", "  Eb"}, {"Cbb", " Cbb"}, {"Bx", "  Bx"}, {"", "  Gb"},
      {"F###", "  Gb"}, {"Ebbb", "  Gb"}, {"H", "  Gb"}, {" C", "  Gb"}, {"c", "  Gb"},
  };
  for (const auto& [dropped, shown] : cases) {
    CircleLabels labels;
    labels[4].caption = "  Gb";
    drop_on_circle(labels, 5, dropped);
    EXPECT_EQ(labels[4].caption, shown) << "\"" << dropped << "\"";
  }
}

}  // namespace
}  // namespace velmora
