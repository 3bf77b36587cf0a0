#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

// No display, the given locale and no saved settings, so that only the command line and the
// locale decide the language.
QProcessEnvironment environment_without_display(const QString& locale,
                                                const QString& config_folder = "/nonexistent") {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE",
                           "LC_MESSAGES", "LC_ALL"}) {
    environment.remove(name);
  }
  environment.insert("LANG", locale);
  environment.insert("XDG_CONFIG_HOME", config_folder);
  return environment;
}

struct Run {
  QStringList arguments;
  int status;
  std::string out, error;
};

// Each run in an empty working folder of its own.
void expect_runs(const QProcessEnvironment& environment, const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    SCOPED_TRACE(run.arguments.join(' ').toStdString());
    const QTemporaryDir folder;
    QProcess velmora;
    velmora.setProcessEnvironment(environment);
    velmora.setWorkingDirectory(folder.path());
    velmora.start(VELMORA_EXECUTABLE, run.arguments);
    ASSERT_TRUE(velmora.waitForFinished(60000));
    EXPECT_EQ(velmora.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(velmora.exitCode(), run.status);
    EXPECT_EQ(velmora.readAllStandardOutput().toStdString(), run.out);
    EXPECT_EQ(velmora.readAllStandardError().toStdString(), run.error);
  }
}

// The built executable, started without any display, answers from its command line alone.
TEST(CommandLineTest, AnswersHelpVersionAndMistakesWithoutADisplay) {
  const char* no_display =
      "Velmora needs a graphical display, and none was found (DISPLAY is not set).\n";
  expect_runs(environment_without_display("C"), {
      {{"--version"}, 0, "velmora 1.1.30\n", ""},
      {{"-platform", "xcb", "-v"}, 0, "velmora 1.1.30\n", ""},
      {{"--stats", "--data-dir", "/nonexistent"}, 1, "",
       "velmora: There is no practice history in /nonexistent.\n"},
      {{"--stats", "--worksheets", "2", "--output", "sheets"}, 2, "",
       "velmora: --stats cannot be combined with --answer-key or --worksheets. Try 'velmora "
       "--help'.\n"},
      {{"--bogus"}, 2, "", "velmora: Unknown option 'bogus'. Try 'velmora --help'.\n"},
      {{"--no-splash=yes"}, 2, "",
       "velmora: Unexpected value after '--no-splash'. Try 'velmora --help'.\n"},
      {{"extra"}, 2, "", "velmora: Unexpected argument 'extra'. Try 'velmora --help'.\n"},
      {{"--soundfont"}, 2, "",
       "velmora: Missing value after '--soundfont'. Try 'velmora --help'.\n"},
      {{"--soundfont", "/nonexistent/GM.sf2"}, 2, "",
       "velmora: Cannot read the soundfont '/nonexistent/GM.sf2': No such file or directory\n"},
      {{"--soundfont", "/"}, 2, "",
       "velmora: Cannot read the soundfont '/': it is a folder, not a file\n"},
      {{"--soundfont", "/dev/zero"}, 2, "",
       "velmora: Cannot read the soundfont '/dev/zero': it is a device, not a file\n"},
      {{"--no-splash", "--soundfont", VELMORA_EXECUTABLE}, 1, "", no_display},
      {{}, 1, "", no_display},
  });
}

