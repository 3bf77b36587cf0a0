#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "fakes/fake_clock.h"
#include "fakes/recording_midi_system.h"
#include "platform/posix/system_random.h"
#include "shell/main_window.h"
#include "shell/splash.h"

namespace velmora {
namespace {

// Run once as it is, and by CTest again at other scale factors and screen sizes.
TEST(PlacementTest, WindowsOpenCentredInsideTheFreeAreaOfTheScreen) {
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  MainWindow window{{random, clock, midi}};
  window.show();
  auto* splash = new Splash([]() -> QWidget* { return nullptr; });
  splash->findChild<QTimer*>("Timer1")->stop();
  splash->show();
  window.findChild<QPushButton*>("Help_cmd")->click();
  QWidget* about = window.findChild<QWidget*>("frmAbout");
  ASSERT_NE(about, nullptr);

  for (QWidget* shown : {static_cast<QWidget*>(&window), static_cast<QWidget*>(splash), about}) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    const QRect area = shown->screen()->availableGeometry();
    const QRect outer = shown->frameGeometry();
    const QSize frame = outer.size() - shown->size();
    // Only a window that cannot shrink into the area may stick out, to the right or bottom.
    const QSize least = shown->minimumSize() + frame;
    SCOPED_TRACE(shown->objectName().toStdString() + " at scale " +
                 std::to_string(shown->devicePixelRatioF()));
    if (least.width() <= area.width()) {
      EXPECT_GE(outer.left(), area.left());
      EXPECT_LE(outer.right(), area.right());
      EXPECT_LE(std::abs((outer.left() - area.left()) - (area.right() - outer.right())), 1);
    } else {
      EXPECT_EQ(outer.left(), area.left());
    }
    if (least.height() <= area.height()) {
      EXPECT_GE(outer.top(), area.top());
      EXPECT_LE(outer.bottom(), area.bottom());
      EXPECT_LE(std::abs((outer.top() - area.top()) - (area.bottom() - outer.bottom())), 1);
    } else {
      EXPECT_EQ(outer.top(), area.top());
    }
  }
  splash->close();
  window.close();
}

}  // namespace
}  // namespace velmora
