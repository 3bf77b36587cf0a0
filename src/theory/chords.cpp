#include "theory/chords.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::array<ChordType, kChordTypeCount> kCatalogue = {{
    {"6/9", {kRoot, kMajorThird, kFifth, kSixth, kNinth}, false,
     {"  1", "  3", "  5", "  6", "  9"}},
    {"Maj9", {kRoot, kMajorThird, kFifth, kMajorSeventh, kNinth}, true,
     {"  1", "  3", "  5", "  7", "  9"}},
    {"Maj9_#5", {kRoot, kMajorThird, kSharpFifth, kMajorSeventh, kNinth}, true,
     {"  1", "  3", " #5", "  7", "  9"}},
    {"Dom7_b5_b9", {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kFlatNinth}, false,
     {"  1", "  3", " b5", "  b7", " b9"}},
    {"Dom7_b9", {kRoot, kMajorThird, kFifth, kMinorSeventh, kFlatNinth}, true,
     {"  1", "  3", "  5", "  b7", " b9"}},
    {"Dom9", {kRoot, kMajorThird, kFifth, kMinorSeventh, kNinth}, true,
     {"  1", "  3", "  5", "  b7", "  9"}},
    {"Dom7_b5_#9", {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kSharpNinth}, false,
     {"  1", "  3", " b5", "  b7", " #9"}},
    {"Dom7_#5_b9", {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kFlatNinth}, false,
     {"  1", "  3", " #5", "  b7", " b9"}},
    {"Dom7_#5_#9", {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kSharpNinth}, false,
     {"  1", "  3", " #5", "  b7", " #9"}},
    {"Dom7_#9", {kRoot, kMajorThird, kFifth, kMinorSeventh, kSharpNinth}, true,
     {"  1", "  3", "  5", "  b7", " #9"}},
    {"Dom9_sus", {kRoot, kFourth, kFifth, kMinorSeventh, kNinth}, false,
     {"  1", "  4", "  5", "  b7", "  9"}},
    {"Dom9_sus2", {kRoot, kNinth, kFifth, kMinorSeventh, kNinth}, false,
     {"  1", "  2", "  5", "  b7", "  9"}},
    {"Dom9_#4", {kRoot, kMajorThird, kSharpEleventh, kMinorSeventh, kNinth}, false,
     {"  1", "  3", " #4", "  b7", "  9"}},
    {"Dom9_b5", {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kNinth}, true,
     {"  1", "  3", " b5", "  b7", "  9"}},
    {"Dom9_#5", {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kNinth}, true,
     {"  1", "  3", " #5", "  b7", "  9"}},
    {"Min6/9", {kRoot, kMinorThird, kFifth, kSixth, kNinth}, false,
     {"  1", " b3", "  5", "  6", "  9"}},
    {"Min7_#4_b9", {kRoot, kMinorThird, kSharpEleventh, kMinorSeventh, kFlatNinth}, false,
     {"  1", " b3", " #4", "  b7", "  b9"}},
    {"Min7_b5_b9", {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kFlatNinth}, false,
     {"  1", " b3", " b5", "  b7", " b9"}},
    {"Min7_b5_#9", {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kSharpNinth}, false,
     {"  1", " b3", " b5", "  b7", " #9"}},
    {"Min7_#5_b9", {kRoot, kMinorThird, kSharpFifth, kMinorSeventh, kFlatNinth}, false,
     {"  1", " b3", " #5", "  b7", " b9"}},
    {"Min7_#5_#9", {kRoot, kMinorThird, kSharpFifth, kMinorSeventh, kSharpNinth}, false,
     {"  1", " b3", " #5", "  b7", " #9"}},
    {"Min7_b9", {kRoot, kMinorThird, kFifth, kMinorSeventh, kFlatNinth}, true,
     {"  1", " b3", "  5", "  b7", " b9"}},
    {"Min7_#9", {kRoot, kMinorThird, kFifth, kMinorSeventh, kSharpNinth}, true,
     {"  1", " b3", "  5", "  b7", " #9"}},
    {"Min9_b5", {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kNinth}, true,
     {"  1", " b3", " b5", "  b7", "  9"}},
    {"Min9_maj7", {kRoot, kMinorThird, kFifth, kMajorSeventh, kNinth}, true,
     {"  1", " b3", "  5", "   7", "  9"}},
    {"Min9", {kRoot, kMinorThird, kFifth, kMinorSeventh, kNinth}, true,
     {"  1", " b3", "  5", "  b7", "  9"}},
    {"Min9_#4", {kRoot, kMinorThird, kSharpEleventh, kMinorSeventh, kNinth}, false,
     {"  1", " b3", " #4", "  b7", "  9"}},
}};

