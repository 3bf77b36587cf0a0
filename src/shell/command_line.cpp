#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QFile>

#include "platform/posix/text_file.h"
#include "shell/display_texts.h"
#include "shell/translations.h"
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

std::optional<QString> language_argument(const QStringList& arguments) {
  std::optional<QString> language;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == "--") break;
    if ((argument == "--language" || argument == "-language") && i + 1 < arguments.size()) {
      language = arguments[++i];
    } else if (argument.startsWith("--language=") || argument.startsWith("-language=")) {
      language = argument.section('=', 1);
    }
  }
  return language;
}

CommandLine read_command_line(const QStringList& arguments, const Translations* translations) {
  const auto translated = [translations](const char* source) {
    return translations != nullptr ? translations->text("CommandLine", source)
                                   : QString::fromUtf8(source);
  };
  const QString try_help = translated(QT_TRANSLATE_NOOP("CommandLine", "Try 'velmora --help'."));
  // The parser's and the sheet options' own mistakes.
  const auto worded = [translations](const QString& mistake) {
    return translations != nullptr
               ? shown_message(mistake.toStdString(), NoteNaming::Letters, *translations)
               : mistake;
  };
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(translated(
      QT_TRANSLATE_NOOP("CommandLine", "Spell five-note ninth chords in a star of 17 circles.")));
  const QCommandLineOption help(
      {"h", "help"}, translated(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")));
  const QCommandLineOption version(
      {"v", "version"},
      translated(QT_TRANSLATE_NOOP("CommandLine", "Print the version and exit.")));
  const QCommandLineOption no_splash(
      "no-splash",
      translated(QT_TRANSLATE_NOOP("CommandLine",
                                   "Open the main window at once, without the loading window.")));
  const QCommandLineOption soundfont(
      "soundfont",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Play chords on the built-in synthesizer with the General MIDI soundfont FILE.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "FILE")));
  const QCommandLineOption answer_key(
      "answer-key",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG "
          "is given) to the PDF --output names, without opening the window.")));
  const QCommandLineOption worksheets(
      "worksheets",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output "
          "names, logging them in Worksheet.id, without opening the window.")),
      "N");
  const QCommandLineOption output(
      "output", translated(QT_TRANSLATE_NOOP("CommandLine", "The PDF or folder to write.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "PATH")));
  const QCommandLineOption seed(
      "seed",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Draw the worksheets from seed S, so that the same S gives the same sheets.")),
      "S");
  const QCommandLineOption paper(
      "paper", translated(QT_TRANSLATE_NOOP("CommandLine", "Print on SIZE paper: A4 or Letter.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "SIZE")));
  const QCommandLineOption level(
      "level",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Draw the worksheets' chord types from the list of LEVEL, beginner (12 types) or expert "
          "(all 27), as the window's level does; expert when not given.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "LEVEL")));
  const QCommandLineOption advanced(
      "advanced", translated(QT_TRANSLATE_NOOP(
                      "CommandLine",
                      "Let the worksheets hold notes of four characters (Bbbb, F###), as the "
                      "window's \"Advanced\" box lets its puzzles.")));
  const QCommandLineOption centre_question(
      "centre-question",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Give every star's centre note, as the window's \"Center Question\" box does.")));
  const QCommandLineOption classroom(
      "classroom",
      translated(QT_TRANSLATE_NOOP(
          "CommandLine",
          "Print the classroom sheet, and its answer key to match: a line for name, class and "
          "date, the chord lines drawn through each star, and circles 12 mm wide.")));
  const QCommandLineOption stats(
      "stats", translated(QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Print a summary of the practice history and exit; no display is needed.")));
  const QCommandLineOption data_dir(
      "data-dir",
      translated(
          QT_TRANSLATE_NOOP("CommandLine",
                            "Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the "
                            "user's data folder.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "DIR")));
  const QCommandLineOption language(
      "language",
      translated(
          QT_TRANSLATE_NOOP("CommandLine",
                            "Show the program in language CODE (en, de, fr, es or nl) instead of "
                            "the saved or the system's language.")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "CODE")));
  const QCommandLineOption note_names(
      "note-names",
      translated(
          QT_TRANSLATE_NOOP("CommandLine",
                            "Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) "
                            "or fixed-do (Do, Fa♯, Si♭).")),
      translated(QT_TRANSLATE_NOOP("CommandLine", "NAMES")));
  parser.addOptions({help, version, no_splash, soundfont, answer_key, worksheets, output, seed,
                     paper, level, advanced, centre_question, classroom, stats, data_dir,
                     language, note_names});
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
    return refuse(worded(parser.errorText()) + " " + try_help);
  }
  CommandLine result;
  if (parser.isSet(language)) {
    result.options.language = shipped_language(parser.value(language));
    if (!result.options.language) {
      return refuse(
          translated(QT_TRANSLATE_NOOP("CommandLine",
                                       "There is no language '%1'; choose en, de, fr, es or nl."))
              .arg(parser.value(language)));
    }
  }
  if (parser.isSet(note_names)) {
    result.options.note_naming = note_naming_from_word(parser.value(note_names).toStdString());
    if (!result.options.note_naming) {
      return refuse(
          translated(QT_TRANSLATE_NOOP(
                         "CommandLine",
                         "There are no note names '%1'; choose letters, german or fixed-do."))
              .arg(parser.value(note_names)));
    }
  }
  const auto value_of = [&parser](const QCommandLineOption& option) {
    return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
  };
  QString mistake;
  result.options.sheet_job = read_sheet_job(
      {parser.isSet(answer_key), parser.positionalArguments(), value_of(worksheets),
       value_of(output), value_of(seed), value_of(paper), value_of(level), parser.isSet(advanced),
       parser.isSet(centre_question), parser.isSet(classroom)},
      mistake);
  if (!mistake.isEmpty()) return refuse(worded(mistake) + " " + try_help);
  if (parser.isSet(help) || parser.isSet(version)) {
    result.start = false;
    if (parser.isSet(help)) {
      // Without an application object the parser cannot know the program's name.
      QString text = parser.helpText();
      // The parser's own heading would stay English: no application carries the toolkit's
      // translation yet.
      if (translations != nullptr) {
        text.replace("\nOptions:\n",
                     "\n" + translations->text("QCommandLineParser", "Options:") + "\n");
      }
      result.out = (translated(QT_TRANSLATE_NOOP("CommandLine", "Usage: velmora [options]")) +
                    text.mid(text.indexOf('\n')))
                       .toStdString();
    } else {
      result.out = std::string("velmora ") + kVersionText + "\n";
    }
    return result;
  }
  result.options.splash = !parser.isSet(no_splash);
  result.options.stats = parser.isSet(stats);
  if (result.options.stats && result.options.sheet_job) {
    return refuse(
        translated(QT_TRANSLATE_NOOP(
            "CommandLine", "--stats cannot be combined with --answer-key or --worksheets.")) +
        " " + try_help);
  }
  result.options.data_dir = parser.value(data_dir);
  if (parser.isSet(soundfont)) {
    const QString file = parser.value(soundfont);
    result.options.soundfont = std::filesystem::path(QFile::encodeName(file).toStdString());
    const std::string reason = unreadable_because(result.options.soundfont);
    if (!reason.empty()) {
      return refuse(
          translated(QT_TRANSLATE_NOOP("CommandLine", "Cannot read the soundfont '%1': %2"))
              .arg(file, worded(QString::fromStdString(reason))));
    }
  }
  return result;
}

}  // namespace velmora
