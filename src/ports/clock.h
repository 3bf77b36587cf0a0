#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace velmora {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on a clock that only moves forward, whatever happens to the wall clock.
  virtual std::int64_t monotonic_ms() = 0;
  // Today in the user's short date format, as the worksheet's star labels show it.
  virtual std::string short_date() = 0;
  // Now in the user's time format, with seconds.
  virtual std::string time_with_seconds() = 0;
  // Waits a short while; the window keeps painting but takes no input meanwhile.
  virtual void sleep_ms(int milliseconds) = 0;
  // Seconds since 1970 on the wall clock, which dates the learner's answers.
  virtual std::int64_t unix_seconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
  }
};

}  // namespace velmora
