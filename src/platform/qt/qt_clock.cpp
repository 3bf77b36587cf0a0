#include "platform/qt/qt_clock.h"

#include <locale.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <ctime>
#include <thread>

namespace velmora {

namespace {

std::tm local_now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Formats under the user's LC_TIME without touching the process-wide locale; a locale the
// system lacks falls back to the C formats.
std::string format_now(const char* format) {
  locale_t user = newlocale(LC_TIME_MASK, "", nullptr);
  if (user == nullptr) user = newlocale(LC_TIME_MASK, "C", nullptr);
  const std::tm local = local_now();
  char text[128];
  const std::size_t length = strftime_l(text, sizeof text, format, &local, user);
  freelocale(user);
  return std::string(text, length);
}

}  // namespace

std::int64_t QtClock::monotonic_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string QtClock::short_date() { return format_now("%x"); }

std::string QtClock::time_with_seconds() { return format_now("%X"); }

void QtClock::sleep_ms(int milliseconds) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace velmora
