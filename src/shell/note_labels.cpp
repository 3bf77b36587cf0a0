#include "shell/note_labels.h"

#include <QAccessibleWidget>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

#include "puzzle/answers.h"

namespace velmora {

QString palette_note_of(const QMimeData* data) {
  if (data == nullptr || !data->hasFormat(kPaletteNoteMime)) return {};
  const QByteArray note = data->data(kPaletteNoteMime);
  const std::string_view name(note.constData(), static_cast<std::size_t>(note.size()));
  return is_palette_name(name) ? QString::fromLatin1(note) : QString();
}

std::optional<Direction> arrow_of(int key) {
  switch (key) {
    case Qt::Key_Left: return Direction::Left;
    case Qt::Key_Right: return Direction::Right;
    case Qt::Key_Up: return Direction::Up;
    case Qt::Key_Down: return Direction::Down;
    default: return std::nullopt;
  }
}

namespace {

class PaletteAccessible final : public QAccessibleWidget {
 public:
  explicit PaletteAccessible(PaletteLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      // The learner's note names when the window has set them, else the program's own, spoken.
      const auto* label = static_cast<PaletteLabel*>(widget());
      if (!label->accessibleName().isEmpty()) return label->accessibleName();
      return QString::fromStdString(spoken_note(label->name().toStdString()));
    }
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) return static_cast<PaletteLabel*>(widget())->pick();
    QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* palette_accessible(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("velmora::PaletteLabel")) return nullptr;
  return new PaletteAccessible(static_cast<PaletteLabel*>(object));
}

}  // namespace

void install_palette_accessibility() {
  static const bool kInstalled = (QAccessible::installFactory(palette_accessible), true);
  (void)kInstalled;
}

PaletteLabel::PaletteLabel(const QString& name, QWidget* parent)
    : QLabel(name, parent),
      name_(name),
      start_drag_([](QWidget* source, QMimeData* data) {
        auto* drag = new QDrag(source);
        drag->setMimeData(data);
        // The name travels visibly under the pointer, held at its middle.
        const QPixmap image = source->grab();
        drag->setPixmap(image);
        drag->setHotSpot(QPoint(image.width() / 2, image.height() / 2));
        drag->exec(Qt::CopyAction);
      }) {
  // Only the palette's one Tab stop takes the focus, so that dragging with the mouse leaves the
  // focus where it was.
  setFocusPolicy(Qt::NoFocus);
}

void PaletteLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  auto* data = new QMimeData;
  data->setData(kPaletteNoteMime, name_.toLatin1());
  start_drag_(this, data);
}

void PaletteLabel::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<Direction> arrow = arrow_of(event->key())) {
    emit arrow_pressed(this, *arrow);
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
             event->key() == Qt::Key_Space) {
    pick();
  } else {
    QLabel::keyPressEvent(event);
  }
}

void PaletteLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  update();
}

void PaletteLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void PaletteLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(0, 0, 160), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

CircleLabel::CircleLabel(int circle, QWidget* parent) : QLabel(parent), circle_(circle) {
  setAcceptDrops(true);
  setFocusPolicy(Qt::ClickFocus);
}

void CircleLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const QString text = event->text();
  if (const std::optional<Direction> arrow = arrow_of(key)) {
    emit arrow_pressed(circle_, *arrow);
  } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
    emit clear_pressed(circle_);
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit enter_pressed(circle_);
  } else if (key == Qt::Key_Escape) {
    emit escape_pressed();
  } else if ((text.size() == 1 ? text[0].isPrint() && !text[0].isSpace()
                                : text.size() == 2 && text[0].isHighSurrogate()) &&
             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    emit key_typed(circle_, text);
  } else {
    QLabel::keyPressEvent(event);
  }
}

void CircleLabel::contextMenuEvent(QContextMenuEvent* event) {
  emit menu_requested(circle_, event->globalPos());
}

void CircleLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  emit focus_changed();
}

void CircleLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  emit focus_changed();
}

bool CircleLabel::takes(const QMimeData* data) const {
  return isEnabled() && !palette_note_of(data).isEmpty();
}

void CircleLabel::dragEnterEvent(QDragEnterEvent* event) {
  if (takes(event->mimeData())) {
    event->acceptProposedAction();
    emit drag_target(circle_);
  } else {
    event->ignore();
  }
}

void CircleLabel::dragMoveEvent(QDragMoveEvent* event) {
  if (takes(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CircleLabel::dragLeaveEvent(QDragLeaveEvent*) { emit drag_target(0); }

void CircleLabel::dropEvent(QDropEvent* event) {
  emit drag_target(0);
  const QString note = palette_note_of(event->mimeData());
  if (!isEnabled() || note.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit note_dropped(circle_, note);
}

}  // namespace velmora
