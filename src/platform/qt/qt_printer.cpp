#include "platform/qt/qt_printer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "platform/posix/replace_file.h"

namespace velmora {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// The size texts get until the first font size is set.
constexpr int kDefaultFontPoints = 10;

std::int64_t to_twips(double points) {
  const double twips = points * kTwipsPerPoint;
  if (!(twips > 0)) return 0;
  constexpr double kLargest = static_cast<double>(std::numeric_limits<std::int64_t>::max() / 2);
  return twips < kLargest ? std::llround(twips) : std::numeric_limits<std::int64_t>::max();
}

Failure canceled() { return {kCanceledByUser, "Canceled by the user"}; }

Failure not_started() { return {kPrinterFailed, "The printer has no document started"}; }

Failure not_saved(const QString& target, const QString& reason) {
  return {kPrinterFailed, "The worksheet could not be saved as " + target.toStdString() + ": " +
                              reason.toStdString()};
}

}  // namespace

PrintDialogs platform_print_dialogs(QWidget* parent) {
  return {
      [] { return !QPrinterInfo::availablePrinters().isEmpty(); },
      [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
      },
      [parent](const QString& proposed) {
        return QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("Printing", "Save Worksheet as PDF"), proposed,
            QCoreApplication::translate("Printing", "PDF files (*.pdf)"));
      },
  };
}

QtPrinter::QtPrinter(PrintDialogs dialogs) : dialogs_(std::move(dialogs)) {}

QtPrinter::~QtPrinter() = default;

Status QtPrinter::begin_document() {
  abort_document();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (dialogs_.printers_available()) {
    if (!dialogs_.choose_printer(*printer)) return canceled();
  } else {
    const QString file =
        dialogs_.choose_pdf_file(QDir::current().absoluteFilePath(QStringLiteral("Worksheet.pdf")));
    if (file.isEmpty()) return canceled();
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
  if (!printer_) return not_started();
  const QRectF paper = printer_->paperRect(QPrinter::Point);
  page = {to_twips(paper.width()), to_twips(paper.height())};
  return {};
}

Status QtPrinter::set_position(Twips x, Twips y) {
  if (!printer_) return not_started();
  x_ = x;
  y_ = y;
  return {};
}

Status QtPrinter::set_font_size(int points) {
  if (!printer_) return not_started();
  font_points_ = points;
  return {};
}

Status QtPrinter::print_line(std::string_view text) {
  if (!printer_) return not_started();
  marks_.push_back({PageMark::Kind::Text, {x_, y_}, font_points_,
                    wording_ ? wording_(text).toStdString() : std::string(text)});
  const QFontMetricsF metrics(worksheet_font(font_points_), printer_.get());
  x_ = 0;
  y_ += static_cast<Twips>(
      std::lround(metrics.lineSpacing() * kTwipsPerInch / printer_->resolution()));
  return {};
}

Status QtPrinter::circle(Twips x, Twips y, Twips radius) {
  if (!printer_) return not_started();
  marks_.push_back({PageMark::Kind::Circle, {x, y}, radius, {}});
  return {};
}

Status QtPrinter::line(TwipPoint from, TwipPoint to) {
  if (!printer_) return not_started();
  marks_.push_back({PageMark::Kind::Line, from, 0, {}, to});
  return {};
}

Status QtPrinter::end_document() {
  if (!printer_) return not_started();
  const QString file = printer_->outputFileName();
  Status status = printer_->outputFormat() == QPrinter::PdfFormat && !file.isEmpty()
                      ? save_pdf(file)
                      : paint_marks(*printer_);
  if (status.ok() && printed_on_) printed_on_(printer_->pageLayout().pageSize());
  marks_.clear();
  printer_.reset();
  return status;
}

void QtPrinter::abort_document() {
  marks_.clear();
  printer_.reset();
}

Status QtPrinter::paint_marks(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) {
    return Failure{kPrinterFailed, "The printer could not start the page"};
  }
  paint_page(painter, marks_, printer_->resolution());
  if (!painter.end()) return Failure{kPrinterFailed, "The page could not be sent to the printer"};
  return {};
}

Status QtPrinter::save_pdf(const QString& target) const {
  // The printer's own PDF output reports success even when the file could not be written, so the
  // page is made in memory, with the printer's settings, and saved here with every write checked.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  writer.setPdfVersion(printer_->pdfVersion());
  writer.setTitle(printer_->docName());
  writer.setCreator(printer_->creator());
  writer.setResolution(printer_->resolution());
  writer.setPageLayout(printer_->pageLayout());
  if (Status status = paint_marks(writer); !status.ok()) return status;
  const QByteArray& bytes = pdf.data();
  const std::string error =
      replace_file(QFile::encodeName(target).toStdString(),
                   {bytes.constData(), static_cast<std::size_t>(bytes.size())});
  if (!error.empty()) return not_saved(target, QString::fromStdString(error));
  return {};
}

}  // namespace velmora
