#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ports/launcher.h"

namespace velmora::testing {

// Files, programs on the path and failing starts set up by the test; records look-ups and starts.
class ScriptedLauncher final : public Launcher {
 public:
  bool file_exists(const std::string& path) override { return files.contains(path); }
  std::string find_on_path(const std::string& name) override {
    looked_up.push_back(name);
    const auto found = on_path.find(name);
    return found == on_path.end() ? std::string() : found->second;
  }
  bool start(const std::string& program) override {
    started.push_back(program);
    return !failing.contains(program);
  }

  std::set<std::string> files;
  std::map<std::string, std::string> on_path;
  std::set<std::string> failing;
  std::vector<std::string> looked_up;
  std::vector<std::string> started;
};

}  // namespace velmora::testing
