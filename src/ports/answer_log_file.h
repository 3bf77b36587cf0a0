#pragma once

#include <string_view>

#include "ports/status.h"

namespace velmora {

// The worksheet answer log: a text file the program only ever appends to. A worksheet run
// writes its blocks between `begin_run` and `keep_run` or `drop_run`; meanwhile the log is the
// run's alone, so dropping removes this run's blocks and never another program's.
class AnswerLogFile {
 public:
  virtual ~AnswerLogFile() = default;
  // Waits a bounded time for any other program to finish with the log, then notes where this
  // run's blocks begin.
  virtual Status begin_run() = 0;
  // Closes whatever an earlier, failed block left open.
  virtual void close_all() = 0;
  // Opens the log for appending the next block.
  virtual Status open_append() = 0;
  // Writes the text and CR LF.
  virtual Status write_line(std::string_view line) = 0;
  // Ends the block: only a block closed without failure is sure to be in the log.
  virtual Status close() = 0;
  // The run's sheet was produced: its blocks stay, and the log is free for others again.
  virtual void keep_run() = 0;
  // The run's sheet was never produced: its blocks, whole or partly written, are removed
  // again, and the log is free for others. Harmless when no run was begun.
  virtual void drop_run() = 0;
};

}  // namespace velmora
