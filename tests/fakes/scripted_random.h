#pragma once

#include <deque>
#include <random>
#include <stdexcept>
#include <string>

#include "ports/random.h"

namespace velmora::testing {

// Hands out scripted values. Drawing past the script throws, which fails the test: a handler
// that draws more than expected, or a redraw loop that never ends, shows at once.
class ScriptedRandom final : public Random {
 public:
  void reseed() override { calls += 'r'; }
  float next() override {
    if (values.empty()) throw std::logic_error("ScriptedRandom: drawn past the script");
    calls += 'v';
    const float value = values.front();
    values.pop_front();
    return value;
  }
  // A repeatable stream of `count` values for runs too long to script: 24 random bits scaled
  // into [0, 1), exact in single precision, so never 1.0.
  void queue_seeded(std::uint32_t seed, int count) {
    std::mt19937 engine(seed);
    for (int i = 0; i < count; ++i) values.push_back(static_cast<float>(engine() >> 8) * 0x1p-24F);
  }

  std::deque<float> values;
  std::string calls;  // 'r' for each re-seed, 'v' for each value, in order
};

}  // namespace velmora::testing
