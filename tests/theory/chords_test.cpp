#include "theory/chords.h"

#include <gtest/gtest.h>

#include "fakes/fake_window_system.h"

namespace velmora {
namespace {

struct CentreCase {
  std::string_view type;
  std::string_view centre;
  std::string_view notes;  // root first
};

// The whole catalogue spelled through the centre "C", then a few centres with double and
// triple accidentals.
// clang-format off
constexpr CentreCase kCentreCases[] = {
    {"6/9", "C", "F A C D G"},               {"Maj9", "C", "F A C E G"},
    {"Maj9_#5", "C", "Fb Ab C Eb Gb"},        {"Dom7_b5_b9", "C", "F# A# C E G"},
    {"Dom7_b9", "C", "F A C Eb Gb"},          {"Dom9", "C", "F A C Eb G"},
    {"Dom7_b5_#9", "C", "F# A# C E Gx"},      {"Dom7_#5_b9", "C", "Fb Ab C Ebb Gbb"},
    {"Dom7_#5_#9", "C", "Fb Ab C Ebb G"},     {"Dom7_#9", "C", "F A C Eb G#"},
    {"Dom9_sus", "C", "F Bb C Eb G"},         {"Dom9_sus2", "C", "F G C Eb G"},
    {"Dom9_#4", "C", "Gb Bb C Fb Ab"},        {"Dom9_b5", "C", "F# A# C E G#"},
    {"Dom9_#5", "C", "Fb Ab C Ebb Gb"},       {"Min6/9", "C", "F Ab C D G"},
    {"Min7_#4_b9", "C", "Gb Bbb C Fb Abb"},   {"Min7_b5_b9", "C", "F# A C E G"},
    {"Min7_b5_#9", "C", "F# A C E Gx"},       {"Min7_#5_b9", "C", "Fb Abb C Ebb Gbb"},
    {"Min7_#5_#9", "C", "Fb Abb C Ebb G"},    {"Min7_b9", "C", "F Ab C Eb Gb"},
    {"Min7_#9", "C", "F Ab C Eb G#"},         {"Min9_b5", "C", "F# A C E G#"},
    {"Min9_maj7", "C", "F Ab C E G"},         {"Min9", "C", "F Ab C Eb G"},
    {"Min9_#4", "C", "Gb Bbb C Fb Ab"},       {"Maj9_#5", "Cb", "Fbb Abb Cb Ebb Gbb"},
    {"Dom9_b5", "C#", "Fx Ax C# E# Gx"},      {"Dom7_#5_b9", "Db", "Gbb Bbb Db Fbb Abbb"}};
// clang-format on

TEST(SpellChordTest, SpellsTheFiveTonesThroughTheCentre) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  for (const CentreCase& c : kCentreCases) {
    const ChordType* type = Find_Chord_Type(c.type);
    ASSERT_NE(type, nullptr) << c.type;
    std::string t1, t2, t4, t5;
    ToneIndex index{};
    ASSERT_TRUE(Spell_Chord(tables, *type, c.centre, t1, t2, t4, t5, index)) << c.type;
    EXPECT_EQ(t1 + " " + t2 + " " + std::string(c.centre) + " " + t4 + " " + t5, c.notes);
    EXPECT_EQ(index, type->tone_slots);
  }
}

// A key that met no table would leave a chord line empty on the board.
TEST(SpellChordTest, EveryKeyMeetsExactlyOneTableForEveryType) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  for (int position = 1; position <= 15; ++position) {
    for (const ChordType& type : kChordCatalogue) {
      int matches = 0;
      for (const SpellingTable& table : tables.Spelling_Tables) {
        matches += table[type.tone_slots[2]] == tables.Key_Names[position];
      }
      EXPECT_EQ(matches, 1) << tables.Key_Names[position] << " " << type.name;
    }
  }
}

TEST(ChordTypesTest, LevelListsScanToStop) {
  FramedList list;
  Fill_Chord_Types(list, true);
  ASSERT_EQ(Count_Framed_Entries(list), 29);
  EXPECT_EQ(list.size(), 29U);
  for (int position = 1; position <= 27; ++position) {
    EXPECT_EQ(list[position], kChordCatalogue[position - 1].name);
  }
  Fill_Chord_Types(list, false);
  ASSERT_EQ(Count_Framed_Entries(list), 14);
  EXPECT_EQ(list,
            (FramedList{"start", "Maj9", "Maj9_#5", "Dom7_b9", "Dom9", "Dom7_#9", "Dom9_b5",
                        "Dom9_#5", "Min7_b9", "Min7_#9", "Min9_b5", "Min9_maj7", "Min9", "stop"}));
}

class SpellChordLinesTest : public ::testing::Test {
 protected:
  SpellChordLinesTest() { Fill_Key_Tables(tables); }
  KeyTables tables;
  testing::FakeWindowSystem windows;
  ToneIndex index{};
};

TEST_F(SpellChordLinesTest, WritesEachLineIntoItsCircles) {
  CircleNotes notes;
  // A std::string, not a literal: GCC 12 at -O3 falsely warns (-Wrestrict) on the literal here.
  circle_note(notes, kCentreCircle) = std::string("C");
  Spell_Chord_Lines(tables, {"Dom9", "Maj9", "Min9_#4", "Dom9_sus2"}, notes, index, windows);
  EXPECT_TRUE(windows.boxes.empty());
  const CircleNotes expected = {"Gb", "F", "G", "Bbb", "G",  "Eb", "F", "A", "C",
                                "E",  "G", "A", "Eb",  "Fb", "F",  "G", "Ab"};
  EXPECT_EQ(notes, expected);
  EXPECT_EQ(index, Find_Chord_Type("Dom9_sus2")->tone_slots);
}

TEST_F(SpellChordLinesTest, UnknownChordTypeIsReportedOnceAndItsCirclesKept) {
  CircleNotes notes;
  notes.fill("old");
  circle_note(notes, kCentreCircle) = std::string("C");
  Spell_Chord_Lines(tables, {"Maj9", "Dom9", "", "Min9"}, notes, index, windows);
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Nog niet beschikbaar (Chord_3");
  EXPECT_EQ(windows.boxes[0].title, "Velmora");
  EXPECT_EQ(windows.boxes[0].buttons, Buttons::Ok);
  EXPECT_EQ(windows.boxes[0].icon, Icon::None);
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const bool kept = circle == 1 || circle == 4 || circle == 14 || circle == 17;
    EXPECT_EQ(circle_note(notes, circle) == "old", kept) << circle;
  }
}

}  // namespace
}  // namespace velmora
