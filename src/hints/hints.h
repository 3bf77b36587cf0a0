#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/board.h"

namespace velmora {

class Clock;
class WindowSystem;
struct MidiOut;

// The interval label of each of a chord type's five tones, root first, padded as shown.
struct FormulaRow {
  std::string_view name;
  std::array<std::string_view, kChordTones> labels;
};

inline constexpr int kFormulaCount = 27;
extern const std::array<FormulaRow, kFormulaCount> kChordFormulas;

// Sets the five labels from the chord type's row. A name outside the table (no puzzle yet)
// shows "Create A New Velmora First!..." and leaves the labels as they were.
void ChordFormula(WindowSystem& windows, std::string_view chord_type,
                  std::array<std::string, kChordTones>& labels);

// Returns once the second of the minute has moved on by 2; a roll-over into the next minute
// restarts the count at second 0, so a pause begun at second 58 ends at second 2.
void HintPause(Clock& clock, std::int16_t& PauseStart, std::int16_t& PauseNow);

// A press of the chord-name button of line 1..4: sounds the line's correct notes when MIDI is
// enabled, shows the chord's formula in the line's circles for the pause, then puts the
// circles' captions back and silences the chord.
void Hint_Click(int line, const Board& board, CircleLabels& circles, const MidiOut& out,
                Clock& clock, std::int16_t& PauseStart, std::int16_t& PauseNow);

}  // namespace velmora
