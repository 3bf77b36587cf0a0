#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/note_name.h"
#include "theory/notes.h"

namespace velmora {

inline constexpr int kCircleCount = 17;
inline constexpr int kCentreCircle = 9;
inline constexpr int kChordLineCount = 4;
inline constexpr int kChordTones = 5;

// The answer key: one note per circle, entry n - 1 for circle n; no note before a puzzle
// exists, or where no spelling table fits.
using CircleNotes = std::array<std::optional<NoteName>, kCircleCount>;

inline std::optional<NoteName>& circle_note(CircleNotes& notes, int circle) {
  return notes[circle - 1];
}
inline const std::optional<NoteName>& circle_note(const CircleNotes& notes, int circle) {
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

using ToneSlots = std::array<Slot, kChordTones>;
using ChordTones = std::array<NoteName, kChordTones>;

struct ChordType {
  std::string_view name;
  ToneSlots tone_slots;  // root first; tone_slots[2] is the middle tone, the centre note
  bool beginner;
  // The interval of each tone as a hint shows it in the tone's circle, blanks included.
  std::array<std::string_view, kChordTones> formula;
};

inline constexpr int kChordTypeCount = 27;

// In Expert-list order; the Beginner list keeps the same order.
extern const std::array<ChordType, kChordTypeCount> kChordCatalogue;

// nullptr for a name outside the catalogue.
const ChordType* find_chord_type(std::string_view name);

// The framed level list: all 27 types when Expert is selected, else the 12 of Beginner.
FramedList Fill_Chord_Types(bool expert_selected);

// The chord of this type whose middle tone is the centre note, from the first spelling table
// (in lookup order) that holds the centre in the middle tone's slot; none when no table does.
std::optional<ChordTones> Spell_Chord(const ChordType& type, const NoteName& centre);

// Spells the four lines through the centre note of circle 9 into their circles. Returns the
// lines (1..4) whose chord-type name is outside the catalogue; their circles, and those of a
// line no table fits, keep what they held.
std::vector<int> Spell_Chord_Lines(const ChordNames& chords, CircleNotes& notes);

// What the player is told about a line whose chord type is outside the catalogue.
std::string unknown_chord_message(int line);

}  // namespace velmora
