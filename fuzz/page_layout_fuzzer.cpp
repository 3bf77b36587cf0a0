// The worksheet page laid out on paper of any size the platform may report: 16 bytes, the
// width and the height in twips as two 64-bit numbers.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "fuzz_input.h"
#include "page_failures.h"
#include "worksheet/page.h"

namespace velmora::fuzz {
namespace {

// The point at an offset from a star's centre, as the worksheet draws it, must be the exact
// sum: a wrapped-around position would put the circle elsewhere on the page.
void check_sum(TwipPoint centre, Offset offset) {
  const TwipPoint at = centre + offset;
  FUZZ_CHECK(at.x == std::int64_t{centre.x} + offset.dx);
  FUZZ_CHECK(at.y == std::int64_t{centre.y} + offset.dy);
}

void check_layout(PageSize page) {
  PageGeometry geometry;
  const Status status = lay_out_page(page, geometry);
  if (const std::optional<Failure> refused = expected_layout_failure(page)) {
    FUZZ_CHECK(!status.ok() && status.failure() == *refused);
    return;
  }
  FUZZ_CHECK(status.ok());

  // Three rows of two stars, 5000 twips apart; the columns stand either side of 300 twips
  // left of the middle, the middle row on half the height, a half rounded to even.
  const auto& centres = geometry.star_centres;
  const std::int64_t left = centres[0].x;
  const std::int64_t middle_row = centres[2].y;
  FUZZ_CHECK(left + 2500 == page.width / 2 - 300);
  FUZZ_CHECK(2 * middle_row - page.height >= -1 && 2 * middle_row - page.height <= 1);
  if (page.height % 2 == 1) FUZZ_CHECK(middle_row % 2 == 0);
  for (int star = 0; star < kWorksheetStars; ++star) {
    FUZZ_CHECK(centres[star].x == left + star % 2 * 5000);
    FUZZ_CHECK(centres[star].y == middle_row + (star / 2 - 1) * 5000);
    for (const Offset& offset : kStarCircleOffsets) check_sum(centres[star], offset);
    for (const Offset& offset : kGivenNoteOffsets) check_sum(centres[star], offset);
    for (const Offset& offset : kChordNameOffsets) check_sum(centres[star], offset);
    check_sum(centres[star], kStarLabelOffset);
  }
  FUZZ_CHECK(geometry.footer == (TwipPoint{100, static_cast<Twips>(page.height - 1200)}));
  FUZZ_CHECK(geometry.heading == (TwipPoint{100, 200}));
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::FuzzInput input(data, size);
  const auto width = static_cast<std::int64_t>(input.u64());
  const auto height = static_cast<std::int64_t>(input.u64());
  velmora::fuzz::check_layout({width, height});
  return 0;
}
