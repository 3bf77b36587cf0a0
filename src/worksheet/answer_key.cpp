#include "worksheet/answer_key.h"

namespace velmora {
namespace {

// The seed stands one line below the heading.
constexpr Twips kSeedLineDrop = 240;

PageMark text_at(TwipPoint at, std::string text) {
  return {PageMark::Kind::Text, at, kWorksheetFontPoints, std::move(text)};
}

void add_star(const LoggedStar& star, TwipPoint centre, MarkedPage& page) {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    page.push_back(
        {PageMark::Kind::Circle, centre + kStarCircleOffsets[circle - 1], kStarCircleRadius, {}});
  }
  for (int line = 0; line < kChordLineCount; ++line) {
    page.push_back(text_at(centre + kChordNameOffsets[line], star.board.chords[line]));
  }
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const std::optional<NoteName>& note = circle_note(star.board.Circle_Notes, circle);
    if (note)
      page.push_back(text_at(centre + kGivenNoteOffsets[circle - 1], note->worksheet_form()));
  }
  page.push_back(text_at(centre + kStarLabelOffset, key_star_label(star)));
}

}  // namespace

std::string key_star_label(const LoggedStar& star) {
  return star.date + "-" + std::to_string(star.star) + " " + star.time;
}

Status lay_out_answer_key(const std::vector<LoggedStar>& stars, PageSize page,
                          std::optional<std::uint64_t> seed, std::vector<MarkedPage>& pages) {
  PageGeometry geometry;
  if (Status status = lay_out_page(page, geometry); !status.ok()) return status;
  pages.clear();
  int last_placed = kWorksheetStars;
  for (const LoggedStar& star : stars) {
    if (star.star <= last_placed) {
      MarkedPage& fresh = pages.emplace_back();
      fresh.push_back(text_at(geometry.heading, std::string(kAnswerKeyHeading)));
      if (seed) {
        fresh.push_back(text_at({geometry.heading.x, geometry.heading.y + kSeedLineDrop},
                                "Seed " + std::to_string(*seed)));
      }
      fresh.push_back(text_at(geometry.footer, std::string(kAnswerKeyFooter)));
    }
    add_star(star, geometry.star_centres[star.star - 1], pages.back());
    last_placed = star.star;
  }
  return {};
}

}  // namespace velmora
