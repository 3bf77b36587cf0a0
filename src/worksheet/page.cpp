#include "worksheet/page.h"

#include <cmath>
#include <limits>

namespace velmora {
namespace {

constexpr std::int64_t kColumnShift = 300;
constexpr std::int64_t kColumnHalfDistance = 2500;
constexpr std::int64_t kRowDistance = 5000;
constexpr Twips kFooterRise = 1200;
constexpr Twips kTextMargin = 100;
constexpr Twips kHeadingTop = 200;
constexpr Twips kLineDrop = 240;

// The classroom page: texts start further in than on the standard page, where many printers
// still print; the footer sits lower to leave the stars room.
constexpr Twips kClassroomMargin = 600;
constexpr Twips kClassroomHeadingTop = 300;
constexpr Twips kClassroomNameLineTop = 700;
constexpr Twips kClassroomFooterRise = 700;
// From a star's centre to the left edge of circle 7 and to the end of the longest chord name
// past circle 11; and to the top of the label and the bottom of Chord_4's name.
constexpr std::int64_t kClassroomStarLeft = 2026;
constexpr std::int64_t kClassroomStarRight = 3426;
constexpr std::int64_t kClassroomStarTop = 2086;
constexpr std::int64_t kClassroomStarBottom = 2296;
constexpr std::int64_t kClassroomColumnDistance = 5600;
constexpr std::int64_t kClassroomRowDistance = 4500;
// From circle 7 of the left star to the end of the right star's names.
constexpr std::int64_t kClassroomPairWidth =
    kClassroomColumnDistance + kClassroomStarLeft + kClassroomStarRight;
// Free space below the name line and above the footer.
constexpr std::int64_t kClassroomStarsTop = 1030;
constexpr std::int64_t kClassroomStarsGap = 100;
constexpr std::int64_t kClassroomSideGap = 150;

// The standard star spread by this, in tenths.
constexpr int kClassroomSpread = 14;
constexpr Twips kClassroomRadius = 346;
// From a circle's centre to the top-left corner of its note: a note of three letters stands
// in the middle of the circle.
constexpr Offset kClassroomNoteShift = {-190, -115};

constexpr StarTemplate classroom_star() {
  StarTemplate star{};
  for (int circle = 0; circle < kCircleCount; ++circle) {
    const Offset standard = kStarCircleOffsets[circle];
    star.circles[circle] = {standard.dx * kClassroomSpread / 10,
                            standard.dy * kClassroomSpread / 10};
    star.notes[circle] = {star.circles[circle].dx + kClassroomNoteShift.dx,
                          star.circles[circle].dy + kClassroomNoteShift.dy};
  }
  star.circle_radius = kClassroomRadius;
  star.chord_names = {{{1900, -2086}, {2226, -115}, {1900, 1870}, {80, 2066}}};
  star.label = {-1816, -2086};
  star.key_time = Offset{406, -2086};
  star.chord_lines = true;
  return star;
}

// Half of a positive height, a half going to the even neighbour.
std::int64_t half_to_even(std::int64_t height) {
  const std::int64_t half = height / 2;
  return (height % 2 == 1 && half % 2 == 1) ? half + 1 : half;
}

}  // namespace

const StarTemplate kClassroomStar = classroom_star();

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
  geometry.identification = {kTextMargin, kHeadingTop + kLineDrop};
  geometry.name_line.reset();
  geometry.star = &kStandardStar;
  return {};
}

Status lay_out_classroom_page(PageSize page, PageGeometry& geometry) {
  if (Status status = lay_out_page(page, geometry); !status.ok()) return status;
  constexpr std::int64_t kNarrowest = kClassroomPairWidth + 2 * kClassroomSideGap;
  const std::int64_t top_row = kClassroomStarsTop + kClassroomStarTop;
  const std::int64_t bottom_row =
      page.height - kClassroomFooterRise - kClassroomStarsGap - kClassroomStarBottom;
  if (page.width < kNarrowest || bottom_row - top_row < 2 * kClassroomRowDistance) {
    return Failure{kPageNotLaidOut, "The page is too small for the classroom sheet (" +
                                        std::to_string(page.width) + " x " +
                                        std::to_string(page.height) + " twips)"};
  }
  // The pair of columns, from circle 7 of the left star to the names of the right one, and the
  // three rows stand in the middle of the room they have.
  const std::int64_t left = page.width / 2 - kClassroomPairWidth / 2 + kClassroomStarLeft;
  const std::int64_t middle = (top_row + bottom_row) / 2;
  for (int star = 0; star < kWorksheetStars; ++star) {
    const std::int64_t column = star % 2 == 0 ? 0 : kClassroomColumnDistance;
    const std::int64_t row = (star / 2 - 1) * kClassroomRowDistance;
    geometry.star_centres[star] = {static_cast<Twips>(left + column),
                                   static_cast<Twips>(middle + row)};
  }
  const auto footer_top = static_cast<Twips>(page.height - kClassroomFooterRise);
  geometry.footer = {kClassroomMargin, footer_top};
  geometry.heading = {kClassroomMargin, kClassroomHeadingTop};
  geometry.name_line = TwipPoint{kClassroomMargin, kClassroomNameLineTop};
  geometry.identification = {static_cast<Twips>(page.width / 2), footer_top};
  geometry.star = &kClassroomStar;
  return {};
}

Status lay_out_page(PageSize page, PageStyle style, PageGeometry& geometry) {
  return style == PageStyle::Classroom ? lay_out_classroom_page(page, geometry)
                                       : lay_out_page(page, geometry);
}

std::array<std::array<TwipPoint, 2>, kChordLineCount * kChordTones> chord_line_pieces(
    const StarTemplate& star, TwipPoint centre) {
  std::array<std::array<TwipPoint, 2>, kChordLineCount * kChordTones> pieces{};
  std::size_t piece = 0;
  for (const auto& circles : kChordLineCircles) {
    for (int tone = 0; tone < kChordTones; ++tone) {
      const Offset from = star.circles[circles[tone] - 1];
      // Past the last circle the line goes on in the direction it came from.
      const Offset before = star.circles[circles[tone == kChordTones - 1 ? tone - 1 : tone] - 1];
      const Offset after = tone == kChordTones - 1 ? from : star.circles[circles[tone + 1] - 1];
      const double dx = tone == kChordTones - 1 ? from.dx - before.dx : after.dx - from.dx;
      const double dy = tone == kChordTones - 1 ? from.dy - before.dy : after.dy - from.dy;
      const double length = std::hypot(dx, dy);
      const double end = tone == kChordTones - 1 ? star.circle_radius + kChordLineLead
                                                 : length - star.circle_radius;
      const auto at = [&](double along) {
        return TwipPoint{static_cast<Twips>(centre.x + from.dx + std::lround(dx * along / length)),
                         static_cast<Twips>(centre.y + from.dy + std::lround(dy * along / length))};
      };
      pieces[piece++] = {at(star.circle_radius), at(end)};
    }
  }
  return pieces;
}

}  // namespace velmora
