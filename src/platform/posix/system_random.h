#pragma once

#include <cstdint>

#include "ports/random.h"

namespace velmora {

// SplitMix64, re-seeded from a high-resolution clock mixed with a counter, so two re-seeds
// within one clock tick still start different sequences. Every draw re-seeds, so a re-seed
// must be cheap: this one is a clock reading and a few multiplications, where a Mersenne
// Twister would refill 624 words of state.
class SystemRandom final : public Random {
 public:
  using TickSource = std::uint64_t (*)();

  static std::uint64_t clock_ticks();

  explicit SystemRandom(TickSource ticks = clock_ticks) : ticks_(ticks) {}

  void reseed() override;
  float next() override;

 private:
  TickSource ticks_;
  std::uint64_t state_ = 0;
  std::uint64_t reseeds_ = 0;
};

}  // namespace velmora
