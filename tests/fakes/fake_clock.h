#pragma once

#include <string>

#include "ports/clock.h"

namespace velmora::testing {

// A settable clock; every sleep advances it, so a pause ends without real waiting.
class FakeClock : public Clock {
 public:
  std::int64_t monotonic_ms() override { return elapsed_ms; }
  std::string short_date() override { return "6-12-2026"; }
  // Every reading is a second later, so a test sees which reading a text took.
  std::string time_with_seconds() override { return "14:05:" + std::to_string(10 + time_reads++); }
  void sleep_ms(int milliseconds) override {
    elapsed_ms += milliseconds;
    ++sleeps;
  }

  std::int64_t unix_seconds() override { return wall_seconds; }

  long elapsed_ms = 0;
  // Sunday 6 December 2026, 14:05:10 UTC.
  std::int64_t wall_seconds = 1796565910;
  int sleeps = 0;
  int time_reads = 0;
};

// A clock whose time of day stands still, for runs so long that a moving one would pass 14:05:59.
class StillClock final : public FakeClock {
 public:
  std::string time_with_seconds() override { return "14:05:12"; }
};

}  // namespace velmora::testing
