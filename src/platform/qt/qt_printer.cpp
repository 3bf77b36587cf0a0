#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

namespace velmora {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// The size texts get until the first font size is set.
constexpr int kDefaultFontPoints = 10;

QFont Worksheet_Font(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  return font;
}

std::int64_t To_Twips(double points) {
  const double twips = points * kTwipsPerPoint;
  if (!(twips > 0)) return 0;
  constexpr double kLargest = static_cast<double>(std::numeric_limits<std::int64_t>::max() / 2);
  return twips < kLargest ? std::llround(twips) : std::numeric_limits<std::int64_t>::max();
}

Failure Canceled() { return {kCanceledByUser, "Canceled by the user"}; }

Failure Not_Started() { return {kPrinterFailed, "The printer has no document started"}; }

Failure Not_Saved(const QString& target, const QString& reason) {
  return {kPrinterFailed, "The worksheet could not be saved as " + target.toStdString() + ": " +
                              reason.toStdString()};
}

}  // namespace

PrintDialogs Platform_Print_Dialogs(QWidget* parent) {
  return {
      [] { return !QPrinterInfo::availablePrinters().isEmpty(); },
      [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
      },
      [parent](const QString& proposed) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Worksheet as PDF"),
                                            proposed, QStringLiteral("PDF files (*.pdf)"));
      },
  };
}

QtPrinter::QtPrinter(PrintDialogs dialogs) : dialogs_(std::move(dialogs)) {}

QtPrinter::~QtPrinter() = default;

Status QtPrinter::begin_document() {
  abort_document();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (dialogs_.printers_available()) {
    if (!dialogs_.choose_printer(*printer)) return Canceled();
  } else {
    const QString file =
        dialogs_.choose_pdf_file(QDir::current().absoluteFilePath(QStringLiteral("Worksheet.pdf")));
    if (file.isEmpty()) return Canceled();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    // No printer tells the paper size, so the PDF gets the paper of the user's region.
    const bool us_paper = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    printer->setPageSize(QPageSize(us_paper ? QPageSize::Letter : QPageSize::A4));
  }
  // Page positions count from the paper's corner, not from inside the printer's margins.
  printer->setFullPage(true);
  printer_ = std::move(printer);
  x_ = 0;
  y_ = 0;
  font_points_ = kDefaultFontPoints;
  return {};
}

Status QtPrinter::page_size(PageSize& page) {
  if (!printer_) return Not_Started();
  const QRectF paper = printer_->paperRect(QPrinter::Point);
  page = {To_Twips(paper.width()), To_Twips(paper.height())};
  return {};
}

Status QtPrinter::set_position(Twips x, Twips y) {
  if (!printer_) return Not_Started();
  x_ = x;
  y_ = y;
  return {};
}

Status QtPrinter::set_font_size(int points) {
  if (!printer_) return Not_Started();
  font_points_ = points;
  return {};
}

Status QtPrinter::print_line(std::string_view text) {
  if (!printer_) return Not_Started();
  marks_.push_back({Mark::Kind::Text, x_, y_, font_points_,
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))});
  const QFontMetricsF metrics(Worksheet_Font(font_points_), printer_.get());
  x_ = 0;
  y_ += static_cast<Twips>(
      std::lround(metrics.lineSpacing() * kTwipsPerInch / printer_->resolution()));
  return {};
}

Status QtPrinter::circle(Twips x, Twips y, Twips radius) {
  if (!printer_) return Not_Started();
  marks_.push_back({Mark::Kind::Circle, x, y, radius, {}});
  return {};
}

Status QtPrinter::end_document() {
  if (!printer_) return Not_Started();
  Status status = Paint_Marks();
  marks_.clear();
  printer_.reset();
  return status;
}

void QtPrinter::abort_document() {
  marks_.clear();
  printer_.reset();
}

Status QtPrinter::Paint_Marks() {
  const QString target = printer_->outputFileName();
  const bool to_file = printer_->outputFormat() == QPrinter::PdfFormat && !target.isEmpty();
  QString partial;
  if (to_file) {
    // Painted under a name of its own beside the target and renamed when complete, so a failed
    // page neither leaves half a PDF nor spoils an earlier worksheet of the same name. The name
    // is only reserved here: the printer creates the file afresh, with the usual permissions.
    QTemporaryFile reserve(target + QStringLiteral(".XXXXXX"));
    if (!reserve.open()) return Not_Saved(target, reserve.errorString());
    partial = reserve.fileName();
    printer_->setOutputFileName(partial);
  }
  const auto drop_partial = [&partial] {
    if (!partial.isEmpty()) QFile::remove(partial);
  };

  QPainter painter;
  if (!painter.begin(printer_.get())) {
    drop_partial();
    return Failure{kPrinterFailed, "The printer could not start the page"};
  }
  // A cosmetic pen of width 0 is the device's thinnest line: one printer dot.
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const double scale = printer_->resolution() / kTwipsPerInch;
  for (const Mark& mark : marks_) {
    const QPointF at(mark.x * scale, mark.y * scale);
    if (mark.kind == Mark::Kind::Circle) {
      painter.drawEllipse(at, mark.size * scale, mark.size * scale);
      continue;
    }
    painter.setFont(Worksheet_Font(mark.size));
    // drawText places the baseline; the text's top-left corner belongs at the print position.
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(at + QPointF(0, metrics.ascent()), mark.text);
  }
  if (!painter.end()) {
    drop_partial();
    return Failure{kPrinterFailed, "The page could not be sent to the printer"};
  }
  if (to_file) {
    std::error_code error;
    std::filesystem::rename(partial.toStdString(), target.toStdString(), error);
    if (error) {
      drop_partial();
      return Not_Saved(target, QString::fromStdString(error.message()));
    }
  }
  return {};
}

}  // namespace velmora
