#include "theory/chords.h"

#include <algorithm>

#include "ports/window_system.h"

namespace velmora {

// clang-format off
const std::array<ChordType, kChordTypeCount> kChordCatalogue = {{
    {"6/9",        {kRoot, kMajorThird, kFifth, kSixth, kNinth}, false},
    {"Maj9",       {kRoot, kMajorThird, kFifth, kMajorSeventh, kNinth}, true},
    {"Maj9_#5",    {kRoot, kMajorThird, kSharpFifth, kMajorSeventh, kNinth}, true},
    {"Dom7_b5_b9", {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kFlatNinth}, false},
    {"Dom7_b9",    {kRoot, kMajorThird, kFifth, kMinorSeventh, kFlatNinth}, true},
    {"Dom9",       {kRoot, kMajorThird, kFifth, kMinorSeventh, kNinth}, true},
    {"Dom7_b5_#9", {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kSharpNinth}, false},
    {"Dom7_#5_b9", {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kFlatNinth}, false},
    {"Dom7_#5_#9", {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kSharpNinth}, false},
    {"Dom7_#9",    {kRoot, kMajorThird, kFifth, kMinorSeventh, kSharpNinth}, true},
    {"Dom9_sus",   {kRoot, kFourth, kFifth, kMinorSeventh, kNinth}, false},
    {"Dom9_sus2",  {kRoot, kNinth, kFifth, kMinorSeventh, kNinth}, false},
    {"Dom9_#4",    {kRoot, kMajorThird, kSharpEleventh, kMinorSeventh, kNinth}, false},
    {"Dom9_b5",    {kRoot, kMajorThird, kFlatFifth, kMinorSeventh, kNinth}, true},
    {"Dom9_#5",    {kRoot, kMajorThird, kSharpFifth, kMinorSeventh, kNinth}, true},
    {"Min6/9",     {kRoot, kMinorThird, kFifth, kSixth, kNinth}, false},
    {"Min7_#4_b9", {kRoot, kMinorThird, kSharpEleventh, kMinorSeventh, kFlatNinth}, false},
    {"Min7_b5_b9", {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kFlatNinth}, false},
    {"Min7_b5_#9", {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kSharpNinth}, false},
    {"Min7_#5_b9", {kRoot, kMinorThird, kSharpFifth, kMinorSeventh, kFlatNinth}, false},
    {"Min7_#5_#9", {kRoot, kMinorThird, kSharpFifth, kMinorSeventh, kSharpNinth}, false},
    {"Min7_b9",    {kRoot, kMinorThird, kFifth, kMinorSeventh, kFlatNinth}, true},
    {"Min7_#9",    {kRoot, kMinorThird, kFifth, kMinorSeventh, kSharpNinth}, true},
    {"Min9_b5",    {kRoot, kMinorThird, kFlatFifth, kMinorSeventh, kNinth}, true},
    {"Min9_maj7",  {kRoot, kMinorThird, kFifth, kMajorSeventh, kNinth}, true},
    {"Min9",       {kRoot, kMinorThird, kFifth, kMinorSeventh, kNinth}, true},
    {"Min9_#4",    {kRoot, kMinorThird, kSharpEleventh, kMinorSeventh, kNinth}, false},
}};
// clang-format on

const ChordType* Find_Chord_Type(std::string_view name) {
  const auto found = std::find_if(kChordCatalogue.begin(), kChordCatalogue.end(),
                                  [name](const ChordType& type) { return type.name == name; });
  return found == kChordCatalogue.end() ? nullptr : &*found;
}

void Fill_Chord_Types(FramedList& Chord_Types, bool expert_selected) {
  FramedList list{std::string(kStart)};
  for (const ChordType& type : kChordCatalogue) {
    if (expert_selected || type.beginner) list.emplace_back(type.name);
  }
  list.emplace_back(kStop);
  Chord_Types = std::move(list);
}

bool Spell_Chord(const KeyTables& tables, const ChordType& type, std::string_view centre,
                 std::string& tone1, std::string& tone2, std::string& tone4, std::string& tone5,
                 ToneIndex& Tone_Index) {
  Tone_Index = type.tone_slots;
  for (const SpellingTable& table : tables.Spelling_Tables) {
    if (table[Tone_Index[2]] != centre) continue;
    tone1 = table[Tone_Index[0]];
    tone2 = table[Tone_Index[1]];
    tone4 = table[Tone_Index[3]];
    tone5 = table[Tone_Index[4]];
    return true;
  }
  return false;
}

void Spell_Chord_Lines(const KeyTables& tables, const ChordNames& chords, CircleNotes& notes,
                       ToneIndex& Tone_Index, WindowSystem& windows) {
  const std::string centre = circle_note(notes, kCentreCircle);
  for (int line = 0; line < kChordLineCount; ++line) {
    const ChordType* type = Find_Chord_Type(chords[line]);
    if (type == nullptr) {
      windows.show_message({"Nog niet beschikbaar (Chord_" + std::to_string(line + 1)});
      continue;
    }
    const auto& circles = kChordLineCircles[line];
    Spell_Chord(tables, *type, centre, circle_note(notes, circles[0]),
                circle_note(notes, circles[1]), circle_note(notes, circles[3]),
                circle_note(notes, circles[4]), Tone_Index);
  }
}

}  // namespace velmora
