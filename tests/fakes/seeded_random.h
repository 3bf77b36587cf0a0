#pragma once

#include <cstdint>
#include <random>

#include "ports/random.h"

namespace velmora::testing {

// A repeatable stream of values for runs too long to script; re-seeding does not restart it.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  void reseed() override {}
  // 24 random bits scaled into [0, 1): exact in single precision, so never 1.0.
  float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24F; }

 private:
  std::mt19937 engine_;
};

}  // namespace velmora::testing
