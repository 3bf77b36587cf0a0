#include "theory/chords.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_window_system.h"

namespace velmora {
namespace {

using testing::FakeWindowSystem;

struct CentreCase {
  std::string_view type;
  std::string_view centre;
  std::array<std::string_view, 5> notes;  // root first
};

class SpellChordTest : public ::testing::TestWithParam<CentreCase> {
 protected:
  SpellChordTest() { Fill_Key_Tables(tables); }
  KeyTables tables;
};

TEST_P(SpellChordTest, SpellsTheFiveTonesThroughTheCentre) {
  const CentreCase c = GetParam();
  const ChordType* type = Find_Chord_Type(c.type);
  ASSERT_NE(type, nullptr);
  std::string t1, t2, t4, t5;
  ToneIndex index{};
  ASSERT_TRUE(Spell_Chord(tables, *type, c.centre, t1, t2, t4, t5, index));
  EXPECT_EQ((std::array<std::string_view, 5>{t1, t2, c.centre, t4, t5}), c.notes);
  EXPECT_EQ(index, type->tone_slots);
}

// The catalogue spelled through centre "C", and the examples with double accidentals.
INSTANTIATE_TEST_SUITE_P(
    Catalogue, SpellChordTest,
    ::testing::Values(
        CentreCase{"6/9", "C", {"F", "A", "C", "D", "G"}},
        CentreCase{"Maj9", "C", {"F", "A", "C", "E", "G"}},
        CentreCase{"Maj9_#5", "C", {"Fb", "Ab", "C", "Eb", "Gb"}},
        CentreCase{"Dom7_b5_b9", "C", {"F#", "A#", "C", "E", "G"}},
        CentreCase{"Dom7_b9", "C", {"F", "A", "C", "Eb", "Gb"}},
        CentreCase{"Dom9", "C", {"F", "A", "C", "Eb", "G"}},
        CentreCase{"Dom7_b5_#9", "C", {"F#", "A#", "C", "E", "Gx"}},
        CentreCase{"Dom7_#5_b9", "C", {"Fb", "Ab", "C", "Ebb", "Gbb"}},
        CentreCase{"Dom7_#5_#9", "C", {"Fb", "Ab", "C", "Ebb", "G"}},
        CentreCase{"Dom7_#9", "C", {"F", "A", "C", "Eb", "G#"}},
        CentreCase{"Dom9_sus", "C", {"F", "Bb", "C", "Eb", "G"}},
        CentreCase{"Dom9_sus2", "C", {"F", "G", "C", "Eb", "G"}},
        CentreCase{"Dom9_#4", "C", {"Gb", "Bb", "C", "Fb", "Ab"}},
        CentreCase{"Dom9_b5", "C", {"F#", "A#", "C", "E", "G#"}},
        CentreCase{"Dom9_#5", "C", {"Fb", "Ab", "C", "Ebb", "Gb"}},
        CentreCase{"Min6/9", "C", {"F", "Ab", "C", "D", "G"}},
        CentreCase{"Min7_#4_b9", "C", {"Gb", "Bbb", "C", "Fb", "Abb"}},
        CentreCase{"Min7_b5_b9", "C", {"F#", "A", "C", "E", "G"}},
        CentreCase{"Min7_b5_#9", "C", {"F#", "A", "C", "E", "Gx"}},
        CentreCase{"Min7_#5_b9", "C", {"Fb", "Abb", "C", "Ebb", "Gbb"}},
        CentreCase{"Min7_#5_#9", "C", {"Fb", "Abb", "C", "Ebb", "G"}},
        CentreCase{"Min7_b9", "C", {"F", "Ab", "C", "Eb", "Gb"}},
        CentreCase{"Min7_#9", "C", {"F", "Ab", "C", "Eb", "G#"}},
        CentreCase{"Min9_b5", "C", {"F#", "A", "C", "E", "G#"}},
        CentreCase{"Min9_maj7", "C", {"F", "Ab", "C", "E", "G"}},
        CentreCase{"Min9", "C", {"F", "Ab", "C", "Eb", "G"}},
        CentreCase{"Min9_#4", "C", {"Gb", "Bbb", "C", "Fb", "Ab"}},
        CentreCase{"Maj9_#5", "Cb", {"Fbb", "Abb", "Cb", "Ebb", "Gbb"}},
        CentreCase{"Dom9_b5", "C#", {"Fx", "Ax", "C#", "E#", "Gx"}},
        CentreCase{"Dom7_#5_b9", "Db", {"Gbb", "Bbb", "Db", "Fbb", "Abbb"}},
        CentreCase{"Dom9_#4", "Gb", {"Dbb", "Fb", "Gb", "Cbb", "Ebb"}},
        CentreCase{"Min9_#4", "Bb", {"Fb", "Abb", "Bb", "Ebb", "Gb"}}));

TEST(ChordCatalogueTest, NamesAreDistinct) {
  std::set<std::string_view> names;
  for (const ChordType& type : kChordCatalogue) names.insert(type.name);
  EXPECT_EQ(names.size(), 27U);
  EXPECT_EQ(Find_Chord_Type("maj9"), nullptr);
  EXPECT_EQ(Find_Chord_Type(""), nullptr);
}

TEST(ChordCatalogueTest, EveryKeyMeetsExactlyOneTableForEveryTypeAndNeverDxOrCx) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  std::set<std::string_view> roots_reached;
  for (int position = 1; position <= 15; ++position) {
    for (const ChordType& type : kChordCatalogue) {
      int matches = 0;
      for (const SpellingTable& table : tables.Spelling_Tables) {
        if (table[type.tone_slots[2]] != tables.Key_Names[position]) continue;
        ++matches;
        roots_reached.insert(table[1]);
      }
      EXPECT_EQ(matches, 1) << tables.Key_Names[position] << " " << type.name;
    }
  }
  EXPECT_EQ(roots_reached.size(), 29U);
  EXPECT_FALSE(roots_reached.count("Dx"));
  EXPECT_FALSE(roots_reached.count("Cx"));
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
  EXPECT_EQ(list, (FramedList{"start", "Maj9", "Maj9_#5", "Dom7_b9", "Dom9", "Dom7_#9",
                              "Dom9_b5", "Dom9_#5", "Min7_b9", "Min7_#9", "Min9_b5",
                              "Min9_maj7", "Min9", "stop"}));
}

TEST(ChordTypesTest, SentinelsOnlyAtTheEnds) {
  for (bool expert : {true, false}) {
    FramedList list;
    Fill_Chord_Types(list, expert);
    for (std::size_t i = 1; i + 1 < list.size(); ++i) {
      EXPECT_NE(list[i], "start");
      EXPECT_NE(list[i], "stop");
    }
  }
}

class SpellChordLinesTest : public ::testing::Test {
 protected:
  SpellChordLinesTest() { Fill_Key_Tables(tables); }
  KeyTables tables;
  FakeWindowSystem windows;
  ToneIndex index{};
};

TEST_F(SpellChordLinesTest, WritesEachLineIntoItsCircles) {
  CircleNotes notes;
  circle_note(notes, 9) = "C";
  Spell_Chord_Lines(tables, {"Dom9", "Maj9", "Min9_#4", "Dom9_sus2"}, notes, index, windows);
  EXPECT_TRUE(windows.boxes.empty());
  const CircleNotes expected = {"Gb", "F", "G", "Bbb", "G", "Eb", "F", "A", "C",
                                "E",  "G", "A", "Eb",  "Fb", "F", "G", "Ab"};
  EXPECT_EQ(notes, expected);
  EXPECT_EQ(index, Find_Chord_Type("Dom9_sus2")->tone_slots);
}

TEST_F(SpellChordLinesTest, UnknownChordTypeIsReportedOnceAndItsCirclesKept) {
  CircleNotes notes;
  notes.fill("old");
  circle_note(notes, 9) = "C";
  Spell_Chord_Lines(tables, {"Maj9", "Dom9", "", "Min9"}, notes, index, windows);
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Nog niet beschikbaar (Chord_3");
  EXPECT_EQ(windows.boxes[0].title, "Velmora");
  EXPECT_EQ(windows.boxes[0].buttons, Buttons::Ok);
  EXPECT_EQ(windows.boxes[0].icon, Icon::None);
  for (int circle : {1, 4, 14, 17}) EXPECT_EQ(circle_note(notes, circle), "old") << circle;
  for (int circle : {15, 12, 6, 3, 7, 8, 10, 11, 2, 5, 13, 16}) {
    EXPECT_NE(circle_note(notes, circle), "old") << circle;
  }
}

TEST_F(SpellChordLinesTest, CentreMatchingNoTableLeavesCirclesSilently) {
  CircleNotes notes;
  circle_note(notes, 9) = "H";
  Spell_Chord_Lines(tables, {"Maj9", "Dom9", "Min9", "6/9"}, notes, index, windows);
  EXPECT_TRUE(windows.boxes.empty());
  for (int circle = 1; circle <= 17; ++circle) {
    if (circle != 9) {
      EXPECT_EQ(circle_note(notes, circle), "") << circle;
    }
  }
}

TEST(ChordLinesTest, FourLinesCoverEveryCircleOnceBesideTheCentre) {
  std::multiset<int> circles;
  for (const auto& line : kChordLineCircles) {
    EXPECT_EQ(line[2], kCentreCircle);
    for (int tone : {0, 1, 3, 4}) circles.insert(line[tone]);
  }
  EXPECT_EQ(circles.size(), 16U);
  for (int circle = 1; circle <= 17; ++circle) {
    EXPECT_EQ(circles.count(circle), circle == kCentreCircle ? 0U : 1U) << circle;
  }
}

}  // namespace
}  // namespace velmora
