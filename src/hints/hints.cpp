#include "hints/hints.h"

#include "ports/clock.h"

namespace velmora {
namespace {

// Short enough that the pause ends within a few milliseconds of its time.
constexpr int kPauseStepMs = 10;
constexpr std::int64_t kPauseMs = 2000;

}  // namespace

std::optional<Formula> ChordFormula(std::string_view chord_type) {
  const ChordType* type = find_chord_type(chord_type);
  if (type == nullptr) return std::nullopt;
  return type->formula;
}

void HintPause(Clock& clock) {
  const std::int64_t PauseStart = clock.monotonic_ms();
  while (clock.monotonic_ms() - PauseStart < kPauseMs) clock.sleep_ms(kPauseStepMs);
}

std::array<std::optional<NoteName>, kChordTones> hint_notes(const Board& board, int line) {
  std::array<std::optional<NoteName>, kChordTones> notes;
  for (int tone = 0; tone < kChordTones; ++tone) {
    notes[tone] = circle_note(board.Circle_Notes, kChordLineCircles[line - 1][tone]);
  }
  return notes;
}

}  // namespace velmora
