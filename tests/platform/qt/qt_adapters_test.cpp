#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_printer.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <iostream>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_printer.h"
#include "fakes/scripted_random.h"
#include "worksheet/answer_log_reader.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;

QByteArray output(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished());
  return process.readAllStandardOutput();
}

// A worksheet run, the same draws every time, on `clock` or a fake one, with its messages.
std::vector<std::string> run(Printer& printer, AnswerLogFile& answer_log, Clock* clock = nullptr) {
  testing::ScriptedRandom random;
  random.queue_seeded(11, 1000);
  testing::FakeClock fake_clock;
  testing::FakeWindowSystem windows;
  Print_Worksheet({Fill_Key_Tables(), Fill_Chord_Types(true), false, printer, answer_log, random,
                   clock ? *clock : fake_clock, windows});
  return windows.texts();
}

// "Worksheet.pdf" of an earlier run on a tmpfs in `folder` with room for one page more (empty when
// none can be mounted), in this process's own mount namespace, so the mount cannot outlive it.
QString full_disk_pdf(const QTemporaryDir& folder) {
  const QByteArray full = QFile::encodeName(folder.filePath("full"));
  if (!QDir().mkdir(full) || ::unshare(CLONE_NEWNS) != 0 ||
      ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tmpfs", full.constData(), "tmpfs", 0, "size=8k") != 0) {
    return {};
  }
  QFile earlier(full + "/Worksheet.pdf");
  earlier.open(QIODevice::WriteOnly);
  earlier.write("an earlier worksheet");
  return earlier.fileName();
}

// On the US Letter of a print dialog, A4 or Letter by region without one. A failed run, canceled
// or on a full disk, leaves the PDF of the run before as it was and no other file.
TEST(QtPrinterTest, EveryTextAndCircleIsInThePdfWhereTheWorksheetPutItOrNothingIs) {
  const QString previous_folder = QDir::currentPath();
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  const QString pdf = folder.filePath("Worksheet.pdf");
  const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
  // The page's width and height in twips.
  const struct { bool printers; QLocale region; double width, height; std::string failure; }
  cases[] = {{true, dutch, 12240, 15840, ""},
             {false, QLocale(QLocale::English, QLocale::UnitedStates), 12240, 15840, ""},
             {false, dutch, 11906, 16838, ""},
             {true, dutch, 0, 0, "Canceled by the user 1"},
             {false, dutch, 0, 0, "Canceled by the user 1"},
             {true, dutch, 0, 0, "No space left on device 3"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    QLocale::setDefault(c.region);
    const bool full_disk = c.failure.starts_with("No space");
    const bool chosen = !c.failure.starts_with("Canceled");
    const QString target = full_disk ? full_disk_pdf(folder) : pdf;
    if (target.isEmpty()) {
      std::cerr << "No tmpfs can be mounted here; the full disk is left out.\n";
      continue;
    }
    // With printers, the user prints to the file `target` on US Letter; without, the user takes
    // the proposed file name; or the user cancels the dialog.
    QtPrinter printer(
        {[&c] { return c.printers; },
         [&target, chosen](QPrinter& chosen_printer) {
           chosen_printer.setOutputFormat(QPrinter::PdfFormat);
           chosen_printer.setOutputFileName(target);
           chosen_printer.setPageSize(QPageSize(QPageSize::Letter));
           return chosen;
         },
         [chosen](const QString& proposed) { return chosen ? proposed : QString(); }});
    QStringList printed_on;
    printer.set_printed_on([&](const QPageSize& paper) { printed_on << paper.key(); });
    testing::MemoryAnswerLog log;
    QFile file(target);
    const QByteArray earlier = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
    file.close();
    const auto boxes = run(printer, log);
    EXPECT_EQ(QFileInfo(target).dir().entryList(QDir::Files), QStringList{"Worksheet.pdf"});
    if (!c.failure.empty()) {
      const std::string saving = !full_disk ? "" :
          "The worksheet could not be saved as " + target.toStdString() + ": ";
      EXPECT_EQ(boxes, std::vector<std::string>{"There was an Error while printing the Worksheet! "
                                                "(Or it was Canceled by the user.) " +
                                                saving + c.failure});
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), earlier);
      EXPECT_TRUE(printed_on.isEmpty());
      continue;
    }
    ASSERT_TRUE(boxes.empty());
    EXPECT_EQ(printed_on, QStringList{c.width == 12240 ? "Letter" : "A4"});
    const QString html = QString::fromUtf8(output(VELMORA_PDFTOTEXT, {"-bbox", pdf, "-"}));
    const auto size =
        QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)">)re").match(html);
    const double width = size.captured(1).toDouble() * 20,
                 height = size.captured(2).toDouble() * 20;
    EXPECT_NEAR(width, c.width, 20);
    EXPECT_NEAR(height, c.height, 20);

    // The same run again, recorded on a page of the size the PDF got.
    RecordingPrinter recorder;
    recorder.page = {std::llround(width), std::llround(height)};
    ASSERT_TRUE(run(recorder, log).empty());
    const auto texts = recorder.of_kind(RecordingPrinter::Kind::Text);
    ASSERT_EQ(texts.size(), 2U + 6U * kWorksheetStars);
    // pdftotext places a word at its first letter, after the blank that pads a one-letter note.
    QPrinter device(QPrinter::HighResolution);
    const double blank = QFontMetricsF(QFont("Arial", 10), &device).horizontalAdvance(' ') * 1440 /
                         device.resolution();
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    for (const auto& text : texts) {
      const QString printed = QString::fromStdString(text.text).trimmed();
      const double x = text.x + static_cast<double>(text.text.size() - printed.size()) * blank;
      int near = 0;
      for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        near += match.captured(3) == printed.section(' ', 0, 0) &&
                std::abs(match.captured(1).toDouble() * 20 - x) <= 20 &&
                std::abs(match.captured(2).toDouble() * 20 - text.y) <= 20;
      }
      EXPECT_EQ(near, 1) << '"' << text.text << "\" at " << text.x << ", " << text.y;
    }

    // Each circle's outline passes its top; inside, below where a note stands, is blank paper.
    const QImage picture = QImage::fromData(
        output(VELMORA_PDFTOPPM, {"-r", "144", "-gray", "-singlefile", pdf}), "PGM");
    ASSERT_EQ(picture.width(), std::lround(width / 10)) << "10 twips a pixel";
    for (const auto& circle : recorder.of_kind(RecordingPrinter::Kind::Circle)) {
      int top = 255;  // the darkest grey within a pixel of the top
      for (int d = 0; d < 9; ++d) {
        const QPoint at(circle.x / 10 + d % 3 - 1, (circle.y - 300) / 10 + d / 3 - 1);
        top = std::min(top, qGray(picture.pixel(at)));
      }
      EXPECT_LT(top, 128) << "no outline at the top of " << circle.x << ", " << circle.y;
      EXPECT_GT(qGray(picture.pixel(circle.x / 10, (circle.y + 200) / 10)), 200) << "ink inside";
    }
  }
  QLocale::setDefault(QLocale::system());
  QDir::setCurrent(previous_folder);
}

