#pragma once

#include <string>

#include "ports/practice_history.h"

namespace velmora {

// The summary as plain text for a terminal or a teacher's file: totals, accuracy per chord type
// and per key, the share of right pitches spelled wrongly, the tones most missed and the trend
// per week. Percentages are rounded to whole numbers.
std::string format_progress(const ProgressSummary& summary);

}  // namespace velmora
