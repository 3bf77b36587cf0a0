#include "theory/notes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace velmora {
namespace {

// The spelling rule, worked out independently of the stored tables: the letter lies a number of
// letter steps above the root's, and its accidental makes up the semitones.
struct SlotRule {
  int letter_steps;
  int semitones;
};
constexpr SlotRule kRules[kSlotCount] = {{0, 0}, {2, 3}, {2, 4}, {3, 5}, {4, 6}, {4, 7},
                                         {4, 8}, {5, 9}, {6, 9}, {6, 10}, {6, 11}, {1, 1},
                                         {1, 2}, {1, 3}, {3, 5}, {3, 6}, {5, 8}, {5, 9}};
constexpr std::string_view kLetters = "CDEFGAB";
constexpr int kLetterPitch[] = {0, 2, 4, 5, 7, 9, 11};

int Accidental_Change(std::string_view suffix) {
  static const std::map<std::string_view, int> changes = {
      {"", 0}, {"b", -1}, {"bb", -2}, {"bbb", -3}, {"bbbb", -4}, {"#", 1}, {"x", 2}, {"###", 3}};
  return changes.at(suffix);
}

std::string Suffix_For(int change) {
  static const std::map<int, std::string> suffixes = {
      {0, ""}, {-1, "b"}, {-2, "bb"}, {-3, "bbb"}, {-4, "bbbb"}, {1, "#"}, {2, "x"}, {3, "###"}};
  return suffixes.at(change);
}

std::string Derive(std::string_view root, int slot) {
  const int letter = static_cast<int>(kLetters.find(root[0]));
  const int root_pitch = kLetterPitch[letter] + Accidental_Change(root.substr(1));
  const SlotRule rule = kRules[slot - 1];
  const int target_letter = (letter + rule.letter_steps) % 7;
  int change = ((root_pitch + rule.semitones - kLetterPitch[target_letter]) % 12 + 12) % 12;
  if (change > 6) change -= 12;
  return kLetters[target_letter] + Suffix_For(change);
}

class NotesTest : public ::testing::Test {
 protected:
  NotesTest() { Fill_Key_Tables(tables); }
  KeyTables tables;
};

TEST_F(NotesTest, EveryStoredEntryFollowsTheSpellingRule) {
  for (const SpellingTable& table : tables.Spelling_Tables) {
    EXPECT_EQ(table.front(), "start");
    EXPECT_EQ(table.back(), "stop");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      EXPECT_EQ(table[slot], Derive(table[1], slot)) << "root " << table[1] << " slot " << slot;
    }
  }
}

TEST_F(NotesTest, RootsComeInLookupOrder) {
  const std::vector<std::string_view> roots = {
      "C",  "C#", "Db",  "D",   "Eb", "E",   "F",  "F#",  "Gb",  "G",  "Ab",
      "A",  "Bb", "B",   "Cb",  "D#", "Dx",  "Cx", "Fb",  "Ebb", "Fbb", "Fx",
      "Dbb", "A#", "Abb", "G#", "Bbb", "E#", "Cbb", "B#", "Gbb"};
  ASSERT_EQ(roots.size(), tables.Spelling_Tables.size());
  for (std::size_t i = 0; i < roots.size(); ++i) EXPECT_EQ(tables.Spelling_Tables[i][1], roots[i]);
}

TEST_F(NotesTest, EleventhRepeatsFourthAndThirteenthRepeatsSixth) {
  for (const SpellingTable& table : tables.Spelling_Tables) {
    EXPECT_EQ(table[kEleventh], table[kFourth]) << table[1];
    EXPECT_EQ(table[kThirteenth], table[kSixth]) << table[1];
  }
}

TEST_F(NotesTest, TablesUseFiftyNamesAndEachSlotHoldsThirtyOneDifferent) {
  std::set<std::string_view> all;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    std::set<std::string_view> in_slot;
    for (const SpellingTable& table : tables.Spelling_Tables) {
      in_slot.insert(table[slot]);
      all.insert(table[slot]);
    }
    EXPECT_EQ(in_slot.size(), 31U) << "slot " << slot;
  }
  EXPECT_EQ(all.size(), 50U);
  EXPECT_TRUE(all.count("Bbbbb"));
  EXPECT_TRUE(all.count("Ebbbb"));
  EXPECT_FALSE(all.count("B###"));
}

struct SpelledEntry {
  std::string_view root;
  int slot;
  std::string_view name;
};

