#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace velmora {

// Loads the main window, running its load handler, and returns it still hidden. Whoever builds
// it keeps it; the splash only shows it.
using MainWindowLoader = std::function<QWidget*()>;

// The window the program starts with: the name, the picture and the version for two seconds,
// then the main window. It deletes itself when it closes, so create it with new.
class Splash final : public QWidget {
 public:
  explicit Splash(MainWindowLoader load_main_window);

  void Timer1_Timer();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();

  MainWindowLoader load_main_window_;
  QLabel* version_;
  QTimer* timer_;
};

}  // namespace velmora
