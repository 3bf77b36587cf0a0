#include "worksheet/worksheet_batch.h"

#include "ports/window_system.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

// One run of the log for the whole batch: the sheets' own begins and keeps are absorbed, their
// blocks are gathered and written at once when every sheet is made, and a drop removes all the
// batch has written. None of the sheets is in place before its blocks are on disk, as with the
// window's run, but the disk is waited for once rather than after every star.
class BatchAnswerLog final : public AnswerLogFile {
 public:
  explicit BatchAnswerLog(AnswerLogFile& log) : log_(log) {}

  Status begin_run() override {
    if (begun_) return {};
    begun_ = true;
    return log_.begin_run();
  }
  void close_all() override { pending_.clear(); }
  Status open_append() override {
    pending_.clear();
    return {};
  }
  Status write_line(std::string_view line) override {
    pending_.emplace_back(line);
    return {};
  }
  Status close() override {
    lines_.insert(lines_.end(), pending_.begin(), pending_.end());
    pending_.clear();
    return {};
  }
  void keep_run() override {}
  void drop_run() override { log_.drop_run(); }

  Status write_gathered() {
    log_.close_all();
    if (Status status = log_.open_append(); !status.ok()) return status;
    for (const std::string& line : lines_) {
      if (Status status = log_.write_line(line); !status.ok()) return status;
    }
    return log_.close();
  }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  AnswerLogFile& log_;
  bool begun_ = false;
  std::vector<std::string> pending_;
  std::vector<std::string> lines_;
};

// A batch has no one to show a box to: the failure the run would show is kept instead.
class FailureCatcher final : public WindowSystem {
 public:
  Answer show_message(const MessageBox& box) override {
    if (box.icon == Icon::Critical && failure.empty()) failure = box.text;
    return Answer::Ok;
  }
  void repaint_circles(std::span<const int>) override {}
  void show_about() override {}

  std::string failure;
};

// The run's failure message without its opening sentence, which speaks of a printer and a
// user who may have cancelled, and with its number marked as one: "... locked (error 4)".
std::string batch_failure(std::string text) {
  if (text.starts_with(kWorksheetFailureText)) text.erase(0, kWorksheetFailureText.size());
  const std::size_t number = text.rfind(' ');
  if (number != std::string::npos) text.insert(number + 1, "(error ").push_back(')');
  return text;
}

}  // namespace

Status run_worksheet_batch(const WorksheetBatch& batch) {
  BatchAnswerLog log(batch.answer_log);
  FailureCatcher windows;
  for (int sheet = 1; sheet <= batch.sheets; ++sheet) {
    Print_Worksheet({batch.Key_Names, batch.Chord_Types, batch.centre_question,
                     batch.printer_for(sheet), log, batch.random, batch.clock, windows, batch.style,
                     batch.advanced,
                     batch.seed ? sheet_identification(sheet, batch.sheets, *batch.seed) : "",
                     batch.naming});
    if (!windows.failure.empty()) {
      log.drop_run();
      return Failure{kPrinterFailed,
                     "Worksheet " + std::to_string(sheet) + " of " + std::to_string(batch.sheets) +
                         " failed: " + batch_failure(windows.failure)};
    }
  }
  Status status = log.write_gathered();
  if (status.ok()) status = batch.finish(log.lines());
  if (!status.ok()) {
    log.drop_run();
    return status;
  }
  batch.answer_log.keep_run();
  return {};
}

}  // namespace velmora
