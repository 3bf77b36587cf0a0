#include "platform/qt/qt_clock.h"

#include <locale.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <ctime>
#include <thread>

namespace velmora {

namespace {

std::tm Local_Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Formats under the user's LC_TIME without touching the process-wide locale; a locale the
// system lacks falls back to the C formats.
std::string Format_Now(const char* format) {
  locale_t user = newlocale(LC_TIME_MASK, "", nullptr);
  if (user == nullptr) user = newlocale(LC_TIME_MASK, "C", nullptr);
  const std::tm local = Local_Now();
  char text[128];
  const std::size_t length = strftime_l(text, sizeof text, format, &local, user);
  freelocale(user);
  return std::string(text, length);
}

}  // namespace

int QtClock::second_of_minute() { return Local_Now().tm_sec % 60; }

std::string QtClock::short_date() { return Format_Now("%x"); }

std::string QtClock::time_with_seconds() { return Format_Now("%X"); }

void QtClock::sleep_ms(int milliseconds) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace velmora
