#include "theory/chords.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

TEST(ChordTypesTest, LevelListsHoldTheirNamesInCatalogueOrderBetweenTheSentinels) {
  EXPECT_EQ(Fill_Chord_Types(true),
            (FramedList{"start",      "6/9",        "Maj9",       "Maj9_#5",    "Dom7_b5_b9",
                        "Dom7_b9",    "Dom9",       "Dom7_b5_#9", "Dom7_#5_b9", "Dom7_#5_#9",
                        "Dom7_#9",    "Dom9_sus",   "Dom9_sus2",  "Dom9_#4",    "Dom9_b5",
                        "Dom9_#5",    "Min6/9",     "Min7_#4_b9", "Min7_b5_b9", "Min7_b5_#9",
                        "Min7_#5_b9", "Min7_#5_#9", "Min7_b9",    "Min7_#9",    "Min9_b5",
                        "Min9_maj7",  "Min9",       "Min9_#4",    "stop"}));
  EXPECT_EQ(Fill_Chord_Types(false),
            (FramedList{"start", "Maj9", "Maj9_#5", "Dom7_b9", "Dom9", "Dom7_#9", "Dom9_b5",
                        "Dom9_#5", "Min7_b9", "Min7_#9", "Min9_b5", "Min9_maj7", "Min9", "stop"}));
}

// The hint shows these labels, blanks included, in the circles of the chord's line.
TEST(ChordTypesTest, EveryFormulaLabelHasItsExactWidth) {
  const std::map<std::string_view, std::string_view> formulas = {
      {"6/9", "  1|  3|  5|  6|  9"},           {"Maj9", "  1|  3|  5|  7|  9"},
      {"Maj9_#5", "  1|  3| #5|  7|  9"},       {"Dom7_b5_b9", "  1|  3| b5|  b7| b9"},
      {"Dom7_b9", "  1|  3|  5|  b7| b9"},      {"Dom9", "  1|  3|  5|  b7|  9"},
      {"Dom7_b5_#9", "  1|  3| b5|  b7| #9"},   {"Dom7_#5_b9", "  1|  3| #5|  b7| b9"},
      {"Dom7_#5_#9", "  1|  3| #5|  b7| #9"},   {"Dom7_#9", "  1|  3|  5|  b7| #9"},
      {"Dom9_sus", "  1|  4|  5|  b7|  9"},     {"Dom9_sus2", "  1|  2|  5|  b7|  9"},
      {"Dom9_#4", "  1|  3| #4|  b7|  9"},      {"Dom9_b5", "  1|  3| b5|  b7|  9"},
      {"Dom9_#5", "  1|  3| #5|  b7|  9"},      {"Min6/9", "  1| b3|  5|  6|  9"},
      {"Min7_#4_b9", "  1| b3| #4|  b7|  b9"},  {"Min7_b5_b9", "  1| b3| b5|  b7| b9"},
      {"Min7_b5_#9", "  1| b3| b5|  b7| #9"},   {"Min7_#5_b9", "  1| b3| #5|  b7| b9"},
      {"Min7_#5_#9", "  1| b3| #5|  b7| #9"},   {"Min7_b9", "  1| b3|  5|  b7| b9"},
      {"Min7_#9", "  1| b3|  5|  b7| #9"},      {"Min9_b5", "  1| b3| b5|  b7|  9"},
      {"Min9_maj7", "  1| b3|  5|   7|  9"},    {"Min9", "  1| b3|  5|  b7|  9"},
      {"Min9_#4", "  1| b3| #4|  b7|  9"},
  };
  ASSERT_EQ(formulas.size(), kChordCatalogue.size());
  for (const ChordType& type : kChordCatalogue) {
    std::string joined;
    for (std::string_view label : type.formula) joined.append(label).append("|");
    joined.pop_back();
    EXPECT_EQ(joined, formulas.at(type.name)) << type.name;
  }
}

std::string spelled(const CircleNotes& notes) {
  std::string text;
  for (const std::optional<NoteName>& note : notes) text += (note ? note->text() : "-") + " ";
  return text;
}

// An unknown type is reported and keeps its circles; each other line is found through the
// centre (the #5, b5, #4 and fifth of the four lines) and written into its circles.
TEST(SpellChordLinesTest, ReportsUnknownLinesAndSpellsEachOtherLineThroughTheCentre) {
  CircleNotes notes;
  notes.fill(NoteName('E', 1));
  circle_note(notes, kCentreCircle) = NoteName('D', -1);
  EXPECT_EQ(Spell_Chord_Lines({"Maj9", "Dom9", "", "Min9"}, notes), std::vector<int>{3});
  EXPECT_EQ(spelled(notes), "E# Gb Ab E# Bbb F Gb Bb Db Fb Ab Bb Fb E# Gb Ab E# ");
  EXPECT_EQ(unknown_chord_message(3), "Nog niet beschikbaar (Chord_3");

  EXPECT_TRUE(Spell_Chord_Lines({"Dom7_#5_b9", "Dom9_b5", "Min7_#4_b9", "Maj9"}, notes).empty());
  EXPECT_EQ(spelled(notes),
            "Abb Gb Abbb Cbb Bb Fbb G B Db F A Bbb F Gbb Gbb Ab Bbbb ");
}

}  // namespace
}  // namespace velmora
