#include "shell/answer_key_pdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/posix/replace_file.h"
#include "platform/qt/qt_printer.h"
#include "shell/display_texts.h"

namespace velmora {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kResolution = 1200;

PageSize twips_of(const QPageSize& paper) {
  const QSizeF points = paper.size(QPageSize::Point);
  return {std::llround(points.width() * 20), std::llround(points.height() * 20)};
}

Failure not_saved(const std::filesystem::path& target, const std::string& reason) {
  return {kPrinterFailed,
          "The answer key could not be saved as " + target.string() + ": " + reason};
}

}  // namespace

QPageSize regional_paper() {
  const bool us_paper = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageSize(us_paper ? QPageSize::Letter : QPageSize::A4);
}

std::optional<std::string> read_log_file(const std::filesystem::path& log, std::string& reason) {
  std::error_code error;
  if (std::filesystem::is_directory(log, error)) {
    reason = std::strerror(EISDIR);
    return std::nullopt;
  }
  std::ifstream file(log, std::ios::binary);
  if (!file) {
    reason = std::strerror(errno);
    return std::nullopt;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) {
    reason = "it could not be read to its end";
    return std::nullopt;
  }
  return text.str();
}

Status write_answer_key(const std::vector<LoggedStar>& stars, const QPageSize& paper,
                        std::optional<std::uint64_t> seed, const std::filesystem::path& target,
                        NoteNaming naming) {
  if (stars.empty()) return not_saved(target, "there is no star to put in it");
  std::vector<MarkedPage> pages;
  if (Status status = lay_out_answer_key(stars, twips_of(paper), seed, pages); !status.ok()) {
    return status;
  }
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  writer.setTitle(QStringLiteral("Answer key"));
  writer.setCreator(QStringLiteral("Velmora"));
  writer.setResolution(kResolution);
  writer.setPageSize(paper);
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&writer)) return not_saved(target, "the PDF could not be started");
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  const double scale = kResolution / kTwipsPerInch;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0 && !writer.newPage()) return not_saved(target, "a page could not be added");
    for (const PageMark& mark : pages[page]) {
      const QPointF at(mark.at.x * scale, mark.at.y * scale);
      if (mark.kind == PageMark::Kind::Circle) {
        painter.drawEllipse(at, mark.size * scale, mark.size * scale);
        continue;
      }
      painter.setFont(worksheet_font(mark.size));
      // drawText places the baseline; the text's top-left corner belongs at the mark.
      const QFontMetricsF metrics(painter.font(), painter.device());
      const QString text = NoteName::from_text(mark.text) ? shown_caption(mark.text, naming)
                                                          : shown_message(mark.text, naming);
      painter.drawText(at + QPointF(0, metrics.ascent()), text);
    }
  }
  if (!painter.end()) return not_saved(target, "the PDF could not be finished");
  const QByteArray& bytes = pdf.data();
  const std::string error =
      replace_file(target, {bytes.constData(), static_cast<std::size_t>(bytes.size())});
  if (!error.empty()) return not_saved(target, error);
  return {};
}

}  // namespace velmora
