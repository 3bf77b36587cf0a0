#include "shell/sheet_jobs.h"

#include <stdlib.h>
#include <unistd.h>

#include <QPrinter>
#include <cerrno>
#include <charconv>
#include <system_error>
#include <vector>

#include "platform/posix/seeded_random.h"
#include "platform/qt/qt_printer.h"
#include "shell/answer_key_pdf.h"
#include "shell/command_line.h"
#include "shell/display_texts.h"
#include "theory/chords.h"
#include "worksheet/worksheet_batch.h"

namespace velmora {
namespace {

constexpr const char* kAnswerKeyFile = "answer-key.pdf";

template <typename Number>
std::optional<Number> whole_number(const QString& text) {
  const std::string digits = text.toStdString();
  Number value{};
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || digits.front() == '-' || error != std::errc() ||
      end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

JobOutcome refused(const std::string& why) { return {kUsageError, {}, "velmora: " + why + "\n"}; }

std::string quoted(const std::filesystem::path& path) {
  std::string text(1, '\'');
  text.append(path.string()).push_back('\'');
  return text;
}

// "worksheet-07.pdf": as many digits as the batch's last sheet has, so the files sort in order.
std::string sheet_file(int sheet, int sheets) {
  const std::string number = std::to_string(sheet);
  const std::size_t width = std::to_string(sheets).size();
  return "worksheet-" + std::string(width - number.size(), '0') + number + ".pdf";
}

JobOutcome make_answer_key(const SheetJob& job) {
  if (std::error_code ignored; std::filesystem::equivalent(job.log, job.output, ignored)) {
    return refused("The answer key cannot be written over the answer log " + quoted(job.log) +
                   " it is made from");
  }
  const QPageSize paper(job.paper.value_or(regional_paper().id()));
  const LogKey key = write_answer_key_of_log(job.log, paper, job.style, job.output, job.naming);
  if (!key.unreadable.empty()) {
    return refused("Cannot read the answer log " + quoted(job.log) + ": " + key.unreadable);
  }
  if (key.stars == 0) {
    std::string why = "The answer log " + quoted(job.log) + " holds no star that can be read";
    if (!key.problems.empty()) why += " (first problem: " + describe(key.problems[0]) + ")";
    return refused(why);
  }
  if (!key.written.ok()) return refused(key.written.failure().description);
  JobOutcome outcome;
  for (const LogProblem& problem : key.problems) {
    outcome.error += "velmora: " + job.log.string() + ", " + describe(problem) + "; left out\n";
  }
  outcome.out = "Answer key of " + std::to_string(key.stars) + " stars written to " +
                job.output.string() + "\n";
  return outcome;
}

// The batch's files are made in a hidden folder of their own inside the output folder and
// moved into place only when every one of them is complete.
class BatchFolder {
 public:
  explicit BatchFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ~BatchFolder() {
    std::error_code ignored;
    if (!work_.empty()) std::filesystem::remove_all(work_, ignored);
    if (failed_) {
      for (const auto& moved : moved_) std::filesystem::remove(moved, ignored);
      if (created_) std::filesystem::remove(folder_, ignored);
    }
  }
  BatchFolder(const BatchFolder&) = delete;
  BatchFolder& operator=(const BatchFolder&) = delete;

  std::string open() {
    std::error_code error;
    if (!std::filesystem::exists(folder_, error)) {
      created_ = std::filesystem::create_directory(folder_, error);
      if (error) return error.message();
    }
    std::string pattern = (folder_ / ".velmora-batch-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::generic_category().message(errno);
    work_ = pattern;
    return {};
  }
  std::filesystem::path work(const std::string& name) const { return work_ / name; }
  // Moves the named files into the output folder, never over a file of the same name; the
  // reason of a failure, empty on success.
  std::string move_into_place(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      if (::link((work_ / name).c_str(), (folder_ / name).c_str()) != 0) {
        return errno == EEXIST ? "'" + name + "' is there already"
                               : std::generic_category().message(errno);
      }
      moved_.push_back(folder_ / name);
    }
    return {};
  }
  void fail() { failed_ = true; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path work_;
  std::vector<std::filesystem::path> moved_;
  bool created_ = false;
  bool failed_ = false;
};

// The sheets or key of an earlier batch in the folder, by the first name found; none when the
// folder holds none.
std::optional<std::string> earlier_batch(const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name == kAnswerKeyFile || (name.starts_with("worksheet-") && name.ends_with(".pdf"))) {
      return name;
    }
  }
  return std::nullopt;
}

JobOutcome make_worksheets(const SheetJob& job, Clock& clock) {
  if (const std::optional<std::string> earlier = earlier_batch(job.output)) {
    return refused("The folder " + quoted(job.output) + " holds the sheets of an earlier batch (" +
                   *earlier + "); choose an empty folder or move them away first");
  }
  BatchFolder folder(job.output);
  if (const std::string reason = folder.open(); !reason.empty()) {
    return refused("Cannot write to the folder " + quoted(job.output) + ": " + reason);
  }
  const std::uint64_t seed = job.seed.value_or(SeededRandom::fresh_seed());
  const QPageSize paper(job.paper.value_or(regional_paper().id()));
  std::filesystem::path target;
  QtPrinter printer({[] { return true; },
                     [&](QPrinter& chosen) {
                       chosen.setOutputFormat(QPrinter::PdfFormat);
                       chosen.setOutputFileName(QString::fromStdString(target.string()));
                       chosen.setPageSize(paper);
                       chosen.setCreator(QStringLiteral("Velmora"));
                       return true;
                     },
                     [](const QString&) { return QString(); }});
  printer.set_wording([](std::string_view text) {
    return shown_message(std::string(text), NoteNaming::Letters);
  });
  std::vector<std::string> names;
  for (int sheet = 1; sheet <= job.sheets; ++sheet) names.push_back(sheet_file(sheet, job.sheets));
  names.emplace_back(kAnswerKeyFile);

  FileAnswerLog log(job.log);
  SeededRandom random(seed);
  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types(job.expert);
  const Status status = run_worksheet_batch(
      {job.sheets, keys, chord_types, log, random, clock,
       [&](int sheet) -> Printer& {
         target = folder.work(names[sheet - 1]);
         return printer;
       },
       [&](const std::vector<std::string>& logged) -> Status {
         std::string text;
         for (const std::string& line : logged) text += line + "\r\n";
         const AnswerLogReading reading = read_answer_log(text);
         if (!reading.problems.empty()) {
           return Failure{kLogNotWritten, "The batch's own log records could not be read back (" +
                                              describe(reading.problems[0]) + ")"};
         }
         if (Status written = write_answer_key(reading.stars, paper, job.style,
                                               KeyBatch{job.sheets, seed},
                                               folder.work(kAnswerKeyFile), job.naming);
             !written.ok()) {
           return written;
         }
         if (const std::string reason = folder.move_into_place(names); !reason.empty()) {
           return Failure{kPrinterFailed, "The sheets could not be moved into " +
                                              quoted(job.output) + ": " + reason};
         }
         return {};
       },
       job.centre_question, job.advanced, job.style, seed, job.naming});
  if (!status.ok()) {
    folder.fail();
    return refused(status.failure().description);
  }
  return {0,
          "seed " + std::to_string(seed) + "\n" + std::to_string(job.sheets) +
              " worksheets and their answer key written to " + job.output.string() + " (" +
              names.front() + (job.sheets > 1 ? " .. " + names[names.size() - 2] : "") + ", " +
              kAnswerKeyFile + ")\n",
          {}};
}

}  // namespace

std::optional<SheetJob> read_sheet_job(const SheetJobArguments& given, QString& mistake) {
  const bool batch = given.worksheets.has_value();
  const bool draws = given.level || given.advanced || given.centre_question;
  if (!given.answer_key && !batch) {
    if (given.output || given.seed || given.paper || draws || given.classroom) {
      mistake = QStringLiteral(
          "--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go "
          "with --answer-key or --worksheets.");
    } else if (!given.positional.isEmpty()) {
      mistake = "Unexpected argument '" + given.positional.first() + "'.";
    }
    return std::nullopt;
  }
  SheetJob job;
  if (given.answer_key && batch) {
    mistake = QStringLiteral("--answer-key and --worksheets cannot be used together.");
    return std::nullopt;
  }
  if (given.positional.size() > (batch ? 0 : 1)) {
    mistake = "Unexpected argument '" + given.positional.last() + "'.";
    return std::nullopt;
  }
  if (!given.output) {
    mistake = batch ? QStringLiteral("--worksheets needs --output DIR.")
                    : QStringLiteral("--answer-key needs --output FILE.pdf.");
    return std::nullopt;
  }
  job.output = given.output->toStdString();
  if (given.paper) {
    const QString paper = given.paper->toLower();
    if (paper != "a4" && paper != "letter") {
      mistake = "--paper takes A4 or Letter, not '" + *given.paper + "'.";
      return std::nullopt;
    }
    job.paper = paper == "a4" ? QPageSize::A4 : QPageSize::Letter;
  }
  if (given.classroom) job.style = PageStyle::Classroom;
  if (!batch) {
    if (given.seed || draws) {
      mistake = QStringLiteral(
          "--seed, --level, --advanced and --centre-question go with --worksheets only.");
      return std::nullopt;
    }
    if (!given.positional.isEmpty()) job.log = given.positional.first().toStdString();
    return job;
  }
  job.kind = SheetJob::Kind::Worksheets;
  const std::optional<int> sheets = whole_number<int>(*given.worksheets);
  if (!sheets || *sheets < 1 || *sheets > kLargestBatch) {
    mistake =
        "--worksheets takes a number of sheets from 1 to 100, not '" + *given.worksheets + "'.";
    return std::nullopt;
  }
  job.sheets = *sheets;
  if (given.level) {
    const QString level = given.level->toLower();
    if (level != "beginner" && level != "expert") {
      mistake = "--level takes beginner or expert, not '" + *given.level + "'.";
      return std::nullopt;
    }
    job.expert = level == "expert";
  }
  job.advanced = given.advanced;
  job.centre_question = given.centre_question;
  if (given.seed) {
    job.seed = whole_number<std::uint64_t>(*given.seed);
    if (!job.seed) {
      mistake =
          "--seed takes a whole number from 0 to 18446744073709551615, not '" + *given.seed + "'.";
      return std::nullopt;
    }
  }
  return job;
}

JobOutcome run_sheet_job(const SheetJob& job, Clock& clock) {
  return job.kind == SheetJob::Kind::AnswerKey ? make_answer_key(job) : make_worksheets(job, clock);
}

}  // namespace velmora
