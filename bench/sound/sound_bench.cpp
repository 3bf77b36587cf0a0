#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <memory>
#include <string_view>

#include "fakes/audio_processes.h"
#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/memory_answer_log.h"
#include "platform/posix/system_random.h"
#include "platform/sound/system_midi.h"

namespace velmora {
namespace {

using Steady = std::chrono::steady_clock;

// Loading the General MIDI soundfont into a new synthesizer.
void BM_SynthSoundfontLoad(benchmark::State& state) {
  for (auto _ : state) {
    SynthOptions options;
    options.offline = true;
    BuiltInSynth synth(options);
    if (synth.load() != MidiResult::Ok) state.SkipWithError("no General MIDI soundfont");
  }
}
BENCHMARK(BM_SynthSoundfontLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

// The main window's load handler with the real MIDI system: soundfont, ALSA port list and the
// audio driver, playing into a PulseAudio daemon of the benchmark's own. Target: 250 ms.
void BM_FormLoadWithSynth(benchmark::State& state) {
  testing::PrivatePulseServer server;
  if (!server.ready()) {
    std::string why = "no PulseAudio daemon: ";
    why += server.error();
    state.SkipWithError(why.c_str());
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    testing::FakeWindowSystem windows;
    SystemRandom random;
    testing::FakeClock clock;
    auto midi = std::make_unique<SystemMidi>();
    testing::RecordingPrinter printer;
    testing::MemoryAnswerLog answer_log;
    auto form =
        std::make_unique<MainForm>(Platform{windows, random, clock, *midi, printer, answer_log});
    state.ResumeTiming();
    form->Form_Load();
    state.PauseTiming();
    if (!windows.boxes.empty()) state.SkipWithError(windows.boxes[0].text.c_str());
    if (midi->synth().status().audio_driver != "pulseaudio") {
      state.SkipWithError("the synthesizer did not start on PulseAudio");
    }
    form->Form_Unload();
    form.reset();
    midi.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FormLoadWithSynth)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// Passes everything to the real MIDI system and notes when the fifth Note On of a chord has
// been taken by the synthesizer.
class FifthNoteOnTimer final : public MidiSystem {
 public:
  explicit FifthNoteOnTimer(MidiSystem& inner) : inner_(inner) {}

  int device_count() override { return inner_.device_count(); }
  MidiResult device_caps(std::int16_t id, std::string& name) override {
    return inner_.device_caps(id, name);
  }
  MidiResult open(std::int16_t id, MidiHandle& handle) override { return inner_.open(id, handle); }
  MidiResult close(MidiHandle handle) override { return inner_.close(handle); }
  MidiResult short_message(MidiHandle handle, std::uint32_t message) override {
    const MidiResult result = inner_.short_message(handle, message);
    if ((message & 0xF0U) == 0x90U && ++note_ons == 5) fifth_note_on = Steady::now();
    return result;
  }
  std::string error_text(MidiResult result) override { return inner_.error_text(result); }

  int note_ons = 0;
  Steady::time_point fifth_note_on;

 private:
  MidiSystem& inner_;
};

// From the press of a chord-name button to the fifth Note On at the synthesizer. Target: 1 ms.
void BM_HintClickToFifthNoteOn(benchmark::State& state) {
  SynthOptions options;
  options.offline = true;
  SystemMidi synth(options);
  FifthNoteOnTimer midi(synth);
  testing::FakeWindowSystem windows;
  SystemRandom random;
  testing::FakeClock clock;
  testing::RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
  form.Form_Load();
  form.Create_Puzzle_Click();
  for (auto _ : state) {
    midi.note_ons = 0;
    const Steady::time_point click = Steady::now();
    form.Hint1_Click();
    state.SetIterationTime(std::chrono::duration<double>(midi.fifth_note_on - click).count());
    synth.synth().render(64);
  }
  if (!windows.boxes.empty()) state.SkipWithError(windows.boxes[0].text.c_str());
}
BENCHMARK(BM_HintClickToFifthNoteOn)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
