#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qt/qt_printer.h"
#include "ports/clock.h"
#include "ports/window_system.h"
#include "platform/posix/system_random.h"
#include "platform/posix/file_answer_log.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

class SilentWindows final : public WindowSystem {
 public:
  Answer show_message(const MessageBox& box) override {
    failures.push_back(box.text);
    return Answer::Ok;
  }
  void repaint_circles(std::span<const int>) override {}
  void show_about() override {}

  std::vector<std::string> failures;
};

class FixedClock final : public Clock {
 public:
  std::int64_t monotonic_ms() override { return 0; }
  std::string short_date() override { return "6-12-2026"; }
  std::string time_with_seconds() override { return "14:05:12"; }
  void sleep_ms(int) override {}
};

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
  FixedClock clock;
  SilentWindows windows;
  for (auto _ : state) {
    Print_Worksheet({keys, chord_types, false, printer, log, random, clock, windows});
  }
  if (!windows.failures.empty()) state.SkipWithError(windows.failures.front().c_str());
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
// The first run of a process, registered first so it runs first: it also loads the fonts.
BENCHMARK(BM_WorksheetRunToPdf)
    ->Name("BM_WorksheetRunToPdf/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WorksheetRunToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

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
