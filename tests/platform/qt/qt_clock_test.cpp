#include "platform/qt/qt_clock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <chrono>

namespace velmora {
namespace {

struct PaintCounter final : QWidget {
  void paintEvent(QPaintEvent*) override { ++paints; }
  int paints = 0;
};

// The hint pause sleeps in these steps: the window must still paint the formula meanwhile.
TEST(QtClockTest, ASleepPaintsTheWindowAndLastsAtLeastItsTime) {
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
