#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "theory/notes.h"

namespace velmora {

class WindowSystem;

inline constexpr int kCircleCount = 17;
inline constexpr int kCentreCircle = 9;
inline constexpr int kChordLineCount = 4;
inline constexpr int kChordTones = 5;

// One note name per circle; entry n - 1 belongs to circle n.
using CircleNotes = std::array<std::string, kCircleCount>;

inline std::string& circle_note(CircleNotes& notes, int circle) { return notes[circle - 1]; }
inline const std::string& circle_note(const CircleNotes& notes, int circle) {
  return notes[circle - 1];
}

// The circles of chord lines 1..4 in tone order: root first, the centre third, the ninth
// next to the chord's name button last.
inline constexpr std::array<std::array<int, kChordTones>, kChordLineCount> kChordLineCircles = {{
    {15, 12, 9, 6, 3},
    {7, 8, 9, 10, 11},
    {1, 4, 9, 14, 17},
    {2, 5, 9, 13, 16},
}};

// Chord_1 .. Chord_4: the chord-type names of lines 1..4.
using ChordNames = std::array<std::string, kChordLineCount>;

// The tone slots of the chord spelled last.
using ToneIndex = std::array<std::int16_t, kChordTones>;

struct ChordType {
  std::string_view name;
  ToneIndex tone_slots;  // root first; tone_slots[2] is the middle tone, the centre note
  bool beginner;
};

inline constexpr int kChordTypeCount = 27;

// In Expert-list order; the Beginner list keeps the same order.
extern const std::array<ChordType, kChordTypeCount> kChordCatalogue;

// nullptr for a name outside the catalogue.
const ChordType* Find_Chord_Type(std::string_view name);

// Rebuilds the framed level list: all 27 types when Expert is selected, else the 12 of Beginner.
void Fill_Chord_Types(FramedList& Chord_Types, bool expert_selected);

// Finds the first table (in lookup order) whose middle-tone slot holds the centre note and
// writes tones 1, 2, 4 and 5 from it. Returns false, leaving the tones as they were, when no
// table matches.
bool Spell_Chord(const KeyTables& tables, const ChordType& type, std::string_view centre,
                 std::string& tone1, std::string& tone2, std::string& tone4, std::string& tone5,
                 ToneIndex& Tone_Index);

// Spells the four lines through the centre note of circle 9. A line whose chord-type name is
// outside the catalogue is reported ("Nog niet beschikbaar (Chord_N") and keeps its circles.
void Spell_Chord_Lines(const KeyTables& tables, const ChordNames& chords, CircleNotes& notes,
                       ToneIndex& Tone_Index, WindowSystem& windows);

}  // namespace velmora
