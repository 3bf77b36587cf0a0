#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLocale>
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
#include "shell/display_texts.h"
#include "shell/fonts.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "shell/translations.h"
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

int print_stats(const QString& folder, velmora::NoteNaming naming) {
  if (!QFile::exists(velmora::SqlHistory::file_in(folder))) {
    const std::string sentence =
        "There is no practice history in " + QFile::encodeName(folder).toStdString() + ".";
    std::fprintf(stderr, "velmora: %s\n",
                 velmora::shown_message(sentence, naming).toUtf8().constData());
    return 1;
  }
  velmora::SqlHistory history(folder);
  if (!history.notice().empty()) {
    std::fprintf(stderr, "velmora: %s\n",
                 velmora::shown_message(history.notice(), naming).toUtf8().constData());
  }
  if (!history.on()) return 1;
  const velmora::ProgressSummary summary = history.summary();
  const std::string text =
      summary.total.answers() == 0
          ? velmora::shown_message(velmora::empty_history_text(), naming).toStdString() + "\n"
          : velmora::plain_text(velmora::shown_progress(velmora::progress_text(summary), naming));
  std::fputs(text.c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  velmora::QtSettingsStore settings(velmora::QtSettingsStore::user_file());
  // Read here for the language and the note names; the window reads them again and tells any
  // problem with the file.
  std::string unread;
  const velmora::Settings kept = settings.load(unread);
  const QString kept_language = QString::fromStdString(kept.language);
  const QString kept_note_names = QString::fromStdString(kept.note_names);
  // The language is known before the command line is read, so that its help and its mistakes
  // are told in it; an unknown --language is refused by the reading itself.
  const std::optional<QString> asked = velmora::language_argument(arguments);
  velmora::Translations translations(velmora::chosen_language(
      asked ? velmora::shipped_language(*asked) : std::nullopt,
      kept_language, QLocale::system().uiLanguages()));
  const velmora::CommandLine command_line = velmora::read_command_line(arguments, &translations);
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
    translations.install();
    velmora::install_font_substitutes();
    velmora::QtClock clock;
    velmora::SheetJob job = *options.sheet_job;
    job.naming = velmora::chosen_note_naming(
        options.note_naming, kept_note_names,
        translations.language());
    const velmora::JobOutcome outcome = velmora::run_sheet_job(job, clock);
    std::fputs(velmora::shown_lines(outcome.out).c_str(), stdout);
    std::fputs(velmora::shown_lines(outcome.error).c_str(), stderr);
    return outcome.exit_status;
  }
  if (options.stats) {
    QCoreApplication app(argc, argv);
    translations.install();
    QCoreApplication::setApplicationName(velmora::to_qstring(velmora::kAppTitle));
    return print_stats(
        history_folder(options),
        velmora::chosen_note_naming(options.note_naming,
                                    kept_note_names,
                                    translations.language()));
  }

  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    const QString sentence = translations.text(
        "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "Velmora needs a graphical display, and "
                                                        "none was found (DISPLAY is not set)."));
    std::fputs(qPrintable(sentence + '\n'), stderr);
    return 1;
  }
  QApplication app(argc, argv);
  translations.install();
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
  std::unique_ptr<velmora::MainWindow> window;
  const auto load_main_window = [&]() -> QWidget* {
    window = std::make_unique<velmora::MainWindow>(
        velmora::ShellPorts{random, clock, midi, &history, &settings});
    window->set_language(translations.language());
    window->set_note_naming(velmora::chosen_note_naming(
        options.note_naming, kept_note_names,
        translations.language()));
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
