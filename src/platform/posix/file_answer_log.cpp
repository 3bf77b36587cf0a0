#include "platform/posix/file_answer_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

#include "platform/posix/text_file.h"

namespace velmora {
namespace {

using std::chrono::steady_clock;

constexpr std::chrono::milliseconds kLockRetry{10};
constexpr int kOpenAttempts = 10;

std::string system_error_text(int system_error) {
  return system_error == 0 ? std::string("unknown error")
                           : std::generic_category().message(system_error);
}

std::string refusal(const std::string& kind) { return "it is " + kind + ", not a file"; }

}  // namespace

FileAnswerLog::~FileAnswerLog() { end_run(); }

Status FileAnswerLog::begin_run() {
  end_run();
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (Status status = open_locked(); !status.ok()) return status;
    // A run that created the log and dropped it again removes the file, perhaps while this run
    // waited for the lock on it: then the file under the log's name is opened afresh.
    struct stat named = {};
    struct stat held = {};
    if (::fstat(file_, &held) != 0) {
      const int system_error = errno;
      end_run();
      return not_opened(system_error_text(system_error));
    }
    if (::stat(path_.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino) {
      // Only now, under the lock, is the end of the log this run's start.
      run_start_ = held.st_size;
      return {};
    }
    end_run();
  }
  return not_opened("another program keeps removing it");
}

Status FileAnswerLog::open_locked() {
  // O_NONBLOCK: opening a named pipe must not wait for a reader; a regular file ignores it.
  constexpr int kFlags = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  file_ = ::open(path_.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
  created_ = file_ >= 0;
  if (file_ < 0 && errno == EEXIST) file_ = ::open(path_.c_str(), kFlags);
  struct stat found = {};
  if (file_ < 0) {
    const int system_error = errno;
    // Looked up only to word the message: the open itself refused the file.
    if (::stat(path_.c_str(), &found) == 0 && !kind_of_non_file(found.st_mode).empty()) {
      return not_opened(refusal(kind_of_non_file(found.st_mode)));
    }
    return not_opened(system_error_text(system_error));
  }
  const auto refuse = [this](const std::string& reason) {
    end_run();
    return not_opened(reason);
  };
  if (::fstat(file_, &found) != 0) return refuse(system_error_text(errno));
  if (const std::string kind = kind_of_non_file(found.st_mode); !kind.empty()) {
    return refuse(refusal(kind));
  }
  if (Status status = lock(); !status.ok()) {
    end_run();
    return status;
  }
  return {};
}

void FileAnswerLog::close_all() {
  block_open_ = false;
  block_.clear();
}

Status FileAnswerLog::open_append() {
  close_all();
  if (file_ < 0) return not_written(EBADF);
  block_open_ = true;
  return {};
}

Status FileAnswerLog::write_line(std::string_view line) {
  if (!block_open_) return not_written(EBADF);
  block_.append(line);
  block_.append("\r\n");
  return {};
}

Status FileAnswerLog::close() {
  if (!block_open_) return not_written(EBADF);
  std::string_view rest = block_;
  while (!rest.empty()) {
    const ssize_t written = ::write(file_, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int system_error = written < 0 ? errno : 0;
      close_all();
      return not_written(system_error);
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  close_all();
  // On disk before the star's label is drawn, and before any page that names it comes out.
  if (::fdatasync(file_) != 0) return not_written(errno);
  return {};
}

void FileAnswerLog::keep_run() { end_run(); }

void FileAnswerLog::drop_run() {
  close_all();
  if (file_ < 0) return;
  // Still under the lock: everything past the run's start is this run's own. A log cut shorter
  // meanwhile by hand is left as it is rather than padded out.
  struct stat now = {};
  if (::fstat(file_, &now) == 0 && now.st_size > run_start_) {
    if (::ftruncate(file_, run_start_) == 0) ::fdatasync(file_);
  }
  // A log this run created and left empty was never there for anyone else.
  if (created_ && run_start_ == 0 && ::fstat(file_, &now) == 0 && now.st_size == 0) {
    ::unlink(path_.c_str());
  }
  end_run();
}

Status FileAnswerLog::lock() {
  const auto give_up = steady_clock::now() + lock_wait_;
  while (::flock(file_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return not_opened(system_error_text(errno));
    const auto now = steady_clock::now();
    if (now >= give_up) return not_opened("another program keeps it locked");
    std::this_thread::sleep_for(std::min<steady_clock::duration>(kLockRetry, give_up - now));
  }
  return {};
}

void FileAnswerLog::end_run() {
  close_all();
  // Closing the only descriptor of the file also releases its lock.
  if (file_ >= 0) ::close(file_);
  file_ = -1;
}

Failure FileAnswerLog::not_opened(const std::string& reason) const {
  return {kLogNotOpened, "The answer log " + path_.string() + " could not be opened: " + reason};
}

Failure FileAnswerLog::not_written(int system_error) const {
  return {kLogNotWritten, "The answer log " + path_.string() +
                              " could not be written: " + system_error_text(system_error)};
}

}  // namespace velmora
