#pragma once

#include <string_view>

#include "ports/status.h"

namespace velmora {

// The worksheet answer log: a text file the program only ever appends to.
class AnswerLogFile {
 public:
  virtual ~AnswerLogFile() = default;
  // Closes whatever an earlier, failed block left open.
  virtual void close_all() = 0;
  // Opens the log for appending, creating it when missing.
  virtual Status open_append() = 0;
  // Writes the text and CR LF.
  virtual Status write_line(std::string_view line) = 0;
  // Flushes and closes: only a block closed without failure is sure to be in the log. A failed
  // write or close closes the file and drops the unfinished block, as far as the file allows.
  virtual Status close() = 0;
};

}  // namespace velmora
