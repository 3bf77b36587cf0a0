#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QFile>

#include "platform/posix/text_file.h"
#include "velmora/version.h"

namespace velmora {
namespace {

// Options the window system reads itself (-platform wayland, -style fusion, -session from the
// session manager); they pass through untouched, as before the program read its command line.
constexpr const char* kWindowSystemOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",   "qwindowgeometry",
    "qwindowicon", "qwindowtitle",    "style",         "stylesheet", "display",
    "geometry",  "session"};
constexpr const char* kWindowSystemFlags[] = {"reverse"};

CommandLine refuse(const QString& why) {
  CommandLine result;
  result.start = false;
  result.exit_status = kUsageError;
  result.error = ("velmora: " + why + "\n").toStdString();
  return result;
}

}  // namespace

CommandLine read_command_line(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription("Spell five-note ninth chords in a star of 17 circles.");
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
  const QCommandLineOption no_splash("no-splash",
                                     "Open the main window at once, without the loading window.");
  const QCommandLineOption soundfont(
      "soundfont", "Play chords on the built-in synthesizer with the General MIDI soundfont FILE.",
      "FILE");
  const QCommandLineOption answer_key(
      "answer-key",
      "Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG "
      "is given) to the PDF --output names, without opening the window.");
  const QCommandLineOption worksheets(
      "worksheets",
      "Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output "
      "names, logging them in Worksheet.id, without opening the window.",
      "N");
  const QCommandLineOption output("output", "The PDF or folder to write.", "PATH");
  const QCommandLineOption seed(
      "seed", "Draw the worksheets from seed S, so that the same S gives the same sheets.", "S");
  const QCommandLineOption paper("paper", "Print on SIZE paper: A4 or Letter.", "SIZE");
  const QCommandLineOption level(
      "level",
      "Draw the worksheets' chord types from the list of LEVEL, beginner (12 types) or expert "
      "(all 27), as the window's level does; expert when not given.",
      "LEVEL");
  const QCommandLineOption advanced(
      "advanced",
      "Let the worksheets hold notes of four characters (Bbbb, F###), as the window's "
      "\"Advanced\" box lets its puzzles.");
  const QCommandLineOption centre_question(
      "centre-question",
      "Give every star's centre note, as the window's \"Center Question\" box does.");
  const QCommandLineOption classroom(
      "classroom",
      "Print the classroom sheet, and its answer key to match: a line for name, class and date, "
      "the chord lines drawn through each star, and circles 12 mm wide.");
  const QCommandLineOption stats(
      "stats", "Print a summary of the practice history and exit; no display is needed.");
  const QCommandLineOption data_dir(
      "data-dir",
      "Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user's data folder.",
      "DIR");
  parser.addOptions({help, version, no_splash, soundfont, answer_key, worksheets, output, seed,
                     paper, level, advanced, centre_question, classroom, stats, data_dir});
  for (const char* name : kWindowSystemOptionsWithValue) {
    QCommandLineOption passed(name, {}, "value");
    passed.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(passed);
  }
  for (const char* name : kWindowSystemFlags) {
    QCommandLineOption passed(name);
    passed.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(passed);
  }

  if (!parser.parse(arguments)) {
    return refuse(parser.errorText() + " Try 'velmora --help'.");
  }
  CommandLine result;
  const auto value_of = [&parser](const QCommandLineOption& option) {
    return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
  };
  QString mistake;
  result.options.sheet_job = read_sheet_job(
      {parser.isSet(answer_key), parser.positionalArguments(), value_of(worksheets),
       value_of(output), value_of(seed), value_of(paper), value_of(level), parser.isSet(advanced),
       parser.isSet(centre_question), parser.isSet(classroom)},
      mistake);
  if (!mistake.isEmpty()) return refuse(mistake + " Try 'velmora --help'.");
  if (parser.isSet(help) || parser.isSet(version)) {
    result.start = false;
    if (parser.isSet(help)) {
      // Without an application object the parser cannot know the program's name.
      const QString text = parser.helpText();
      result.out = ("Usage: velmora [options]" + text.mid(text.indexOf('\n'))).toStdString();
    } else {
      result.out = std::string("velmora ") + kVersionText + "\n";
    }
    return result;
  }
  result.options.splash = !parser.isSet(no_splash);
  result.options.stats = parser.isSet(stats);
  if (result.options.stats && result.options.sheet_job) {
    return refuse("--stats cannot be combined with --answer-key or --worksheets. Try 'velmora "
                  "--help'.");
  }
  result.options.data_dir = parser.value(data_dir);
  if (parser.isSet(soundfont)) {
    const QString file = parser.value(soundfont);
    result.options.soundfont = std::filesystem::path(QFile::encodeName(file).toStdString());
    const std::string reason = unreadable_because(result.options.soundfont);
    if (!reason.empty()) {
      return refuse("Cannot read the soundfont '" + file + "': " + QString::fromStdString(reason));
    }
  }
  return result;
}

}  // namespace velmora