// A line mark reaches the paper from one end to the other, and no further.
TEST(QtPrinterTest, ALineIsDrawnBetweenItsEnds) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("line.pdf");
  QtPrinter printer({[] { return false; }, [](QPrinter&) { return false; },
                     [&pdf](const QString&) { return pdf; }});
  ASSERT_TRUE(printer.begin_document().ok());
  ASSERT_TRUE(printer.line({1440, 1440}, {4320, 1440}).ok());
  ASSERT_TRUE(printer.end_document().ok());
  output(VELMORA_PDFTOPPM, {"-r", "72", "-png", "-singlefile", pdf, folder.filePath("line")});
  const QImage page(folder.filePath("line.png"));
  ASSERT_FALSE(page.isNull());
  // At 72 dots an inch a dot is 20 twips: the line runs from (72, 72) to (216, 72).
  const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 160; };
  EXPECT_TRUE(dark(80, 72) && dark(144, 72) && dark(208, 72));
  EXPECT_FALSE(dark(60, 72) || dark(230, 72) || dark(144, 90));
}

struct PaintCounter final : QWidget {
  void paintEvent(QPaintEvent*) override { ++paints; }
  int paints = 0;
};

// The hint pause sleeps in these steps: the window must still paint the formula meanwhile.
TEST(QtClockTest, ASleepPaintsTheWindowAndLastsAtLeastItsTime) {
  PaintCounter widget;
  widget.show();
  QApplication::processEvents();
  widget.paints = 0;
  widget.update();
  const auto before = std::chrono::steady_clock::now();
  QtClock().sleep_ms(15);
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(15));
  EXPECT_EQ(widget.paints, 1);
}

// The user's locale for the clock, from the locales the build made; the earlier one is put
// back when the test ends.
class UserLocale {
 public:
  explicit UserLocale(const char* name) : earlier_(qgetenv("LC_ALL")) {
    qputenv("LOCPATH", VELMORA_TEST_LOCALES);
    qputenv("LC_ALL", name);
  }
  ~UserLocale() {
    qputenv("LC_ALL", earlier_);
    qunsetenv("LOCPATH");
  }

 private:
  QByteArray earlier_;
};

// A sheet printed under the user's locale is logged with that locale's date and time, and the
// log reads back star by star with the same date and time.
TEST(QtClockTest, ALogWrittenInAnyLocaleReadsBackWithItsDateAndTime) {
  // A word or sign only that locale's short date holds, and one its time holds.
  const struct { const char* locale; const char* date_word; const char* time_word; } locales[] = {
      {"ja_JP.UTF-8", "\u5e74", "\u6642"},
      {"ar_EG.UTF-8", "\u062f\u064a\u0633", "\u0635"}, {"de_DE.UTF-8", ".12.", ":"}};
  for (const auto& words : locales) {
    SCOPED_TRACE(words.locale);
    const UserLocale user(words.locale);
    QtClock clock;
    const std::string date = clock.short_date();
    const std::string time = clock.time_with_seconds();
    ASSERT_NE(date.find(words.date_word), std::string::npos) << date;
    ASSERT_NE(time.find(words.time_word), std::string::npos) << time;
    RecordingPrinter printer;
    testing::MemoryAnswerLog log;
    ASSERT_TRUE(run(printer, log, &clock).empty());
    std::string text;
    for (const std::string& line : log.lines) text += line + "\r\n";
    const AnswerLogReading reading = read_answer_log(text);
    EXPECT_TRUE(reading.problems.empty()) << describe(reading.problems.front());
    ASSERT_EQ(reading.stars.size(), 6U);
    for (int star = 1; star <= 6; ++star) {
      const LoggedStar& read = reading.stars[star - 1];
      EXPECT_EQ(read.star, star);
      EXPECT_EQ(read.date, date);
      EXPECT_NE(read.time.find(words.time_word), std::string::npos) << read.time;
      EXPECT_EQ(printer.of_kind(RecordingPrinter::Kind::Text)[6 * star + 1].text,
                star_label(date, star));
    }
  }
}

}  // namespace
}  // namespace velmora
