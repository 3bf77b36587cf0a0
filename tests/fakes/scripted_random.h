#pragma once

#include <deque>
#include <string>

#include "ports/random.h"

namespace velmora::testing {

// Hands out scripted values; once they run out, repeats `fallback`.
class ScriptedRandom final : public Random {
 public:
  void reseed() override {
    ++reseeds;
    calls += 'r';
  }
  float next() override {
    ++values_taken;
    calls += 'v';
    if (values.empty()) return fallback;
    const float value = values.front();
    values.pop_front();
    return value;
  }

  std::deque<float> values;
  float fallback = 0.0F;
  int reseeds = 0;
  int values_taken = 0;
  std::string calls;  // 'r' for each re-seed, 'v' for each value, in order
};

}  // namespace velmora::testing
