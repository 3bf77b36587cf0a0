#include "app/qt/qt_clock.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <regex>

namespace velmora {
namespace {

class QtClockTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "velmora_adapter_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) app_ = std::make_unique<QApplication>(argc, argv);
  }
  // Before static destruction, which is too late for Qt to close down.
  static void TearDownTestSuite() { app_.reset(); }

  static std::unique_ptr<QApplication> app_;
  QtClock clock;
};

std::unique_ptr<QApplication> QtClockTest::app_;

class PaintCounter final : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST_F(QtClockTest, ASleepPaintsTheWindowAndLastsAtLeastItsTime) {
  PaintCounter widget;
  widget.resize(50, 50);
  widget.show();
  QApplication::processEvents();
  widget.paints = 0;
  widget.update();
  const auto before = std::chrono::steady_clock::now();
  clock.sleep_ms(15);
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(15));
  EXPECT_EQ(widget.paints, 1);
}

// The user's LC_TIME decides the formats; a locale the system lacks gives the C formats.
class QtClockLocaleTest : public QtClockTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(QtClockLocaleTest, DateAndTimeInTheCFormats) {
  const char* old = std::getenv("LC_ALL");
  const std::string saved = old == nullptr ? "" : old;
  setenv("LC_ALL", GetParam(), 1);
  const std::string date = clock.short_date();
  const std::string time = clock.time_with_seconds();
  const int second = clock.second_of_minute();
  if (old == nullptr) {
    unsetenv("LC_ALL");
  } else {
    setenv("LC_ALL", saved.c_str(), 1);
  }
  EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d/\d\d/\d\d)"))) << date;
  ASSERT_TRUE(std::regex_match(time, std::regex(R"(\d\d:\d\d:\d\d)"))) << time;
  const int shown = std::stoi(time.substr(6));
  // The clock may tick between the two readings.
  EXPECT_TRUE(second == shown || second == (shown + 1) % 60) << second << " vs " << time;
}

INSTANTIATE_TEST_SUITE_P(Locales, QtClockLocaleTest, ::testing::Values("C", "xx_XX.UTF-8"));

}  // namespace
}  // namespace velmora
