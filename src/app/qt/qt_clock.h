#pragma once

#include "ports/clock.h"

namespace velmora::qt {

class QtClock final : public Clock {
 public:
  int second_of_minute() override;
  std::string short_date() override;
  std::string time_with_seconds() override;
  void sleep_ms(int milliseconds) override;
};

}  // namespace velmora::qt
