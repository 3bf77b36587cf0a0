#include "shell/star_input.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <cstdlib>

#include "app/main_form.h"
#include "puzzle/note_typing.h"
#include "shell/display_texts.h"
#include "shell/note_labels.h"
#include "shell/star_layout.h"

namespace velmora {

StarInput::StarInput(QWidget& window, MainForm& form, const CircleLabelArray& circles,
                     const PaletteLabelArray& palette, Runner run, Announcer announce)
    : QObject(&window),
      window_(window),
      form_(form),
      circles_(circles),
      palette_(palette),
      run_(std::move(run)),
      announce_(std::move(announce)) {
  for (CircleLabel* label : circles_) connect_circle(label);
  for (PaletteLabel* label : palette_) connect_palette(label);
  window_.setAcceptDrops(true);
  window_.installEventFilter(this);
}

void StarInput::focus_star() { circles_[star_stop_ - 1]->setFocus(); }

void StarInput::keep_stop_open() {
  if (!circles_[star_stop_ - 1]->isEnabled()) move_star_stop(star_stop_ % kCircleCount + 1);
}

void StarInput::reveal(int circle) {
  bool revealed = false;
  run_([&] { revealed = form_.reveal_note(circle); });
  if (revealed) {
    announce_(QString::fromStdString(form_.circle_description(circle)));
  } else {
    QApplication::beep();
  }
}

void StarInput::connect_circle(CircleLabel* label) {
  connect(label, &CircleLabel::note_dropped, this, [this](int target, const QString& note) {
    run_([&] { form_.circle_drop(target, note.toStdString()); });
  });
  connect(label, &CircleLabel::arrow_pressed, this, &StarInput::move_in_star);
  connect(label, &CircleLabel::key_typed, this, &StarInput::type_into);
  connect(label, &CircleLabel::clear_pressed, this, [this](int circle) {
    bool cleared = false;
    run_([&] { cleared = form_.clear_circle(circle); });
    if (!cleared) QApplication::beep();
    typing_circle_ = 0;
  });
  connect(label, &CircleLabel::enter_pressed, this, &StarInput::put_down);
  connect(label, &CircleLabel::escape_pressed, this, [this] {
    if (!carried_.isEmpty()) announce_(tr("%1 put back").arg(spoken(carried_)));
    carried_.clear();
  });
  connect(label, &CircleLabel::drag_target, this, &StarInput::set_drag_target);
  connect(label, &CircleLabel::focus_changed, this, [this, label] {
    if (label->hasFocus() && label->circle() != star_stop_) move_star_stop(label->circle());
    window_.update();
  });
}

void StarInput::connect_palette(PaletteLabel* label) {
  connect(label, &PaletteLabel::arrow_pressed, this, &StarInput::move_in_palette);
  connect(label, &PaletteLabel::picked, this, [this](const QString& name) {
    carried_ = name;
    announce_(tr("%1 picked up: choose a circle with the arrow keys and press Enter")
                  .arg(spoken(name)));
    circles_[star_stop_ - 1]->setFocus(Qt::OtherFocusReason);
  });
}

QString StarInput::spoken(const QString& name) const {
  const std::optional<NoteName> note = NoteName::from_text(name.toStdString());
  return note ? spoken_in(*note, naming_) : name;
}

void StarInput::move_star_stop(int circle) {
  circles_[star_stop_ - 1]->setFocusPolicy(Qt::ClickFocus);
  star_stop_ = circle;
  circles_[star_stop_ - 1]->setFocusPolicy(Qt::StrongFocus);
  typing_circle_ = 0;
}

void StarInput::move_in_star(int circle, Direction direction) {
  CirclePlaces places;
  OpenCircles open;
  for (int other = 1; other <= kCircleCount; ++other) {
    const QPoint centre = circle_disc(other).center();
    places[other - 1] = {centre.x(), centre.y()};
    // The given circle cannot take the focus.
    open[other - 1] = circles_[other - 1]->isEnabled();
  }
  const std::optional<int> next = neighbour_circle(places, open, circle, direction);
  if (!next) return;
  move_star_stop(*next);
  circles_[*next - 1]->setFocus(Qt::OtherFocusReason);
}

void StarInput::move_in_palette(PaletteLabel* from, Direction direction) {
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

void StarInput::type_into(int circle, const QString& key) {
  if (typing_circle_ != circle) typing_.clear();
  const std::optional<TypingState> state = type_note_key(typing_, key.toStdString(), naming_);
  // A name still being typed ("fi" on the way to "fis") leaves the circle as it is.
  bool taken = state.has_value();
  if (state && state->note) {
    run_([&] { taken = form_.circle_drop(circle, state->note->text()); });
  }
  if (!taken) {
    QApplication::beep();
    return;
  }
  typing_ = state->typed;
  typing_circle_ = circle;
}

void StarInput::put_down(int circle) {
  if (carried_.isEmpty()) return;
  const std::string name = carried_.toStdString();
  carried_.clear();
  bool taken = false;
  run_([&] { taken = form_.circle_drop(circle, name); });
  if (!taken) QApplication::beep();
  typing_circle_ = 0;
}

void StarInput::set_drag_target(int circle) {
  if (circle == drag_target_) return;
  drag_target_ = circle;
  window_.update();
}

int StarInput::circle_at(QPoint point) const {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const QRectF disc(circle_disc(circle));
    const QPointF offset = QPointF(point) - disc.center();
    const double radius = disc.width() / 2;
    if (QPointF::dotProduct(offset, offset) <= radius * radius &&
        circles_[circle - 1]->isEnabled()) {
      return circle;
    }
  }
  return 0;
}

bool StarInput::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  switch (event->type()) {
    // Qt follows every entry with a move, which decides.
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* move = static_cast<QDragMoveEvent*>(event);
      const int circle = palette_note_of(move->mimeData()).isEmpty()
                             ? 0
                             : circle_at(move->position().toPoint());
      set_drag_target(circle);
      if (circle == 0) {
        move->ignore();
      } else {
        move->acceptProposedAction();
      }
      return true;
    }
    case QEvent::DragLeave:
      set_drag_target(0);
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      set_drag_target(0);
      const int circle = circle_at(drop->position().toPoint());
      const QString note = palette_note_of(drop->mimeData());
      if (circle == 0 || note.isEmpty()) {
        drop->ignore();
        return true;
      }
      drop->acceptProposedAction();
      run_([&] { form_.circle_drop(circle, note.toStdString()); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace velmora
