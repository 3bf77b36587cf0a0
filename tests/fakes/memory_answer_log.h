#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/answer_log_file.h"

namespace velmora::testing {

// The log's lines in memory. Lines reach `lines` only when their block is closed, as on disk
// after a flush; a dropped run's lines move from `lines` to `dropped`.
class MemoryAnswerLog final : public AnswerLogFile {
 public:
  Status begin_run() override {
    run_start_ = lines.size();
    return {};
  }
  void close_all() override {
    open_ = false;
    pending_.clear();
  }
  Status open_append() override {
    open_ = true;
    return {};
  }
  Status write_line(std::string_view line) override {
    if (!open_) return Failure{kLogNotWritten, "written while closed"};
    if (++writes_ == fail_write) {
      close_all();
      return Failure{kLogNotWritten, "No space left on device"};
    }
    pending_.emplace_back(line);
    return {};
  }
  Status close() override {
    lines.insert(lines.end(), pending_.begin(), pending_.end());
    close_all();
    if (on_close) on_close();
    return {};
  }
  void keep_run() override { run_start_.reset(); }
  void drop_run() override {
    if (!run_start_) return;
    const auto start = lines.begin() + static_cast<std::ptrdiff_t>(*run_start_);
    dropped.assign(start, lines.end());
    lines.erase(start, lines.end());
    run_start_.reset();
  }

  std::vector<std::string> lines;
  std::vector<std::string> dropped;  // the lines of the last dropped run
  std::function<void()> on_close;
  int fail_write = 0;  // the line written (1, 2, ...) that fails; 0 for none

 private:
  bool open_ = false;
  int writes_ = 0;
  std::vector<std::string> pending_;
  std::optional<std::size_t> run_start_;
};

}  // namespace velmora::testing
