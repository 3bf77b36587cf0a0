#include "shell/note_labels.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

#include "puzzle/answers.h"

namespace velmora {

QString palette_note_of(const QMimeData* data) {
  if (data == nullptr || !data->hasFormat(kPaletteNoteMime)) return {};
  const QByteArray note = data->data(kPaletteNoteMime);
  const std::string_view name(note.constData(), static_cast<std::size_t>(note.size()));
  return is_palette_name(name) ? QString::fromLatin1(note) : QString();
}

PaletteLabel::PaletteLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent),
      start_drag_([](QWidget* source, QMimeData* data) {
        auto* drag = new QDrag(source);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
      }) {}

void PaletteLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  auto* data = new QMimeData;
  data->setData(kPaletteNoteMime, text().toLatin1());
  start_drag_(this, data);
}

CircleLabel::CircleLabel(int circle, QWidget* parent) : QLabel(parent), circle_(circle) {
  setAcceptDrops(true);
}

void CircleLabel::dragEnterEvent(QDragEnterEvent* event) {
  if (isEnabled() && !palette_note_of(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CircleLabel::dragMoveEvent(QDragMoveEvent* event) {
  if (isEnabled() && !palette_note_of(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CircleLabel::dropEvent(QDropEvent* event) {
  const QString note = palette_note_of(event->mimeData());
  if (!isEnabled() || note.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit note_dropped(circle_, note);
}

}  // namespace velmora
