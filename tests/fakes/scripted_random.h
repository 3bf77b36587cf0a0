#pragma once

#include <deque>
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

  std::deque<float> values;
  std::string calls;  // 'r' for each re-seed, 'v' for each value, in order
};

}  // namespace velmora::testing
