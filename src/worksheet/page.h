#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ports/printer.h"
#include "ports/status.h"
#include "puzzle/board.h"

namespace velmora {

struct TwipPoint {
  Twips x;
  Twips y;

  bool operator==(const TwipPoint&) const = default;
};

inline constexpr int kWorksheetStars = 6;
inline constexpr int kWorksheetFontPoints = 10;
inline constexpr Twips kStarCircleRadius = 300;

inline constexpr std::string_view kWorksheetFooter = "Worksheet created by Velmora";
inline constexpr std::string_view kWorksheetHeading =
    "Work your way tru these chords in left/right or up/down direction.";

// Where a circle's given note begins (its top-left corner), from the star centre.
// clang-format off
inline constexpr std::array<Offset, kCircleCount> kGivenNoteOffsets = {{
    {-1250, -1200}, {-250, -1300}, {850, -1200}, {-850, -675}, {-250, -675}, {400, -675},
    {-1400, -100}, {-850, -100}, {-250, -100}, {400, -100}, {950, -100},
    {-850, 500}, {-250, 500}, {400, 500}, {-1250, 950}, {-250, 1100}, {850, 950},
}};
// clang-format on

// Chord_1 .. Chord_4 beyond the name end of their chord lines: past circles 3, 11, 17 and 16.
inline constexpr std::array<Offset, kChordLineCount> kChordNameOffsets = {{
    {1500, -1500},
    {1600, -100},
    {1500, 1500},
    {-350, 1600},
}};

inline constexpr Offset kStarLabelOffset = {-500, -1800};

// Where everything on the page goes, in stars' reading order: left/top, right/top, ...
struct PageGeometry {
  std::array<TwipPoint, kWorksheetStars> star_centres{};
  TwipPoint footer{};
  TwipPoint heading{};
};

inline TwipPoint operator+(TwipPoint at, Offset offset) {
  return {at.x + offset.dx, at.y + offset.dy};
}

// Lays the page out without wrap-around; a page too large for printer positions, or one
// without size, is a failure rather than a wrong page.
Status lay_out_page(PageSize page, PageGeometry& geometry);

}  // namespace velmora
