#pragma once

#include <string>

namespace velmora {

// Finding and starting other programs.
class Launcher {
 public:
  virtual ~Launcher() = default;
  virtual bool file_exists(const std::string& path) = 0;
  // The full path of the program `name` on the search path, or empty when it is not there.
  virtual std::string find_on_path(const std::string& name) = 0;
  // Starts the program in a normal window of its own and returns at once, without waiting
  // for it; false when it could not be started.
  virtual bool start(const std::string& program) = 0;
};

}  // namespace velmora
