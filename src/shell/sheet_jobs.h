#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/file_answer_log.h"
#include "theory/note_naming.h"
#include "worksheet/page.h"

namespace velmora {

class Clock;

// A run without the window: an answer key from a log, or a batch of worksheets with theirs.
struct SheetJob {
  enum class Kind { AnswerKey, Worksheets };
  Kind kind = Kind::AnswerKey;
  // The log an answer key is read from, and the one a batch appends to.
  std::filesystem::path log{kAnswerLogName};
  // The answer key's PDF, or the folder of a batch.
  std::filesystem::path output;
  int sheets = 0;
  std::optional<std::uint64_t> seed;
  std::optional<QPageSize::PageSizeId> paper;
  // The batch's draws as the window's controls would make them.
  bool expert = true;
  bool advanced = false;
  bool centre_question = false;
  PageStyle style = PageStyle::Standard;
  // The names the sheets give their notes in.
  NoteNaming naming = NoteNaming::Letters;
};

// The sheet options as the command line gave them; unset when not given.
struct SheetJobArguments {
  bool answer_key = false;
  QStringList positional;
  std::optional<QString> worksheets;
  std::optional<QString> output;
  std::optional<QString> seed;
  std::optional<QString> paper;
  std::optional<QString> level;
  bool advanced = false;
  bool centre_question = false;
  bool classroom = false;
};

// The job the arguments ask for, none when they ask for none; `mistake` says what is wrong
// with arguments that make no job.
std::optional<SheetJob> read_sheet_job(const SheetJobArguments& given, QString& mistake);

struct JobOutcome {
  int exit_status = 0;
  std::string out;
  std::string error;
};

// Runs the job; needs a Qt application for the fonts. A failure leaves nothing of the job
// behind: no file of its own, no block of its own in the log, and no log it created. A batch
// into a folder that holds an earlier batch's sheets or key is refused before it begins.
JobOutcome run_sheet_job(const SheetJob& job, Clock& clock);

}  // namespace velmora
