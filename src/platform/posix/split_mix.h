#pragma once

#include <cstdint>

namespace velmora::split_mix {

inline constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15;

inline std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

// The state a re-seed starts from. mix is a bijection, so for one start distinct counts give
// distinct states: two re-seeds within one clock tick, or of one seed, start different sequences.
inline std::uint64_t reseeded(std::uint64_t start, std::uint64_t count) {
  return mix(start ^ mix(count * kGoldenGamma));
}

// Uniform in [0, 1). The top 24 bits fill a float's mantissa exactly, so the largest value is
// 1 - 2^-24; std::generate_canonical<float> may round up to 1.0.
inline float next_unit(std::uint64_t& state) {
  state += kGoldenGamma;
  return static_cast<float>(mix(state) >> 40) * 0x1p-24F;
}

}  // namespace velmora::split_mix
