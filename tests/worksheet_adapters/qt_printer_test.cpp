#include "app/qt/qt_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_printer.h"
#include "fakes/seeded_random.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;

constexpr double kTwipsPerPoint = 20.0;
constexpr double kTolerance = 20.0;  // twips
const std::array<TwipPoint, kWorksheetStars> kLetterCentres{
    {{3320, 2920}, {8320, 2920}, {3320, 7920}, {8320, 7920}, {3320, 12920}, {8320, 12920}}};

// A word of the PDF with its top-left corner in twips, as pdftotext finds it.
struct Word {
  double x;
  double y;
  QString text;
};

struct PdfPage {
  double width = 0;  // twips
  double height = 0;
  std::vector<Word> words;
};

PdfPage Read_Words(const QString& pdf) {
  const QString html = pdf + QStringLiteral(".html");
  EXPECT_EQ(QProcess::execute(QStringLiteral(VELMORA_PDFTOTEXT), {"-bbox", pdf, html}), 0);
  QFile file(html);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString content = QString::fromUtf8(file.readAll());
  PdfPage page;
  const auto size =
      QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)">)re").match(content);
  EXPECT_TRUE(size.hasMatch());
  page.width = size.captured(1).toDouble() * kTwipsPerPoint;
  page.height = size.captured(2).toDouble() * kTwipsPerPoint;
  const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
  for (auto it = word.globalMatch(content); it.hasNext();) {
    const auto match = it.next();
    page.words.push_back({match.captured(1).toDouble() * kTwipsPerPoint,
                          match.captured(2).toDouble() * kTwipsPerPoint, match.captured(3)});
  }
  return page;
}

// How many words of `text` start within the tolerance of (x, y).
int Count_Near(const PdfPage& page, const QString& text, double x, double y) {
  return static_cast<int>(std::count_if(page.words.begin(), page.words.end(), [&](const Word& w) {
    return w.text == text && std::abs(w.x - x) <= kTolerance && std::abs(w.y - y) <= kTolerance;
  }));
}

// A blank's width in twips in the worksheet's 10-point type.
double Blank_Width() {
  QPrinter printer(QPrinter::HighResolution);
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(10);
  return QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char(' ')) * 1440.0 /
         printer.resolution();
}

// Passes every call on to the real printer and keeps a record of what the worksheet asked for.
class TeePrinter final : public Printer {
 public:
  explicit TeePrinter(Printer& real) : real_(real) {}
  Status begin_document() override { return Both(&Printer::begin_document); }
  Status page_size(PageSize& page) override {
    PageSize ignored;
    (void)seen.page_size(ignored);
    return real_.page_size(page);
  }
  Status set_position(Twips x, Twips y) override { return Both(&Printer::set_position, x, y); }
  Status set_font_size(int points) override { return Both(&Printer::set_font_size, points); }
  Status print_line(std::string_view text) override { return Both(&Printer::print_line, text); }
  Status circle(Twips x, Twips y, Twips r) override { return Both(&Printer::circle, x, y, r); }
  Status end_document() override { return Both(&Printer::end_document); }
  void abort_document() override {
    seen.abort_document();
    real_.abort_document();
  }

  RecordingPrinter seen;

 private:
  template <class... Args, class... Values>
  Status Both(Status (Printer::*operation)(Args...), Values... values) {
    (void)(seen.*operation)(values...);
    return (real_.*operation)(values...);
  }

  Printer& real_;
};

class QtPrinterTest : public ::testing::Test {
 protected:
  QtPrinterTest() {
    Fill_Key_Tables(tables);
    Fill_Chord_Types(chord_types, true);
  }

  // The user picks "print to file" on US Letter in the platform's print dialog.
  PrintDialogs Letter_Pdf_Chosen() {
    return {[] { return true; },
            [this](QPrinter& printer) {
              printer.setOutputFormat(QPrinter::PdfFormat);
              printer.setOutputFileName(pdf);
              printer.setPageSize(QPageSize(QPageSize::Letter));
              return true;
            },
            [](const QString&) {
              ADD_FAILURE() << "asked for a file although a printer is there";
              return QString();
            }};
  }

  std::vector<MessageBox> Run(Printer& printer) {
    testing::FakeWindowSystem windows;
    Print_Worksheet({board, tables, chord_types, false, printer, log, random, clock, windows});
    return windows.boxes;
  }

  QStringList Folder_Entries() const { return QDir(folder.path()).entryList(QDir::Files); }

  QTemporaryDir folder;
  QString pdf = folder.filePath(QStringLiteral("Worksheet.pdf"));
  KeyTables tables;
  FramedList chord_types;
  Board board;
  testing::MemoryAnswerLog log;
  testing::SeededRandom random{11};
  testing::FakeClock clock;
};

