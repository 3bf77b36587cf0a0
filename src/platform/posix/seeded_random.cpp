#include "platform/posix/seeded_random.h"

#include <chrono>
#include <random>

namespace velmora {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15;

std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

}  // namespace

std::uint64_t SeededRandom::fresh_seed() {
  std::random_device entropy;
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return mix((static_cast<std::uint64_t>(entropy()) << 32 | entropy()) ^ ticks);
}

void SeededRandom::reseed() {
  // mix is a bijection, so every re-seed of one seed starts a different sequence.
  state_ = mix(seed_ ^ mix(++reseeds_ * kGoldenGamma));
}

float SeededRandom::next() {
  state_ += kGoldenGamma;
  // The top 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24.
  return static_cast<float>(mix(state_) >> 40) * 0x1p-24F;
}

}  // namespace velmora
