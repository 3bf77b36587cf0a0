#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/answer_log_file.h"
#include "ports/status.h"
#include "theory/note_naming.h"
#include "theory/notes.h"
#include "worksheet/page.h"

namespace velmora {

class Clock;
class Printer;
class Random;

inline constexpr int kLargestBatch = 100;

// What a batch of worksheets draws from, where each sheet goes and what runs once all sheets
// are done, while the log is still the batch's own.
struct WorksheetBatch {
  int sheets = 1;
  const FramedList& Key_Names;
  const FramedList& Chord_Types;
  AnswerLogFile& answer_log;
  Random& random;
  Clock& clock;
  // The printer of sheet n (1..sheets); each sheet is a document of its own.
  std::function<Printer&(int sheet)> printer_for;
  // Given the lines the batch logged; a failure here drops the batch's blocks all the same.
  std::function<Status(const std::vector<std::string>& logged)> finish;
  bool centre_question = false;
  bool advanced = false;
  PageStyle style = PageStyle::Standard;
  // The seed the batch is drawn from; each sheet prints which of the batch it is with it.
  std::optional<std::uint64_t> seed = {};
  // The names the sheets give their notes in; the log keeps the letters.
  NoteNaming naming = NoteNaming::Letters;
};

// Prints the sheets one after the other as the window's worksheet run does, on the same draws,
// page and log records. The log is held from the first sheet to the end of `finish`, so another
// program's blocks never come between the batch's; the blocks are written once every sheet is
// made, before `finish`, and any failure removes them all again: a batch lands in the log whole
// or not at all. A sheet's failure names the sheet it stopped at.
Status run_worksheet_batch(const WorksheetBatch& batch);

}  // namespace velmora
