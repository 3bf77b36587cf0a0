#include "theory/chords.h"

#include <gtest/gtest.h>

#include <tuple>

#include "fakes/fake_window_system.h"

namespace velmora {
namespace {

TEST(ChordTypesTest, LevelListsScanToStop) {
  FramedList expert, beginner;
  Fill_Chord_Types(expert, true);
  Fill_Chord_Types(beginner, false);
  ASSERT_EQ(Count_Framed_Entries(expert), 29);
  EXPECT_EQ(expert.size(), 29U);
  for (int position = 1; position <= 27; ++position) {
    EXPECT_EQ(expert[position], kChordCatalogue[position - 1].name);
  }
  ASSERT_EQ(Count_Framed_Entries(beginner), 14);
  EXPECT_EQ(beginner,
            (FramedList{"start", "Maj9", "Maj9_#5", "Dom7_b9", "Dom9", "Dom7_#9", "Dom9_b5",
                        "Dom9_#5", "Min7_b9", "Min7_#9", "Min9_b5", "Min9_maj7", "Min9", "stop"}));
}

// Each type's tones are checked against its formula row and each table entry against the
// spelling rule; this shows each line found through the centre (the #5, b5, #4 and fifth of the
// four lines) and written into the line's circles, and an unknown type reported once.
TEST(SpellChordLinesTest, ReportsAnUnknownTypeOnceAndSpellsEachLineThroughTheCentre) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  CircleNotes notes;
  notes.fill("old");
  // A std::string, not a literal: GCC 12 at -O3 falsely warns (-Wrestrict) on the literal.
  circle_note(notes, kCentreCircle) = std::string("Db");
  testing::FakeWindowSystem windows;
  ToneIndex index{};
  Spell_Chord_Lines(tables, {"Maj9", "Dom9", "", "Min9"}, notes, index, windows);
  ASSERT_EQ(windows.boxes.size(), 1U);
  const MessageBox& box = windows.boxes[0];
  EXPECT_EQ(std::tie(box.text, box.title, box.buttons, box.icon),
            std::make_tuple("Nog niet beschikbaar (Chord_3", "Velmora", Buttons::Ok, Icon::None));
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const bool kept = circle == 1 || circle == 4 || circle == 14 || circle == 17;
    EXPECT_EQ(circle_note(notes, circle) == "old", kept) << circle;
  }
  Spell_Chord_Lines(tables, {"Dom7_#5_b9", "Dom9_b5", "Min7_#4_b9", "Maj9"}, notes, index, windows);
  EXPECT_EQ(windows.boxes.size(), 1U);
  const CircleNotes expected = {"Abb", "Gb", "Abbb", "Cbb", "Bb",  "Fbb", "G",  "B",   "Db",
                                "F",   "A",  "Bbb",  "F",   "Gbb", "Gbb", "Ab", "Bbbb"};
  EXPECT_EQ(notes, expected);
  EXPECT_EQ(index, Find_Chord_Type("Maj9")->tone_slots);
}

}  // namespace
}  // namespace velmora
