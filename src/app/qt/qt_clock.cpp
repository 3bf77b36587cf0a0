#include "app/qt/qt_clock.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <ctime>

namespace velmora::qt {
namespace {

std::string format_now(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64] = {};
  std::strftime(text, sizeof text, format, &local);
  return text;
}

}  // namespace

int QtClock::second_of_minute() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_sec;
}

std::string QtClock::short_date() { return format_now("%x"); }

std::string QtClock::time_with_seconds() { return format_now("%X"); }

void QtClock::sleep_ms(int milliseconds) {
  // Paints go on, so what the handler showed is really on screen; input waits until after.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace velmora::qt
