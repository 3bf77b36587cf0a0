#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace velmora {

// What FluidSynth and alsa-lib have to say, kept instead of printed on standard error. Their
// hooks are process-wide and may be called from audio threads at any time, so they point at
// this log, which lives as long as the process, never at an object that may be gone. The
// adapters take the messages after their own calls and show them with the failures they explain.
class LibraryLog {
 public:
  // The log, with both libraries' hooks pointing at it.
  static LibraryLog& instance();

  void add(std::string message);
  std::vector<std::string> take();

 private:
  LibraryLog();

  std::mutex mutex_;
  std::vector<std::string> messages_;
};

}  // namespace velmora
