#pragma once

#include <cstdint>
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
  // A puzzle's first Check; its answers are the ones counted.
  int checks = 0;
  Tally total;
  std::vector<TallyRow> by_chord_type;
  std::vector<TallyRow> by_key;
  // Most often missed first.
  std::vector<TallyRow> by_tone;
  // The last weeks that hold answers, oldest first.
  std::vector<TallyRow> by_week;
  // Later Checks of the same puzzle, whose answers are not counted again.
  int retries = 0;

  bool operator==(const ProgressSummary&) const = default;
};

// What one circle held at a Check, against its answer.
enum class Outcome { Right, Misspelled, Wrong, Empty };

struct RecordedAnswer {
  int circle = 0;
  // Empty for the centre circle, which belongs to all four chords and so to none alone.
  std::string chord_type;
  // The circle's place in its chord: "root", "third", "fifth", "seventh" or "ninth".
  std::string tone;
  // The name the player entered ("F#"), empty for none.
  std::string given;
  // The name that belongs there.
  std::string answer;
  Outcome outcome = Outcome::Empty;
  // The learner had the program show the note: counted as wrong, whatever the circle holds.
  bool revealed = false;

  bool operator==(const RecordedAnswer&) const = default;
};

// One press of "Check": the circles the player could answer, the given one left out. A later
// Check of the same puzzle is a retry: its answers are kept but not counted again.
struct CheckRecord {
  // Seconds since 1970.
  std::int64_t time = 0;
  // "Beginner" or "Expert".
  std::string level;
  // The puzzle's key, its centre note.
  std::string key;
  std::vector<RecordedAnswer> answers;
  bool retry = false;

  bool operator==(const CheckRecord&) const = default;
};

// The learner's latest answers, summed per chord type and per key.
struct RecentTallies {
  std::vector<TallyRow> by_chord_type;
  std::vector<TallyRow> by_key;

  bool operator==(const RecentTallies&) const = default;
};

// The number a history's failures carry.
inline constexpr int kHistoryFailed = 20;

// The learner's practice history, kept across runs. A history that cannot be kept is off: it
// records nothing and sums up to nothing, and never stops the player.
class PracticeHistory {
 public:
  virtual ~PracticeHistory() = default;
  // Adds one Check's answers; a failure turns the history off for the rest of the run.
  virtual Status record(const CheckRecord& check) = 0;
  // False for a history that can be read but not written: it is not asked to record.
  virtual bool records() const { return true; }
  // The last `answers` recorded answers, summed.
  virtual RecentTallies recent(int answers) = 0;
  virtual ProgressSummary summary() = 0;
  // Writes every recorded answer, a line each, to the file.
  virtual Status export_csv(const std::string& path) = 0;
  // Removes every recorded answer.
  virtual Status forget() = 0;
};

}  // namespace velmora
