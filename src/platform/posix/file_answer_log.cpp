#include "platform/posix/file_answer_log.h"

#include <cerrno>
#include <string>
#include <system_error>

namespace velmora {
namespace {

std::string System_Error_Text(int system_error) {
  return system_error == 0 ? std::string("unknown error")
                           : std::generic_category().message(system_error);
}

}  // namespace

void FileAnswerLog::close_all() {
  if (file_.is_open()) file_.close();
  file_.clear();
}

Status FileAnswerLog::open_append() {
  std::error_code error;
  length_before_block_.reset();
  if (std::filesystem::is_regular_file(path_, error)) {
    const std::uintmax_t length = std::filesystem::file_size(path_, error);
    if (!error) length_before_block_ = length;
  }
  errno = 0;
  file_.open(path_, std::ios::binary | std::ios::app);
  if (!file_.is_open()) {
    const int system_error = errno;
    file_.clear();
    return Failure{kLogNotOpened, "The answer log " + path_.string() +
                                      " could not be opened: " + System_Error_Text(system_error)};
  }
  // A log created just now has nothing earlier to keep.
  if (!length_before_block_ && std::filesystem::is_regular_file(path_, error)) {
    length_before_block_ = 0;
  }
  return {};
}

Status FileAnswerLog::write_line(std::string_view line) {
  errno = 0;
  file_.write(line.data(), static_cast<std::streamsize>(line.size()));
  file_.write("\r\n", 2);
  if (!file_) return Drop_Block(errno);
  return {};
}

Status FileAnswerLog::close() {
  errno = 0;
  file_.flush();
  int system_error = errno;
  const bool flushed = file_.good();
  file_.close();
  if (system_error == 0) system_error = errno;
  if (!flushed || file_.fail()) return Drop_Block(system_error);
  return {};
}

Failure FileAnswerLog::Drop_Block(int system_error) {
  if (file_.is_open()) file_.close();
  file_.clear();
  if (length_before_block_) {
    std::error_code ignored;
    std::filesystem::resize_file(path_, *length_before_block_, ignored);
  }
  return {kLogNotWritten, "The answer log " + path_.string() +
                              " could not be written: " + System_Error_Text(system_error)};
}

}  // namespace velmora
