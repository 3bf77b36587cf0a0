#include "puzzle/weighted_draws.h"

#include <cassert>
#include <numeric>

#include "ports/random.h"

namespace velmora {

int draw_weighted(std::span<const double> weights, Random& random) {
  const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
  assert(total > 0);
  random.reseed();
  const double target = static_cast<double>(random.next()) * total;
  double reached = 0;
  int last_drawable = 0;
  for (int index = 0; index < static_cast<int>(weights.size()); ++index) {
    if (weights[index] <= 0) continue;
    reached += weights[index];
    last_drawable = index;
    if (target < reached) return index;
  }
  // Rounding can leave a value just below 1 past the last sum.
  return last_drawable;
}

NoteName draw_weighted_key(const FramedList& Key_Names, std::span<const double> weights,
                           Random& random) {
  assert(static_cast<int>(weights.size()) == count_framed_entries(Key_Names) - 2);
  const std::optional<NoteName> key =
      NoteName::from_text(Key_Names[draw_weighted(weights, random) + 1]);
  assert(key);
  return *key;
}

ChordNames choose_weighted_chords(const FramedList& Chord_Types, std::vector<double> weights,
                                  Random& random) {
  assert(static_cast<int>(weights.size()) == count_framed_entries(Chord_Types) - 2);
  ChordNames chords;
  for (std::string& chord : chords) {
    const int index = draw_weighted(weights, random);
    chord = Chord_Types[index + 1];
    weights[index] = 0;
  }
  return chords;
}

}  // namespace velmora
