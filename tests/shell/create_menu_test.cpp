#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "fakes/fake_clock.h"
#include "fakes/memory_history.h"
#include "fakes/recording_midi_system.h"
#include "fakes/scripted_random.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

// Weak-spot practice starts off, is kept in the player's settings and is on in the next run;
// without a history it cannot be chosen.
TEST(CreateMenuTest, WeakSpotPracticeIsKeptInTheSettings) {
  QTemporaryDir folder;
  QSettings settings(folder.filePath("Velmora.conf"), QSettings::IniFormat);
  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  testing::MemoryHistory history;
  {
    MainWindow window(ShellPorts{random, clock, midi, &history, &settings});
    const std::unique_ptr<QMenu> menu = window.create_menu();
    QAction* weak_spots = menu->findChild<QAction*>("weak_spots");
    EXPECT_FALSE(weak_spots->isChecked());
    weak_spots->trigger();
    EXPECT_TRUE(window.form().weak_spot_practice());
  }

  MainWindow window(ShellPorts{random, clock, midi, &history, &settings});
  QStringList shown;
  window.set_menu_shower([&](QMenu& menu, QPoint) {
    for (const QAction* action : menu.actions()) {
      shown << action->text() + (action->isChecked() ? " (on)" : "");
    }
  });
  QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
  QCoreApplication::sendEvent(window.findChild<QPushButton*>("Create_Puzzle"), &right_click);
  EXPECT_EQ(shown, QStringList{"Practice weak spots (on)"});

  MainWindow without_history(ShellPorts{random, clock, midi});
  EXPECT_FALSE(without_history.create_menu()->findChild<QAction*>("weak_spots")->isEnabled());
}

}  // namespace
}  // namespace velmora
