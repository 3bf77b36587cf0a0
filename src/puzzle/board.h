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

// A star's answer key and the chord types of its lines, as the on-screen puzzle and every
// worksheet star have them.
struct Board {
  CircleNotes Circle_Notes;
  ChordNames Chords;  // Chord_1 .. Chord_4
};

}  // namespace velmora
