#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "platform/qt/qt_printer.h"
#include "platform/posix/system_random.h"
#include "platform/posix/file_answer_log.h"
#include "platform/posix/seeded_random.h"
#include "puzzle/draws.h"
#include "shell/answer_key_pdf.h"
#include "shell/sheet_jobs.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_batch.h"

namespace velmora {
namespace {

// A whole worksheet run as the user starts it when no printer is installed: the page to a PDF
// file and six blocks appended to the answer log.
void BM_WorksheetRunToPdf(benchmark::State& state) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("Worksheet.pdf"));
  QtPrinter printer({[] { return false; }, [](QPrinter&) { return false; },
                     [&pdf](const QString&) { return pdf; }});
  FileAnswerLog log(folder.filePath(QStringLiteral("Worksheet.id")).toStdString());
  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types(true);
  SystemRandom random;
  testing::StillClock clock;
  testing::FakeWindowSystem windows;
  for (auto _ : state) {
    Print_Worksheet({keys, chord_types, false, printer, log, random, clock, windows});
  }
  if (!windows.boxes.empty()) state.SkipWithError(windows.boxes.front().text.c_str());
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
// The first run of a process, registered first so it runs first: it also loads the fonts.
BENCHMARK(BM_WorksheetRunToPdf)
    ->Name("BM_WorksheetRunToPdf/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WorksheetRunToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// `velmora --worksheets 30 --output DIR --seed S`: thirty sheet PDFs, their blocks in the log
// and the answer key of 180 stars.
// The budget: under 1 s on one core (taskset -c 0), the classroom page (argument 1) included.
void BM_BatchOf30WithAnswerKey(benchmark::State& state) {
  QTemporaryDir folder;
  testing::StillClock clock;
  SheetJob job;
  job.kind = SheetJob::Kind::Worksheets;
  job.log = folder.filePath(QStringLiteral("Worksheet.id")).toStdString();
  job.sheets = 30;
  job.seed = 20261206;
  job.paper = QPageSize::A4;
  job.style = state.range(0) == 1 ? PageStyle::Classroom : PageStyle::Standard;
  int batch = 0;
  for (auto _ : state) {
    // A folder of its own each time: a batch refuses a folder that holds an earlier one.
    job.output = folder.filePath(QStringLiteral("sheets-%1").arg(++batch)).toStdString();
    const JobOutcome outcome = run_sheet_job(job, clock);
    if (outcome.exit_status != 0) state.SkipWithError(outcome.error.c_str());
  }
}
BENCHMARK(BM_BatchOf30WithAnswerKey)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A log of 1,000 stars, as 167 sheets would leave it.
std::string log_of_stars(int stars) {
  struct LinesLog final : AnswerLogFile {
    Status begin_run() override { return {}; }
    void close_all() override {}
    Status open_append() override { return {}; }
    Status write_line(std::string_view line) override {
      text.append(line).append("\r\n");
      return {};
    }
    Status close() override { return {}; }
    void keep_run() override {}
    void drop_run() override {}
    std::string text;
  } log;
  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types(true);
  SeededRandom random(1000);
  testing::StillClock clock;
  testing::FakeWindowSystem windows;
  QtPrinter unused({[] { return false; }, [](QPrinter&) { return false; },
                    [](const QString&) { return QString(); }});
  const WorksheetRun run{keys, chord_types, false, unused, log, random, clock, windows};
  for (int star = 0; star < stars; ++star) {
    const Board board = spell_star(run, Choose_Worksheet_Chords(chord_types, random));
    (void)Log_Worksheet_Star(star_label("6-12-2026", star % kWorksheetStars + 1), board, log,
                             clock);
  }
  return log.text;
}

// Reading that log from its file and writing its key of 167 pages.
void BM_AnswerKeyOf1000Stars(benchmark::State& state) {
  QTemporaryDir folder;
  const std::filesystem::path log = folder.filePath(QStringLiteral("Worksheet.id")).toStdString();
  std::ofstream(log, std::ios::binary) << log_of_stars(1000);
  const std::filesystem::path key = folder.filePath(QStringLiteral("key.pdf")).toStdString();
  for (auto _ : state) {
    const LogKey written =
        write_answer_key_of_log(log, QPageSize(QPageSize::A4), PageStyle::Standard, key);
    if (written.stars != 1000) state.SkipWithError("the log did not read back whole");
    if (!written.written.ok()) state.SkipWithError(written.written.failure().description.c_str());
  }
  state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(key));
}
BENCHMARK(BM_AnswerKeyOf1000Stars)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
