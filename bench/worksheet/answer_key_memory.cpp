// The answer key of a log of 100,000 stars, as 16,667 sheets leave it: its peak memory, which
// must stay under 100 MB, and its time. One real run rather than a Google Benchmark, since the
// figure is the process's peak.
#include <sys/resource.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "platform/posix/seeded_random.h"
#include "ports/answer_log_file.h"
#include "puzzle/draws.h"
#include "shell/answer_key_pdf.h"
#include "worksheet/worksheet.h"

namespace {

using namespace velmora;

constexpr int kStars = 100000;
constexpr long kLimitMegabytes = 100;

// The log's lines straight to the file, as many runs would have appended them.
class StreamedLog final : public AnswerLogFile {
 public:
  explicit StreamedLog(const std::filesystem::path& file) : out_(file, std::ios::binary) {}
  Status begin_run() override { return {}; }
  void close_all() override {}
  Status open_append() override { return {}; }
  Status write_line(std::string_view line) override {
    out_ << line << "\r\n";
    return {};
  }
  Status close() override { return {}; }
  void keep_run() override {}
  void drop_run() override {}

 private:
  std::ofstream out_;
};

class NoPrinter final : public Printer {
 public:
  Status begin_document() override { return {}; }
  Status page_size(PageSize&) override { return {}; }
  Status set_position(Twips, Twips) override { return {}; }
  Status set_font_size(int) override { return {}; }
  Status print_line(std::string_view) override { return {}; }
  Status circle(Twips, Twips, Twips) override { return {}; }
  Status line(TwipPoint, TwipPoint) override { return {}; }
  Status end_document() override { return {}; }
  void abort_document() override {}
};

long peak_megabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QTemporaryDir folder;
  const std::filesystem::path log = folder.filePath(QStringLiteral("Worksheet.id")).toStdString();
  const std::filesystem::path key = folder.filePath(QStringLiteral("key.pdf")).toStdString();
  {
    const FramedList keys = Fill_Key_Tables();
    const FramedList chord_types = Fill_Chord_Types(true);
    SeededRandom random(100000);
    testing::StillClock clock;
    testing::FakeWindowSystem windows;
    NoPrinter printer;
    StreamedLog out(log);
    const WorksheetRun run{keys, chord_types, false, printer, out, random, clock, windows};
    for (int star = 0; star < kStars; ++star) {
      const Board board = spell_star(run, Choose_Worksheet_Chords(chord_types, random));
      (void)Log_Worksheet_Star(star_label("6-12-2026", star % kWorksheetStars + 1), board, out,
                               clock);
    }
  }
  const long before = peak_megabytes();
  const auto start = std::chrono::steady_clock::now();
  const LogKey written =
      write_answer_key_of_log(log, QPageSize(QPageSize::A4), PageStyle::Standard, key);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long peak = peak_megabytes();
  if (!written.written.ok() || written.stars != kStars) {
    std::fprintf(stderr, "the key was not written: %s (%d stars)\n",
                 written.written.ok() ? "" : written.written.failure().description.c_str(),
                 written.stars);
    return 1;
  }
  std::printf("log: %lld bytes, %d stars; key: %lld bytes in %.1f s\n",
              static_cast<long long>(std::filesystem::file_size(log)), written.stars,
              static_cast<long long>(std::filesystem::file_size(key)), seconds);
  std::printf("peak memory: %ld MB before the key, %ld MB with it (limit %ld MB)\n", before, peak,
              kLimitMegabytes);
  return peak < kLimitMegabytes ? 0 : 1;
}
