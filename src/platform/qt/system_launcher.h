#pragma once

#include "ports/launcher.h"

namespace velmora {

// Programs found and started through Qt: paths in the system's 8-bit encoding.
class SystemLauncher final : public Launcher {
 public:
  bool file_exists(const std::string& path) override;
  std::string find_on_path(const std::string& name) override;
  bool start(const std::string& program) override;
};

}  // namespace velmora
