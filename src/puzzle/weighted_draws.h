#pragma once

#include <span>
#include <vector>

#include "puzzle/board.h"
#include "theory/notes.h"

namespace velmora {

class Random;

// An index into `weights`, each drawn in proportion to its weight, from one value of a freshly
// re-seeded generator. At least one weight must be above zero; a zero weight is never drawn.
int draw_weighted(std::span<const double> weights, Random& random);

// Like the uniform draws, but weighted: `weights[i]` belongs to the name at position i + 1 of
// the framed list, between its sentinels.
NoteName draw_weighted_key(const FramedList& Key_Names, std::span<const double> weights,
                           Random& random);
// Four pairwise distinct chord types; each drawn type leaves the draw, so no redraws are needed.
ChordNames choose_weighted_chords(const FramedList& Chord_Types, std::vector<double> weights,
                                  Random& random);

}  // namespace velmora
