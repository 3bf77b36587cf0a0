#pragma once

#include <QLabel>
#include <functional>

class QMimeData;

namespace velmora {

// The drag payload of a palette label: only the program's own palette names travel in it.
inline constexpr const char* kPaletteNoteMime = "application/x-velmora-palette-note";

// The palette name a drop carries, or an empty text when it is anything else (text, links or
// files from other programs).
QString palette_note_of(const QMimeData* data);

// A palette label `Noot(i)`: pressing the mouse on it starts dragging its caption at once.
class PaletteLabel final : public QLabel {
  Q_OBJECT
 public:
  // Runs the drag; tests replace it so that no real drag loop is entered.
  using DragStarter = std::function<void(QWidget* source, QMimeData* data)>;

  PaletteLabel(const QString& caption, QWidget* parent);
  void set_drag_starter(DragStarter starter) { start_drag_ = std::move(starter); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  DragStarter start_drag_;
};

// A circle label: shows the player's note and takes drops of palette notes.
class CircleLabel final : public QLabel {
  Q_OBJECT
 public:
  CircleLabel(int circle, QWidget* parent);

 signals:
  void note_dropped(int circle, const QString& note);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int circle_;
};

}  // namespace velmora
