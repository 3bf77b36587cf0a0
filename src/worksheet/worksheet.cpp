#include "worksheet/worksheet.h"

#include "ports/answer_log_file.h"
#include "ports/clock.h"
#include "ports/printer.h"
#include "ports/window_system.h"
#include "puzzle/draws.h"
#include "theory/chords.h"

namespace velmora {
namespace {

Status print_at(Printer& printer, TwipPoint at, std::string_view text) {
  if (Status status = printer.set_position(at.x, at.y); !status.ok()) return status;
  return printer.print_line(text);
}

Status print_page_text(Printer& printer, TwipPoint at, std::string_view text) {
  if (Status status = printer.set_position(at.x, at.y); !status.ok()) return status;
  if (Status status = printer.set_font_size(kWorksheetFontPoints); !status.ok()) return status;
  return printer.print_line(text);
}

Status draw_star_circles(Printer& printer, const PageGeometry& geometry) {
  const StarTemplate& star = *geometry.star;
  for (const TwipPoint& centre : geometry.star_centres) {
    for (const Offset& offset : star.circles) {
      const TwipPoint at = centre + offset;
      if (Status status = printer.circle(at.x, at.y, star.circle_radius); !status.ok()) {
        return status;
      }
    }
    if (!star.chord_lines) continue;
    for (const auto& [from, to] : chord_line_pieces(star, centre)) {
      if (Status status = printer.line(from, to); !status.ok()) return status;
    }
  }
  return {};
}

Status print_star(const WorksheetRun& run, const StarTemplate& star, int n, TwipPoint centre) {
  const ChordNames chords = Choose_Worksheet_Chords(run.Chord_Types, run.random);
  for (int line = 0; line < kChordLineCount; ++line) {
    const TwipPoint at = centre + star.chord_names[line];
    if (Status status = print_at(run.printer, at, chords[line]); !status.ok()) return status;
  }
  const Board board = spell_star(run, chords);
  if (Status status = Print_Given_Note(run.printer, board.Circle_Notes, centre, run.random,
                                       run.centre_question, star, run.naming);
      !status.ok()) {
    return status;
  }
  const TwipPoint label_at = centre + star.label;
  if (Status status = run.printer.set_position(label_at.x, label_at.y); !status.ok()) {
    return status;
  }
  // One reading of the date for the printed label and the log, so they match even when the
  // star is drawn at midnight.
  const std::string label = star_label(run.clock.short_date(), n);
  if (Status status = Log_Worksheet_Star(label, board, run.answer_log, run.clock); !status.ok()) {
    return status;
  }
  return run.printer.print_line(label);
}

Status print_page(const WorksheetRun& run) {
  Printer& printer = run.printer;
  if (Status status = printer.begin_document(); !status.ok()) return status;
  PageSize page;
  if (Status status = printer.page_size(page); !status.ok()) return status;
  PageGeometry geometry;
  if (Status status = lay_out_page(page, run.style, geometry); !status.ok()) return status;
  if (Status status = print_page_text(printer, geometry.footer, kWorksheetFooter); !status.ok()) {
    return status;
  }
  const std::string_view heading =
      run.style == PageStyle::Classroom ? kClassroomHeading : kWorksheetHeading;
  if (Status status = print_page_text(printer, geometry.heading, heading); !status.ok()) {
    return status;
  }
  if (geometry.name_line) {
    if (Status status = print_page_text(printer, *geometry.name_line, kClassroomNameLine);
        !status.ok()) {
      return status;
    }
  }
  if (!run.identification.empty()) {
    if (Status status = print_page_text(printer, geometry.identification, run.identification);
        !status.ok()) {
      return status;
    }
  }
  if (Status status = draw_star_circles(printer, geometry); !status.ok()) return status;
  if (Status status = run.answer_log.begin_run(); !status.ok()) return status;
  for (int star = 1; star <= kWorksheetStars; ++star) {
    if (Status status = print_star(run, *geometry.star, star, geometry.star_centres[star - 1]);
        !status.ok()) {
      return status;
    }
  }
  return printer.end_document();
}

}  // namespace

void Print_Worksheet(const WorksheetRun& run) {
  const Status status = print_page(run);
  if (status.ok()) {
    run.answer_log.keep_run();
    return;
  }
  // The blocks describe a sheet that was never produced. The log is let go before the message
  // box, which may stay open for long.
  run.answer_log.drop_run();
  run.printer.abort_document();
  run.windows.show_message(
      {worksheet_failure_message(status.failure()), Buttons::Ok, Icon::Critical});
}

Board spell_star(const WorksheetRun& run, const ChordNames& chords) {
  Board board{{}, chords};
  do {
    circle_note(board.Circle_Notes, kCentreCircle) = Draw_Key(run.Key_Names, run.random);
    for (int line : Spell_Chord_Lines(board.chords, board.Circle_Notes)) {
      run.windows.show_message({unknown_chord_message(line)});
    }
  } while (!run.advanced && Reject_Long_Notes(board.Circle_Notes));
  return board;
}

std::string Pad_Short_Notes(const std::optional<NoteName>& note) {
  return note ? note->worksheet_form() : std::string();
}

Status Print_Given_Note(Printer& printer, const CircleNotes& Circle_Notes, TwipPoint centre,
                        Random& random, bool centre_question, const StarTemplate& star,
                        NoteNaming naming) {
  const int circle = draw_given_circle(random, centre_question);
  const std::optional<NoteName>& note = circle_note(Circle_Notes, circle);
  std::string shown = Pad_Short_Notes(note);
  if (note && naming != NoteNaming::Letters) {
    const std::string name = display_name(*note, naming);
    // Short names stand after a blank, as the letters do.
    shown = name.size() == 1 ? std::string{' ', name[0]} : name;
  }
  return print_at(printer, centre + star.notes[circle - 1], shown);
}

std::string sheet_identification(int sheet, int sheets, std::uint64_t seed) {
  return "Sheet " + std::to_string(sheet) + " of " + std::to_string(sheets) + " \u00b7 seed " +
         std::to_string(seed);
}

std::string star_label(std::string_view date, int n) {
  return std::string(date) + "-" + std::to_string(n);
}

Status Log_Worksheet_Star(std::string_view star_label, const Board& board,
                          AnswerLogFile& answer_log, Clock& clock) {
  answer_log.close_all();
  if (Status status = answer_log.open_append(); !status.ok()) return status;
  for (int line = 0; line < kChordLineCount; ++line) {
    std::string record = std::string(star_label) + clock.time_with_seconds() + board.chords[line];
    for (const int circle : kChordLineCircles[line]) {
      record += Pad_Short_Notes(circle_note(board.Circle_Notes, circle));
    }
    if (Status status = answer_log.write_line(record); !status.ok()) return status;
  }
  if (Status status = answer_log.write_line(""); !status.ok()) return status;
  return answer_log.close();
}

std::string worksheet_failure_message(const Failure& failure) {
  return std::string(kWorksheetFailureText) + failure.description + " " +
         std::to_string(failure.number);
}

}  // namespace velmora
