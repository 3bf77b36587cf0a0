// The "Work Sheet" button's context menu: the classroom sheet, and the answer key of the sheets
// printed from this folder on the paper they were printed on.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "shell/answer_key_pdf.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

// Enough to show the kind of damage without a box taller than the screen.
constexpr std::size_t kProblemsShown = 8;

// Where the paper and page of the last printed sheet are kept between runs.
constexpr const char* kLastPaperKey = "worksheet/last_paper";
constexpr const char* kLastClassroomKey = "worksheet/last_classroom";

QString paper_choice(const SheetPaper& paper) {
  return paper.paper.name() +
         (paper.style == PageStyle::Classroom ? QStringLiteral(", classroom sheet") : QString());
}

// Asks with a list of A4, Letter and the proposed paper, each as the window's sheet and as the
// classroom sheet.
std::optional<SheetPaper> ask_paper(QWidget* parent, const SheetPaper& proposed) {
  std::vector<SheetPaper> papers;
  for (const QPageSize& paper : {proposed.paper, QPageSize(QPageSize::A4),
                                 QPageSize(QPageSize::Letter)}) {
    for (PageStyle style : {PageStyle::Standard, PageStyle::Classroom}) {
      const bool known = std::any_of(papers.begin(), papers.end(), [&](const SheetPaper& known) {
        return known.paper.isEquivalentTo(paper) && known.style == style;
      });
      if (!known) papers.push_back({paper, style});
    }
  }
  QStringList names;
  int current = 0;
  for (const SheetPaper& paper : papers) {
    if (paper.paper.isEquivalentTo(proposed.paper) && paper.style == proposed.style) {
      current = static_cast<int>(names.size());
    }
    names << paper_choice(paper);
  }
  bool chosen = false;
  const QString name = QInputDialog::getItem(
      parent, QStringLiteral("Answer Key Paper"),
      QStringLiteral("The paper the sheets were printed on:"), names, current, false, &chosen);
  if (!chosen) return std::nullopt;
  return papers[static_cast<std::size_t>(names.indexOf(name))];
}

}  // namespace

void MainWindow::connect_worksheet_menu() {
  choose_key_file_ = [this](const QString& proposed) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save Answer Key as PDF"), proposed,
                                        QStringLiteral("PDF files (*.pdf)"));
  };
  choose_key_paper_ = [this](const SheetPaper& proposed) { return ask_paper(this, proposed); };
  printer_.set_printed_on([this](const QPageSize& paper) {
    if (settings_ == nullptr) return;
    settings_->setValue(kLastPaperKey, paper.key());
    settings_->setValue(kLastClassroomKey, printing_style_ == PageStyle::Classroom);
  });
  WorkSheet_cmd_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(WorkSheet_cmd_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { show_menu_(*worksheet_menu(), WorkSheet_cmd_->mapToGlobal(at)); });
}

std::unique_ptr<QMenu> MainWindow::worksheet_menu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(QStringLiteral("Classroom sheet\u2026"), this, [this] {
    printing_style_ = PageStyle::Classroom;
    run([this] { form_.classroom_sheet_click(); });
    printing_style_ = PageStyle::Standard;
  });
  menu->addAction(QStringLiteral("Answer key\u2026"), this, &MainWindow::make_answer_key);
  return menu;
}

SheetPaper MainWindow::last_sheet_paper() const {
  SheetPaper last{regional_paper(), PageStyle::Standard};
  if (settings_ == nullptr) return last;
  const QString key = settings_->value(kLastPaperKey).toString();
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const QPageSize paper(static_cast<QPageSize::PageSizeId>(id));
    if (!key.isEmpty() && paper.key() == key) last.paper = paper;
  }
  if (settings_->value(kLastClassroomKey).toBool()) last.style = PageStyle::Classroom;
  return last;
}

void MainWindow::make_answer_key() {
  const std::string log_name(kAnswerLogName);
  const auto failed = [this](const std::string& text) {
    windows_.show_message({text, Buttons::Ok, Icon::Critical});
  };
  // Read once before any question, so that a log without stars is told at once; a pipe or a
  // device is refused without waiting on it.
  const LogKey scan = scan_answer_log(log_name);
  if (!scan.unreadable.empty()) {
    failed("The answer key cannot be made: the answer log " + log_name + " in " +
           QDir::currentPath().toStdString() + " could not be read (" + scan.unreadable + ").");
    return;
  }
  if (scan.stars == 0) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  const std::optional<SheetPaper> paper = choose_key_paper_(last_sheet_paper());
  if (!paper) return;
  const QString file =
      choose_key_file_(QDir::current().absoluteFilePath(QStringLiteral("Answer key.pdf")));
  if (file.isEmpty()) return;
  const std::filesystem::path target(QFile::encodeName(file).toStdString());
  if (std::error_code ignored; std::filesystem::equivalent(log_name, target, ignored)) {
    failed("The answer key cannot be saved over the answer log " + log_name +
           " it is made from; please choose another file.");
    return;
  }
  const LogKey key = write_answer_key_of_log(log_name, paper->paper, paper->style, target);
  if (!key.unreadable.empty()) {
    failed("The answer key cannot be made: the answer log " + log_name + " in " +
           QDir::currentPath().toStdString() + " could not be read (" + key.unreadable + ").");
    return;
  }
  if (key.stars == 0) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  if (!key.written.ok()) {
    failed(key.written.failure().description + ".");
    return;
  }
  if (key.problems.empty()) return;
  std::string skipped = "The answer key was saved without " +
                        std::to_string(key.problems.size()) + " part(s) of " + log_name +
                        " that could not be read:";
  for (std::size_t i = 0; i < key.problems.size() && i < kProblemsShown; ++i) {
    skipped.append("\n").append(describe(key.problems[i]));
  }
  if (key.problems.size() > kProblemsShown) skipped += "\n...";
  windows_.show_message({skipped});
}

}  // namespace velmora