TEST(CommandLineTest, SpeaksTheChosenLanguageAndRefusesUnknownChoicesInOneSentence) {
  const char* german_display =
      "Velmora braucht eine grafische Anzeige, und es wurde keine gefunden (DISPLAY ist nicht "
      "gesetzt).\n";
  expect_runs(environment_without_display("C"), {
      {{"--language", "xx"}, 2, "",
       "velmora: There is no language 'xx'; choose en, de, fr, es or nl.\n"},
      {{"--note-names", "solfege"}, 2, "",
       "velmora: There are no note names 'solfege'; choose letters, german or fixed-do.\n"},
      {{"--language=fr", "--note-names", "German"}, 2, "",
       "velmora: Les noms de notes 'German' n'existent pas ; choisissez letters, german ou "
       "fixed-do.\n"},
      {{"--language", "es", "--soundfont", "/"}, 2, "",
       "velmora: No se puede leer el banco de sonidos '/': es una carpeta, no un archivo\n"},
      {{"--language", "nl", "--stats", "--worksheets", "2", "--output", "x"}, 2, "",
       "velmora: --stats kan niet samen met --answer-key of --worksheets worden gebruikt. "
       "Probeer 'velmora --help'.\n"},
      {{"--language", "de_AT", "--note-names", "fixed-do"}, 1, "", german_display},
      {{"--language", "es", "--answer-key", "/nonexistent/log", "--output", "key.pdf"}, 2, "",
       "velmora: No se puede leer el registro de respuestas '/nonexistent/log': No such file or "
       "directory\n"},
      {{"--language", "de", "--worksheets", "0", "--output", "x"}, 2, "",
       "velmora: --worksheets nimmt eine Blattzahl von 1 bis 100, nicht '0'. Weitere "
       "Informationen mit 'velmora --help'.\n"},
      {{"--language", "en", "--note-names", "german", "--version"}, 0, "velmora 1.1.30\n", ""},
      {{"--language", "fr", "--stats", "--data-dir", "/nonexistent"}, 1, "",
       "velmora: Il n'y a aucun historique d'exercice dans /nonexistent.\n"},
  });
  // A batch reports in the chosen language too.
  expect_runs(environment_without_display("C"),
              {{{"--language", "nl", "--worksheets", "2", "--output", "out", "--seed", "7"},
                0,
                "startwaarde 7\n2 werkbladen en hun antwoordsleutel geschreven naar out "
                "(worksheet-1.pdf .. worksheet-2.pdf, answer-key.pdf)\n",
                ""}});
  // The user's locale, and a saved language over it.
  expect_runs(environment_without_display("de_DE.UTF-8"), {{{}, 1, "", german_display}});
  const QTemporaryDir config;
  QDir(config.path()).mkpath("Velmora");
  QFile saved(config.path() + "/Velmora/Velmora.conf");
  ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
  saved.write("[display]\nlanguage=fr\n");
  saved.close();
  expect_runs(environment_without_display("de_DE.UTF-8", config.path()),
              {{{"--bogus"}, 2, "",
                "velmora: Option inconnue 'bogus'. Essayez 'velmora --help'.\n"}});
}

// The help, sampled: its heading, a wrapped option and the last one, in each language.
TEST(CommandLineTest, HelpInEnglishAndGerman) {
  const struct { const char* language; const char* start; const char* option; const char* last;
                 const char* foreign; } runs[] = {
      {"en", "Usage: velmora [options]\nSpell five-note ninth chords in a star of 17 circles.\n\n"
             "Options:\n  -h, --help            Show this help and exit.\n",
       "  --soundfont <FILE>    Play chords on the built-in synthesizer with the\n"
       "                        General MIDI soundfont FILE.\n",
       "  --note-names <NAMES>  Name the notes with NAMES: letters (C, F#, Bb), german\n"
       "                        (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).\n", "Aufruf"},
      {"de", "Aufruf: velmora [Optionen]\nDie Töne fünfstimmiger Nonenakkorde "
             "in einem Stern aus 17 Kreisen richtig benennen.\n\nOptionen:\n",
       "  --soundfont <DATEI>   Akkorde auf dem eingebauten Synthesizer",
       "  --note-names <NAMEN>  Die Noten mit NAMEN benennen", "Show"}};
  for (const auto& run : runs) {
    QProcess velmora;
    velmora.setProcessEnvironment(environment_without_display("C"));
    velmora.start(VELMORA_EXECUTABLE, {"--language", run.language, "--help"});
    ASSERT_TRUE(velmora.waitForFinished(20000));
    EXPECT_EQ(velmora.exitCode(), 0);
    const QString help = QString::fromUtf8(velmora.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(run.start)) << help.toStdString();
    EXPECT_TRUE(help.contains(run.option)) << run.language;
    EXPECT_TRUE(help.contains(run.last)) << run.language;
    EXPECT_FALSE(help.contains(run.foreign)) << help.toStdString();
  }
}

}  // namespace
