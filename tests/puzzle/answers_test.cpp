#include "puzzle/answers.h"
#include "puzzle/review.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The arrows follow the star: along the horizontal and vertical lines, out along the
// diagonals, and nowhere past an edge. That every circle is reached, the keyboard test shows.
TEST(NeighbourCircleTest, ArrowsFollowTheStarsLines) {
  using D = Direction;
  const struct { int from; D direction; int to; } cases[] = {  // to 0: none
      {9, D::Right, 10}, {10, D::Right, 11}, {11, D::Right, 0}, {9, D::Left, 8},
      {8, D::Left, 7},   {7, D::Left, 0},    {9, D::Up, 5},     {5, D::Up, 2},
      {2, D::Up, 0},     {9, D::Down, 13},   {13, D::Down, 16}, {16, D::Down, 0},
      {4, D::Up, 1},     {1, D::Right, 4},   {1, D::Down, 4},   {6, D::Up, 3},
      {3, D::Up, 0},     {14, D::Down, 17},  {12, D::Down, 15}, {5, D::Right, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(neighbour_circle(c.from, c.direction).value_or(0), c.to)
        << c.from << " " << static_cast<int>(c.direction);
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
