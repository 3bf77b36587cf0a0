#include "shell/device_list.h"

#include <QMouseEvent>

namespace velmora {

DeviceList::DeviceList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemSelectionChanged, this, &DeviceList::selection_changed);
}

void DeviceList::show_open_row(int row) {
  open_row_ = row;
  showing_ = true;
  if (row >= 0 && row < count()) {
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  } else {
    clearSelection();
  }
  showing_ = false;
}

int DeviceList::selected_row() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void DeviceList::selection_changed() {
  if (showing_ || pressed_) return;
  const int row = selected_row();
  // Ctrl+Space and Ctrl+click would leave nothing selected while a device stays open.
  if (row < 0) return show_open_row(open_row_);
  if (row != open_row_) emit entry_chosen(row);
}

void DeviceList::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  QListWidget::mousePressEvent(event);
}

void DeviceList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (!pressed_) return;
  pressed_ = false;
  const int row = selected_row();
  if (row < 0) return show_open_row(open_row_);
  const bool on_selected_entry = itemAt(event->position().toPoint()) == item(row);
  if (row != open_row_ || on_selected_entry) emit entry_chosen(row);
}

}  // namespace velmora
