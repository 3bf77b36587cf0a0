#include "app/qt/qt_clock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdlib>

namespace velmora {
namespace {

class PaintCounter final : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

// The hint pause sleeps in these steps: the window must still paint the formula meanwhile.
TEST(QtClockTest, ASleepPaintsTheWindowAndLastsAtLeastItsTime) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "velmora_adapter_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  PaintCounter widget;
  widget.show();
  QApplication::processEvents();
  widget.paints = 0;
  widget.update();
  const auto before = std::chrono::steady_clock::now();
  QtClock().sleep_ms(15);
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(15));
  EXPECT_EQ(widget.paints, 1);
}

}  // namespace
}  // namespace velmora
