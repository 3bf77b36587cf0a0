#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/progress_text.h"
#include "platform/posix/system_random.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/text.h"
#include "platform/sound/system_midi.h"
#include "platform/sql/sql_history.h"
#include "ports/window_system.h"
#include "shell/artwork.h"
#include "shell/command_line.h"
#include "shell/fonts.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "velmora/version.h"

namespace {

// The folder of the practice history: the command line's, else the environment's, else the
// user's data folder.
QString history_folder(const velmora::Options& options) {
  if (!options.data_dir.isEmpty()) return options.data_dir;
  if (!qEnvironmentVariableIsEmpty("VELMORA_DATA_DIR")) {
    return qEnvironmentVariable("VELMORA_DATA_DIR");
  }
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

int print_stats(const QString& folder) {
  if (!QFile::exists(velmora::SqlHistory::file_in(folder))) {
    std::fprintf(stderr, "velmora: There is no practice history in %s.\n",
                 QFile::encodeName(folder).constData());
    return 1;
  }
  velmora::SqlHistory history(folder);
  if (!history.notice().empty()) std::fprintf(stderr, "velmora: %s\n", history.notice().c_str());
  if (!history.on()) return 1;
  std::fputs(velmora::summary_text(history.summary()).c_str(), stdout);
  return 0;
}

}  // namespace

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
  if (options.stats) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(velmora::to_qstring(velmora::kAppTitle));
    return print_stats(history_folder(options));
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
  velmora::SqlHistory history(history_folder(options));
  velmora::QtSettingsStore settings(velmora::QtSettingsStore::user_file());
  std::unique_ptr<velmora::MainWindow> window;
  const auto load_main_window = [&]() -> QWidget* {
    window = std::make_unique<velmora::MainWindow>(
        velmora::ShellPorts{random, clock, midi, &history, &settings});
    // Told once, when the window is up.
    if (!history.notice().empty()) {
      QTimer::singleShot(0, window.get(),
                         [&] { window->window_system().show_message({history.notice()}); });
    }
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
