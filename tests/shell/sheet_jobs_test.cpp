#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <set>

#include "fakes/main_form_fixture.h"
#include "platform/posix/system_random.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_settings_store.h"
#include "shell/main_window.h"
#include "shell/sheet_jobs.h"
#include "worksheet/answer_log_reader.h"
#include "worksheet/worksheet.h"
#include "shell_fixture.h"

namespace velmora {
namespace {

// One star's block: Cb Dom7_#5_b9, C Maj9, C Dom9 and C Min7_b9 around G.
constexpr const char* kBlock =
    "12/06/26-118:02:06Dom7_#5_b9CbEb GBbbDbb\r\n12/06/26-118:02:06Maj9 C E G B D\r\n"
    "12/06/26-118:02:07Dom9 C E GBb D\r\n12/06/26-118:02:07Min7_b9 CEb GBbDb\r\n\r\n";

void write(const QString& file, const QByteArray& bytes) {
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(bytes);
}

QByteArray read(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Every file and folder under `folder` with its size, so that a leftover shows.
QStringList tree(const QString& folder) {
  QStringList found;
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    found << QDir(folder).relativeFilePath(it.filePath()) + " " +
                 QString::number(it.fileInfo().isDir() ? -1 : it.fileInfo().size());
  }
  found.sort();
  return found;
}

struct Outcome {
  int status;
  std::string out;
  std::string error;
};

// The built program, without any display, in `folder`.
Outcome velmora(const QString& folder, const QStringList& arguments, int wait_ms = 60000) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  process.start(VELMORA_EXECUTABLE, arguments);
  if (!process.waitForFinished(wait_ms)) {
    ADD_FAILURE() << "still running after " << wait_ms << " ms";
    process.kill();
    process.waitForFinished();
  }
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

TEST(SheetJobTest, BadInputIsOneLineOnStandardErrorStatusTwoAndNothingLeftBehind) {
  const struct {
    QStringList arguments;
    const char* error;
  } runs[] = {
      {{"--worksheets", "0", "--output", "out"},
       "--worksheets takes a number of sheets from 1 to 100, not '0'."},
      {{"--worksheets", "2", "--output", "out", "--seed", "-1"},
       "--seed takes a whole number from 0 to 18446744073709551615, not '-1'."},
      {{"--worksheets", "2", "--output", "out", "--seed", "18446744073709551616"},
       "--seed takes a whole number"},
      {{"--worksheets", "2", "--output", "out", "--paper", "A5"},
       "--paper takes A4 or Letter, not 'A5'."},
      {{"--worksheets", "2"}, "--worksheets needs --output DIR."},
      {{"--answer-key", "--worksheets", "2", "--output", "out"},
       "--answer-key and --worksheets cannot be used together."},
      {{"--answer-key", "missing.id", "--output", "key.pdf"},
       "Cannot read the answer log 'missing.id': No such file or directory"},
      {{"--answer-key", "damaged.id", "--output", "key.pdf"},
       "The answer log 'damaged.id' holds no star that can be read (first problem: line 1: no time "
       "of day"},
      {{"--answer-key", "--output", "./Worksheet.id"},
       "The answer key cannot be written over the answer log 'Worksheet.id' it is made from"},
      {{"--answer-key", "--output", "nowhere/key.pdf"},
       "The answer key could not be saved as nowhere/key.pdf: No such file or directory"},
      {{"--worksheets", "2", "--output", "blocker/out"},
       "Cannot write to the folder 'blocker/out': Not a directory"},
      {{"--worksheets", "2", "--output", "taken"},
       "The folder 'taken' holds the sheets of an earlier batch (worksheet-2.pdf); choose an empty "
       "folder or move them away first"},
      {{"--worksheets", "1", "--output", "keyed"},
       "The folder 'keyed' holds the sheets of an earlier batch (answer-key.pdf); choose an empty "
       "folder or move them away first"},
      {{"--worksheets", "2", "--output", "out", "--level", "master"},
       "--level takes beginner or expert, not 'master'."},
      {{"--answer-key", "--centre-question", "--output", "key.pdf"},
       "--seed, --level, --advanced and --centre-question go with --worksheets only."},
      {{"--classroom"},
       "--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go with "
       "--answer-key or --worksheets."},
      {{"--answer-key", "pipe", "--output", "key.pdf"},
       "Cannot read the answer log 'pipe': it is a named pipe, not a file"},
      {{"--answer-key", "/dev/zero", "--output", "key.pdf"},
       "Cannot read the answer log '/dev/zero': it is a device, not a file"},
      {{"--answer-key", "taken", "--output", "key.pdf"},
       "Cannot read the answer log 'taken': it is a folder, not a file"},
      {{"--soundfont", "pipe"}, "Cannot read the soundfont 'pipe': it is a named pipe, not a file"},
  };
  QTemporaryDir folder;
  write(folder.filePath("Worksheet.id"), kBlock);
  write(folder.filePath("damaged.id"), "Worksheets of class 3b\n");
  write(folder.filePath("blocker"), "a file, not a folder");
  ASSERT_TRUE(QDir(folder.path()).mkpath("taken/worksheet-2.pdf/inside"));
  ASSERT_TRUE(QDir(folder.path()).mkpath("keyed"));
  write(folder.filePath("keyed/answer-key.pdf"), "an earlier key");
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
  const QStringList before = tree(folder.path());
  for (const auto& run : runs) {
    SCOPED_TRACE(run.arguments.join(' ').toStdString());
    // A pipe or a device that was waited on or read would not be done within this.
    const Outcome done = velmora(folder.path(), run.arguments, 5000);
    EXPECT_EQ(done.status, 2);
    EXPECT_EQ(done.error.rfind(std::string("velmora: ") + run.error, 0), 0U) << done.error;
    EXPECT_EQ(std::count(done.error.begin(), done.error.end(), '\n'), 1);
    EXPECT_EQ(tree(folder.path()), before);
    EXPECT_EQ(read(folder.filePath("Worksheet.id")), kBlock);
  }
}

// The PDF without its creation date, the one thing two runs of one seed may differ in.
QByteArray undated(const QString& pdf) {
  QByteArray bytes = read(pdf);
  const qsizetype at = bytes.indexOf("/CreationDate");
  return at < 0 ? bytes : bytes.remove(at, bytes.indexOf('\n', at) - at);
}

TEST(SheetJobTest, ABatchAndAWindowsRunAppendingAtOnceLeaveWholeBlocksAndTheSameSeedTheSameSheets) {
  QTemporaryDir folder;
  QProcess batch;
  batch.setWorkingDirectory(folder.path());
  batch.start(VELMORA_EXECUTABLE, {"--worksheets", "4", "--output", "a", "--seed", "1234"});
  ASSERT_TRUE(batch.waitForStarted());
  // The window's worksheet runs, printing on and on until the batch is done.
  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types(true);
  testing::RecordingPrinter printer;
  FileAnswerLog log(folder.filePath("Worksheet.id").toStdString());
  SystemRandom random;
  testing::FakeClock clock;
  testing::FakeWindowSystem windows;
  int window_runs = 0;
  while (batch.state() != QProcess::NotRunning || window_runs < 2) {
    clock.time_reads = 0;  // its seconds keep counting up otherwise, past 59
    Print_Worksheet({keys, chord_types, false, printer, log, random, clock, windows});
    ++window_runs;
    batch.waitForFinished(20);
  }
  ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();
  EXPECT_TRUE(windows.boxes.empty());
  EXPECT_EQ(batch.readAllStandardOutput().toStdString().substr(0, 10), "seed 1234\n");

  const AnswerLogReading reading =
      read_answer_log(read(folder.filePath("Worksheet.id")).toStdString());
  EXPECT_TRUE(reading.problems.empty());
  ASSERT_EQ(reading.stars.size(), static_cast<std::size_t>(24 + 6 * window_runs));
  // Sheet after sheet, stars 1 to 6, and the batch's 24 stars (dated by the real clock) together.
  std::string order;
  for (std::size_t i = 0; i < reading.stars.size(); ++i) {
    EXPECT_EQ(reading.stars[i].star, static_cast<int>(i % 6) + 1);
    order += reading.stars[i].date == "6-12-2026" ? 'w' : 'b';
  }
  EXPECT_NE(order.find(std::string(24, 'b')), std::string::npos) << order;

  ASSERT_EQ(velmora(folder.path(), {"--worksheets", "4", "--output", "b", "--seed", "1234"}).status,
            0);
  for (const char* sheet : {"worksheet-1.pdf", "worksheet-4.pdf"}) {
    EXPECT_FALSE(undated(folder.filePath("a/") + sheet).isEmpty());
    EXPECT_EQ(undated(folder.filePath("a/") + sheet), undated(folder.filePath("b/") + sheet));
  }
  EXPECT_NE(undated(folder.filePath("a/worksheet-1.pdf")),
            undated(folder.filePath("a/worksheet-2.pdf")));
}

// The batch's options for the window's controls: the level's list of chord types, notes of four
// characters only when advanced; the classroom page for the sheets and their keys.
TEST(SheetJobTest, TheLevelAndAdvancedOptionsDrawAsTheWindowsControls) {
  const std::set<std::string> beginner = {"Maj9",    "Maj9_#5", "Dom7_b9", "Dom9",
                                          "Dom7_#9", "Dom9_b5", "Dom9_#5", "Min7_b9",
                                          "Min7_#9", "Min9_b5", "Min9_maj7", "Min9"};
  const struct {
    const char* level;
    bool advanced;
    bool only_beginner;
    bool classroom;
  } runs[] = {{"beginner", false, true, true}, {"Expert", true, false, false},
              {nullptr, false, false, false}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.level ? run.level : "no level");
    QTemporaryDir folder;
    QString mistake;
    std::optional<SheetJob> job = read_sheet_job(
        {false, {}, QString("20"), folder.filePath("out"), QString("77"), std::nullopt,
         run.level ? std::optional<QString>(run.level) : std::nullopt, run.advanced, false,
         run.classroom},
        mistake);
    ASSERT_TRUE(job.has_value()) << mistake.toStdString();
    job->log = folder.filePath("Worksheet.id").toStdString();
    QtClock clock;
    const JobOutcome outcome = run_sheet_job(*job, clock);
    ASSERT_EQ(outcome.exit_status, 0) << outcome.error;
    const AnswerLogReading reading =
        read_answer_log(read(folder.filePath("Worksheet.id")).toStdString());
    ASSERT_EQ(reading.stars.size(), 120U);
    bool outside_beginner = false;
    bool long_note = false;
    for (const LoggedStar& star : reading.stars) {
      for (const std::string& chord : star.board.chords) {
        outside_beginner = outside_beginner || !beginner.contains(chord);
      }
      for (const auto& note : star.board.Circle_Notes) {
        long_note = long_note || note->text().size() > 3;
      }
    }
    EXPECT_EQ(outside_beginner, !run.only_beginner);
    EXPECT_EQ(long_note, run.advanced);
    for (const char* pdf : {"out/worksheet-20.pdf", "out/answer-key.pdf"}) {
      const QByteArray words = output_of(VELMORA_PDFTOTEXT, {folder.filePath(pdf), "-"});
      EXPECT_TRUE(words.contains("Sheet 20 of 20 \u00b7 seed 77")) << pdf;
      EXPECT_EQ(words.contains("diagonal lines"), run.classroom && pdf[4] == 'w') << pdf;
    }
    // The batch's key, and a key made of its log with the same option, are laid out as its
    // sheets are: star 1's label stands at the same place on each.
    SheetJobArguments key_arguments;
    key_arguments.answer_key = true;
    key_arguments.positional = {folder.filePath("Worksheet.id")};
    key_arguments.output = folder.filePath("key.pdf");
    key_arguments.classroom = run.classroom;
    const std::optional<SheetJob> key_job = read_sheet_job(key_arguments, mistake);
    ASSERT_TRUE(key_job.has_value()) << mistake.toStdString();
    ASSERT_EQ(run_sheet_job(*key_job, clock).exit_status, 0);
    const QRegularExpression label(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>[^<]*-1</word>)re");
    std::vector<QRegularExpressionMatch> labels;
    for (const char* pdf : {"out/worksheet-20.pdf", "out/answer-key.pdf", "key.pdf"}) {
      labels.push_back(
          label.match(output_of(VELMORA_PDFTOTEXT, {"-bbox", folder.filePath(pdf), "-"})));
      ASSERT_TRUE(labels.back().hasMatch()) << pdf;
      for (int at : {1, 2}) {
        EXPECT_NEAR(labels[0].captured(at).toDouble(), labels.back().captured(at).toDouble(), 1.0)
            << pdf;
      }
    }
  }
}

// "Answer key…" in the Work Sheet button's menu, with the save dialog answered by the test.
TEST(AnswerKeyMenuTest, WritesTheKeyOfTheLogHereOrSaysWhyNot) {
  const struct {
    const char* log;  // nullptr: there is no log
    const char* chosen;
    const char* box;  // the start of the box's text; empty for none
    bool written;
  } runs[] = {
      {nullptr, "key.pdf", "The answer key cannot be made: the answer log Worksheet.id in ", false},
      {"/dev/zero", "key.pdf",
       "The answer key cannot be made: the answer log Worksheet.id in ", false},
      {"Worksheets of class 3b\n", "key.pdf",
       "The answer key cannot be made: the answer log Worksheet.id holds no worksheet star that "
       "can be read.",
       false},
      {kBlock, "", "", false},
      {kBlock, "nowhere/key.pdf", "The answer key could not be saved as ", false},
      {kBlock, "Worksheet.id", "The answer key cannot be saved over the answer log Worksheet.id",
       false},
      {kBlock, "key.pdf", "", true},
  };
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  Shell shell;
  MainWindow& window = shell.window;
  std::vector<MessageBox>& boxes = shell.boxes;
  QString chosen;
  QString proposed;
  window.set_key_file_chooser([&](const QString& offered) {
    proposed = offered;
    return chosen;
  });
  std::optional<SheetPaper> offered_paper;
  window.set_key_paper_chooser([&](const SheetPaper& offered) {
    offered_paper = offered;
    return std::optional<SheetPaper>(SheetPaper{QPageSize(QPageSize::Letter), PageStyle::Standard});
  });
  window.set_menu_shower([](QMenu& menu, QPoint) {
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[0]->text(), QString::fromUtf8("Classroom sheet\u2026"));
    EXPECT_EQ(menu.actions()[1]->text(), QString::fromUtf8("Answer key\u2026"));
    menu.actions()[1]->trigger();
  });
  for (const auto& run : runs) {
    SCOPED_TRACE(run.box);
    QFile::remove("Worksheet.id");
    QFile::remove("key.pdf");
    if (run.log && run.log[0] == '/') {
      QFile::link(run.log, "Worksheet.id");
    } else if (run.log) {
      write("Worksheet.id", run.log);
    }
    chosen = run.chosen;
    boxes.clear();
    offered_paper.reset();
    auto* button = window.findChild<QPushButton*>("WorkSheet_cmd");
    emit button->customContextMenuRequested(QPoint(5, 5));
    ASSERT_EQ(boxes.size(), std::string_view(run.box).empty() ? 0U : 1U);
    if (!boxes.empty()) {
      EXPECT_EQ(boxes[0].text.rfind(run.box, 0), 0U) << boxes[0].text;
      EXPECT_EQ(boxes[0].icon, Icon::Critical);
    }
    EXPECT_EQ(QFile::exists("key.pdf"), run.written);
    // A log that cannot give a key is told before any question.
    EXPECT_EQ(offered_paper.has_value(), run.log == kBlock);
  }
  EXPECT_EQ(proposed, QDir(folder.path()).absoluteFilePath("Answer key.pdf"));

