#pragma once

#include <QPageSize>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ports/status.h"
#include "theory/note_naming.h"
#include "worksheet/answer_key.h"

namespace velmora {

// Letter where the user's region measures in inches, else A4: what a PDF gets when no printer
// tells the paper.
QPageSize regional_paper();

// The paper and page style a sheet was printed on, which its key is laid out on.
struct SheetPaper {
  QPageSize paper;
  PageStyle style = PageStyle::Standard;
};

// An answer key written as a PDF while its stars come: each page is drawn as soon as it is laid
// out, so a key of any length holds about one page in memory. The file is made beside `target`
// and takes its place only once it is completely on disk; a key without stars is refused, and
// a key that is not finished leaves nothing behind. Its texts are in the window's language and
// its notes in `naming`.
class AnswerKeyPdf {
 public:
  AnswerKeyPdf(const QPageSize& paper, PageStyle style, std::optional<KeyBatch> batch,
               std::filesystem::path target, NoteNaming naming = NoteNaming::Letters);
  ~AnswerKeyPdf();
  AnswerKeyPdf(const AnswerKeyPdf&) = delete;
  AnswerKeyPdf& operator=(const AnswerKeyPdf&) = delete;

  Status begin();
  Status add(const LoggedStar& star);
  Status finish();

 private:
  struct Writer;
  Failure not_saved(const std::string& reason) const;

  QPageSize paper_;
  PageStyle style_;
  std::optional<KeyBatch> batch_;
  std::filesystem::path target_;
  NoteNaming naming_;
  std::unique_ptr<Writer> writer_;
  int stars_ = 0;
};

Status write_answer_key(const std::vector<LoggedStar>& stars, const QPageSize& paper,
                        PageStyle style, std::optional<KeyBatch> batch,
                        const std::filesystem::path& target,
                        NoteNaming naming = NoteNaming::Letters);

// How reading a log into a key went: the stars put in it, the parts left out; `unreadable`
// says why the log could not be read at all.
struct LogKey {
  std::string unreadable;
  int stars = 0;
  std::vector<LogProblem> problems;
  Status written;
};

// Reads the log a line at a time and counts its stars, writing nothing.
LogKey scan_answer_log(const std::filesystem::path& log);

// Reads the log a line at a time and writes the key of its stars page by page, drawn as the
// sheets' page style draws them.
LogKey write_answer_key_of_log(const std::filesystem::path& log, const QPageSize& paper,
                               PageStyle style, const std::filesystem::path& target,
                               NoteNaming naming = NoteNaming::Letters);

}  // namespace velmora
