#include "puzzle/answers.h"
#include "puzzle/review.h"

#include <gtest/gtest.h>

#include "fakes/main_form_fixture.h"

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

class CircleDescriptionTest : public testing::MainFormTest {};

TEST_F(CircleDescriptionTest, NamesThePlaceTheToneAndWhatTheCircleHolds) {
  EXPECT_EQ(form.circle_description(15), "circle 15, root of chord 1, empty");
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(6, "F#");
  const std::pair<int, std::string_view> cases[] = {
      {15, "circle 15, root of Maj9, empty"},
      {6, "circle 6, 7 of Maj9, holds F#"},
      {8, "circle 8, 3 of Dom9, empty"},
      {5, "circle 5, 2 of Dom9_sus2, empty"},
  };
  for (const auto& [circle, text] : cases) EXPECT_EQ(form.circle_description(circle), text);
}

// Reveal and Clear leave the given circle alone; "Play my answer" silences the line after the
// pause (captions and bytes in the window test); a send failure is reported as any MIDI failure.
TEST_F(CircleDescriptionTest, RevealClearAndPlayMyAnswer) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  EXPECT_FALSE(form.reveal_note(9) || form.clear_circle(9));
  EXPECT_TRUE(form.reveal_note(15));
  midi.sent.clear();
  form.play_answer(1);
  EXPECT_EQ(midi.sent.size(), 3U) << "circles 12, 6 and 3 are empty";
  EXPECT_GE(clock.elapsed_ms, 2000);
  EXPECT_TRUE(form.clear_circle(15));
  EXPECT_EQ(caption(15), "");
  midi.send_fails = MidiResult::SendFailed;
  form.play_answer(1);
  ASSERT_EQ(windows.boxes.size(), 1U) << "one box for the one note";
  EXPECT_FALSE(form.controls().check_midi.checked());
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
