#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "platform/qt/text.h"
#include "ports/window_system.h"
#include "shell/artwork.h"
#include "shell/command_line.h"
#include "shell/fonts.h"
#include "shell/main_window.h"
#include "platform/qt/qt_clock.h"
#include "shell/splash.h"
#include "platform/sound/system_midi.h"
#include "platform/posix/system_random.h"
#include "velmora/version.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const velmora::CommandLine command_line = velmora::read_command_line(arguments);
  std::fputs(command_line.out.c_str(), stdout);
  std::fputs(command_line.error.c_str(), stderr);
  if (!command_line.start) return command_line.exit_status;
  const velmora::Options& options = command_line.options;
  if (options.sheet_job) {
    // Sheets and keys are drawn into PDFs: no window, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's notes about the missing session (no runtime folder, no window manager)
    // would bury the job's one line of outcome.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fputs(qPrintable(text + '\n'), stderr);
    });
    QApplication app(argc, argv);
    velmora::install_font_substitutes();
    velmora::QtClock clock;
    const velmora::JobOutcome outcome = velmora::run_sheet_job(*options.sheet_job, clock);
    std::fputs(outcome.out.c_str(), stdout);
    std::fputs(outcome.error.c_str(), stderr);
    return outcome.exit_status;
  }

  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("Velmora needs a graphical display, and none was found (DISPLAY is not set).\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(velmora::to_qstring(velmora::kAppTitle));
  QApplication::setApplicationVersion(velmora::kVersionText);
  QGuiApplication::setDesktopFileName("org.velmora.Velmora");
  velmora::install_font_substitutes();
  QIcon icon;
  icon.addPixmap(velmora::velmora_picture(32));
  icon.addPixmap(velmora::velmora_picture(16));
  QApplication::setWindowIcon(icon);

  velmora::SystemRandom random;
  velmora::QtClock clock;
  velmora::SystemMidi midi(options.soundfont);
  std::unique_ptr<velmora::MainWindow> window;
  const auto load_main_window = [&]() -> QWidget* {
    window = std::make_unique<velmora::MainWindow>(velmora::ShellPorts{random, clock, midi});
    return window.get();
  };
  if (options.splash) {
    // The splash deletes itself once its timer has shown the main window.
    (new velmora::Splash(load_main_window))->show();
  } else {
    load_main_window()->show();
  }
  return QApplication::exec();
}
