#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ports/printer.h"
#include "ports/status.h"
#include "puzzle/board.h"

namespace velmora {

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

// The window's page, or the classroom page: a line for the pupil's name, class and date, the
// chord lines drawn between the circles, circles wide enough for a handwritten "Gbb", and an
// instruction that names the diagonal lines.
enum class PageStyle { Standard, Classroom };

inline constexpr std::string_view kClassroomHeading =
    "Spell each chord along its line towards its name: across, down and on both diagonal lines.";
inline constexpr std::string_view kClassroomNameLine =
    "Name: ____________________   Class: ________   Date: ______________";

// A star as a page style draws it; every place is from the star's centre.
struct StarTemplate {
  std::array<Offset, kCircleCount> circles;
  Twips circle_radius;
  // Where a circle's note begins (its top-left corner).
  std::array<Offset, kCircleCount> notes;
  std::array<Offset, kChordLineCount> chord_names;
  Offset label;
  // Where the answer key prints the time of the star's block when it does not follow the label
  // on its line, which would run into circle 2.
  std::optional<Offset> key_time;
  // Draws each chord line between its circles and a short way past its last one, toward the
  // chord's name.
  bool chord_lines;
};

inline constexpr StarTemplate kStandardStar = {kStarCircleOffsets, kStarCircleRadius,
                                               kGivenNoteOffsets, kChordNameOffsets,
                                               kStarLabelOffset,  std::nullopt,
                                               false};

// The standard star spread by 1.4 with circles 12.2 mm across; the chord names sit close past
// the lines' ends and the label above circle 1, so three rows fit on US Letter.
extern const StarTemplate kClassroomStar;

// How far a drawn chord line goes on past its last circle.
inline constexpr Twips kChordLineLead = 150;

// Where everything on the page goes, in stars' reading order: left/top, right/top, ...
struct PageGeometry {
  std::array<TwipPoint, kWorksheetStars> star_centres{};
  TwipPoint footer{};
  TwipPoint heading{};
  // Where a sheet of a batch says which one it is.
  TwipPoint identification{};
  // The line for the pupil's name, class and date: the classroom page's alone.
  std::optional<TwipPoint> name_line;
  const StarTemplate* star = &kStandardStar;
};

inline TwipPoint operator+(TwipPoint at, Offset offset) {
  return {at.x + offset.dx, at.y + offset.dy};
}

// Lays the page out without wrap-around; a page too large for printer positions, or one
// without size, is a failure rather than a wrong page.
Status lay_out_page(PageSize page, PageGeometry& geometry);
// The classroom page; a paper too small for its three rows of large stars is a failure.
Status lay_out_classroom_page(PageSize page, PageGeometry& geometry);
Status lay_out_page(PageSize page, PageStyle style, PageGeometry& geometry);

// The pieces of a star's drawn chord lines: from circle edge to circle edge, and from the last
// circle's edge on past it.
std::array<std::array<TwipPoint, 2>, kChordLineCount * kChordTones> chord_line_pieces(
    const StarTemplate& star, TwipPoint centre);

}  // namespace velmora
