#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/answer_log_file.h"

namespace velmora::testing {

// The log's lines in memory. Lines reach `lines` only when their block is closed, as on disk
// after a flush; a failed write drops the unfinished block, as the file log does.
class MemoryAnswerLog final : public AnswerLogFile {
 public:
  void close_all() override {
    ++close_alls;
    open_ = false;
    pending_.clear();
  }
  Status open_append() override {
    ++opens;
    if (opens == fail_open) return Failure{kLogNotOpened, "cannot open"};
    if (open_) ++opened_while_open;
    open_ = true;
    return {};
  }
  Status write_line(std::string_view line) override {
    if (!open_) ++written_while_closed;
    ++writes;
    if (writes == fail_write) {
      open_ = false;
      pending_.clear();
      return Failure{kLogNotWritten, "No space left on device"};
    }
    pending_.emplace_back(line);
    return {};
  }
  Status close() override {
    ++closes;
    open_ = false;
    lines.insert(lines.end(), pending_.begin(), pending_.end());
    pending_.clear();
    return {};
  }

  std::vector<std::string> lines;
  int fail_open = 0;   // the open (1, 2, ...) that fails; 0 for none
  int fail_write = 0;  // the line written (1, 2, ...) that fails; 0 for none
  int opens = 0;
  int writes = 0;
  int closes = 0;
  int close_alls = 0;
  int opened_while_open = 0;
  int written_while_closed = 0;

 private:
  bool open_ = false;
  std::vector<std::string> pending_;
};

}  // namespace velmora::testing
