#pragma once

#include <string_view>
#include <vector>

namespace velmora {

// The parts a chord-type name is read out as: its family first, then each alteration in the
// order of the name ("Min7_#5_#9": minor seventh, sharp five, sharp nine). The window puts them
// into words of its language, for tooltips and screen readers.
enum class ChordWord {
  SixNine,
  MajorNinth,
  DominantSeventh,
  DominantNinth,
  MinorSixNine,
  MinorSeventh,
  MinorNinth,
  FlatFive,
  SharpFive,
  FlatNine,
  SharpNine,
  SharpFour,
  SuspendedFourth,
  SuspendedSecond,
  MajorSeventh,
};

// The parts of one of the catalogue's names; empty for a name outside it.
std::vector<ChordWord> chord_type_words(std::string_view chord_type_name);

}  // namespace velmora