TEST_F(QtPrinterTest, EveryTextReadsBackFromThePdfWhereTheWorksheetPutIt) {
  QtPrinter real(Letter_Pdf_Chosen());
  TeePrinter printer(real);
  ASSERT_TRUE(Run(printer).empty());

  const PdfPage page = Read_Words(pdf);
  EXPECT_DOUBLE_EQ(page.width, 12240);
  EXPECT_DOUBLE_EQ(page.height, 15840);
  const double blank = Blank_Width();
  const auto texts = printer.seen.of_kind(RecordingPrinter::Kind::Text);
  ASSERT_EQ(texts.size(), 2U + 6U * kWorksheetStars);
  for (const auto& text : texts) {
    const QString printed = QString::fromStdString(text.text);
    const qsizetype blanks = printed.size() - printed.trimmed().size();
    const QString first_word = printed.trimmed().section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(Count_Near(page, first_word, text.x + blanks * blank, text.y), 1)
        << '"' << text.text << "\" at " << text.x << ", " << text.y;
  }

  // The places themselves, independent of the record.
  EXPECT_EQ(Count_Near(page, QStringLiteral("Worksheet"), 100, 14640), 1);
  EXPECT_EQ(Count_Near(page, QStringLiteral("Work"), 100, 200), 1);
  EXPECT_EQ(Count_Near(page, QStringLiteral("tru"), 100, 200), 0) << "a word of its own";
  for (int star = 1; star <= kWorksheetStars; ++star) {
    const TwipPoint label = kLetterCentres[star - 1] + Offset{-500, -1800};
    EXPECT_EQ(Count_Near(page, QStringLiteral("6-12-2026-%1").arg(star), label.x, label.y), 1);
  }
  // The board is left with the last star's chords.
  const std::array<Offset, kChordLineCount> name_at{
      {{1500, -1500}, {1600, -100}, {1500, 1500}, {-350, 1600}}};
  for (int line = 0; line < kChordLineCount; ++line) {
    const TwipPoint name = kLetterCentres[5] + name_at[line];
    EXPECT_EQ(Count_Near(page, QString::fromStdString(board.Chords[line]), name.x, name.y), 1);
  }
}

// An 8-bit grey picture of the page, one pixel per `kPixelTwips`.
struct Picture {
  int width = 0;
  int height = 0;
  QByteArray pixels;

  static constexpr double kPixelTwips = 10;  // 144 dpi
  int Darkest(double x_twips, double y_twips, int reach) const {
    const int cx = static_cast<int>(std::lround(x_twips / kPixelTwips));
    const int cy = static_cast<int>(std::lround(y_twips / kPixelTwips));
    int darkest = 255;
    for (int y = cy - reach; y <= cy + reach; ++y) {
      for (int x = cx - reach; x <= cx + reach; ++x) {
        darkest = std::min(darkest, static_cast<int>(static_cast<unsigned char>(
                                        pixels.at(static_cast<qsizetype>(y) * width + x))));
      }
    }
    return darkest;
  }
};

