#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <span>

#include "app/main_form.h"
#include "shell/about_box.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_window_system.h"
#include "platform/qt/system_launcher.h"
#include "platform/qt/system_registry.h"
#include "platform/posix/file_answer_log.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class CircleLabel;
class DeviceList;
class PaletteLabel;

// The ports the window's handlers use that come from outside the window.
struct ShellPorts {
  Random& random;
  Clock& clock;
  MidiSystem& midi;
};

// `MainForm` on screen: lays out the controls, routes their events to the core's handlers and
// shows the core's controls after each handler.
class MainWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(ShellPorts ports, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainForm& form() { return form_; }
  QtWindowSystem& window_system() { return windows_; }
  AboutBoxHolder& about() { return about_; }
  CircleLabel* circle_label(int circle) const { return circles_[circle - 1]; }
  PaletteLabel* noot(int index) const { return palette_[index]; }

  // Shows the core's controls in the widgets.
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_left_column();
  void build_star();
  void build_palette();
  void set_tab_order();
  void repaint_circles(std::span<const int> circles);
  void choose_device(int row);
  template <typename Handler>
  void run(Handler handler);

  QtWindowSystem windows_;
  SystemRegistry registry_;
  SystemLauncher launcher_;
  AboutBoxHolder about_;
  QtPrinter printer_;
  FileAnswerLog answer_log_;
  MainForm form_;

  QPushButton* Create_Puzzle_ = nullptr;
  QPushButton* Command_Check_ = nullptr;
  QPushButton* WorkSheet_cmd_ = nullptr;
  QPushButton* Help_cmd_ = nullptr;
  QCheckBox* advanced_ = nullptr;
  QCheckBox* Center_Question_ = nullptr;
  QRadioButton* Option1_ = nullptr;
  QRadioButton* Option2_ = nullptr;
  QGroupBox* Frame1_ = nullptr;
  DeviceList* List1_ = nullptr;
  QCheckBox* check_midi_ = nullptr;
  std::array<QPushButton*, kChordLineCount> hints_{};
  std::array<CircleLabel*, kCircleCount> circles_{};
  std::array<PaletteLabel*, kPaletteNames.size()> palette_{};
  bool centred_ = false;
  // A close that arrives while a handler runs (the hint pause keeps painting) waits for it.
  int handlers_running_ = 0;
  bool close_requested_ = false;
};

}  // namespace velmora
