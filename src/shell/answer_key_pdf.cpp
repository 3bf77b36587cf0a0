#include "shell/answer_key_pdf.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <cerrno>
#include <cmath>
#include <random>
#include <system_error>

#include "platform/posix/text_file.h"
#include "platform/qt/page_painter.h"
#include "shell/display_texts.h"

namespace velmora {
namespace {

constexpr int kResolution = 1200;

PageSize twips_of(const QPageSize& paper) {
  const QSizeF points = paper.size(QPageSize::Point);
  return {std::llround(points.width() * 20), std::llround(points.height() * 20)};
}

// The page's texts in the window's language and its notes in the learner's names.
MarkedPage worded_page(MarkedPage page, NoteNaming naming) {
  for (PageMark& mark : page) {
    if (mark.kind != PageMark::Kind::Text) continue;
    mark.text = (NoteName::from_text(mark.text) ? shown_caption(mark.text, naming)
                                                : shown_message(mark.text, naming))
                    .toStdString();
  }
  return page;
}

}  // namespace

// The PDF on its way: the file beside the target, and the layout that hands it its pages.
struct AnswerKeyPdf::Writer {
  std::string partial;
  QFile file;
  std::unique_ptr<QPdfWriter> pdf;
  QPainter painter;
  std::unique_ptr<AnswerKeyLayout> layout;
  bool finished = false;

  ~Writer() {
    if (painter.isActive()) painter.end();
    pdf.reset();
    file.close();
    if (!finished) ::unlink(partial.c_str());
  }
};

QPageSize regional_paper() {
  const bool us_paper = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageSize(us_paper ? QPageSize::Letter : QPageSize::A4);
}

AnswerKeyPdf::AnswerKeyPdf(const QPageSize& paper, PageStyle style, std::optional<KeyBatch> batch,
                           std::filesystem::path target, NoteNaming naming)
    : paper_(paper), style_(style), batch_(batch), target_(std::move(target)), naming_(naming) {}

AnswerKeyPdf::~AnswerKeyPdf() = default;

Failure AnswerKeyPdf::not_saved(const std::string& reason) const {
  return {kPrinterFailed,
          "The answer key could not be saved as " + target_.string() + ": " + reason};
}

Status AnswerKeyPdf::begin() {
  PageGeometry geometry;
  if (Status status = lay_out_page(twips_of(paper_), style_, geometry); !status.ok()) {
    return status;
  }
  auto writer = std::make_unique<Writer>();
  std::random_device entropy;
  int descriptor = -1;
  for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
    writer->partial = target_.string() + "." + std::to_string(entropy());
    // Mode 0666 under the user's umask: the permissions any newly written file gets.
    descriptor = ::open(writer->partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST) break;
  }
  if (descriptor < 0) return not_saved(std::generic_category().message(errno));
  if (!writer->file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    ::unlink(writer->partial.c_str());
    return not_saved(writer->file.errorString().toStdString());
  }
  writer->pdf = std::make_unique<QPdfWriter>(&writer->file);
  QPdfWriter& pdf = *writer->pdf;
  pdf.setTitle(QCoreApplication::translate("AnswerKey", "Answer key"));
  pdf.setCreator(QStringLiteral("Velmora"));
  pdf.setResolution(kResolution);
  pdf.setPageSize(paper_);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  Writer* const open = writer.get();
  writer->layout = std::make_unique<AnswerKeyLayout>(
      geometry, batch_, [this, open](const MarkedPage& page) -> Status {
        if (!open->painter.isActive()) {
          if (!open->painter.begin(open->pdf.get())) {
            return not_saved("the PDF could not be started");
          }
        } else if (!open->pdf->newPage()) {
          return not_saved("a page could not be added");
        }
        paint_page(open->painter, worded_page(page, naming_), kResolution);
        return {};
      });
  writer_ = std::move(writer);
  return {};
}

Status AnswerKeyPdf::add(const LoggedStar& star) {
  ++stars_;
  return writer_->layout->add(star);
}

Status AnswerKeyPdf::finish() {
  Writer& writer = *writer_;
  if (stars_ == 0) return not_saved("there is no star to put in it");
  if (Status status = writer.layout->finish(); !status.ok()) return status;
  if (!writer.painter.end()) return not_saved("the PDF could not be finished");
  writer.pdf.reset();
  if (!writer.file.flush() || writer.file.error() != QFileDevice::NoError) {
    return not_saved(writer.file.errorString().toStdString());
  }
  if (::fsync(writer.file.handle()) != 0) return not_saved(std::generic_category().message(errno));
  writer.file.close();
  if (::rename(writer.partial.c_str(), target_.c_str()) != 0) {
    return not_saved(std::generic_category().message(errno));
  }
  writer.finished = true;
  return {};
}

Status write_answer_key(const std::vector<LoggedStar>& stars, const QPageSize& paper,
                        PageStyle style, std::optional<KeyBatch> batch,
                        const std::filesystem::path& target, NoteNaming naming) {
  AnswerKeyPdf key(paper, style, batch, target, naming);
  if (Status status = key.begin(); !status.ok()) return status;
  for (const LoggedStar& star : stars) {
    if (Status status = key.add(star); !status.ok()) return status;
  }
  return key.finish();
}

LogKey scan_answer_log(const std::filesystem::path& log) {
  LogKey outcome;
  AnswerLogReader reader([&](LoggedStar) { ++outcome.stars; });
  outcome.unreadable = read_lines(log, [&](std::string_view line) { reader.read_line(line); });
  reader.finish();
  outcome.problems = reader.problems();
  return outcome;
}

LogKey write_answer_key_of_log(const std::filesystem::path& log, const QPageSize& paper,
                               PageStyle style, const std::filesystem::path& target,
                               NoteNaming naming) {
  LogKey outcome;
  AnswerKeyPdf key(paper, style, std::nullopt, target, naming);
  outcome.written = key.begin();
  AnswerLogReader reader([&](LoggedStar star) {
    ++outcome.stars;
    if (outcome.written.ok()) outcome.written = key.add(star);
  });
  outcome.unreadable = read_lines(log, [&](std::string_view line) { reader.read_line(line); });
  if (!outcome.unreadable.empty()) return outcome;
  reader.finish();
  outcome.problems = reader.problems();
  if (outcome.written.ok() && outcome.stars > 0) outcome.written = key.finish();
  return outcome;
}

}  // namespace velmora
