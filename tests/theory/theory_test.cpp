#include "theory/notes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "theory/chords.h"

namespace velmora {
namespace {

TEST(NoteNameTest, ReadsTheProgramsSpellingsAndWritesEachPaddedForm) {
  const struct { std::string_view text, bare, fixed_width, worksheet_form; int pitch; } cases[] = {
      {"C", "C", "   C", " C", 0},        {"F#", "F#", "  F#", "F#", 6},
      {"  Bb", "Bb", "  Bb", "Bb", 10},   {"Abb", "Abb", " Abb", "Abb", 7},
      {"Cx", "Cx", "  Cx", "Cx", 2},      {"Cb", "Cb", "  Cb", "Cb", 11},
      {"B#", "B#", "  B#", "B#", 0},      {"F###", "F###", "F###", "F###", 8},
      {"Ebbbb", "Ebbbb", "Ebbbb", "Ebbbb", 0}, {" Cbb", "Cbb", " Cbb", "Cbb", 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"").append(c.text) + "\"");
    const ParsedNote parsed = NoteName::parse(c.text);
    ASSERT_TRUE(parsed.note) << parsed.reason;
    EXPECT_EQ(parsed.note->text(), c.bare);
    EXPECT_EQ(parsed.note->fixed_width(), c.fixed_width);
    EXPECT_EQ(parsed.note->worksheet_form(), c.worksheet_form);
    EXPECT_EQ(parsed.note->pitch_class(), c.pitch);
  }
  for (std::string_view text : {"", "   ", "H", "f#", "F##", "Fy", "F# ", "Fbbbbb", "Fx#", "C C"}) {
    const ParsedNote refused = NoteName::parse(text);
    EXPECT_TRUE(!refused.note && !refused.reason.empty()) << "\"" << text << "\"";
  }
  EXPECT_EQ(NoteName::parse("F##").reason, "a double sharp is written x, as in Fx");
  EXPECT_EQ(NoteName::parse("h").reason, "a note name begins with a capital letter A to G");
}

// The spelling rule, independent of the stored tables: each slot's letter lies a number of
// letter steps above the root's, and its accidental makes up the semitones.
constexpr std::pair<int, int> kStepsAndSemitones[kSlotCount] = {
    {0, 0}, {2, 3}, {2, 4}, {3, 5}, {4, 6}, {4, 7}, {4, 8}, {5, 9}, {6, 9},
    {6, 10}, {6, 11}, {1, 1}, {1, 2}, {1, 3}, {3, 5}, {3, 6}, {5, 8}, {5, 9}};

TEST(KeyTablesTest, EveryStoredEntryFollowsTheSpellingRuleAndRootsComeInLookupOrder) {
  constexpr std::string_view kLetters = "CDEFGAB";
  std::string roots;
  for (const SpellingTable& table : kSpellingTables) {
    const NoteName root = table[kRoot - 1];
    roots += root.text() + " ";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const NoteName note = table[slot - 1];
      const auto steps = (kLetters.find(note.letter()) + 7 - kLetters.find(root.letter())) % 7;
      const int semitones = (note.semitones_from_c() - root.semitones_from_c() + 24) % 12;
      EXPECT_EQ(std::pair(static_cast<int>(steps), semitones), kStepsAndSemitones[slot - 1])
          << root.text() << " slot " << slot;
    }
  }
  EXPECT_EQ(roots,
            "C C# Db D Eb E F F# Gb G Ab A Bb B Cb D# Dx Cx Fb Ebb Fbb Fx Dbb A# Abb G# "
            "Bbb E# Cbb B# Gbb ");
  EXPECT_EQ(Fill_Key_Tables(), (FramedList{"start", "C", "C#", "Db", "D", "Eb", "E", "F", "F#",
                                           "Gb", "G", "Ab", "A", "Bb", "B", "Cb", "stop"}));
  // A count includes "stop" and looks no further than position fifty.
  FramedList list(60, "name");
  list[50] = "stop";
  EXPECT_EQ(count_framed_entries(list), 51);
  std::swap(list[50], list[51]);
  EXPECT_EQ(count_framed_entries(list), 0);
  EXPECT_EQ(count_framed_entries({"start", "stop", "stop"}), 2);
  EXPECT_EQ(count_framed_entries({}), 0);
}

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

// The hint shows these labels, blanks included, in the circles of the chord's line: a sample of
// each width the catalogue uses (its labels are checked against its tone slots as it compiles).
TEST(ChordTypesTest, FormulaLabelsKeepTheirExactWidth) {
  const std::map<std::string_view, std::string_view> samples = {
      {"Maj9", "  1|  3|  5|  7|  9"},        {"Dom9_sus2", "  1|  2|  5|  b7|  9"},
      {"Dom7_b5_b9", "  1|  3| b5|  b7| b9"}, {"Min7_#4_b9", "  1| b3| #4|  b7|  b9"},
      {"Min9_maj7", "  1| b3|  5|   7|  9"},  {"Min6/9", "  1| b3|  5|  6|  9"},
  };
  for (const auto& [name, labels] : samples) {
    const ChordType* type = find_chord_type(name);
    ASSERT_NE(type, nullptr) << name;
    std::string joined;
    for (std::string_view label : type->formula) joined.append(label).append("|");
    joined.pop_back();
    EXPECT_EQ(joined, labels) << name;
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
