#include "worksheet/answer_key.h"

#include "worksheet/worksheet.h"

namespace velmora {
namespace {

PageMark text_at(TwipPoint at, std::string text) {
  return {PageMark::Kind::Text, at, kWorksheetFontPoints, std::move(text)};
}

void add_star(const LoggedStar& star, const StarTemplate& drawn, TwipPoint centre,
              MarkedPage& page) {
  for (const Offset& offset : drawn.circles) {
    page.push_back({PageMark::Kind::Circle, centre + offset, drawn.circle_radius, {}});
  }
  if (drawn.chord_lines) {
    for (const auto& [from, to] : chord_line_pieces(drawn, centre)) {
      page.push_back({PageMark::Kind::Line, from, 0, {}, to});
    }
  }
  for (int line = 0; line < kChordLineCount; ++line) {
    page.push_back(text_at(centre + drawn.chord_names[line], star.board.chords[line]));
  }
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const std::optional<NoteName>& note = circle_note(star.board.Circle_Notes, circle);
    if (note) page.push_back(text_at(centre + drawn.notes[circle - 1], note->worksheet_form()));
  }
  if (drawn.key_time) {
    page.push_back(text_at(centre + drawn.label, star_label(star.date, star.star)));
    page.push_back(text_at(centre + *drawn.key_time, star.time));
  } else {
    page.push_back(text_at(centre + drawn.label, key_star_label(star)));
  }
}

}  // namespace

std::string key_star_label(const LoggedStar& star) {
  return star.date + "-" + std::to_string(star.star) + " " + star.time;
}

Status AnswerKeyLayout::add(const LoggedStar& star) {
  if (star.star <= last_placed_) {
    if (pages_ > 0) {
      if (Status status = page_done_(page_); !status.ok()) return status;
    }
    begin_page();
  }
  add_star(star, *geometry_.star, geometry_.star_centres[star.star - 1], page_);
  last_placed_ = star.star;
  return {};
}

Status AnswerKeyLayout::finish() {
  if (pages_ == 0) return {};
  return page_done_(page_);
}

void AnswerKeyLayout::begin_page() {
  ++pages_;
  page_.clear();
  page_.push_back(text_at(geometry_.heading, std::string(kAnswerKeyHeading)));
  if (batch_) {
    page_.push_back(text_at(geometry_.identification,
                            sheet_identification(pages_, batch_->sheets, batch_->seed)));
  }
  page_.push_back(text_at(geometry_.footer, std::string(kAnswerKeyFooter)));
}

}  // namespace velmora
