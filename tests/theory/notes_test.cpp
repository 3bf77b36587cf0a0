#include "theory/notes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace velmora {
namespace {

// The spelling rule, worked out independently of the stored tables: the letter lies a number of
// letter steps above the root's, and its accidental makes up the semitones.
struct SlotRule {
  int letter_steps;
  int semitones;
};
constexpr SlotRule kRules[kSlotCount] = {{0, 0}, {2, 3}, {2, 4}, {3, 5},  {4, 6},  {4, 7},
                                         {4, 8}, {5, 9}, {6, 9}, {6, 10}, {6, 11}, {1, 1},
                                         {1, 2}, {1, 3}, {3, 5}, {3, 6},  {5, 8},  {5, 9}};
constexpr std::string_view kLetters = "CDEFGAB";
constexpr int kLetterPitch[] = {0, 2, 4, 5, 7, 9, 11};
constexpr std::pair<std::string_view, int> kAccidentals[] = {
    {"", 0}, {"b", -1}, {"bb", -2}, {"bbb", -3}, {"bbbb", -4}, {"#", 1}, {"x", 2}, {"###", 3}};

int Change_Of(std::string_view suffix) {
  for (const auto& [text, change] : kAccidentals) {
    if (text == suffix) return change;
  }
  throw std::invalid_argument("no accidental " + std::string(suffix));
}

std::string_view Suffix_Of(int change) {
  for (const auto& [text, accidental] : kAccidentals) {
    if (accidental == change) return text;
  }
  throw std::invalid_argument("no accidental for " + std::to_string(change));
}

std::string Derive(std::string_view root, int slot) {
  const int letter = static_cast<int>(kLetters.find(root[0]));
  const int root_pitch = kLetterPitch[letter] + Change_Of(root.substr(1));
  const SlotRule rule = kRules[slot - 1];
  const int target = (letter + rule.letter_steps) % 7;
  int change = ((root_pitch + rule.semitones - kLetterPitch[target]) % 12 + 12) % 12;
  if (change > 6) change -= 12;
  return kLetters[target] + std::string(Suffix_Of(change));
}

TEST(KeyTablesTest, EveryStoredEntryFollowsTheSpellingRuleAndRootsComeInLookupOrder) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  std::string roots;
  for (const SpellingTable& table : tables.Spelling_Tables) {
    EXPECT_EQ(table.front(), "start");
    EXPECT_EQ(table.back(), "stop");
    roots += std::string(table[kRoot]) + " ";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      EXPECT_EQ(table[slot], Derive(table[kRoot], slot))
          << "root " << table[kRoot] << " slot " << slot;
    }
  }
  EXPECT_EQ(roots,
            "C C# Db D Eb E F F# Gb G Ab A Bb B Cb D# Dx Cx Fb Ebb Fbb Fx Dbb A# Abb G# "
            "Bbb E# Cbb B# Gbb ");
  EXPECT_EQ(tables.Key_Names, (FramedList{"start", "C", "C#", "Db", "D", "Eb", "E", "F", "F#", "Gb",
                                          "G", "Ab", "A", "Bb", "B", "Cb", "stop"}));
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

TEST(PadNoteTest, RightAlignsInFourCharacters) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"C", "   C"},      {"C#", "  C#"}, {"Cbb", " Cbb"}, {"Cbbb", "Cbbb"},
      {"Ebbbb", "Ebbbb"}, {"", ""},       {"   C", "   C"}};
  for (const auto& [name, padded] : cases) EXPECT_EQ(Pad_Note(name), padded) << name;
}

}  // namespace
}  // namespace velmora
