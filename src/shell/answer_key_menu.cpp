// The answer key that the "Work Sheet" button's context menu makes of the sheets printed here,
// on the paper they were printed on.
#include "shell/answer_key_menu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <algorithm>
#include <vector>

#include "platform/posix/file_answer_log.h"
#include "platform/qt/qt_window_system.h"
#include "worksheet/answer_log_reader.h"

namespace velmora {
namespace {

// Enough to show the kind of damage without a box taller than the screen.
constexpr std::size_t kProblemsShown = 8;

QString paper_choice(const SheetPaper& paper) {
  return paper.paper.name() +
         (paper.style == PageStyle::Classroom ? QCoreApplication::translate("AnswerKey", ", classroom sheet") : QString());
}

}  // namespace

SheetPaper last_sheet_paper(const Settings& settings) {
  SheetPaper last{regional_paper(), PageStyle::Standard};
  const QString key = QString::fromStdString(settings.sheet_paper);
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const QPageSize paper(static_cast<QPageSize::PageSizeId>(id));
    if (!key.isEmpty() && paper.key() == key) last.paper = paper;
  }
  if (settings.sheet_classroom) last.style = PageStyle::Classroom;
  return last;
}

std::optional<SheetPaper> ask_key_paper(QWidget* parent, const SheetPaper& proposed) {
  std::vector<SheetPaper> papers;
  for (const QPageSize& paper :
       {proposed.paper, QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
    for (PageStyle style : {PageStyle::Standard, PageStyle::Classroom}) {
      const bool known = std::any_of(papers.begin(), papers.end(), [&](const SheetPaper& known) {
        return known.paper.isEquivalentTo(paper) && known.style == style;
      });
      if (!known) papers.push_back({paper, style});
    }
  }
  QStringList names;
  int current = 0;
  for (const SheetPaper& paper : papers) {
    if (paper.paper.isEquivalentTo(proposed.paper) && paper.style == proposed.style) {
      current = static_cast<int>(names.size());
    }
    names << paper_choice(paper);
  }
  bool chosen = false;
  const QString name = QInputDialog::getItem(
      parent, QCoreApplication::translate("AnswerKey", "Answer Key Paper"),
      QCoreApplication::translate("AnswerKey", "The paper the sheets were printed on:"), names, current, false, &chosen);
  if (!chosen) return std::nullopt;
  return papers[static_cast<std::size_t>(names.indexOf(name))];
}

void make_answer_key(
    QtWindowSystem& windows, const SheetPaper& proposed_paper,
    const std::function<std::optional<SheetPaper>(const SheetPaper& proposed)>& choose_paper,
    const std::function<QString(const QString& proposed)>& choose_file, NoteNaming naming) {
  const std::string log_name(kAnswerLogName);
  const auto failed = [&windows](const std::string& text) {
    windows.show_message({text, Buttons::Ok, Icon::Critical});
  };
  const auto unreadable = [&](const std::string& reason) {
    failed("The answer key cannot be made: the answer log " + log_name + " in " +
           QDir::currentPath().toStdString() + " could not be read (" + reason + ").");
  };
  // Read once before any question, so that a log without stars is told at once; a pipe or a
  // device is refused without waiting on it.
  const LogKey scan = scan_answer_log(log_name);
  if (!scan.unreadable.empty()) return unreadable(scan.unreadable);
  if (scan.stars == 0) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  const std::optional<SheetPaper> paper = choose_paper(proposed_paper);
  if (!paper) return;
  const QString file = choose_file(QDir::current().absoluteFilePath(
      QCoreApplication::translate("AnswerKey", "Answer key") + ".pdf"));
  if (file.isEmpty()) return;
  const std::filesystem::path target(QFile::encodeName(file).toStdString());
  if (std::error_code ignored; std::filesystem::equivalent(log_name, target, ignored)) {
    failed("The answer key cannot be saved over the answer log " + log_name +
           " it is made from; please choose another file.");
    return;
  }
  const LogKey key = write_answer_key_of_log(log_name, paper->paper, paper->style, target, naming);
  if (!key.unreadable.empty()) return unreadable(key.unreadable);
  if (key.stars == 0) {
    failed("The answer key cannot be made: the answer log " + log_name +
           " holds no worksheet star that can be read.");
    return;
  }
  if (!key.written.ok()) {
    failed(key.written.failure().description + ".");
    return;
  }
  if (key.problems.empty()) return;
  std::string skipped = "The answer key was saved without " +
                        std::to_string(key.problems.size()) + " part(s) of " + log_name +
                        " that could not be read:";
  for (std::size_t i = 0; i < key.problems.size() && i < kProblemsShown; ++i) {
    skipped.append("\n").append(describe(key.problems[i]));
  }
  if (key.problems.size() > kProblemsShown) skipped += "\n...";
  windows.show_message({skipped});
}

}  // namespace velmora
