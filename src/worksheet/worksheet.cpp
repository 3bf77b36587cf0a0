#include "worksheet/worksheet.h"

#include "ports/answer_log_file.h"
#include "ports/clock.h"
#include "ports/printer.h"
#include "ports/window_system.h"
#include "puzzle/draws.h"
#include "theory/chords.h"

namespace velmora {
namespace {

Status Print_At(Printer& printer, TwipPoint at, std::string_view text) {
  if (Status status = printer.set_position(at.x, at.y); !status.ok()) return status;
  return printer.print_line(text);
}

Status Print_Page_Text(Printer& printer, TwipPoint at, std::string_view text) {
  if (Status status = printer.set_position(at.x, at.y); !status.ok()) return status;
  if (Status status = printer.set_font_size(kWorksheetFontPoints); !status.ok()) return status;
  return printer.print_line(text);
}

Status Draw_Star_Circles(Printer& printer, const PageGeometry& geometry) {
  for (const TwipPoint& centre : geometry.star_centres) {
    for (const Offset& offset : kStarCircleOffsets) {
      const TwipPoint at = centre + offset;
      if (Status status = printer.circle(at.x, at.y, kStarCircleRadius); !status.ok()) {
        return status;
      }
    }
  }
  return {};
}

// Redraws the key, with the star's chord types fixed, until every note fits three characters.
void Spell_Star(const WorksheetRun& run) {
  Board& board = run.board;
  board.Regenerate = true;
  while (board.Regenerate) {
    board.Regenerate = false;
    Draw_Key(board, run.key_tables.Key_Names, run.random);
    circle_note(board.Circle_Notes, kCentreCircle) = board.Drawn_Key;
    Spell_Chord_Lines(run.key_tables, board.Chords, board.Circle_Notes, board.Tone_Index,
                      run.windows);
    Reject_Long_Notes(board);
  }
  Pad_Short_Notes(board.Circle_Notes);
}

Status Print_Star(const WorksheetRun& run, int n, TwipPoint centre) {
  Choose_Worksheet_Chords(run.board, run.Chord_Types, run.random);
  for (int line = 0; line < kChordLineCount; ++line) {
    const TwipPoint at = centre + kChordNameOffsets[line];
    if (Status status = Print_At(run.printer, at, run.board.Chords[line]); !status.ok()) {
      return status;
    }
  }
  Spell_Star(run);
  if (Status status = Print_Given_Note(run.printer, run.board.Circle_Notes, centre, run.random,
                                       run.centre_question);
      !status.ok()) {
    return status;
  }
  const TwipPoint label_at = centre + kStarLabelOffset;
  if (Status status = run.printer.set_position(label_at.x, label_at.y); !status.ok()) {
    return status;
  }
  // One reading of the date for the printed label and the log, so they match even when the
  // star is drawn at midnight.
  const std::string label = Star_Label(run.clock.short_date(), n);
  if (Status status = Log_Worksheet_Star(label, run.board, run.answer_log, run.clock);
      !status.ok()) {
    return status;
  }
  return run.printer.print_line(label);
}

Status Print_Page(const WorksheetRun& run) {
  Printer& printer = run.printer;
  if (Status status = printer.begin_document(); !status.ok()) return status;
  PageSize page;
  if (Status status = printer.page_size(page); !status.ok()) return status;
  PageGeometry geometry;
  if (Status status = Lay_Out_Page(page, geometry); !status.ok()) return status;
  if (Status status = Print_Page_Text(printer, geometry.footer, kWorksheetFooter); !status.ok()) {
    return status;
  }
  if (Status status = Print_Page_Text(printer, geometry.heading, kWorksheetHeading); !status.ok()) {
    return status;
  }
  if (Status status = Draw_Star_Circles(printer, geometry); !status.ok()) return status;
  if (Status status = run.answer_log.begin_run(); !status.ok()) return status;
  for (int star = 1; star <= kWorksheetStars; ++star) {
    if (Status status = Print_Star(run, star, geometry.star_centres[star - 1]); !status.ok()) {
      return status;
    }
  }
  return printer.end_document();
}

}  // namespace

void Print_Worksheet(const WorksheetRun& run) {
  const Status status = Print_Page(run);
  if (status.ok()) {
    run.answer_log.keep_run();
    return;
  }
  // The blocks describe a sheet that was never produced. The log is let go before the message
  // box, which may stay open for long.
  run.answer_log.drop_run();
  run.printer.abort_document();
  run.windows.show_message(
      {Worksheet_Failure_Message(status.failure()), Buttons::Ok, Icon::Critical});
}

void Choose_Worksheet_Chords(Board& board, const FramedList& Chord_Types, Random& random) {
  Draw_Distinct_Chord_Types(board, Chord_Types, random);
}

void Pad_Short_Notes(CircleNotes& Circle_Notes) {
  for (std::string& note : Circle_Notes) {
    if (note.size() == 1) note.insert(note.begin(), ' ');
  }
}

Status Print_Given_Note(Printer& printer, const CircleNotes& Circle_Notes, TwipPoint centre,
                        Random& random, bool centre_question) {
  const int circle = Draw_Given_Circle(random, centre_question);
  return Print_At(printer, centre + kGivenNoteOffsets[circle - 1],
                  circle_note(Circle_Notes, circle));
}

std::string Star_Label(std::string_view date, int n) {
  return std::string(date) + "-" + std::to_string(n);
}

Status Log_Worksheet_Star(std::string_view star_label, const Board& board,
                          AnswerLogFile& answer_log, Clock& clock) {
  answer_log.close_all();
  if (Status status = answer_log.open_append(); !status.ok()) return status;
  for (int line = 0; line < kChordLineCount; ++line) {
    std::string record = std::string(star_label) + clock.time_with_seconds() + board.Chords[line];
    for (const int circle : kChordLineCircles[line]) {
      record += circle_note(board.Circle_Notes, circle);
    }
    if (Status status = answer_log.write_line(record); !status.ok()) return status;
  }
  if (Status status = answer_log.write_line(""); !status.ok()) return status;
  return answer_log.close();
}

std::string Worksheet_Failure_Message(const Failure& failure) {
  return std::string(kWorksheetFailureText) + failure.description + " " +
         std::to_string(failure.number);
}

}  // namespace velmora
