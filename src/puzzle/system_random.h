#pragma once

#include <cstdint>
#include <random>

#include "ports/random.h"

namespace velmora {

// Re-seeds from a high-resolution clock mixed with a counter, so two re-seeds within one
// clock tick still start different sequences.
class SystemRandom final : public Random {
 public:
  void reseed() override;
  float next() override;

 private:
  std::mt19937 engine_;
  std::uint64_t reseeds_ = 0;
};

}  // namespace velmora
