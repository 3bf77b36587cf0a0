#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

namespace velmora::fuzz {

// The fuzzer's bytes read front to back, numbers least significant byte first. Past the end
// every read gives zeros, so any input is a complete script and short seeds stay readable.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  std::uint8_t byte() { return static_cast<std::uint8_t>(unsigned_value(1)); }
  std::uint16_t u16() { return static_cast<std::uint16_t>(unsigned_value(2)); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(unsigned_value(4)); }
  std::uint64_t u64() { return unsigned_value(8); }

  // At most `count` bytes: fewer when the input ends first.
  std::span<const std::uint8_t> bytes(std::size_t count) {
    const std::span<const std::uint8_t> taken = bytes_.first(std::min(count, bytes_.size()));
    bytes_ = bytes_.subspan(taken.size());
    return taken;
  }
  // A text of up to 255 bytes, its length in the byte before it.
  std::string text() {
    const std::span<const std::uint8_t> taken = bytes(byte());
    return {taken.begin(), taken.end()};
  }
  bool empty() const { return bytes_.empty(); }

 private:
  std::uint64_t unsigned_value(std::size_t width) {
    std::uint64_t value = 0;
    const std::span<const std::uint8_t> taken = bytes(width);
    for (std::size_t i = taken.size(); i-- > 0;) value = (value << 8) | taken[i];
    return value;
  }

  std::span<const std::uint8_t> bytes_;
};

[[noreturn]] inline void fail_check(const char* property, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
  std::abort();
}

}  // namespace velmora::fuzz

// Stops the run where a property fails, so libFuzzer keeps the input that broke it. A macro for
// the condition's text and place: clang 14 has no std::source_location.
#define FUZZ_CHECK(condition) \
  ((condition) ? void() : ::velmora::fuzz::fail_check(#condition, __FILE__, __LINE__))
