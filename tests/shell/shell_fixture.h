#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "fakes/main_form_fixture.h"
#include "shell/main_window.h"
#include "shell/note_labels.h"

namespace velmora {

using Devices = std::vector<std::optional<std::string>>;

// A shown, active main window on fakes with the mapper (unless left out), the MIDI ports
// `devices`, and `settings` and `history` if given; its message boxes are recorded and answered
// with `answer`.
struct Shell {
  explicit Shell(bool mapper = true, MidiResult open_fails = MidiResult::Ok,
                 SettingsStore* settings = nullptr, PracticeHistory* history = nullptr,
                 Devices devices = {"Port A", "Port B"})
      : owned(load(mapper, open_fails, settings, history, std::move(devices))), window(*owned) {
    window.window_system().set_presenter([this](const MessageBox& box) {
      boxes.push_back(box);
      return answer;
    });
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  std::unique_ptr<MainWindow> load(bool mapper, MidiResult open_fails, SettingsStore* settings,
                                   PracticeHistory* history, Devices devices) {
    if (!mapper) midi.mapper.reset();
    midi.devices = std::move(devices);
    midi.open_fails = open_fails;
    return std::make_unique<MainWindow>(ShellPorts{random, clock, midi, history, settings});
  }

  template <typename Widget = QAbstractButton>
  Widget* find(const char* name, const QWidget* parent = nullptr) {
    auto* widget = (parent ? parent : &window)->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* name) { find(name)->click(); }
  // "Create" with C Maj9, C Dom9, C Min9 and C (last chord) around the centre G.
  void queue_pass(const char* last_chord = "Dom9_sus2", int given = 9) {
    const auto value_for = testing::MainFormOnFakes::value_for;
    for (std::string_view chord : {"Maj9", "Dom9", "Min9", last_chord}) {
      random.values.push_back(value_for(window.form().chord_types(), chord));
    }
    random.values.push_back(value_for(Fill_Key_Tables(), "G"));
    random.values.push_back((static_cast<float>(given) - 0.5F) / 17);
  }
  void create() {
    queue_pass();
    click("Create_Puzzle");
  }
  QString caption(int circle) { return window.circle_label(circle)->text(); }
  QWidget* focus() { return QApplication::focusWidget(); }
  void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(), key, modifiers);
  }
  // Pixels of the colour in the window as it now paints.
  int pixels_of(QColor colour) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return static_cast<int>(std::count(pixels, pixels + image.sizeInBytes() / 4, colour.rgb()));
  }

  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  std::unique_ptr<MainWindow> owned;
  MainWindow& window;
  std::vector<MessageBox> boxes;
  Answer answer = Answer::Ok;
};

// A box the window shows while it loads, before a presenter can be set, is read into `texts`
// and closed as soon as it shows.
inline void accept_boxes_as_they_show(QStringList* texts = nullptr) {
  QTimer::singleShot(0, [texts] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top)) {
        if (texts) *texts << box->text();
        box->accept();
      }
    }
  });
}

// What `program` (pdftotext, pdftoppm) writes to its standard output.
inline QByteArray output_of(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(20000)) << program;
  return process.readAllStandardOutput();
}

}  // namespace velmora
