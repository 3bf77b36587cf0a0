#pragma once

#include <string>
#include <vector>

#include "ports/practice_history.h"

namespace velmora::testing {

// A history whose summary and recent tallies the test sets; it keeps what it is given.
class MemoryHistory final : public PracticeHistory {
 public:
  Status record(const CheckRecord& check) override {
    if (!record_failure.ok()) return record_failure;
    recorded.push_back(check);
    return {};
  }
  RecentTallies recent(int) override {
    ++recent_asked;
    return recent_to_give;
  }
  ProgressSummary summary() override { return summary_to_give; }
  Status export_csv(const std::string& path) override {
    exported_to.push_back(path);
    return failure_to_give;
  }
  Status forget() override {
    ++forgotten;
    if (!failure_to_give.ok()) return failure_to_give;
    summary_to_give = {};
    recent_to_give = {};
    return {};
  }

  ProgressSummary summary_to_give;
  Status failure_to_give;
  std::vector<std::string> exported_to;
  int forgotten = 0;
  std::vector<CheckRecord> recorded;
  Status record_failure;
  RecentTallies recent_to_give;
  int recent_asked = 0;
};

}  // namespace velmora::testing
