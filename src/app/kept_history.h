#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ports/practice_history.h"
#include "theory/chords.h"

namespace velmora {

// How many of the latest weeks the trend shows.
inline constexpr int kTrendWeeks = 8;

// The Monday of the week (Monday to Sunday, local time) that holds the moment, "2026-11-30".
std::string week_of(std::int64_t unix_seconds);

// A practice history held as a list of Checks, for a platform that stores it as text (the
// browser's storage). It sums its answers as the desktop's history does: a retry is kept but
// its answers are not counted again.
class KeptHistory final : public PracticeHistory {
 public:
  // Reads a history saved by `text`; unreadable lines are left out and counted.
  static KeptHistory read(std::string_view text);
  std::string text() const;
  int unreadable_lines() const { return unreadable_lines_; }

  Status record(const CheckRecord& check) override;
  RecentTallies recent(int answers) override;
  ProgressSummary summary() override;
  // The counted answers as comma-separated lines under a header, times in UTC; a revealed
  // note's outcome is "revealed".
  std::string csv() const;
  Status export_csv(const std::string& path) override;
  Status forget() override;

 private:
  std::vector<CheckRecord> checks_;
  int unreadable_lines_ = 0;
};

}  // namespace velmora
