#include "platform/posix/system_random.h"

#include <chrono>

#include "platform/posix/split_mix.h"

namespace velmora {

std::uint64_t SystemRandom::clock_ticks() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void SystemRandom::reseed() { state_ = split_mix::reseeded(ticks_(), ++reseeds_); }

float SystemRandom::next() { return split_mix::next_unit(state_); }

}  // namespace velmora
