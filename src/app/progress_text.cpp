#include "app/progress_text.h"

#include <algorithm>
#include <string_view>

namespace velmora {
namespace {

std::string percent(int part, int whole) {
  if (whole <= 0) return "0%";
  return std::to_string((200LL * part + whole) / (2LL * whole)) + "%";
}

std::string right_aligned(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::size_t name_width(const std::vector<TallyRow>& rows) {
  std::size_t width = 0;
  for (const TallyRow& row : rows) width = std::max(width, row.name.size());
  return width;
}

// "  Dom9     75% right (12 of 16), 2 misspelled"; `missed` counts everything not right instead.
std::string rows_text(std::string_view title, const std::vector<TallyRow>& rows, bool missed) {
  if (rows.empty()) return {};
  std::string text = std::string(title) + "\n";
  const std::size_t width = name_width(rows);
  for (const TallyRow& row : rows) {
    const Tally& tally = row.tally;
    const int counted = missed ? tally.answers() - tally.right : tally.right;
    text += "  " + row.name + std::string(width - row.name.size(), ' ') + "  " +
            right_aligned(percent(counted, tally.answers()), 4) + (missed ? " missed (" : " right (") +
            std::to_string(counted) + " of " + std::to_string(tally.answers()) + ")";
    if (!missed && tally.misspelled > 0) {
      text += ", " + std::to_string(tally.misspelled) + " misspelled";
    }
    text += "\n";
  }
  return text;
}

}  // namespace

std::string format_progress(const ProgressSummary& summary) {
  const Tally& total = summary.total;
  if (total.answers() == 0) return "No answers are recorded yet.\n";
  const int answers = total.answers();
  std::string text = "Practice history: " + std::to_string(summary.checks) +
                     (summary.checks == 1 ? " check, " : " checks, ") + std::to_string(answers) +
                     " answers\n";
  text += "Right: " + std::to_string(total.right) + " (" + percent(total.right, answers) + ")\n";
  text += "Right pitch, wrong spelling: " + std::to_string(total.misspelled) + " (" +
          percent(total.misspelled, answers) + ")\n";
  text += "Wrong: " + std::to_string(total.wrong) + " (" + percent(total.wrong, answers) + ")\n";
  text += "Empty: " + std::to_string(total.empty) + " (" + percent(total.empty, answers) + ")\n";
  for (const std::string& part :
       {rows_text("\nAccuracy per chord type", summary.by_chord_type, false),
        rows_text("\nAccuracy per key", summary.by_key, false),
        rows_text("\nTones most missed", summary.by_tone, true),
        rows_text("\nWeek by week (from Monday)", summary.by_week, false)}) {
    text += part;
  }
  return text;
}

}  // namespace velmora