Picture Render(const QString& pdf) {
  const QString base = pdf + QStringLiteral("-page");
  EXPECT_EQ(QProcess::execute(QStringLiteral(VELMORA_PDFTOPPM),
                              {"-r", "144", "-gray", "-singlefile", pdf, base}),
            0);
  QFile file(base + QStringLiteral(".pgm"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  Picture picture;
  const QList<QByteArray> header = file.readLine().trimmed().split(' ');
  EXPECT_EQ(header.value(0), "P5");
  const QList<QByteArray> size = file.readLine().trimmed().split(' ');
  picture.width = size.value(0).toInt();
  picture.height = size.value(1).toInt();
  file.readLine();  // the largest grey value
  picture.pixels = file.readAll();
  EXPECT_EQ(picture.pixels.size(), static_cast<qsizetype>(picture.width) * picture.height);
  return picture;
}

TEST_F(QtPrinterTest, CirclesOfRadius300AreOutlinedAtTheirPlaces) {
  QtPrinter real(Letter_Pdf_Chosen());
  ASSERT_TRUE(Run(real).empty());
  const Picture picture = Render(pdf);
  ASSERT_EQ(picture.width, 1224);

  for (const TwipPoint& centre : kLetterCentres) {
    for (const Offset& offset : kStarCircleOffsets) {
      const TwipPoint circle = centre + offset;
      EXPECT_LT(picture.Darkest(circle.x, circle.y - 300, 1), 128)
          << "no outline above " << circle.x << ", " << circle.y;
      EXPECT_LT(picture.Darkest(circle.x - 300, circle.y, 1), 128)
          << "no outline left of " << circle.x << ", " << circle.y;
      // Inside, below where a given note could stand: the outline is not filled.
      EXPECT_GT(picture.Darkest(circle.x, circle.y + 200, 1), 200)
          << "ink inside " << circle.x << ", " << circle.y;
    }
    // Between four circles, away from every text: blank paper.
    for (const Offset gap : {Offset{-300, -300}, Offset{300, -300}, Offset{300, 300}}) {
      EXPECT_GT(picture.Darkest(centre.x + gap.dx, centre.y + gap.dy, 2), 200);
    }
  }
}

struct CancelCase {
  const char* name;
  bool printers;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class QtPrinterCancelTest : public QtPrinterTest,
                            public ::testing::WithParamInterface<CancelCase> {};

TEST_P(QtPrinterCancelTest, CancellingTheDialogIsTheCanceledFailure) {
  QtPrinter printer({[] { return GetParam().printers; }, [](QPrinter&) { return false; },
                     [](const QString&) { return QString(); }});
  const auto boxes = Run(printer);

  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text,
            "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) "
            "Canceled by the user 1");
  EXPECT_EQ(boxes[0].icon, Icon::Critical);
  EXPECT_TRUE(log.lines.empty());
  EXPECT_TRUE(Folder_Entries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, QtPrinterCancelTest,
                         ::testing::Values(CancelCase{"PrintDialog", true},
                                           CancelCase{"PdfFileDialog", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RegionCase {
  const char* name;
  QLocale locale;
  double width;  // twips
  double height;
};

void PrintTo(const RegionCase& c, std::ostream* os) { *os << c.name; }

class QtPrinterNoPrinterTest : public QtPrinterTest,
                               public ::testing::WithParamInterface<RegionCase> {
 protected:
  ~QtPrinterNoPrinterTest() override {
    QLocale::setDefault(QLocale::system());
    QDir::setCurrent(previous_folder);
  }
  QString previous_folder = QDir::currentPath();
};

TEST_P(QtPrinterNoPrinterTest, ProposesWorksheetPdfInTheWorkingFolderOnTheRegionsPaper) {
  QLocale::setDefault(GetParam().locale);
  QDir::setCurrent(folder.path());
  QString proposed;
  QtPrinter printer({[] { return false; },
                     [](QPrinter&) {
                       ADD_FAILURE() << "a print dialog without printers";
                       return false;
                     },
                     [&proposed](const QString& name) { return proposed = name; }});
  ASSERT_TRUE(Run(printer).empty());

  EXPECT_EQ(QFileInfo(proposed), QFileInfo(folder.filePath(QStringLiteral("Worksheet.pdf"))));
  EXPECT_EQ(Folder_Entries(), QStringList{QStringLiteral("Worksheet.pdf")});
  const PdfPage page = Read_Words(pdf);
  EXPECT_NEAR(page.width, GetParam().width, kTwipsPerPoint);
  EXPECT_NEAR(page.height, GetParam().height, kTwipsPerPoint);
  EXPECT_EQ(Count_Near(page, QStringLiteral("Worksheet"), 100, GetParam().height - 1200), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, QtPrinterNoPrinterTest,
    ::testing::Values(
        RegionCase{"UnitedStates", QLocale(QLocale::English, QLocale::UnitedStates), 12240, 15840},
        RegionCase{"Netherlands", QLocale(QLocale::Dutch, QLocale::Netherlands), 11906, 16838}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtPrinterTest, AFailedRunLeavesNoPdfAndKeepsAnEarlierOne) {
  {
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier worksheet");
  }
  log.fail_open = 3;
  QtPrinter printer(Letter_Pdf_Chosen());
  const auto boxes = Run(printer);

  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, std::string(kWorksheetFailureText) + "cannot open 4");
  EXPECT_EQ(Folder_Entries(), QStringList{QStringLiteral("Worksheet.pdf")});
  QFile earlier(pdf);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "an earlier worksheet");
}

class QtPrinterUnsavedTest : public QtPrinterTest, public ::testing::WithParamInterface<bool> {};

TEST_P(QtPrinterUnsavedTest, APdfThatCannotBeSavedIsAFailureAndLeavesNothing) {
  const bool folder_in_the_way = GetParam();
  if (folder_in_the_way) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Worksheet.pdf/kept")));
  } else {
    pdf = folder.filePath(QStringLiteral("missing/Worksheet.pdf"));
  }
  QtPrinter printer(Letter_Pdf_Chosen());
  const auto boxes = Run(printer);

  ASSERT_EQ(boxes.size(), 1U);
  const std::string expected = std::string(kWorksheetFailureText) +
                               "The worksheet could not be saved as " + pdf.toStdString() + ": ";
  EXPECT_EQ(boxes[0].text.substr(0, expected.size()), expected);
  EXPECT_EQ(boxes[0].text.substr(boxes[0].text.size() - 2), " 3");
  EXPECT_EQ(log.lines.size(), 30U) << "every star was logged before the page went out";
  EXPECT_TRUE(Folder_Entries().isEmpty()) << Folder_Entries().join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Targets, QtPrinterUnsavedTest, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "FolderInTheWay" : "MissingFolder");
});

}  // namespace
}  // namespace velmora
