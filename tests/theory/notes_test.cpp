#include "theory/notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "theory/chords.h"

namespace velmora {
namespace {

struct ParseCase {
  std::string_view text;
  std::string_view bare;
  std::string_view fixed_width;
  std::string_view worksheet_form;
  int pitch_class;
};

TEST(NoteNameTest, ReadsTheProgramsSpellingsAndWritesEachPaddedForm) {
  const ParseCase cases[] = {
      {"C", "C", "   C", " C", 0},        {"F#", "F#", "  F#", "F#", 6},
      {"  Bb", "Bb", "  Bb", "Bb", 10},   {"Abb", "Abb", " Abb", "Abb", 7},
      {"Cx", "Cx", "  Cx", "Cx", 2},      {"Cb", "Cb", "  Cb", "Cb", 11},
      {"B#", "B#", "  B#", "B#", 0},      {"F###", "F###", "F###", "F###", 8},
      {"Ebbbb", "Ebbbb", "Ebbbb", "Ebbbb", 0}, {" Cbb", "Cbb", " Cbb", "Cbb", 10},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(std::string("\"").append(c.text) + "\"");
    const ParsedNote parsed = NoteName::parse(c.text);
    ASSERT_TRUE(parsed.note) << parsed.reason;
    EXPECT_EQ(parsed.note->text(), c.bare);
    EXPECT_EQ(parsed.note->fixed_width(), c.fixed_width);
    EXPECT_EQ(parsed.note->worksheet_form(), c.worksheet_form);
    EXPECT_EQ(parsed.note->pitch_class(), c.pitch_class);
  }
  for (std::string_view text : {"", "   ", "H", "f#", "F##", "Fy", "F# ", "Fbbbbb", "Fx#", "C C"}) {
    const ParsedNote refused = NoteName::parse(text);
    EXPECT_TRUE(!refused.note && !refused.reason.empty()) << "\"" << text << "\"";
  }
  EXPECT_EQ(NoteName::parse("F##").reason, "a double sharp is written x, as in Fx");
  EXPECT_EQ(NoteName::parse("h").reason, "a note name begins with a capital letter A to G");
}

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
constexpr std::array<std::string_view, 8> kSuffixes = {"bbbb", "bbb", "bb", "b",
                                                       "",     "#",   "x",  "###"};

std::string derive(std::string_view root, int slot) {
  const int letter = static_cast<int>(kLetters.find(root[0]));
  const auto root_suffix = std::ranges::find(kSuffixes, root.substr(1)) - kSuffixes.begin();
  const int root_pitch = kLetterPitch[letter] + static_cast<int>(root_suffix) - 4;
  const SlotRule rule = kRules[slot - 1];
  const int target = (letter + rule.letter_steps) % 7;
  const int change = ((root_pitch + rule.semitones - kLetterPitch[target]) % 12 + 18) % 12 - 6;
  return kLetters[target] + std::string(kSuffixes.at(static_cast<std::size_t>(change + 4)));
}

TEST(KeyTablesTest, EveryStoredEntryFollowsTheSpellingRuleAndRootsComeInLookupOrder) {
  std::string roots;
  for (const SpellingTable& table : kSpellingTables) {
    const std::string root = table[kRoot - 1].text();
    roots += root + " ";
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      EXPECT_EQ(table[slot - 1].text(), derive(root, slot)) << "root " << root << " slot " << slot;
    }
  }
  EXPECT_EQ(roots,
            "C C# Db D Eb E F F# Gb G Ab A Bb B Cb D# Dx Cx Fb Ebb Fbb Fx Dbb A# Abb G# "
            "Bbb E# Cbb B# Gbb ");
  EXPECT_EQ(Fill_Key_Tables(), (FramedList{"start", "C", "C#", "Db", "D", "Eb", "E", "F", "F#",
                                           "Gb", "G", "Ab", "A", "Bb", "B", "Cb", "stop"}));
}

TEST(FramedListTest, CountIncludesStopAndLooksNoFurtherThanPositionFifty) {
  FramedList list(60, "name");
  list[50] = "stop";
  EXPECT_EQ(count_framed_entries(list), 51);
  std::swap(list[50], list[51]);
  EXPECT_EQ(count_framed_entries(list), 0);
  EXPECT_EQ(count_framed_entries({"start", "stop", "stop"}), 2);
  EXPECT_EQ(count_framed_entries({}), 0);
}

}  // namespace
}  // namespace velmora
