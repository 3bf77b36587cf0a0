#include <benchmark/benchmark.h>

#include "app/main_form.h"
#include "ports/clock.h"
#include "ports/window_system.h"
#include "puzzle/system_random.h"

namespace velmora {
namespace {

class AgreeingWindows final : public WindowSystem {
 public:
  Answer show_message(const MessageBox&) override { return Answer::Ok; }
  void repaint_circles(std::span<const int>) override {}
  void show_about() override {}
};

class StillClock final : public Clock {
 public:
  int second_of_minute() override { return 0; }
  std::string short_date() override { return {}; }
  std::string time_with_seconds() override { return {}; }
  void sleep_ms(int) override {}
};

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
  AgreeingWindows windows;
  CountingRandom random;
  StillClock clock;
  MainForm form{Platform{windows, random, clock}};
  form.Form_Load();
  form.controls.Option2 = true;
  form.Option2_Click();
  form.controls.advanced.value = 0;
  for (auto _ : state) {
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
