#include "hints/hints.h"

#include <algorithm>
#include <cstdlib>

#include "midi/midi_out.h"
#include "ports/clock.h"
#include "ports/window_system.h"

namespace velmora {

namespace {

// Short enough that the pause ends within a few milliseconds of the second changing.
constexpr int kPauseStepMs = 10;
constexpr int kPauseSeconds = 2;
// A larger jump between two readings means the minute rolled over.
constexpr int kRollOverJump = 10;

// Hint2 alone switches the channel to program 1 before its chord; it stays in force after.
constexpr int kProgramChangeLine = 2;
constexpr std::int16_t kHintProgram = 1;

}  // namespace

// clang-format off
const std::array<FormulaRow, kFormulaCount> kChordFormulas = {{
    {"6/9",        {"  1", "  3", "  5", "  6", "  9"}},
    {"Maj9",       {"  1", "  3", "  5", "  7", "  9"}},
    {"Maj9_#5",    {"  1", "  3", " #5", "  7", "  9"}},
    {"Dom7_b5_b9", {"  1", "  3", " b5", "  b7", " b9"}},
    {"Dom7_b9",    {"  1", "  3", "  5", "  b7", " b9"}},
    {"Dom9",       {"  1", "  3", "  5", "  b7", "  9"}},
    {"Dom7_b5_#9", {"  1", "  3", " b5", "  b7", " #9"}},
    {"Dom7_#5_b9", {"  1", "  3", " #5", "  b7", " b9"}},
    {"Dom7_#9",    {"  1", "  3", "  5", "  b7", " #9"}},
    {"Dom7_#5_#9", {"  1", "  3", " #5", "  b7", " #9"}},
    {"Dom9_sus",   {"  1", "  4", "  5", "  b7", "  9"}},
    {"Dom9_sus2",  {"  1", "  2", "  5", "  b7", "  9"}},
    {"Dom9_#4",    {"  1", "  3", " #4", "  b7", "  9"}},
    {"Dom9_b5",    {"  1", "  3", " b5", "  b7", "  9"}},
    {"Dom9_#5",    {"  1", "  3", " #5", "  b7", "  9"}},
    {"Min6/9",     {"  1", " b3", "  5", "  6", "  9"}},
    {"Min7_#4_b9", {"  1", " b3", " #4", "  b7", "  b9"}},
    {"Min7_b5_b9", {"  1", " b3", " b5", "  b7", " b9"}},
    {"Min7_b5_#9", {"  1", " b3", " b5", "  b7", " #9"}},
    {"Min7_#5_b9", {"  1", " b3", " #5", "  b7", " b9"}},
    {"Min7_#5_#9", {"  1", " b3", " #5", "  b7", " #9"}},
    {"Min7_b9",    {"  1", " b3", "  5", "  b7", " b9"}},
    {"Min7_#9",    {"  1", " b3", "  5", "  b7", " #9"}},
    {"Min9_b5",    {"  1", " b3", " b5", "  b7", "  9"}},
    {"Min9_maj7",  {"  1", " b3", "  5", "   7", "  9"}},
    {"Min9",       {"  1", " b3", "  5", "  b7", "  9"}},
    {"Min9_#4",    {"  1", " b3", " #4", "  b7", "  9"}},
}};
// clang-format on

void ChordFormula(WindowSystem& windows, std::string_view chord_type,
                  std::array<std::string, kChordTones>& labels) {
  const auto row = std::find_if(kChordFormulas.begin(), kChordFormulas.end(),
                                [chord_type](const FormulaRow& r) { return r.name == chord_type; });
  if (row == kChordFormulas.end()) {
    windows.show_message({"Create A New Velmora First! Press the create Button."});
    return;
  }
  std::copy(row->labels.begin(), row->labels.end(), labels.begin());
}

void HintPause(Clock& clock, std::int16_t& PauseStart, std::int16_t& PauseNow) {
  PauseStart = static_cast<std::int16_t>(clock.second_of_minute());
  PauseNow = PauseStart;
  while (PauseNow - PauseStart < kPauseSeconds) {
    clock.sleep_ms(kPauseStepMs);
    PauseNow = static_cast<std::int16_t>(clock.second_of_minute());
    if (std::abs(PauseNow - PauseStart) > kRollOverJump) {
      PauseStart = 0;
      PauseNow = 0;
    }
  }
}

void Hint_Click(int line, const Board& board, CircleLabels& circles, const MidiOut& out,
                Clock& clock, std::int16_t& PauseStart, std::int16_t& PauseNow) {
  const std::array<int, kChordTones>& line_circles = kChordLineCircles[line - 1];
  if (out.check_midi.checked()) {
    if (line == kProgramChangeLine) SendMidiShort(out, kProgramChange, kHintProgram, 0);
    std::array<std::string, kChordTones> notes;
    for (int tone = 0; tone < kChordTones; ++tone) {
      notes[tone] = circle_note(board.Circle_Notes, line_circles[tone]);
    }
    PlayChord(out, notes);
  }

  std::array<std::string, kChordTones> saved;
  for (int tone = 0; tone < kChordTones; ++tone) {
    saved[tone] = circles[line_circles[tone] - 1].caption;
  }
  std::array<std::string, kChordTones> formula;
  ChordFormula(out.windows, board.Chords[line - 1], formula);
  for (int tone = 0; tone < kChordTones; ++tone) {
    circles[line_circles[tone] - 1].caption = formula[tone];
  }
  out.windows.repaint_circles(line_circles);

  HintPause(clock, PauseStart, PauseNow);

  for (int tone = 0; tone < kChordTones; ++tone) {
    circles[line_circles[tone] - 1].caption = saved[tone];
  }
  out.windows.repaint_circles(line_circles);

  if (out.check_midi.checked()) SendMidiShort(out, kControlChange, kAllSoundOff, 0);
}

}  // namespace velmora
