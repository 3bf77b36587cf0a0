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

// A place relative to the star's centre circle, in twips, y growing downwards.
struct Offset {
  int dx;
  int dy;
};

// The centres of circles 1..17 from the centre of a printed star: the star's shape. Entry n - 1
// belongs to circle n.
// clang-format off
inline constexpr std::array<Offset, kCircleCount> kStarCircleOffsets = {{
    {-1050, -1050}, {0, -1200}, {1050, -1050}, {-600, -600}, {0, -600}, {600, -600},
    {-1200, 0}, {-600, 0}, {0, 0}, {600, 0}, {1200, 0},
    {-600, 600}, {0, 600}, {600, 600}, {-1050, 1050}, {0, 1200}, {1050, 1050},
}};
// clang-format on

// A star's answer key and the chord types of its lines, as the on-screen puzzle and every
// worksheet star have them.
struct Board {
  CircleNotes Circle_Notes;
  ChordNames chords;  // Chord_1 .. Chord_4
};

}  // namespace velmora
