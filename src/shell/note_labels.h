#pragma once

#include <QLabel>
#include <functional>

#include "puzzle/review.h"

class QMimeData;

namespace velmora {

// The drag payload of a palette label: only the program's own palette names travel in it.
inline constexpr const char* kPaletteNoteMime = "application/x-velmora-palette-note";

// The palette name a drop carries, or an empty text when it is anything else (text, links or
// files from other programs).
QString palette_note_of(const QMimeData* data);

// The arrow a key stands for, if it is one.
std::optional<Direction> arrow_of(int key);

// A palette label `Noot(i)`: pressing the mouse on it starts dragging its caption at once. It
// also takes the keyboard focus: the arrows move on along the palette and Enter picks the name
// up, to be put down on a circle with the keyboard.
class PaletteLabel final : public QLabel {
  Q_OBJECT
 public:
  // Runs the drag; tests replace it so that no real drag loop is entered.
  using DragStarter = std::function<void(QWidget* source, QMimeData* data)>;

  // `name` is one of the program's palette names ("Bb"); the label may show it in other note
  // names, but drags and picks carry this one.
  PaletteLabel(const QString& name, QWidget* parent);
  const QString& name() const { return name_; }
  void set_drag_starter(DragStarter starter) { start_drag_ = std::move(starter); }
  // Picks the name up, as Enter does; also a screen reader's press action.
  void pick() { emit picked(name_); }

 signals:
  void arrow_pressed(PaletteLabel* label, Direction direction);
  void picked(const QString& name);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString name_;
  DragStarter start_drag_;
};

// Lets screen readers see the palette names as buttons they can press.
void install_palette_accessibility();

// A circle label: shows the player's note and takes drops of palette notes, and the keys that
// the window turns into moves, typed names and clearing.
class CircleLabel final : public QLabel {
  Q_OBJECT
 public:
  CircleLabel(int circle, QWidget* parent);
  int circle() const { return circle_; }

 signals:
  void note_dropped(int circle, const QString& note);
  void arrow_pressed(int circle, Direction direction);
  // One typed character, which may be a letter with an accent or a musical sign (é, ♯).
  void key_typed(int circle, const QString& key);
  void clear_pressed(int circle);
  void enter_pressed(int circle);
  void escape_pressed();
  void menu_requested(int circle, QPoint global_position);
  // The circle a drag would now land on, 0 for none; and the focus coming or going.
  void drag_target(int circle);
  void focus_changed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool takes(const QMimeData* data) const;
  int circle_;
};

}  // namespace velmora
