// Start-up of the window with a translation loaded against English: the time from entering main
// to the window shown (wall clock, and the processor time the process spent, which the load of
// other programs disturbs far less), and the peak resident memory (VmHWM) at that point, each
// the median of several runs in processes of their own, taken in turns so that the machine's
// load falls on every language alike. Prints the figures and fails when a language takes more
// than 5 % more processor time or memory than English.
//
//   velmora_language_startup            every shipped language against English, 21 runs each
//   velmora_language_startup LANGUAGE   one run: prints "<wall ms> <processor ms> <kB>"
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fakes/main_form_fixture.h"
#include "shell/main_window.h"
#include "shell/translations.h"

namespace velmora {
namespace {

constexpr int kRuns = 21;
constexpr double kAllowedGrowth = 1.05;

double processor_ms() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long peak_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

int one_run(int argc, char* argv[], const QString& language) {
  const auto start = std::chrono::steady_clock::now();
  Translations translations(language, {VELMORA_TRANSLATIONS_DIR});
  QApplication app(argc, argv);
  translations.install();
  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  MainWindow window(ShellPorts{random, clock, midi});
  window.set_language(language);
  window.set_note_naming(chosen_note_naming(std::nullopt, {}, language));
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.2f %.2f %ld\n", ms, processor_ms(), peak_kb());
  return 0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int compare_languages(const char* program) {
  std::map<QString, std::vector<double>> times;
  std::map<QString, std::vector<double>> processor;
  std::map<QString, std::vector<double>> memory;
  for (int run = 0; run < kRuns; ++run) {
    for (const QString& language : kShippedLanguages) {
      QProcess child;
      child.start(program, {language});
      if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the %s run failed\n", qPrintable(language));
        return 1;
      }
      const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
      times[language].push_back(figures.value(0).toDouble());
      processor[language].push_back(figures.value(1).toDouble());
      memory[language].push_back(figures.value(2).toDouble());
    }
  }
  const double english_ms = median(times["en"]);
  const double english_cpu = median(processor["en"]);
  const double english_kb = median(memory["en"]);
  bool within = true;
  std::printf("language  wall ms  processor ms  peak kB   vs English: wall, processor, memory\n");
  for (const QString& language : kShippedLanguages) {
    const double ms = median(times[language]);
    const double cpu = median(processor[language]);
    const double kb = median(memory[language]);
    const bool ok = cpu <= english_cpu * kAllowedGrowth && kb <= english_kb * kAllowedGrowth;
    within = within && ok;
    std::printf("%-8s  %7.1f  %12.1f  %7.0f   %+5.1f %%, %+5.1f %%, %+5.1f %%%s\n",
                qPrintable(language), ms, cpu, kb, (ms / english_ms - 1) * 100,
                (cpu / english_cpu - 1) * 100, (kb / english_kb - 1) * 100,
                ok ? "" : "  OVER 5 %");
  }
  return within ? 0 : 1;
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 2) return velmora::one_run(argc, argv, QString::fromLocal8Bit(argv[1]));
  return velmora::compare_languages(argv[0]);
}