// The interval a tone's slot stands for, as the formula names it. A ninth in the second tone's
// place is named as the second it replaces.
constexpr std::string_view interval_of(Slot slot, int tone) {
  switch (slot) {
    case kRoot: return "1";
    case kMinorThird: return "b3";
    case kMajorThird: return "3";
    case kFourth: return "4";
    case kFlatFifth: return "b5";
    case kFifth: return "5";
    case kSharpFifth: return "#5";
    case kSixth: return "6";
    case kMinorSeventh: return "b7";
    case kMajorSeventh: return "7";
    case kFlatNinth: return "b9";
    case kNinth: return tone == 1 ? "2" : "9";
    case kSharpNinth: return "#9";
    case kSharpEleventh: return "#4";
    default: return "?";
  }
}

// Every formula label names its tone's interval after its leading blanks, and the middle tone
// is the fifth or the augmented eleventh the centre circle holds.
consteval bool formulas_match_slots() {
  for (const ChordType& type : kCatalogue) {
    for (int tone = 0; tone < kChordTones; ++tone) {
      std::string_view label = type.formula[tone];
      label.remove_prefix(label.find_first_not_of(' '));
      if (label != interval_of(type.tone_slots[tone], tone)) return false;
    }
    const Slot middle = type.tone_slots[2];
    if (middle != kFlatFifth && middle != kFifth && middle != kSharpFifth &&
        middle != kSharpEleventh) {
      return false;
    }
  }
  return true;
}
static_assert(formulas_match_slots(), "a chord's formula does not name the tones it is spelled from");

}  // namespace

constinit const std::array<ChordType, kChordTypeCount> kChordCatalogue = kCatalogue;

const ChordType* find_chord_type(std::string_view name) {
  const auto found = std::find_if(kChordCatalogue.begin(), kChordCatalogue.end(),
                                  [name](const ChordType& type) { return type.name == name; });
  return found == kChordCatalogue.end() ? nullptr : &*found;
}

FramedList Fill_Chord_Types(bool expert_selected) {
  FramedList list{std::string(kStart)};
  for (const ChordType& type : kChordCatalogue) {
    if (expert_selected || type.beginner) list.emplace_back(type.name);
  }
  list.emplace_back(kStop);
  return list;
}

std::optional<ChordTones> Spell_Chord(const ChordType& type, const NoteName& centre) {
  for (const SpellingTable& table : kSpellingTables) {
    if (table[type.tone_slots[2] - 1] != centre) continue;
    ChordTones tones;
    for (int tone = 0; tone < kChordTones; ++tone) tones[tone] = table[type.tone_slots[tone] - 1];
    return tones;
  }
  return std::nullopt;
}

std::vector<int> Spell_Chord_Lines(const ChordNames& chords, CircleNotes& notes) {
  std::vector<int> unknown;
  const std::optional<NoteName> centre = circle_note(notes, kCentreCircle);
  for (int line = 1; line <= kChordLineCount; ++line) {
    const ChordType* type = find_chord_type(chords[line - 1]);
    if (type == nullptr) {
      unknown.push_back(line);
      continue;
    }
    if (!centre) continue;
    const std::optional<ChordTones> tones = Spell_Chord(*type, *centre);
    if (!tones) continue;
    for (int tone = 0; tone < kChordTones; ++tone) {
      circle_note(notes, kChordLineCircles[line - 1][tone]) = (*tones)[tone];
    }
  }
  return unknown;
}

std::string unknown_chord_message(int line) {
  return "Nog niet beschikbaar (Chord_" + std::to_string(line);
}

}  // namespace velmora
