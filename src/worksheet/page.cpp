#include "worksheet/page.h"

#include <limits>

namespace velmora {
namespace {

constexpr std::int64_t kColumnShift = 300;
constexpr std::int64_t kColumnHalfDistance = 2500;
constexpr std::int64_t kRowDistance = 5000;
constexpr Twips kFooterRise = 1200;
constexpr Twips kTextMargin = 100;
constexpr Twips kHeadingTop = 200;

// Half of a positive height, a half going to the even neighbour.
std::int64_t half_to_even(std::int64_t height) {
  const std::int64_t half = height / 2;
  return (height % 2 == 1 && half % 2 == 1) ? half + 1 : half;
}

}  // namespace

Status lay_out_page(PageSize page, PageGeometry& geometry) {
  const std::string size =
      std::to_string(page.width) + " x " + std::to_string(page.height) + " twips";
  if (page.width <= 0 || page.height <= 0) {
    return Failure{kPageNotLaidOut, "The printer reports a page without size (" + size + ")"};
  }
  // Every position lies within the page or a few thousand twips around its middle, so all
  // of them fit a printer position exactly when both sides do.
  constexpr std::int64_t kLargestSide = std::numeric_limits<Twips>::max();
  if (page.width > kLargestSide || page.height > kLargestSide) {
    return Failure{kPageNotLaidOut,
                   "The page is too large to lay out the worksheet (" + size + ")"};
  }
  const std::int64_t column_base = page.width / 2 - kColumnShift;
  const std::int64_t row_base = half_to_even(page.height);
  for (int star = 0; star < kWorksheetStars; ++star) {
    const std::int64_t column = star % 2 == 0 ? -kColumnHalfDistance : kColumnHalfDistance;
    const std::int64_t row = (star / 2 - 1) * kRowDistance;
    geometry.star_centres[star] = {static_cast<Twips>(column_base + column),
                                   static_cast<Twips>(row_base + row)};
  }
  geometry.footer = {kTextMargin, static_cast<Twips>(page.height - kFooterRise)};
  geometry.heading = {kTextMargin, kHeadingTop};
  return {};
}

}  // namespace velmora
