#pragma once

#include <string>
#include <vector>

#include "ports/practice_history.h"

namespace velmora::testing {

// A history whose summary the test sets; it notes what was asked of it.
class MemoryHistory final : public PracticeHistory {
 public:
  ProgressSummary summary() override { return summary_to_give; }
  Status export_csv(const std::string& path) override {
    exported_to.push_back(path);
    return failure_to_give;
  }
  Status forget() override {
    ++forgotten;
    if (!failure_to_give.ok()) return failure_to_give;
    summary_to_give = {};
    return {};
  }

  ProgressSummary summary_to_give;
  Status failure_to_give;
  std::vector<std::string> exported_to;
  int forgotten = 0;
};

}  // namespace velmora::testing