  write("Worksheet.id", QByteArray(kBlock) + "12/06/26-218:02:06Maj7 C E G B D\r\n");
  emit window.findChild<QPushButton*>("WorkSheet_cmd")->customContextMenuRequested(QPoint(5, 5));
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text,
            "The answer key was saved without 1 part(s) of Worksheet.id that could not be read:\n"
            "line 6: no chord type of the program after the time");
  const QString page = output_of(VELMORA_PDFTOTEXT, {"key.pdf", "-"});
  for (const char* shown : {"12/06/26-1 18:02:06", "Dom7_#5_b9", "Bbb", "Dbb", "Min7_b9"}) {
    EXPECT_TRUE(page.contains(shown)) << shown;
  }
  // Without a sheet printed before, the region's paper is offered; the key is on the paper chosen.
  ASSERT_TRUE(offered_paper.has_value());
  EXPECT_EQ(offered_paper->paper.id(), QPageSize::A4);
  EXPECT_EQ(offered_paper->style, PageStyle::Standard);
  EXPECT_TRUE(output_of(VELMORA_PDFTOTEXT, {"-bbox", "key.pdf", "-"})
                  .contains("<page width=\"612.000000\" height=\"792.000000\">"));

  // The paper and page the window's last sheet was printed on, kept between runs, come first.
  const QString kept = folder.filePath("settings.ini");
  write(kept, "[worksheet]\npaper=Letter\nclassroom=true\n");
  QtSettingsStore settings(kept);
  Shell later_shell(true, MidiResult::Ok, &settings);
  MainWindow& later = later_shell.window;
  later.set_key_paper_chooser([&](const SheetPaper& offered) {
    offered_paper = offered;
    return std::nullopt;
  });
  later.set_menu_shower([](QMenu& menu, QPoint) { menu.actions()[1]->trigger(); });
  emit later.findChild<QPushButton*>("WorkSheet_cmd")->customContextMenuRequested(QPoint(5, 5));
  EXPECT_EQ(offered_paper->paper.id(), QPageSize::Letter);
  EXPECT_EQ(offered_paper->style, PageStyle::Classroom);
  later.form().sheet_printed("A5", false);
  std::string problem;
  const Settings saved = settings.load(problem);
  EXPECT_EQ(saved.sheet_paper, "A5");
  EXPECT_FALSE(saved.sheet_classroom);
  ASSERT_TRUE(QDir::setCurrent(previous));
}

}  // namespace
}  // namespace velmora
