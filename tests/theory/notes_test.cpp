#include "theory/notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

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
// The accidentals by their change in semitones, -4 to +3; any other change has no spelling.
constexpr std::array<std::string_view, 8> kSuffixes = {"bbbb", "bbb", "bb", "b",
                                                       "",     "#",   "x",  "###"};

std::string Derive(std::string_view root, int slot) {
  const int letter = static_cast<int>(kLetters.find(root[0]));
  const auto root_suffix = std::ranges::find(kSuffixes, root.substr(1)) - kSuffixes.begin();
  const int root_pitch = kLetterPitch[letter] + static_cast<int>(root_suffix) - 4;
  const SlotRule rule = kRules[slot - 1];
  const int target = (letter + rule.letter_steps) % 7;
  const int change = ((root_pitch + rule.semitones - kLetterPitch[target]) % 12 + 18) % 12 - 6;
  return kLetters[target] + std::string(kSuffixes.at(static_cast<std::size_t>(change + 4)));
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

TEST(FramedListTest, CountIncludesStopAndLooksNoFurtherThanPositionFifty) {
  FramedList list(60, "name");
  list[50] = "stop";
  EXPECT_EQ(Count_Framed_Entries(list), 51);
  std::swap(list[50], list[51]);
  EXPECT_EQ(Count_Framed_Entries(list), 0);
  EXPECT_EQ(Count_Framed_Entries({"start", "stop", "stop"}), 2);
  EXPECT_EQ(Count_Framed_Entries({}), 0);
}

}  // namespace
}  // namespace velmora
