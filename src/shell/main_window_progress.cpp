// The way from the main window to the learner's progress: a shortcut and the Help button's
// context menu, beside the layout rather than in it.
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "shell/main_window.h"
#include "shell/progress_window.h"

namespace velmora {

void MainWindow::add_progress_access() {
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this), &QShortcut::activated, this,
          [this] { show_progress(); });
  Help_cmd_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Help_cmd_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { show_menu_(*help_menu(), Help_cmd_->mapToGlobal(at)); });
}

std::unique_ptr<QMenu> MainWindow::help_menu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(QString::fromUtf8("Progress\u2026"), this, [this] { show_progress(); });
  return menu;
}

ProgressWindow& MainWindow::show_progress() {
  if (progress_ == nullptr) {
    progress_ = new ProgressWindow(history_, this);
    // Weak-spot practice must not go on steering toward mistakes that are forgotten.
    progress_->set_on_forgotten([this] { form_.history_changed(); });
  } else {
    progress_->refresh();
  }
  progress_->show();
  progress_->raise();
  progress_->activateWindow();
  return *progress_;
}

}  // namespace velmora
