#pragma once

#include <QListWidget>

namespace velmora {

// `List1`, the list of MIDI devices. It reports a choice exactly when the player picks an entry:
// by keyboard as soon as the selection moves, by mouse when the button is released (after a
// press and a drag over other entries only the last one counts), and again for a click on the
// entry already chosen. Focus alone chooses nothing, and the selection never goes empty.
class DeviceList final : public QListWidget {
  Q_OBJECT
 public:
  explicit DeviceList(QWidget* parent);

  // Shows `row` selected as the open device's entry, without reporting it as a choice.
  void show_open_row(int row);

 signals:
  void entry_chosen(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int selected_row() const;
  void selection_changed();

  int open_row_ = -1;
  bool pressed_ = false;
  bool showing_ = false;
};

}  // namespace velmora
