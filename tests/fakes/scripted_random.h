#pragma once

#include <deque>
#include <stdexcept>

#include "ports/random.h"

namespace velmora::testing {

// Hands out scripted values; once they run out, repeats `fallback`.
class ScriptedRandom final : public Random {
 public:
  void reseed() override { ++reseeds; }
  float next() override {
    ++values_taken;
    if (values.empty()) return fallback;
    const float value = values.front();
    values.pop_front();
    return value;
  }

  std::deque<float> values;
  float fallback = 0.0F;
  int reseeds = 0;
  int values_taken = 0;
};

}  // namespace velmora::testing
