#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/printer.h"
#include "ports/status.h"
#include "worksheet/answer_log_reader.h"
#include "worksheet/page.h"

namespace velmora {

inline constexpr std::string_view kAnswerKeyHeading =
    "Answer key: every chord reads from its far end towards its name.";
inline constexpr std::string_view kAnswerKeyFooter = "Answer key created by Velmora";

// Something to draw on a page: a text with its top-left corner at `at` in `size` points, or a
// circle outline around `at` of radius `size` twips.
struct PageMark {
  enum class Kind { Text, Circle };
  Kind kind = Kind::Text;
  TwipPoint at{};
  int size = 0;
  std::string text;

  bool operator==(const PageMark&) const = default;
};

using MarkedPage = std::vector<PageMark>;

// "12/06/26-1 18:02:06": the label the sheet shows above the star, and the time that tells two
// sheets of one day apart.
std::string key_star_label(const LoggedStar& star);

// One page per printed sheet: each star stands where it stood on its sheet, with all 17 notes
// in their circles and the chord names at their lines. A star whose place on the page is taken
// already, or comes before the last one placed, starts a new page. The seed, when there is one,
// is printed under the heading.
Status lay_out_answer_key(const std::vector<LoggedStar>& stars, PageSize page,
                          std::optional<std::uint64_t> seed, std::vector<MarkedPage>& pages);

}  // namespace velmora
