#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "puzzle/board.h"

namespace velmora {

class Clock;

inline constexpr std::string_view kNoPuzzleYet =
    "Create A New Velmora First! Press the create Button.";

// Hint2 alone switches the channel to this program before its chord; it stays in force after.
inline constexpr int kProgramChangeLine = 2;
inline constexpr std::int16_t kHintProgram = 1;

using Formula = std::array<std::string_view, kChordTones>;

// The interval labels of the chord type's five tones, root first, padded as the circles show
// them; none for a name outside the catalogue (there is no puzzle yet).
std::optional<Formula> ChordFormula(std::string_view chord_type);

// Returns two seconds later on the monotonic clock: a wall clock set back or forward meanwhile
// neither stretches nor cuts the pause.
void HintPause(Clock& clock);

// The answers of the line's (1..4) circles, root first: the notes its hint sounds.
std::array<std::optional<NoteName>, kChordTones> hint_notes(const Board& board, int line);

}  // namespace velmora
