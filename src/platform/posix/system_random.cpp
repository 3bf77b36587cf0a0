#include "platform/posix/system_random.h"

#include <chrono>

namespace velmora {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15;

std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

}  // namespace

std::uint64_t SystemRandom::clock_ticks() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void SystemRandom::reseed() {
  const std::uint64_t count = ++reseeds_;
  // mix is a bijection, so within one tick distinct counts give distinct states.
  state_ = mix(ticks_() ^ mix(count * kGoldenGamma));
}

float SystemRandom::next() {
  state_ += kGoldenGamma;
  // The top 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24;
  // std::generate_canonical<float> may round up to 1.0.
  return static_cast<float>(mix(state_) >> 40) * 0x1p-24F;
}

}  // namespace velmora
