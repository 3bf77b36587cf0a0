#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "fakes/fake_clock.h"
#include "fakes/memory_history.h"
#include "fakes/recording_midi_system.h"
#include "fakes/scripted_random.h"
#include "platform/qt/qt_settings_store.h"
#include "shell/device_list.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

struct Start {
  explicit Start(SettingsStore& settings, testing::MemoryHistory* history)
      : window(ShellPorts{random, clock, midi(), history, &settings}) {
    window.window_system().set_presenter([this](const MessageBox& box) {
      boxes << QString::fromStdString(box.text);
      return Answer::Ok;
    });
  }
  static testing::RecordingMidiSystem& midi() {
    static testing::RecordingMidiSystem system;
    return system;
  }
  bool checked(const char* name) { return window.findChild<QAbstractButton*>(name)->isChecked(); }
  void click(const char* name) { window.findChild<QAbstractButton*>(name)->click(); }
  QListWidget* devices() { return window.findChild<QListWidget*>("List1"); }
  QString state() {
    return QString("%1 %2 %3 %4 %5 %6")
        .arg(checked("Option2") ? "Expert" : "Beginner")
        .arg(checked("advanced"))
        .arg(checked("Center_Question"))
        .arg(checked("check_midi"))
        .arg(devices()->currentItem() ? devices()->currentItem()->text() : "-")
        .arg(window.form().weak_spot_practice());
  }

  testing::ScriptedRandom random;
  testing::FakeClock clock;
  MainWindow window;
  QStringList boxes;
};

// Every choice is saved as it changes and shown at the next start; a device that is gone
// gives way to the built-in synthesizer without losing the choice.
TEST(SettingsTest, ChoicesAreKeptAcrossStarts) {
  QTemporaryDir folder;
  QtSettingsStore settings(folder.filePath("Velmora.conf"));
  testing::MemoryHistory history;
  Start::midi().devices = {"Port A", "Port B"};
  {
    Start first(settings, &history);
    EXPECT_EQ(first.state(), "Expert 0 0 1 Built-in synthesizer 0");
    first.click("Option1");
    first.click("advanced");
    first.click("Center_Question");
    first.click("check_midi");
    emit first.window.findChild<DeviceList*>("List1")->entry_chosen(2);
    first.window.create_menu()->findChild<QAction*>("weak_spots")->trigger();
  }
  Start second(settings, &history);
  EXPECT_EQ(second.state(), "Beginner 1 1 0 Port B 1");
  EXPECT_EQ(count_framed_entries(second.window.form().chord_types()), 14) << "the Beginner list";
  QStringList shown;
  second.window.set_menu_shower([&](QMenu& menu, QPoint) {
    for (const QAction* action : menu.actions()) {
      shown << action->text() + (action->isChecked() ? " (on)" : "");
    }
  });
  QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
  QCoreApplication::sendEvent(second.window.findChild<QPushButton*>("Create_Puzzle"), &right_click);
  EXPECT_EQ(shown, QStringList{"Practice weak spots (on)"});
  EXPECT_TRUE(second.boxes.isEmpty());

  Start::midi().devices = {"Port A"};
  EXPECT_EQ(Start(settings, &history).state(), "Beginner 1 1 0 Built-in synthesizer 1");
  Start::midi().devices = {"Port A", "Port B"};
  EXPECT_EQ(Start(settings, &history).state(), "Beginner 1 1 0 Port B 1") << "the choice stays";

  Start without_history(settings, nullptr);
  EXPECT_FALSE(without_history.window.create_menu()->findChild<QAction*>("weak_spots")->isEnabled());
}

// A file that cannot be read, or values that make no sense, give the defaults; the first is
// said once, and play goes on.
TEST(SettingsTest, UnreadableSettingsGiveTheDefaults) {
  QTemporaryDir folder;
  testing::MemoryHistory history;
  Start::midi().devices = {"Port A", "Port B"};
  QFile garbled(folder.filePath("garbled.conf"));
  ASSERT_TRUE(garbled.open(QIODevice::WriteOnly));
  garbled.write("[play]\nexpert=perhaps\nadvanced=true\n[midi]\nenabled=1\ndevice=Port A\n");
  garbled.close();
  QtSettingsStore values(garbled.fileName());
  Start from_values(values, &history);
  EXPECT_EQ(from_values.state(), "Expert 1 0 1 Port A 0");
  EXPECT_TRUE(from_values.boxes.isEmpty());

  QDir(folder.path()).mkdir("folder.conf");
  QtSettingsStore unreadable(folder.filePath("folder.conf"));
  // The load tells before a presenter can be set: the box is read and closed as it shows.
  QStringList loading;
  QTimer::singleShot(0, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(top)) {
        loading << box->text();
        box->accept();
      }
    }
  });
  Start from_nothing(unreadable, &history);
  EXPECT_EQ(from_nothing.state(), "Expert 0 0 1 Built-in synthesizer 0");
  ASSERT_EQ(loading.size(), 1);
  EXPECT_TRUE(loading[0].startsWith("Velmora could not read your settings ("));
  EXPECT_TRUE(loading[0].endsWith("), so it starts with the usual ones."));
  from_nothing.click("advanced");
  from_nothing.click("Center_Question");
  ASSERT_EQ(from_nothing.boxes.size(), 1) << "a failed save is said once";
  EXPECT_TRUE(from_nothing.boxes[0].startsWith("Velmora could not save your settings (Cannot write "));
  EXPECT_TRUE(from_nothing.boxes[0].endsWith("). Your choices last until Velmora closes."));
}

TEST(SettingsTest, UserFileIsTheOneEarlierVersionsWrote) {
  QTemporaryDir folder;
  qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
  EXPECT_EQ(QtSettingsStore::user_file(), folder.filePath("Velmora/Velmora.conf"));
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace velmora
