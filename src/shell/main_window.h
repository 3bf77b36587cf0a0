#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "theory/note_naming.h"
#include "shell/about_box.h"
#include "shell/answer_key_pdf.h"
#include "shell/review_overlay.h"
#include "shell/star_input.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_window_system.h"
#include "platform/qt/system_launcher.h"
#include "platform/qt/system_registry.h"
#include "platform/posix/file_answer_log.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace velmora {

class CircleLabel;
class DeviceList;
class PaletteLabel;
class PracticeHistory;

// The ports the window's handlers use that come from outside the window.
struct ShellPorts {
  Random& random;
  Clock& clock;
  MidiSystem& midi;
  // The learner's history; none when the run keeps no history.
  PracticeHistory* history = nullptr;
  // Where the player's choices are kept between runs; without one (as in tests) the window
  // starts from the defaults and keeps nothing.
  SettingsStore* settings = nullptr;
};

// `MainForm` on screen: lays out the controls, routes their events to the core's handlers and
// shows the core's controls after each handler. The star's keyboard and drags are `StarInput`'s,
// the review of a Check `ReviewOverlay`'s.
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
  StarInput& star_input() { return *input_; }
  ReviewOverlay& review_overlay() { return *review_; }

  // Shows the core's controls in the widgets.
  void refresh();

  // The learner's note names, on the palette, in the circles, in messages and for typing.
  void set_note_naming(NoteNaming naming);
  NoteNaming note_naming() const { return naming_; }
  // The language this run speaks, ticked in the settings' menu.
  void set_language(const QString& language) { language_ = language; }

  // The context menus of a circle (1..17) and of a chord-name button (line 1..4). Showing one
  // runs `menu_shower`, which tests replace so that no menu loop is entered.
  std::unique_ptr<QMenu> circle_menu(int circle);
  std::unique_ptr<QMenu> hint_menu(int line);
  // The Create button's context menu: weak-spot practice on or off.
  std::unique_ptr<QMenu> create_menu();
  using MenuShower = std::function<void(QMenu& menu, QPoint global_position)>;
  void set_menu_shower(MenuShower shower) { show_menu_ = std::move(shower); }

  // The learner's progress, opened by Ctrl+H and the Help button's context menu, up to date
  // each time it opens; `progress_window` is the one already built, or null. Null, after a
  // message, when the progress window's library cannot be loaded.
  QWidget* show_progress();
  QWidget* progress_window() const { return progress_; }
  std::unique_ptr<QMenu> help_menu();

  // The "Work Sheet" button's context menu: the classroom sheet, and the answer key of
  // ./Worksheet.id.
  std::unique_ptr<QMenu> worksheet_menu();
  // Asks where the answer key goes, proposing a file; empty when cancelled. Tests replace it so
  // that no dialog opens.
  using KeyFileChooser = std::function<QString(const QString& proposed)>;
  void set_key_file_chooser(KeyFileChooser chooser) { choose_key_file_ = std::move(chooser); }
  // Asks which paper and page the key is laid out on, proposing the last sheet's; none when
  // cancelled.
  using KeyPaperChooser = std::function<std::optional<SheetPaper>(const SheetPaper& proposed)>;
  void set_key_paper_chooser(KeyPaperChooser chooser) { choose_key_paper_ = std::move(chooser); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_left_column();
  void build_star();
  void build_palette();
  void set_tab_order();
  void add_shortcuts();
  // The context menus of Create, Work Sheet and Help.
  void connect_menus();
  // Help's choices of language and note names.
  void add_display_menus(QMenu& menu);
  // A circle's caption in the learner's note names, in a font small enough for it.
  void show_caption(int circle, const std::string& caption);
  // A chord name as a screen reader hears it in the window's language.
  QString chord_name_spoken(const std::string& chord) const;
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
  CircleLabelArray circles_{};
  PaletteLabelArray palette_{};
  StarInput* input_ = nullptr;
  ReviewOverlay* review_ = nullptr;
  MenuShower show_menu_;
  KeyFileChooser choose_key_file_;
  KeyPaperChooser choose_key_paper_;
  // The page the sheet being printed is on, which the printed sheet's paper is kept with.
  PageStyle printing_style_ = PageStyle::Standard;
  NoteNaming naming_ = NoteNaming::Letters;
  // The star's font in these names.
  QFont circle_font_;
  QString language_ = "en";
  bool centred_ = false;
  // A close that arrives while a handler runs (the hint pause keeps painting) waits for it.
  int handlers_running_ = 0;
  bool close_requested_ = false;
  PracticeHistory* history_;
  QWidget* progress_ = nullptr;
};

template <typename Handler>
inline void MainWindow::run(Handler handler) {
  ++handlers_running_;
  handler();
  --handlers_running_;
  input_->forget_typing();
  refresh();
  if (handlers_running_ == 0 && close_requested_) close();
}

}  // namespace velmora
