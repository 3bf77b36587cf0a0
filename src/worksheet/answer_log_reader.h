#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/board.h"

namespace velmora {

// One star of a printed sheet as its block in the answer log tells it.
struct LoggedStar {
  std::string date;  // as the sheet's star label shows it, in whatever format it was written
  std::string time;  // of the block's first record
  int star = 0;      // 1..6, its place on the sheet
  NoteName key;      // the centre note
  Board board;       // all 17 notes and Chord_1 .. Chord_4
  int line = 0;      // of the block's first record, counted from 1
};

// A line, or a block, that could not be read; the reading skips it rather than guess.
struct LogProblem {
  int line = 0;
  std::string reason;
};

struct AnswerLogReading {
  std::vector<LoggedStar> stars;
  std::vector<LogProblem> problems;
};

// Reads the log as worksheet runs write it, and as people leave it: CR LF or LF lines, dates in
// any format, times with or without AM/PM, stray blanks and empty lines, and a last record cut
// off. A record counts only when its five notes are its chord spelled around its centre note,
// and a star only when its block holds its four records.
AnswerLogReading read_answer_log(std::string_view text);

// The same reading a line at a time, for a log too long to hold: each star is handed to
// `star_read` as soon as its block is complete.
class AnswerLogReader {
 public:
  explicit AnswerLogReader(std::function<void(LoggedStar star)> star_read);
  ~AnswerLogReader();
  AnswerLogReader(const AnswerLogReader&) = delete;
  AnswerLogReader& operator=(const AnswerLogReader&) = delete;

  // One line of the log without its LF; the first may open with a byte order mark.
  void read_line(std::string_view line);
  // Ends the last block; the problems are then in line order.
  void finish();
  const std::vector<LogProblem>& problems() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// "line 7: <reason>".
std::string describe(const LogProblem& problem);

}  // namespace velmora
