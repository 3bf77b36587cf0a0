#pragma once

#include <string>

#include "ports/clock.h"

namespace velmora {

// The system clock in the user's regional formats. A sleep lets the window paint but handles
// no input, so a click during a hint's pause waits until the hint is over.
class QtClock final : public Clock {
 public:
  std::int64_t monotonic_ms() override;
  std::string short_date() override;
  std::string time_with_seconds() override;
  void sleep_ms(int milliseconds) override;
};

}  // namespace velmora
