// The main window's keyboard, context menus and review: entering names without a mouse, and
// seeing and hearing one's own mistakes.
#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "shell/main_window.h"
#include "shell/note_labels.h"

namespace velmora {
namespace {

// The palette's groups as its rows show them, by index.
struct PaletteGroup {
  const char* title;
  std::size_t first;
};
constexpr PaletteGroup kPaletteGroups[] = {
    {"Naturals", 0}, {"Flats", 7}, {"Double flats", 14}, {"Sharps", 21}, {"Double sharps", 28}};
constexpr std::size_t kGroupSize = 7;
constexpr int kMistakesShownMs = 2000;

}  // namespace

void MainWindow::add_shortcuts() {
  const std::pair<QKeySequence, std::function<void()>> shortcuts[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), [this] { Create_Puzzle_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_K), [this] { Command_Check_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { WorkSheet_cmd_->click(); }},
      {QKeySequence(Qt::Key_F1), [this] { Help_cmd_->click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_M), [this] { show_mistakes(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_L), [this] { circles_[star_stop_ - 1]->setFocus(); }},
  };
  for (const auto& [keys, action] : shortcuts) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  }
}

void MainWindow::connect_circle(CircleLabel* label) {
  connect(label, &CircleLabel::arrow_pressed, this, &MainWindow::move_in_star);
  connect(label, &CircleLabel::key_typed, this, &MainWindow::type_into);
  connect(label, &CircleLabel::clear_pressed, this, [this](int circle) {
    bool cleared = false;
    run([&] { cleared = form_.clear_circle(circle); });
    if (!cleared) QApplication::beep();
    typing_circle_ = 0;
  });
  connect(label, &CircleLabel::enter_pressed, this, &MainWindow::put_down);
  connect(label, &CircleLabel::escape_pressed, this, [this] {
    if (!carried_.isEmpty()) announce(carried_ + " put back");
    carried_.clear();
  });
  connect(label, &CircleLabel::menu_requested, this, [this](int circle, QPoint at) {
    show_menu_(*circle_menu(circle), at);
  });
  connect(label, &CircleLabel::drag_target, this, &MainWindow::set_drag_target);
  connect(label, &CircleLabel::focus_changed, this, [this, label] {
    if (label->hasFocus() && label->circle() != star_stop_) move_star_stop(label->circle());
    update();
  });
}

void MainWindow::connect_palette(PaletteLabel* label) {
  connect(label, &PaletteLabel::arrow_pressed, this, &MainWindow::move_in_palette);
  connect(label, &PaletteLabel::picked, this, [this](const QString& name) {
    carried_ = name;
    announce(name + " picked up: choose a circle with the arrow keys and press Enter");
    circles_[star_stop_ - 1]->setFocus(Qt::OtherFocusReason);
  });
}

void MainWindow::move_star_stop(int circle) {
  circles_[star_stop_ - 1]->setFocusPolicy(Qt::ClickFocus);
  star_stop_ = circle;
  circles_[star_stop_ - 1]->setFocusPolicy(Qt::StrongFocus);
  typing_circle_ = 0;
}

