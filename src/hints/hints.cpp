#include "hints/hints.h"

#include <cstdlib>

#include "ports/clock.h"

namespace velmora {
namespace {

// Short enough that the pause ends within a few milliseconds of the second changing.
constexpr int kPauseStepMs = 10;
constexpr int kPauseSeconds = 2;
// A larger jump between two readings means the minute rolled over.
constexpr int kRollOverJump = 10;

}  // namespace

std::optional<Formula> ChordFormula(std::string_view chord_type) {
  const ChordType* type = find_chord_type(chord_type);
  if (type == nullptr) return std::nullopt;
  return type->formula;
}

void HintPause(Clock& clock) {
  int PauseStart = clock.second_of_minute();
  int PauseNow = PauseStart;
  while (PauseNow - PauseStart < kPauseSeconds) {
    clock.sleep_ms(kPauseStepMs);
    PauseNow = clock.second_of_minute();
    if (std::abs(PauseNow - PauseStart) > kRollOverJump) {
      PauseStart = 0;
      PauseNow = 0;
    }
  }
}

std::array<std::optional<NoteName>, kChordTones> hint_notes(const Board& board, int line) {
  std::array<std::optional<NoteName>, kChordTones> notes;
  for (int tone = 0; tone < kChordTones; ++tone) {
    notes[tone] = circle_note(board.Circle_Notes, kChordLineCircles[line - 1][tone]);
  }
  return notes;
}

}  // namespace velmora
