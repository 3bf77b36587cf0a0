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
  const struct {
    int from;
    D direction;
    int to;  // 0: none
  } cases[] = {
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
  const struct {
    std::string_view typing;
    char key;
    std::string_view made;  // empty: refused
  } cases[] = {
      {"", 'e', "E"},    {"", 'E', "E"},    {"", 'b', "B"},     {"", 'B', "B"},
      {"E", 'b', "Eb"},  {"Eb", 'b', "Ebb"}, {"Ebb", 'b', ""},  {"F", '#', "F#"},
      {"F#", '#', "Fx"}, {"F", 'x', "Fx"},  {"Fx", '#', ""},    {"Fx", 'b', ""},
      {"Eb", '#', ""},   {"Eb", 'G', "G"},  {"Eb", 'B', "B"},   {"", '#', ""},
      {"", 'x', ""},     {"", 'h', ""},     {"C", '5', ""},     {"C", ' ', ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(typed_name(c.typing, c.key).value_or(""), c.made)
        << "\"" << c.typing << "\" + '" << c.key << "'";
  }
}

TEST(ReviewCircleTest, SaysWhatIsWrongAndHowToSpellTheRightPitch) {
  const std::optional<NoteName> bb = NoteName('B', -1);
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"  Bb", "right"},
      {"  A#", "sounds right, spelled wrong: A# here is Bb"},
      {" Cbb", "sounds right, spelled wrong: Cbb here is Bb"},
      {"   A", "wrong: A is not the note here"},
      {"", "empty"},
  };
  for (const auto& [caption, text] : cases) EXPECT_EQ(review_circle(caption, bb).text, text);
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

// Reveal writes the right note like a drop; Clear empties; neither touches the given circle.
// "Play my answer" (its bytes in the window test) skips empty circles and silences the line
// after the pause; a send failure is reported as any MIDI failure is.
TEST_F(CircleDescriptionTest, RevealClearAndPlayMyAnswer) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  EXPECT_FALSE(form.reveal_note(9) || form.clear_circle(9));
  EXPECT_TRUE(form.reveal_note(15));
  EXPECT_EQ(caption(15), "   C");
  form.Circle_DragDrop(12, "Fb");  // E spelled as Fb
  EXPECT_EQ(form.review()[11].verdict, AnswerClass::RightPitchWrongSpelling);
  midi.sent.clear();
  form.play_answer(1);
  EXPECT_EQ(midi.sent.size(), 4U) << "circles 6 and 3 are empty";
  EXPECT_EQ(midi.sent.back(), (std::vector<int>{0xB1, 120, 0}));
  EXPECT_GE(clock.elapsed_ms, 2000);
  EXPECT_TRUE(form.clear_circle(15));
  EXPECT_EQ(caption(15), "");
  midi.send_fails = MidiResult::SendFailed;
  form.play_answer(1);
  ASSERT_EQ(windows.boxes.size(), 2U) << "one box for each of the two notes";
  EXPECT_FALSE(form.controls().check_midi.checked());
}

TEST(ClassifyAnswerTest, RightEnharmonicWrongOrEmpty) {
  const std::optional<NoteName> eb = NoteName('E', -1);
  const struct {
    std::string_view caption;
    std::optional<NoteName> answer;
    AnswerClass expected;
  } cases[] = {
      {"  Eb", eb, AnswerClass::Right},
      {"  D#", eb, AnswerClass::RightPitchWrongSpelling},
      {" Fbb", eb, AnswerClass::RightPitchWrongSpelling},
      {"   E", eb, AnswerClass::Wrong},
      {"  Ab", eb, AnswerClass::Wrong},
      {"", eb, AnswerClass::Empty},
      {"", std::nullopt, AnswerClass::Right},
      {"   C", std::nullopt, AnswerClass::Wrong},
      {"  b7", eb, AnswerClass::Wrong},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(classify_answer(c.caption, c.answer), c.expected) << "\"" << c.caption << "\"";
  }
}

// A palette name lands in its four-character form and replaces what the circle held; anything
// else leaves the circle as it was.
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
