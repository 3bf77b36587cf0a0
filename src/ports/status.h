#pragma once

#include <optional>
#include <string>
#include <utility>

namespace velmora {

// The numbers a worksheet run's failures carry; the failure message shows them in decimal.
inline constexpr int kCanceledByUser = 1;
inline constexpr int kPageNotLaidOut = 2;
inline constexpr int kPrinterFailed = 3;
inline constexpr int kLogNotOpened = 4;
inline constexpr int kLogNotWritten = 5;

struct Failure {
  int number = 0;
  std::string description;

  bool operator==(const Failure&) const = default;
};

// What a printer or answer-log operation comes back with: success, or the failure that stops
// the worksheet run.
class [[nodiscard]] Status {
 public:
  Status() = default;
  // Implicit, so an operation can simply `return Failure{...};`.
  Status(Failure failure) : failure_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return !failure_.has_value(); }
  const Failure& failure() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};

}  // namespace velmora
