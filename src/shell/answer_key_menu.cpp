// The "Work Sheet" button's context menu: the answer key of the sheets printed from this folder.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>

#include "shell/answer_key_pdf.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

// Enough to show the kind of damage without a box taller than the screen.
constexpr std::size_t kProblemsShown = 8;

}  // namespace

void MainWindow::connect_worksheet_menu() {
  choose_key_file_ = [this](const QString& proposed) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save Answer Key as PDF"), proposed,
                                        QStringLiteral("PDF files (*.pdf)"));
  };
  WorkSheet_cmd_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(WorkSheet_cmd_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { show_menu_(*worksheet_menu(), WorkSheet_cmd_->mapToGlobal(at)); });
}

std::unique_ptr<QMenu> MainWindow::worksheet_menu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(QStringLiteral("Answer key\u2026"), this, &MainWindow::make_answer_key);
  return menu;
}

void MainWindow::make_answer_key() {
  const std::string log_name(kAnswerLogName);
  const auto failed = [this](const std::string& text) {
    windows_.show_message({text, Buttons::Ok, Icon::Critical});
  };
  std::string reason;
  const std::optional<std::string> text = read_log_file(log_name, reason);
  if (!text) {
    failed("The answer key cannot be made: the answer log " + log_name + " in " +
           QDir::currentPath().toStdString() + " could not be read (" + reason + ").");
    return;
  }
  const AnswerLogReading reading = read_answer_log(*text);
  if (reading.stars.empty()) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  const QString file =
      choose_key_file_(QDir::current().absoluteFilePath(QStringLiteral("Answer key.pdf")));
  if (file.isEmpty()) return;
  const std::filesystem::path target(QFile::encodeName(file).toStdString());
  if (std::error_code ignored; std::filesystem::equivalent(log_name, target, ignored)) {
    failed("The answer key cannot be saved over the answer log " + log_name +
           " it is made from; please choose another file.");
    return;
  }
  const Status status = write_answer_key(reading.stars, regional_paper(), std::nullopt, target);
  if (!status.ok()) {
    failed(status.failure().description + ".");
    return;
  }
  if (reading.problems.empty()) return;
  std::string skipped = "The answer key was saved without " +
                        std::to_string(reading.problems.size()) + " part(s) of " + log_name +
                        " that could not be read:";
  for (std::size_t i = 0; i < reading.problems.size() && i < kProblemsShown; ++i) {
    skipped.append("\n").append(describe(reading.problems[i]));
  }
  if (reading.problems.size() > kProblemsShown) skipped += "\n...";
  windows_.show_message({skipped});
}

}  // namespace velmora
