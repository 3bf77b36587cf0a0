#include <gtest/gtest.h>

#include <QProcess>

namespace {

// The built executable, started without any display, answers from its command line alone.
TEST(CommandLineTest, AnswersHelpVersionAndMistakesWithoutADisplay) {
  const char* no_display =
      "Velmora needs a graphical display, and none was found (DISPLAY is not set).\n";
  const struct { QStringList arguments; int status; const char *out, *error; } runs[] = {
      {{"--version"}, 0, "velmora 1.1.30\n", ""},
      {{"-platform", "xcb", "-v"}, 0, "velmora 1.1.30\n", ""},
      {{"--help"}, 0,
       "Usage: velmora [options]\n"
       "Spell five-note ninth chords in a star of 17 circles.\n\n"
       "Options:\n"
       "  -h, --help          Show this help and exit.\n"
       "  -v, --version       Print the version and exit.\n"
       "  --no-splash         Open the main window at once, without the loading window.\n"
       "  --soundfont <FILE>  Play chords on the built-in synthesizer with the General\n"
       "                      MIDI soundfont FILE.\n"
       "  --answer-key        Write the answer key of the worksheets in the answer log\n"
       "                      LOG (Worksheet.id when no LOG is given) to the PDF\n"
       "                      --output names, without opening the window.\n"
       "  --worksheets <N>    Write N worksheets (1 to 100) and their answer key as\n"
       "                      PDFs into the folder --output names, logging them in\n"
       "                      Worksheet.id, without opening the window.\n"
       "  --output <PATH>     The PDF or folder to write.\n"
       "  --seed <S>          Draw the worksheets from seed S, so that the same S gives\n"
       "                      the same sheets.\n"
       "  --paper <SIZE>      Print on SIZE paper: A4 or Letter.\n"
       "  --level <LEVEL>     Draw the worksheets' chord types from the list of LEVEL,\n"
       "                      beginner (12 types) or expert (all 27), as the window's\n"
       "                      level does; expert when not given.\n"
       "  --advanced          Let the worksheets hold notes of four characters (Bbbb,\n"
       "                      F###), as the window's \"Advanced\" box lets its puzzles.\n"
       "  --centre-question   Give every star's centre note, as the window's \"Center\n"
       "                      Question\" box does.\n"
       "  --classroom         Print the classroom sheet, and its answer key to match: a\n"
       "                      line for name, class and date, the chord lines drawn\n"
       "                      through each star, and circles 12 mm wide.\n"
       "  --stats             Print a summary of the practice history and exit; no\n"
       "                      display is needed.\n"
       "  --data-dir <DIR>    Keep the practice history in DIR instead of\n"
       "                      $VELMORA_DATA_DIR or the user's data folder.\n",
       ""},
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
  };
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  for (const auto& run : runs) {
    SCOPED_TRACE(run.arguments.join(' ').toStdString());
    QProcess velmora;
    velmora.setProcessEnvironment(environment);
    velmora.start(VELMORA_EXECUTABLE, run.arguments);
    ASSERT_TRUE(velmora.waitForFinished(20000));
    EXPECT_EQ(velmora.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(velmora.exitCode(), run.status);
    EXPECT_EQ(velmora.readAllStandardOutput().toStdString(), run.out);
    EXPECT_EQ(velmora.readAllStandardError().toStdString(), run.error);
  }
}

}  // namespace
