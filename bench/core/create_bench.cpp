#include <benchmark/benchmark.h>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/memory_answer_log.h"
#include "fakes/memory_history.h"
#include "fakes/recording_midi_system.h"
#include "fakes/recording_printer.h"
#include "platform/posix/system_random.h"
#include "ports/window_system.h"

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

class SilentWindows final : public WindowSystem {
 public:
  Answer show_message(const MessageBox&) override { return Answer::Ok; }
  void repaint_circles(std::span<const int>) override {}
  void show_about() override {}
};

// The main form on the Expert level with "Advanced" unchecked, over a history the bench fills.
struct ExpertForm {
  ExpertForm() {
    form.Form_Load();
    form.Option2_Click();
    form.set_advanced(false);
  }

  SilentWindows windows;
  CountingRandom random;
  testing::FakeClock clock;
  testing::RecordingMidiSystem midi;
  testing::RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  testing::MemoryHistory history;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log, &history}};
};

// A whole "Create", rejected passes included.
void BM_CreatePuzzleExpert(benchmark::State& state) {
  ExpertForm expert;
  MainForm& form = expert.form;
  const CountingRandom& random = expert.random;
  for (auto _ : state) {
    // The question before every Create but the first is answered OK at once.
    form.Create_Puzzle_Click();
    benchmark::DoNotOptimize(form.board().Circle_Notes);
  }
  const auto creates = static_cast<double>(state.iterations());
  state.counters["passes_per_create"] =
      static_cast<double>(random.values - random.reseeds) / creates;
  state.counters["reseeds_per_create"] = static_cast<double>(random.reseeds) / creates;
}
BENCHMARK(BM_CreatePuzzleExpert);

// The same with weak-spot practice on: every chord type and key has recent answers, a few of
// them mostly missed. The weights are worked out after each Check, not here.
void BM_CreatePuzzleWeakSpots(benchmark::State& state) {
  ExpertForm expert;
  MainForm& form = expert.form;
  const CountingRandom& random = expert.random;
  testing::MemoryHistory& history = expert.history;
  const FramedList keys = Fill_Key_Tables();
  for (int position = 1; position <= kChordTypeCount; ++position) {
    history.recent_to_give.by_chord_type.push_back(
        {form.chord_types()[position],
         position % 9 == 0 ? Tally{2, 3, 5, 0} : Tally{12, 0, 1, 0}});
  }
  for (int position = 1; position <= 15; ++position) {
    history.recent_to_give.by_key.push_back(
        {keys[position], position % 5 == 0 ? Tally{3, 4, 6, 0} : Tally{16}});
  }
  form.set_weak_spot_practice(true);
  for (auto _ : state) {
    form.Create_Puzzle_Click();
    benchmark::DoNotOptimize(form.board().Circle_Notes);
  }
  state.counters["passes_per_create"] = static_cast<double>(random.values - random.reseeds) /
                                        static_cast<double>(state.iterations());
}
BENCHMARK(BM_CreatePuzzleWeakSpots);

}  // namespace
}  // namespace velmora
