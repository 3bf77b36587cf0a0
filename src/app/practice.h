#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ports/practice_history.h"
#include "puzzle/board.h"
#include "theory/notes.h"

namespace velmora {

// How many of the latest recorded answers steer weak-spot practice: a few evenings' work.
inline constexpr int kRecentAnswers = 300;
// Every name keeps at least this weight, however well it went, so none drops out of practice.
inline constexpr double kFloorWeight = 0.05;

// Which circles 1..17 (entry n - 1) the learner had the program reveal on the puzzle.
using RevealedCircles = std::array<bool, kCircleCount>;

// What one Check leaves in the history: each circle the player could answer, with its chord
// type, its place in the chord, the name given and its outcome. The given circle, and a circle
// with no answer (no puzzle yet), teach nothing and are left out. A revealed circle counts as
// wrong with nothing given. A retry is a later Check of the same puzzle.
CheckRecord make_check_record(const Board& board, const CircleLabels& labels, bool expert,
                              std::int64_t time, const RevealedCircles& revealed, bool retry);

// What the player is told, once, when a Check could not be recorded.
std::string history_off_message(const std::string& reason);

// A weight for each name of the framed list, in list order: the floor plus the share of the
// name's recent answers that were wrong or misspelled. Empty circles tell nothing about
// spelling and are not counted; a name with few answers leans towards half missed, so new
// chord types come up often until the learner has shown them.
std::vector<double> weak_spot_weights(const FramedList& list, const std::vector<TallyRow>& recent);

}  // namespace velmora
