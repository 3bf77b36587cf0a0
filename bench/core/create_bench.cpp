#include <benchmark/benchmark.h>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_midi_system.h"
#include "fakes/recording_printer.h"
#include "platform/posix/system_random.h"

namespace velmora {
namespace {

// The real generator, counting its use: every pass of "Create" takes exactly one value
// without a re-seed (the given circle), every other value follows a re-seed.
class CountingRandom final : public Random {
 public:
  void reseed() override {
    ++reseeds;
    real.reseed();
  }
  float next() override {
    ++values;
    return real.next();
  }

  SystemRandom real;
  long long reseeds = 0;
  long long values = 0;
};

// A whole "Create" on the Expert level with "Advanced" unchecked, rejected passes included.
void BM_CreatePuzzleExpert(benchmark::State& state) {
  testing::FakeWindowSystem windows;
  CountingRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  testing::RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
  form.Form_Load();
  form.controls.Option2 = true;
  form.Option2_Click();
  form.controls.advanced.value = 0;
  for (auto _ : state) {
    // A full score lets every Create go ahead without its question.
    form.Correct_Count = 17;
    form.Create_Puzzle_Click();
    benchmark::DoNotOptimize(form.board.Circle_Notes);
  }
  const auto creates = static_cast<double>(state.iterations());
  state.counters["passes_per_create"] =
      static_cast<double>(random.values - random.reseeds) / creates;
  state.counters["reseeds_per_create"] = static_cast<double>(random.reseeds) / creates;
}
BENCHMARK(BM_CreatePuzzleExpert);

}  // namespace
}  // namespace velmora
