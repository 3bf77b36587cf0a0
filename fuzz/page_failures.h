#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "ports/printer.h"
#include "ports/status.h"

namespace velmora::fuzz {

// Why the worksheet must refuse to lay out this page, if it must: no size, or a side beyond
// what a printer position can address.
inline std::optional<Failure> expected_layout_failure(PageSize page) {
  const std::string size =
      std::to_string(page.width) + " x " + std::to_string(page.height) + " twips";
  if (page.width <= 0 || page.height <= 0) {
    return Failure{2, "The printer reports a page without size (" + size + ")"};
  }
  constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
  if (page.width > kLargest || page.height > kLargest) {
    return Failure{2, "The page is too large to lay out the worksheet (" + size + ")"};
  }
  return std::nullopt;
}

}  // namespace velmora::fuzz
