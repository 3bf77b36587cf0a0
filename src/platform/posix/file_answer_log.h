#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "ports/answer_log_file.h"

namespace velmora {

inline constexpr std::string_view kAnswerLogName = "Worksheet.id";

// The answer log as a file of CR LF lines, by default "Worksheet.id" in the working directory.
// A block that fails to be written is cut off again, so the file holds whole blocks only.
class FileAnswerLog final : public AnswerLogFile {
 public:
  explicit FileAnswerLog(std::filesystem::path path = std::filesystem::path(kAnswerLogName))
      : path_(std::move(path)) {}

  void close_all() override;
  Status open_append() override;
  Status write_line(std::string_view line) override;
  Status close() override;

 private:
  Failure Drop_Block(int system_error);

  std::filesystem::path path_;
  std::ofstream file_;
  // The length of the log before the block, when it is a regular file that can be cut back.
  std::optional<std::uintmax_t> length_before_block_;
};

}  // namespace velmora
