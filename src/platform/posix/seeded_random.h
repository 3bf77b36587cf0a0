#pragma once

#include <cstdint>

#include "ports/random.h"

namespace velmora {

// SplitMix64 whose re-seeds follow from one seed instead of the clock: the same seed gives the
// same draws, re-seed for re-seed and value for value, so a batch of sheets can be made again.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : seed_(seed) {}

  // A seed for a batch that was given none: from the system's entropy source and the clock.
  static std::uint64_t fresh_seed();

  void reseed() override;
  float next() override;

 private:
  std::uint64_t seed_;
  std::uint64_t reseeds_ = 0;
  std::uint64_t state_ = 0;
};

}  // namespace velmora
