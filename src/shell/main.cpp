#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "shell/artwork.h"
#include "shell/fonts.h"
#include "shell/main_window.h"
#include "platform/qt/qt_clock.h"
#include "shell/splash.h"
#include "platform/sound/system_midi.h"
#include "platform/posix/system_random.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("Velmora needs a graphical display, and none was found (DISPLAY is not set).\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velmora");
  velmora::install_font_substitutes();
  QIcon icon;
  icon.addPixmap(velmora::velmora_picture(32));
  icon.addPixmap(velmora::velmora_picture(16));
  QApplication::setWindowIcon(icon);

  velmora::SystemRandom random;
  velmora::QtClock clock;
  velmora::SystemMidi midi;
  std::unique_ptr<velmora::MainWindow> window;
  // The splash deletes itself once its timer has shown the main window.
  auto* splash = new velmora::Splash([&]() -> QWidget* {
    window = std::make_unique<velmora::MainWindow>(velmora::ShellPorts{random, clock, midi});
    return window.get();
  });
  splash->show();
  return QApplication::exec();
}
