#include "platform/posix/replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace velmora {

std::string replace_file(const std::filesystem::path& target, std::string_view bytes) {
  std::random_device entropy;
  std::string partial;
  int file = -1;
  for (int attempt = 0; file < 0 && attempt < 100; ++attempt) {
    partial = target.string() + "." + std::to_string(entropy());
    // Mode 0666 under the user's umask: the permissions any newly written file gets.
    file = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0 && errno != EEXIST) break;
  }
  if (file < 0) return std::generic_category().message(errno);
  int system_error = 0;
  while (!bytes.empty()) {
    const ssize_t written = ::write(file, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      system_error = written < 0 ? errno : EIO;
      break;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (system_error == 0 && ::fsync(file) != 0) system_error = errno;
  if (::close(file) != 0 && system_error == 0) system_error = errno;
  if (system_error == 0 && ::rename(partial.c_str(), target.c_str()) != 0) system_error = errno;
  if (system_error == 0) return {};
  ::unlink(partial.c_str());
  return std::generic_category().message(system_error);
}

}  // namespace velmora
