#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/status.h"
#include "puzzle/board.h"
#include "theory/note_naming.h"
#include "theory/notes.h"
#include "worksheet/page.h"

namespace velmora {

class AnswerLogFile;
class Clock;
class Printer;
class Random;
class WindowSystem;

inline constexpr std::string_view kWorksheetQuestion =
    "This action will create some work sheets on your printer";
inline constexpr std::string_view kWorksheetQuestionTitle = "Create Worksheet?";
inline constexpr std::string_view kWorksheetFailureText =
    "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) ";

// What a worksheet run draws from and the platform it prints and logs through.
struct WorksheetRun {
  const FramedList& Key_Names;
  const FramedList& Chord_Types;
  bool centre_question;
  Printer& printer;
  AnswerLogFile& answer_log;
  Random& random;
  Clock& clock;
  WindowSystem& windows;
  PageStyle style = PageStyle::Standard;
  // Lets notes longer than three characters ("Bbbb", "F###") onto the sheet, as "Advanced" does
  // for the window's puzzles; the window's sheets never have them.
  bool advanced = false;
  // Which sheet of a batch this is, printed on the page; empty on a sheet of its own.
  std::string identification = {};
  // The names the given notes are printed in; the log keeps the program's letters.
  NoteNaming naming = NoteNaming::Letters;
};

// "Sheet 3 of 30 · seed 4711": what tells the sheets of a batch, and their key pages, apart.
std::string sheet_identification(int sheet, int sheets, std::uint64_t seed);

// Prints the page of six stars and logs every star before the next one is generated. Any
// failure stops the run, removes the run's blocks from the log again, aborts the print job and
// shows the failure message.
void Print_Worksheet(const WorksheetRun& run);

// The key is redrawn, with the star's chord types fixed, until every note fits three
// characters unless the run is advanced; a line whose chord type is outside the catalogue is
// reported and left as it was.
Board spell_star(const WorksheetRun& run, const ChordNames& chords);

// A circle's note as the sheet prints it and the log records it: one-letter notes after a
// blank (" C"), longer notes as they are, nothing for no note.
std::string Pad_Short_Notes(const std::optional<NoteName>& note);

// The given note printed as the sheet's form has it, in the learner's names ("Es", " H").
Status Print_Given_Note(Printer& printer, const CircleNotes& Circle_Notes, TwipPoint centre,
                        Random& random, bool centre_question,
                        const StarTemplate& star, NoteNaming naming = NoteNaming::Letters);

// The star's label above it and at the start of each of its log records: "<date>-<n>".
std::string star_label(std::string_view date, int n);

// Appends a star's block to the log: four answer records opening with the star's label, and an
// empty line; then closes the log, so the block is on disk before the next star is drawn.
Status Log_Worksheet_Star(std::string_view star_label, const Board& board,
                          AnswerLogFile& answer_log, Clock& clock);

std::string worksheet_failure_message(const Failure& failure);

}  // namespace velmora
