#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "adapters/audio_processes.h"
#include "fakes/fake_window_system.h"
#include "midi/adapters/system_midi.h"
#include "midi/midi_out.h"

namespace velmora {
namespace {

using testing::ChildProcess;
using testing::FakeWindowSystem;
using testing::PrivatePulseServer;
using testing::Rms;

constexpr double kAudibleRms = 300.0;

void Sleep_Ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The synthesizer plays through a real PulseAudio server: a recording of the sink's monitor
// holds the chord.
TEST(PulseEndToEndTest, AChordPlayedOnTheSynthesizerIsHeardOnTheSink) {
  PrivatePulseServer server;
  if (!server.ready()) GTEST_SKIP() << "No PulseAudio daemon could start here: " << server.error();

  const std::filesystem::path recording = server.dir() / "monitor.raw";
  ChildProcess parec({"parec", "-d", std::string(PrivatePulseServer::kSink) + ".monitor", "--raw",
                      "--format=s16le", "--rate=44100", "--channels=2", "--latency-msec=20"},
                     recording, server.dir() / "parec.log");
  ASSERT_TRUE(parec.started()) << "parec could not be started (pulseaudio-utils)";
  // The monitor delivers its first samples a while after parec connects.
  for (int wait = 0; wait < 100 && parec.running(); ++wait) {
    std::error_code error;
    if (std::filesystem::file_size(recording, error) > 4 * 4410) break;
    Sleep_Ms(50);
  }
  ASSERT_TRUE(parec.running()) << "parec ended early: "
                               << testing::Read_Text(server.dir() / "parec.log");
  const std::size_t silence_before = testing::Read_S16(recording).size();

  SynthOptions options;
  options.audio_drivers = {"pulseaudio"};
  SystemMidi midi(options);
  FakeWindowSystem windows;
  MidiHandle hMidiOut = 0;
  CheckBox check_midi{1};
  bool Frame1_enabled = true;
  const MidiOut out{midi, windows, hMidiOut, check_midi, Frame1_enabled};
  MidiOpen(out, kMidiMapper);
  ASSERT_TRUE(windows.boxes.empty()) << windows.boxes[0].text;
  EXPECT_EQ(midi.synth().status().audio_driver, "pulseaudio");

  PlayChord(out, {"   C", "   E", "   G", "   B", "   D"});
  Sleep_Ms(800);
  SendMidiShort(out, kControlChange, kAllSoundOff, 0);
  Sleep_Ms(200);
  MidiClose(out);
  EXPECT_TRUE(windows.boxes.empty());
  parec.stop(SIGINT);

  std::vector<std::int16_t> samples = testing::Read_S16(recording);
  ASSERT_GT(samples.size(), silence_before + 44100U)
      << "the recording holds less than half a second; parec said: "
      << testing::Read_Text(server.dir() / "parec.log")
      << "\nthe daemon said: " << testing::Read_Text(server.dir() / "daemon.log");
  EXPECT_LT(Rms(std::span(samples).first(silence_before)), 1.0);
  EXPECT_GT(Rms(std::span(samples).subspan(silence_before)), kAudibleRms);
}

}  // namespace
}  // namespace velmora
