#include "puzzle/answers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

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
