#include "puzzle/system_random.h"

#include <chrono>

namespace velmora {

void SystemRandom::reseed() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  ++reseeds_;
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                     static_cast<std::uint32_t>(reseeds_),
                     static_cast<std::uint32_t>(reseeds_ >> 32)};
  engine_.seed(seed);
}

float SystemRandom::next() {
  // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24;
  // std::generate_canonical<float> may round up to 1.0.
  return static_cast<float>(engine_() >> 8) * 0x1p-24F;
}

}  // namespace velmora
