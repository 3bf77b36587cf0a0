#pragma once

#include <string>
#include <vector>

#include "ports/status.h"

namespace velmora {

// How often each class of answer was given, over whatever the tally counts.
struct Tally {
  int right = 0;
  // The right pitch spelled another way.
  int misspelled = 0;
  int wrong = 0;
  int empty = 0;

  int answers() const { return right + misspelled + wrong + empty; }
  bool operator==(const Tally&) const = default;
};

struct TallyRow {
  // A chord type ("Maj9"), a key ("Ab"), a tone ("root", "third", "fifth", "seventh", "ninth")
  // or a week (its Monday, "2026-11-30").
  std::string name;
  Tally tally;

  bool operator==(const TallyRow&) const = default;
};

// What the learner's recorded answers add up to.
struct ProgressSummary {
  int checks = 0;
  Tally total;
  std::vector<TallyRow> by_chord_type;
  std::vector<TallyRow> by_key;
  // Most often missed first.
  std::vector<TallyRow> by_tone;
  // The last weeks that hold answers, oldest first.
  std::vector<TallyRow> by_week;
};

// The learner's practice history, kept across runs. A history that cannot be kept is off: it
// records nothing and sums up to nothing, and never stops the player.
class PracticeHistory {
 public:
  virtual ~PracticeHistory() = default;
  virtual ProgressSummary summary() = 0;
  // Writes every recorded answer, a line each, to the file.
  virtual Status export_csv(const std::string& path) = 0;
  // Removes every recorded answer.
  virtual Status forget() = 0;
};

}  // namespace velmora
