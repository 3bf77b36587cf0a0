#pragma once

#include <deque>
#include <stdexcept>
#include <string>

#include "ports/random.h"

namespace velmora::testing {

// Hands out scripted values; once they run out, repeats `fallback`. A handler that keeps
// drawing a repeated value (a redraw loop waiting for a different one) would never end, so
// the fake gives up with an exception, which fails the test, after a million repeats.
class ScriptedRandom final : public Random {
 public:
  void reseed() override {
    ++reseeds;
    calls += 'r';
  }
  float next() override {
    ++values_taken;
    calls += 'v';
    if (values.empty()) {
      if (++fallbacks_given > kMaxFallbacks) {
        throw std::runtime_error("ScriptedRandom: the script ran out and the handler kept drawing");
      }
      return fallback;
    }
    const float value = values.front();
    values.pop_front();
    return value;
  }

  std::deque<float> values;
  float fallback = 0.0F;
  int reseeds = 0;
  int values_taken = 0;
  std::string calls;  // 'r' for each re-seed, 'v' for each value, in order

 private:
  static constexpr int kMaxFallbacks = 1'000'000;
  int fallbacks_given = 0;
};

}  // namespace velmora::testing
