#include "app/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_printer.h"
#include "fakes/seeded_random.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;

class QtPrinterTest : public ::testing::Test {
 protected:
  QtPrinterTest() {
    Fill_Key_Tables(tables);
    Fill_Chord_Types(chord_types, true);
    QDir::setCurrent(folder.path());
  }
  ~QtPrinterTest() override {
    QLocale::setDefault(QLocale::system());
    QDir::setCurrent(previous_folder);
  }

  // With printers, the user prints to the file `pdf` on US Letter; without, the user takes the
  // proposed file name. Unless `chosen`, the user cancels the dialog instead.
  PrintDialogs Dialogs(bool printers, bool chosen = true) {
    return {[printers] { return printers; },
            [this, chosen](QPrinter& printer) {
              printer.setOutputFormat(QPrinter::PdfFormat);
              printer.setOutputFileName(pdf);
              printer.setPageSize(QPageSize(QPageSize::Letter));
              return chosen;
            },
            [chosen](const QString& proposed) { return chosen ? proposed : QString(); }};
  }

  // A worksheet run; every run makes the same draws.
  std::vector<MessageBox> Run(Printer& printer, AnswerLogFile& answer_log) {
    Board board;
    testing::SeededRandom random{11};
    testing::FakeClock clock;
    testing::FakeWindowSystem windows;
    Print_Worksheet(
        {board, tables, chord_types, false, printer, answer_log, random, clock, windows});
    return windows.boxes;
  }

  QStringList Folder_Entries() const { return QDir(folder.path()).entryList(QDir::Files); }

  QString previous_folder = QDir::currentPath();
  QTemporaryDir folder;
  QString pdf = folder.filePath("Worksheet.pdf");
  KeyTables tables;
  FramedList chord_types;
};

TEST_F(QtPrinterTest, EveryTextReadsBackFromThePdfWithin20TwipsOfWhereTheWorksheetPutIt) {
  const struct {
    bool printers;
    QLocale region;
    double width;  // twips
    double height;
  } cases[] = {{true, QLocale(QLocale::Dutch, QLocale::Netherlands), 12240, 15840},
               {false, QLocale(QLocale::English, QLocale::UnitedStates), 12240, 15840},
               {false, QLocale(QLocale::Dutch, QLocale::Netherlands), 11906, 16838}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.region.name().toStdString() + (c.printers ? " in the print dialog" : ""));
    QLocale::setDefault(c.region);
    QtPrinter printer(Dialogs(c.printers));
    testing::MemoryAnswerLog log;
    ASSERT_TRUE(Run(printer, log).empty());

    EXPECT_EQ(Folder_Entries(), QStringList{"Worksheet.pdf"});
    QProcess pdftotext;
    pdftotext.start(VELMORA_PDFTOTEXT, {"-bbox", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const auto size =
        QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)">)re").match(html);
    const double width = size.captured(1).toDouble() * 20,
                 height = size.captured(2).toDouble() * 20;
    EXPECT_NEAR(width, c.width, 20);
    EXPECT_NEAR(height, c.height, 20);

    // The same run again, recorded on a page of the size the PDF got.
    RecordingPrinter recorder;
    recorder.page = {std::llround(width), std::llround(height)};
    ASSERT_TRUE(Run(recorder, log).empty());
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
    QProcess pdftoppm;
    pdftoppm.start(VELMORA_PDFTOPPM, {"-r", "144", "-gray", "-singlefile", pdf});
    ASSERT_TRUE(pdftoppm.waitForFinished());
    const QImage picture = QImage::fromData(pdftoppm.readAllStandardOutput(), "PGM");
    ASSERT_EQ(picture.width(), std::lround(width / 10)) << "10 twips a pixel";
    for (const auto& circle : recorder.of_kind(RecordingPrinter::Kind::Circle)) {
      int top = 255;  // the darkest grey within a pixel of the top
      for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
          top = std::min(top, qGray(picture.pixel(circle.x / 10 + dx, (circle.y - 300) / 10 + dy)));
        }
      }
      EXPECT_LT(top, 128) << "no outline at the top of " << circle.x << ", " << circle.y;
      EXPECT_GT(qGray(picture.pixel(circle.x / 10, (circle.y + 200) / 10)), 200) << "ink inside";
    }
  }
}

TEST_F(QtPrinterTest, ACanceledOrFailedRunLeavesAnEarlierPdfAsItWasAndNoOtherFile) {
  QFile earlier(pdf);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("an earlier worksheet");
  earlier.close();
  const struct {
    bool printers;
    bool chosen;
    const char* failure;
  } cases[] = {{true, false, "Canceled by the user 1"},   // in the print dialog
               {false, false, "Canceled by the user 1"},  // in the PDF file dialog
               {true, true, "No space left on device 5"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.printers ? "with printers" : "without printers");
    testing::MemoryAnswerLog log;
    log.fail_write = 11;  // star 3's first record
    QtPrinter printer(Dialogs(c.printers, c.chosen));
    const auto boxes = Run(printer, log);

    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, std::string(kWorksheetFailureText) + c.failure);
    EXPECT_EQ(log.lines.size(), c.chosen ? 10U : 0U);
    EXPECT_EQ(Folder_Entries(), QStringList{"Worksheet.pdf"});
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "an earlier worksheet");
    earlier.close();
  }
}

}  // namespace
}  // namespace velmora
