#include "platform/qt/qt_window_system.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace velmora {

QtWindowSystem::QtWindowSystem(QWidget* owner)
    : presenter_([window = QPointer<QWidget>(owner)](const MessageBox& box) {
        QMessageBox dialog(box.icon == Icon::Critical ? QMessageBox::Critical
                                                      : QMessageBox::NoIcon,
                           QString::fromStdString(box.title), QString::fromStdString(box.text),
                           box.buttons == Buttons::OkCancel
                               ? QMessageBox::Ok | QMessageBox::Cancel
                               : QMessageBox::StandardButtons(QMessageBox::Ok),
                           window);
        dialog.setEscapeButton(box.buttons == Buttons::OkCancel ? QMessageBox::Cancel
                                                                : QMessageBox::Ok);
        return dialog.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
      }) {}

Answer QtWindowSystem::show_message(const MessageBox& box) {
  if (before_message_) before_message_();
  if (!wording_) return presenter_(box);
  MessageBox worded = box;
  worded.text = wording_(box.text);
  worded.title = wording_(box.title);
  return presenter_(worded);
}

void QtWindowSystem::repaint_circles(std::span<const int> circles) {
  if (repainter_) repainter_(circles);
}

void QtWindowSystem::show_about() {
  if (about_shower_) about_shower_();
}

}  // namespace velmora