void MainWindow::move_in_star(int circle, Direction direction) {
  // The given circle cannot take the focus; the move goes on past it along the same line.
  std::optional<int> next = neighbour_circle(circle, direction);
  while (next && !circles_[*next - 1]->isEnabled()) next = neighbour_circle(*next, direction);
  if (!next) return;
  move_star_stop(*next);
  circles_[*next - 1]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::move_in_palette(PaletteLabel* from, Direction direction) {
  const QPoint start = from->geometry().center();
  PaletteLabel* nearest = nullptr;
  long best = 0;
  for (PaletteLabel* label : palette_) {
    const QPoint offset = label->geometry().center() - start;
    long along = 0;
    long aside = 0;
    switch (direction) {
      case Direction::Left: along = -offset.x(), aside = offset.y(); break;
      case Direction::Right: along = offset.x(), aside = offset.y(); break;
      case Direction::Up: along = -offset.y(), aside = offset.x(); break;
      case Direction::Down: along = offset.y(), aside = offset.x(); break;
    }
    if (along <= 0 || std::labs(aside) > along) continue;
    const long cost = along * along + 2 * aside * aside;
    if (nearest == nullptr || cost < best) {
      nearest = label;
      best = cost;
    }
  }
  if (nearest == nullptr) return;
  from->setFocusPolicy(Qt::NoFocus);
  nearest->setFocusPolicy(Qt::TabFocus);
  nearest->setFocus(Qt::OtherFocusReason);
}

void MainWindow::type_into(int circle, char key) {
  if (typing_circle_ != circle) typing_.clear();
  const std::optional<std::string> name = typed_name(typing_, key);
  bool taken = false;
  if (name) run([&] { taken = form_.circle_drop(circle, *name); });
  if (!taken) {
    QApplication::beep();
    return;
  }
  typing_ = *name;
  typing_circle_ = circle;
}

void MainWindow::put_down(int circle) {
  if (carried_.isEmpty()) return;
  const std::string name = carried_.toStdString();
  carried_.clear();
  bool taken = false;
  run([&] { taken = form_.circle_drop(circle, name); });
  if (!taken) QApplication::beep();
  typing_circle_ = 0;
}

std::unique_ptr<QMenu> MainWindow::circle_menu(int circle) {
  auto menu = std::make_unique<QMenu>(this);
  const bool open = circles_[circle - 1]->isEnabled();
  for (const PaletteGroup& group : kPaletteGroups) {
    QMenu* names = menu->addMenu(group.title);
    names->setEnabled(open);
    std::vector<PaletteLabel*> row(palette_.begin() + group.first,
                                   palette_.begin() + group.first + kGroupSize);
    // Left to right as on screen, where "D" stands before "E".
    std::ranges::sort(row, {}, [](const PaletteLabel* label) { return label->x(); });
    for (PaletteLabel* label : row) {
      const std::string name = label->text().toStdString();
      names->addAction(label->text(), this,
                       [this, circle, name] { run([&] { form_.circle_drop(circle, name); }); });
    }
  }
  menu->addAction("Clear", this, [this, circle] { run([&] { form_.clear_circle(circle); }); })
      ->setEnabled(open);
  menu->addSeparator();
  menu->addAction("Show mistakes", this, &MainWindow::show_mistakes);
  menu->addAction("Reveal this note", this, [this, circle] {
    bool revealed = false;
    run([&] { revealed = form_.reveal_note(circle); });
    if (revealed) announce(QString::fromStdString(form_.circle_description(circle)));
  })->setEnabled(open);
  return menu;
}

std::unique_ptr<QMenu> MainWindow::hint_menu(int line) {
  auto menu = std::make_unique<QMenu>(this);
  // The answer can only be heard while "Enable MIDI" is checked, as a hint's chord.
  menu->addAction("Play my answer", this, [this, line] {
        run([&] { form_.play_answer(line); });
      })->setEnabled(form_.controls().check_midi.checked());
  return menu;
}

void MainWindow::show_mistakes() {
  clear_mistakes();
  mistakes_ = form_.review();
  QStringList told;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const CircleReview& review = (*mistakes_)[circle - 1];
    if (review.verdict != AnswerClass::Wrong &&
        review.verdict != AnswerClass::RightPitchWrongSpelling) {
      continue;
    }
    const QString text = QString::fromStdString(review.text);
    circles_[circle - 1]->setToolTip(text);
    circles_[circle - 1]->setAccessibleDescription(text);
    told << QString("circle %1: %2").arg(circle).arg(text);
  }
  announce(told.isEmpty() ? QString("no mistakes") : told.join("; "));
  mistakes_timer_.start(kMistakesShownMs);
  qApp->installEventFilter(this);
  update();
}

void MainWindow::clear_mistakes() {
  if (!mistakes_) return;
  mistakes_.reset();
  mistakes_timer_.stop();
  qApp->removeEventFilter(this);
  for (CircleLabel* label : circles_) {
    label->setToolTip({});
    label->setAccessibleDescription({});
  }
  update();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) clear_mistakes();
  return QWidget::eventFilter(watched, event);
}

void MainWindow::announce(const QString& text) { review_status_->setAccessibleName(text); }

void MainWindow::set_drag_target(int circle) {
  if (circle == drag_target_) return;
  drag_target_ = circle;
  update();
}

// Qt follows every entry with a move, which decides.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  const int circle = palette_note_of(event->mimeData()).isEmpty()
                         ? 0
                         : circle_at(event->position().toPoint());
  set_drag_target(circle);
  if (circle == 0) return event->ignore();
  event->acceptProposedAction();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent*) { set_drag_target(0); }

void MainWindow::dropEvent(QDropEvent* event) {
  set_drag_target(0);
  const int circle = circle_at(event->position().toPoint());
  const QString note = palette_note_of(event->mimeData());
  if (circle == 0 || note.isEmpty()) return event->ignore();
  event->acceptProposedAction();
  run([&] { form_.circle_drop(circle, note.toStdString()); });
}

}  // namespace velmora
