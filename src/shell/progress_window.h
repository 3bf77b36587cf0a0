#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "platform/qt/qt_window_system.h"
#include "theory/note_naming.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace velmora {

class PracticeHistory;
struct ProgressSummary;

// The learner's progress: accuracy per chord type and per key, the kinds of answer, the tones
// most often missed and the weekly trend, as charts and as text; and the history's export and
// its forgetting. A modeless window of its own beside the main window.
// It lives in a library of its own with the charts, which the program loads when the window
// first opens (see `open_progress_window`).
class ProgressWindow final : public QDialog {
  Q_OBJECT
 public:
  // `history` may be null, when the run keeps none; it must outlive the window.
  ProgressWindow(PracticeHistory* history, QWidget* owner);

  // Reads the summary again and shows it.
  Q_INVOKABLE void refresh();
  // The names the keys are shown in, a NoteNaming; invokable, since the program reaches this
  // library's window through Qt's meta-objects alone.
  Q_INVOKABLE void set_note_naming(int naming) {
    naming_ = static_cast<NoteNaming>(naming);
    refresh();
  }

  // The file the export writes, chosen by the learner; empty when they cancel. Tests replace it
  // so that no file dialog opens.
  using SaveAsker = std::function<QString()>;
  void set_save_asker(SaveAsker asker) { ask_save_path_ = std::move(asker); }
  // Runs after the history has been forgotten, for whatever was drawn from it.
  void set_on_forgotten(std::function<void()> on_forgotten) {
    on_forgotten_ = std::move(on_forgotten);
  }
  // The confirmation and the failures come as message boxes of this window.
  QtWindowSystem& window_system() { return windows_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void show_summary(const ProgressSummary& summary);
  void export_csv();
  void forget();
  void tell(const QString& text);

  PracticeHistory* history_;
  QtWindowSystem windows_;
  SaveAsker ask_save_path_;
  std::function<void()> on_forgotten_;
  QLabel* overview_;
  QStackedWidget* pages_;
  QLabel* message_;
  QTabWidget* charts_;
  QPlainTextEdit* text_;
  QLabel* status_;
  QPushButton* export_;
  QPushButton* forget_;
  NoteNaming naming_ = NoteNaming::Letters;
};

// The progress window's library's one entry: a new window on `history` under `owner`, which
// runs `on_forgotten` after the history has been forgotten.
extern "C" Q_DECL_EXPORT QWidget* velmora_progress_window(PracticeHistory* history, QWidget* owner,
                                                         const std::function<void()>* on_forgotten);

}  // namespace velmora
