#include "platform/sound/library_log.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace velmora {

namespace {

// Enough to explain a failure; a library stuck in a loop of complaints cannot fill the memory.
constexpr std::size_t kMaxKept = 64;

void keep_fluid_message(int, const char* message, void* log) {
  static_cast<LibraryLog*>(log)->add(message);
}

// Where in alsa-lib a message was said is of no use to a player.
void keep_alsa_message(const char*, int, const char*, int error, const char* format, ...) {
  char text[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  std::string message = "ALSA: ";
  message += text;
  if (error != 0) {
    message += ": ";
    message += snd_strerror(error);
  }
  LibraryLog::instance().add(std::move(message));
}

}  // namespace

LibraryLog& LibraryLog::instance() {
  static LibraryLog* const kLog = new LibraryLog;
  return *kLog;
}

LibraryLog::LibraryLog() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN}) {
    fluid_set_log_function(level, &keep_fluid_message, this);
  }
  for (int level : {FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
  snd_lib_error_set_handler(&keep_alsa_message);
}

void LibraryLog::add(std::string message) {
  std::lock_guard lock(mutex_);
  if (messages_.size() < kMaxKept) messages_.push_back(std::move(message));
}

std::vector<std::string> LibraryLog::take() {
  std::lock_guard lock(mutex_);
  return std::exchange(messages_, {});
}

}  // namespace velmora
