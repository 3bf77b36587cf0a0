#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "ports/answer_log_file.h"

namespace velmora {

inline constexpr std::string_view kAnswerLogName = "Worksheet.id";

// Long enough for any other run to write six blocks and send its page; short enough that the
// window does not seem to hang when another program keeps the log locked.
inline constexpr std::chrono::milliseconds kAnswerLogLockWait{2000};

// The answer log as a file of CR LF lines, by default "Worksheet.id" in the working directory.
// A run holds an advisory lock (flock) on the file from `begin_run` to `keep_run` or
// `drop_run`, so that runs of several programs on one log never mix or cut each other's blocks.
// Anything but a regular file (a named pipe, a device, a socket, a folder) is refused without
// waiting on it. A dropped run that had created the log removes it again.
class FileAnswerLog final : public AnswerLogFile {
 public:
  explicit FileAnswerLog(std::filesystem::path path = std::filesystem::path(kAnswerLogName),
                         std::chrono::milliseconds lock_wait = kAnswerLogLockWait)
      : path_(std::move(path)), lock_wait_(lock_wait) {}
  ~FileAnswerLog() override;
  FileAnswerLog(const FileAnswerLog&) = delete;
  FileAnswerLog& operator=(const FileAnswerLog&) = delete;

  Status begin_run() override;
  void close_all() override;
  Status open_append() override;
  Status write_line(std::string_view line) override;
  Status close() override;
  void keep_run() override;
  void drop_run() override;

 private:
  Failure not_opened(const std::string& reason) const;
  Failure not_written(int system_error) const;
  Status open_locked();
  Status lock();
  void end_run();

  std::filesystem::path path_;
  std::chrono::milliseconds lock_wait_;
  int file_ = -1;  // open and locked from `begin_run` to the end of the run
  off_t run_start_ = 0;
  bool created_ = false;  // by this run's `begin_run`
  bool block_open_ = false;
  std::string block_;  // written in one piece when the block is closed
};

}  // namespace velmora