class StoredEntryTest : public NotesTest, public ::testing::WithParamInterface<SpelledEntry> {};

TEST_P(StoredEntryTest, HoldsTheName) {
  const SpelledEntry entry = GetParam();
  for (const SpellingTable& table : tables.Spelling_Tables) {
    if (table[1] == entry.root) {
      EXPECT_EQ(table[entry.slot], entry.name);
      return;
    }
  }
  FAIL() << "no table for " << entry.root;
}

INSTANTIATE_TEST_SUITE_P(DoubleAndTripleAccidentals, StoredEntryTest,
                         ::testing::Values(SpelledEntry{"Dx", kFifth, "Ax"},
                                           SpelledEntry{"Dx", kSharpFifth, "A###"},
                                           SpelledEntry{"Fbb", kDiminishedSeventh, "Ebbbb"},
                                           SpelledEntry{"Cbb", kDiminishedSeventh, "Bbbbb"},
                                           SpelledEntry{"B#", kSharpNinth, "C###"},
                                           SpelledEntry{"C", kSharpEleventh, "F#"}));

TEST_F(NotesTest, EachKeyNameSitsInExactlyOneTableForEachMiddleSlot) {
  for (int position = 1; position <= 15; ++position) {
    const std::string& key = tables.Key_Names[position];
    for (int slot : {kFlatFifth, kFifth, kSharpFifth, kSharpEleventh}) {
      int holders = 0;
      for (const SpellingTable& table : tables.Spelling_Tables) holders += table[slot] == key;
      EXPECT_EQ(holders, 1) << key << " in slot " << slot;
    }
  }
}

TEST_F(NotesTest, KeyNamesAreFramedBySentinels) {
  EXPECT_EQ(Count_Framed_Entries(tables.Key_Names), 17);
  EXPECT_EQ(tables.Key_Names.front(), "start");
  EXPECT_EQ(tables.Key_Names[16], "stop");
  const std::vector<std::string> keys(tables.Key_Names.begin() + 1, tables.Key_Names.end() - 1);
  EXPECT_EQ(keys, (std::vector<std::string>{"C", "C#", "Db", "D", "Eb", "E", "F", "F#", "Gb",
                                             "G", "Ab", "A", "Bb", "B", "Cb"}));
}

TEST_F(NotesTest, FillingAgainReplacesEarlierContent) {
  tables.Key_Names.push_back("stray");
  tables.Spelling_Tables[0][1] = "X";
  Fill_Key_Tables(tables);
  EXPECT_EQ(tables.Key_Names.size(), 17U);
  EXPECT_EQ(tables.Spelling_Tables[0][1], "C");
}

TEST(FramedListTest, CountStopsAtStopAndLooksNoFurtherThanPositionFifty) {
  FramedList list(60, "name");
  list[0] = "start";
  EXPECT_EQ(Count_Framed_Entries(list), 0);
  list[50] = "stop";
  EXPECT_EQ(Count_Framed_Entries(list), 51);
  list[50] = "name";
  list[51] = "stop";
  EXPECT_EQ(Count_Framed_Entries(list), 0);
  EXPECT_EQ(Count_Framed_Entries({"start", "stop", "stop"}), 2);
  EXPECT_EQ(Count_Framed_Entries({}), 0);
}

struct PadCase {
  std::string_view name;
  std::string_view padded;
};

class PadNoteTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadNoteTest, RightAlignsInFourCharacters) {
  EXPECT_EQ(Pad_Note(GetParam().name), GetParam().padded);
}

INSTANTIATE_TEST_SUITE_P(Names, PadNoteTest,
                         ::testing::Values(PadCase{"C", "   C"}, PadCase{"C#", "  C#"},
                                           PadCase{"Cbb", " Cbb"}, PadCase{"Cbbb", "Cbbb"},
                                           PadCase{"Ebbbb", "Ebbbb"}, PadCase{"", ""},
                                           PadCase{"   C", "   C"}));

TEST(NoteNameTest, DoubleSharpIsCaseSensitive) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  bool lower = false;
  for (const SpellingTable& table : tables.Spelling_Tables) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      EXPECT_EQ(table[slot].find('X'), std::string_view::npos);
      lower = lower || table[slot] == "Fx";
    }
  }
  EXPECT_TRUE(lower);
  EXPECT_NE(Pad_Note("Fx"), Pad_Note("FX"));
}

}  // namespace
}  // namespace velmora
