// The answer key that the "Work Sheet" button's context menu makes of the sheets printed here.
#include <QDir>
#include <QFile>

#include "shell/answer_key_pdf.h"
#include "shell/answer_key_menu.h"
#include "platform/posix/file_answer_log.h"
#include "platform/qt/qt_window_system.h"
#include "worksheet/answer_log_reader.h"

namespace velmora {
namespace {

// Enough to show the kind of damage without a box taller than the screen.
constexpr std::size_t kProblemsShown = 8;

}  // namespace

void make_answer_key(QtWindowSystem& windows,
                     const std::function<QString(const QString& proposed)>& choose_file) {
  const std::string log_name(kAnswerLogName);
  const auto failed = [&windows](const std::string& text) {
    windows.show_message({text, Buttons::Ok, Icon::Critical});
  };
  std::string reason;
  const std::optional<std::string> text = read_log_file(log_name, reason);
  if (!text) {
    failed("The answer key cannot be made: the answer log " + log_name + " in " +
           QDir::currentPath().toStdString() + " could not be read (" + reason + ").");
    return;
  }
  const AnswerLogReading reading = read_answer_log(*text);
  if (reading.stars.empty()) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  const QString file =
      choose_file(QDir::current().absoluteFilePath(QStringLiteral("Answer key.pdf")));
  if (file.isEmpty()) return;
  const std::filesystem::path target(QFile::encodeName(file).toStdString());
  if (std::error_code ignored; std::filesystem::equivalent(log_name, target, ignored)) {
    failed("The answer key cannot be saved over the answer log " + log_name +
           " it is made from; please choose another file.");
    return;
  }
  const Status status = write_answer_key(reading.stars, regional_paper(), std::nullopt, target);
  if (!status.ok()) {
    failed(status.failure().description + ".");
    return;
  }
  if (reading.problems.empty()) return;
  std::string skipped = "The answer key was saved without " +
                        std::to_string(reading.problems.size()) + " part(s) of " + log_name +
                        " that could not be read:";
  for (std::size_t i = 0; i < reading.problems.size() && i < kProblemsShown; ++i) {
    skipped.append("\n").append(describe(reading.problems[i]));
  }
  if (reading.problems.size() > kProblemsShown) skipped += "\n...";
  windows.show_message({skipped});
}

}  // namespace velmora
