#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/sheet_jobs.h"
#include "theory/note_naming.h"

namespace velmora {

// What the command line asks of this run.
struct Options {
  bool splash = true;
  // The soundfont for the built-in synthesizer; empty for the system's default one.
  std::filesystem::path soundfont;
  // An answer key or a batch of worksheets to make instead of opening the window.
  std::optional<SheetJob> sheet_job;
  // Where the practice history is kept; empty for VELMORA_DATA_DIR or else the user's data folder.
  QString data_dir;
  // Print the practice history's summary instead of opening the window.
  bool stats = false;
  // The language and the note names asked for on the command line, for this run only.
  std::optional<QString> language;
  std::optional<NoteNaming> note_naming;
};

// Either options to start with, or an exit with texts for standard output (help, version) and
// standard error (a mistake on the command line).
struct CommandLine {
  Options options;
  bool start = true;
  int exit_status = 0;
  std::string out;
  std::string error;
};

// Exit status of a run refused for its command line.
inline constexpr int kUsageError = 2;

class Translations;

// The value of the last --language, as given; none when the option is absent.
std::optional<QString> language_argument(const QStringList& arguments);

// Reads the arguments, the program's path first. It needs no application object, so that help,
// version and mistakes are answered without a display, in the language of `translations` when
// there are any.
CommandLine read_command_line(const QStringList& arguments,
                              const Translations* translations = nullptr);

}  // namespace velmora
