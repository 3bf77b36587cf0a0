#pragma once

#include <array>
#include <string>

#include "theory/chords.h"

namespace velmora {

// A circle label: the note the player sees and whether it takes drops.
struct Label {
  std::string caption;
  bool enabled = true;
};

// Entry n - 1 is the label of circle n.
using CircleLabels = std::array<Label, kCircleCount>;

// The answer key and the draws that made it; shared by the on-screen puzzle and worksheets.
struct Board {
  CircleNotes Circle_Notes;
  ChordNames Chords;  // Chord_1 .. Chord_4
  std::string Drawn_Key;
  std::string Drawn_Chord_Type;
  bool Regenerate = false;
  ToneIndex Tone_Index{};
};

}  // namespace velmora
