#include <QApplication>
#include <cstdio>

#include "app/qt/fonts.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_clock.h"
#include "puzzle/system_random.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("Velmora needs a graphical display, and none was found (DISPLAY is not set).\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velmora");
  velmora::qt::install_font_substitutes();

  velmora::SystemRandom random;
  velmora::qt::QtClock clock;
  velmora::qt::MainWindow window({random, clock});
  window.show();
  return QApplication::exec();
}
