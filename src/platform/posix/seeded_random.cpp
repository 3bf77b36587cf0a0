#include "platform/posix/seeded_random.h"

#include <random>

#include "platform/posix/split_mix.h"
#include "platform/posix/system_random.h"

namespace velmora {

std::uint64_t SeededRandom::fresh_seed() {
  std::random_device entropy;
  return split_mix::mix((static_cast<std::uint64_t>(entropy()) << 32 | entropy()) ^
                        SystemRandom::clock_ticks());
}

void SeededRandom::reseed() { state_ = split_mix::reseeded(seed_, ++reseeds_); }

float SeededRandom::next() { return split_mix::next_unit(state_); }

}  // namespace velmora
