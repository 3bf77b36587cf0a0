#include <gtest/gtest.h>

#include "fakes/audio_processes.h"
#include "fakes/fake_window_system.h"
#include "platform/sound/system_midi.h"
#include "midi/midi_out.h"

namespace velmora {
namespace {

using testing::Rms;

constexpr int kRate = 44100;
// A five-note chord at full velocity renders at about 1000. FluidSynth's dither alone gives
// about 0.5, and the reverb's tail falls below 2 within half a second of All Sound Off, while
// an undamped chord would still ring at hundreds.
constexpr double kAudibleRms = 300.0;
constexpr double kSilentRms = 3.0;

// The MIDI procedures on the real MIDI system, with the controls a failure switches off.
struct RealMidi {
  explicit RealMidi(SynthOptions options) : midi(std::move(options)) {}
  SystemMidi midi;
  testing::FakeWindowSystem windows;
  MidiHandle hMidiOut = 0;
  CheckBox check_midi{1};
  bool Frame1_enabled = true;
  MidiOut out{midi, windows, hMidiOut, check_midi, Frame1_enabled};
};

TEST(SystemMidiTest, AChordIsAudibleAndSilentShortlyAfterAllSoundOff) {
  RealMidi real(SynthOptions{.offline = true});
  const auto render_ms = [&](int ms) { return real.midi.synth().render(kRate * ms / 1000); };
  MidiOpen(real.out, kMidiMapper);
  ASSERT_TRUE(real.windows.boxes.empty()) << real.windows.boxes[0].text;
  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  SendMidiShort(real.out, kProgramChange, 1, 0);
  PlayChord(real.out, {"   B", "  D#", "  F#", "  A#", "  C#"});
  EXPECT_GT(Rms(render_ms(500)), kAudibleRms);
  SendMidiShort(real.out, kControlChange, kAllSoundOff, 0);
  render_ms(400);
  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  MidiClose(real.out);
  EXPECT_TRUE(real.windows.boxes.empty());
}

// The synthesizer plays through a PulseAudio daemon of the test's own: a recording of the
// sink's monitor holds the chord.
TEST(SystemMidiTest, AChordPlayedThroughPulseAudioIsHeardOnTheSink) {
  testing::PrivatePulseServer server;
  if (!server.ready()) GTEST_SKIP() << "No PulseAudio daemon could start here: " << server.error();
  const std::filesystem::path recording = server.dir() / "monitor.raw";
  testing::ChildProcess parec(
      {"parec", "-d", std::string(server.kSink) + ".monitor", "--format=s16ne", "--rate=44100",
       "--channels=2", "--latency-msec=20"},
      recording, server.dir() / "parec.log");
  // The monitor delivers its first samples a while after parec connects.
  for (int wait = 0; wait < 100 && parec.running(); ++wait) {
    if (testing::Read_Samples(recording).size() > 2 * 4410) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(parec.running()) << testing::Read_File(server.dir() / "parec.log");
  const std::size_t before_chord = testing::Read_Samples(recording).size();

  RealMidi real(SynthOptions{.audio_drivers = {"pulseaudio"}});
  MidiOpen(real.out, kMidiMapper);
  ASSERT_TRUE(real.windows.boxes.empty()) << real.windows.boxes[0].text;
  PlayChord(real.out, {"   C", "   E", "   G", "   B", "   D"});
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  MidiClose(real.out);
  parec.stop(SIGINT);

  const std::vector<std::int16_t> samples = testing::Read_Samples(recording);
  ASSERT_GT(samples.size(), before_chord + kRate) << testing::Read_File(server.dir() / "parec.log");
  EXPECT_LT(Rms(std::span(samples).first(before_chord)), 1.0);
  EXPECT_GT(Rms(std::span(samples).subspan(before_chord)), kAudibleRms);
}

// Failures are results with texts: without a soundfont the mapper's capabilities fail, so the
// list leaves it out; when no audio driver starts, the open names the drivers tried; without an
// ALSA sequencer there are no ports, and no port at or beyond the count ever opens.
TEST(SystemMidiTest, FailuresAreResultsThatSayWhatFailed) {
  SystemMidi without_soundfont(SynthOptions{.soundfonts = {"/nonexistent.sf2"}, .offline = true});
  std::string name;
  EXPECT_EQ(without_soundfont.device_caps(kMidiMapper, name), MidiResult::NoSoundfont);
  const int ports = without_soundfont.device_count();
  EXPECT_TRUE(ports == 0 || std::filesystem::exists("/dev/snd/seq"));
  MidiHandle handle = 0;
  EXPECT_NE(without_soundfont.open(static_cast<std::int16_t>(ports), handle), MidiResult::Ok);

  RealMidi without_driver(SynthOptions{.audio_drivers = {"velmora-none", "also-none"}});
  MidiOpen(without_driver.out, kMidiMapper);
  ASSERT_EQ(without_driver.windows.boxes.size(), 1U);
  EXPECT_EQ(without_driver.windows.boxes[0].text,
            "Failed to start the audio driver (velmora-none, also-none): no sound will be heard.");
  EXPECT_FALSE(without_driver.check_midi.enabled || without_driver.Frame1_enabled);
}

}  // namespace
}  // namespace velmora
