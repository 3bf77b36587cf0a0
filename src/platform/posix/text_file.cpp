#include "platform/posix/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace velmora {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

std::string system_error_text(int system_error) {
  return std::generic_category().message(system_error);
}

// The open file, or -1 with `reason` set. O_NONBLOCK: opening a named pipe must not wait for a
// writer, and a regular file ignores it.
int open_file(const std::filesystem::path& file, std::string& reason) {
  const int opened = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat found = {};
  if (opened < 0) {
    const int system_error = errno;
    const bool special = ::stat(file.c_str(), &found) == 0 && !S_ISREG(found.st_mode);
    reason = special ? "it is " + kind_of_non_file(found.st_mode) + ", not a file"
                     : system_error_text(system_error);
    return -1;
  }
  if (::fstat(opened, &found) != 0) {
    reason = system_error_text(errno);
  } else if (!S_ISREG(found.st_mode)) {
    reason = "it is " + kind_of_non_file(found.st_mode) + ", not a file";
  } else {
    return opened;
  }
  ::close(opened);
  return -1;
}

}  // namespace

std::string kind_of_non_file(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "a special file";
}

std::string unreadable_because(const std::filesystem::path& file) {
  std::string reason;
  const int opened = open_file(file, reason);
  if (opened >= 0) ::close(opened);
  return reason;
}

std::string read_lines(const std::filesystem::path& file,
                       const std::function<void(std::string_view line)>& line) {
  std::string reason;
  const int opened = open_file(file, reason);
  if (opened < 0) return reason;
  std::array<char, kBlock> block;
  std::string partial;
  while (true) {
    const ssize_t count = ::read(opened, block.data(), block.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      reason = system_error_text(errno);
      break;
    }
    if (count == 0) break;
    std::string_view rest(block.data(), static_cast<std::size_t>(count));
    while (!rest.empty()) {
      const std::size_t newline = rest.find('\n');
      const std::string_view piece = rest.substr(0, newline);
      partial.append(piece.substr(0, kLongestLine - partial.size()));
      if (newline == std::string_view::npos) break;
      line(partial);
      partial.clear();
      rest.remove_prefix(newline + 1);
    }
  }
  ::close(opened);
  if (reason.empty() && !partial.empty()) line(partial);
  return reason;
}

}  // namespace velmora
