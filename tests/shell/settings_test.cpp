#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "fakes/memory_history.h"
#include "platform/qt/qt_settings_store.h"
#include "shell/device_list.h"
#include "shell_fixture.h"

namespace velmora {
namespace {

// A start of the window on `settings`, with the ports `devices`.
struct Start : Shell {
  explicit Start(SettingsStore& settings, testing::MemoryHistory* history,
                 Devices devices = {"Port A", "Port B"})
      : Shell(true, MidiResult::Ok, &settings, history, std::move(devices)) {}
  bool checked(const char* name) { return find(name)->isChecked(); }
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
};

// Every choice is saved as it changes and shown at the next start; a device that is gone
// gives way to the built-in synthesizer without losing the choice.
TEST(SettingsTest, ChoicesAreKeptAcrossStarts) {
  QTemporaryDir folder;
  QtSettingsStore settings(folder.filePath("Velmora.conf"));
  testing::MemoryHistory history;
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
  EXPECT_TRUE(second.boxes.empty());

  EXPECT_EQ(Start(settings, &history, {"Port A"}).state(), "Beginner 1 1 0 Built-in synthesizer 1");
  EXPECT_EQ(Start(settings, &history).state(), "Beginner 1 1 0 Port B 1") << "the choice stays";

  Start without_history(settings, nullptr);
  EXPECT_FALSE(without_history.window.create_menu()->findChild<QAction*>("weak_spots")->isEnabled());
}

// A file that cannot be read, or values that make no sense, give the defaults; the first is
// said once, and play goes on.
TEST(SettingsTest, UnreadableSettingsGiveTheDefaults) {
  QTemporaryDir folder;
  testing::MemoryHistory history;
  QFile garbled(folder.filePath("garbled.conf"));
  ASSERT_TRUE(garbled.open(QIODevice::WriteOnly));
  garbled.write("[play]\nexpert=perhaps\nadvanced=true\n[midi]\nenabled=1\ndevice=Port A\n");
  garbled.close();
  QtSettingsStore values(garbled.fileName());
  Start from_values(values, &history);
  EXPECT_EQ(from_values.state(), "Expert 1 0 1 Port A 0");
  EXPECT_TRUE(from_values.boxes.empty());

  QDir(folder.path()).mkdir("folder.conf");
  QtSettingsStore unreadable(folder.filePath("folder.conf"));
  QStringList loading;
  accept_boxes_as_they_show(&loading);
  Start from_nothing(unreadable, &history);
  EXPECT_EQ(from_nothing.state(), "Expert 0 0 1 Built-in synthesizer 0");
  ASSERT_EQ(loading.size(), 1);
  EXPECT_TRUE(loading[0].startsWith("Velmora could not read your settings ("));
  EXPECT_TRUE(loading[0].endsWith("), so it starts with the usual ones."));
  from_nothing.click("advanced");
  from_nothing.click("Center_Question");
  ASSERT_EQ(from_nothing.boxes.size(), 1U) << "a failed save is said once";
  const std::string& saving = from_nothing.boxes[0].text;
  EXPECT_TRUE(saving.starts_with("Velmora could not save your settings (Cannot write "));
  EXPECT_TRUE(saving.ends_with("). Your choices last until Velmora closes."));
}

}  // namespace
}  // namespace velmora
