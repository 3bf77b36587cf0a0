// The practice history on a real SQLite file in a temporary folder: recording one Check with
// its commit, and the queries behind the summary and weak-spot practice over 100,000 answers.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "platform/sql/sql_history.h"

namespace velmora {
namespace {

constexpr int kAnswersPerCheck = 16;

// A Check of 16 answers spread over chord types, tones and outcomes like a learner's.
CheckRecord sample_check(int number) {
  static const char* const kTypes[] = {"Maj9", "Dom9", "Min9", "Dom7_b9", "6/9", "Dom9_#5"};
  static const char* const kTones[] = {"root", "third", "fifth", "seventh", "ninth"};
  static const char* const kKeys[] = {"C", "G", "D", "Ab", "F#", "Cb", "Eb"};
  // A week of practice for every 300 Checks.
  CheckRecord check{1796565910 + number * 2016, "Expert", kKeys[number % 7], {}};
  for (int circle = 1; circle <= kAnswersPerCheck; ++circle) {
    const int mix = number * 31 + circle * 7;
    check.answers.push_back({circle, circle == 9 ? "" : kTypes[mix % 6], kTones[circle % 5], "F#",
                             "Gb", static_cast<Outcome>(mix % 11 < 7 ? 0 : mix % 4)});
  }
  return check;
}

void BM_RecordCheck(benchmark::State& state) {
  QTemporaryDir folder;
  SqlHistory history(folder.path());
  int number = 0;
  for (auto _ : state) {
    if (!history.record(sample_check(number++)).ok()) state.SkipWithError("the record failed");
  }
}
BENCHMARK(BM_RecordCheck)->Unit(benchmark::kMillisecond);

class FullHistory : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    if (history) return;
    history = std::make_unique<SqlHistory>(folder.path());
    for (int number = 0; number < 100000 / kAnswersPerCheck; ++number) {
      if (!history->record(sample_check(number)).ok()) std::abort();
    }
  }
  QTemporaryDir folder;
  std::unique_ptr<SqlHistory> history;
};

BENCHMARK_DEFINE_F(FullHistory, Summary)(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(history->summary());
}
BENCHMARK_REGISTER_F(FullHistory, Summary)->Unit(benchmark::kMillisecond);

// What weak-spot practice asks after each Check.
BENCHMARK_DEFINE_F(FullHistory, RecentTallies)(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(history->recent(300));
}
BENCHMARK_REGISTER_F(FullHistory, RecentTallies)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
