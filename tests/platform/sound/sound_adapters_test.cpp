#include <gtest/gtest.h>

#include "fakes/audio_processes.h"
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

// The MIDI procedures on the real MIDI system.
struct RealMidi {
  explicit RealMidi(SynthOptions options) : midi(std::move(options)) {}

  // Sounds the chord of these note names, root first; true when every Note On went out.
  bool play(const std::array<std::string_view, 5>& names) {
    std::array<std::optional<NoteName>, 5> notes;
    for (int tone = 0; tone < 5; ++tone) notes[tone] = NoteName::from_text(names[tone]);
    bool sent = true;
    for (const ShortMessage& note_on : PlayChord(notes)) {
      sent = out.SendMidiShort(note_on) == MidiResult::Ok && sent;
    }
    return sent;
  }

  SystemMidi midi;
  MidiOut out{midi};
};

TEST(SystemMidiTest, AChordIsAudibleAndSilentShortlyAfterAllSoundOff) {
  RealMidi real(SynthOptions{.offline = true});
  const auto render_ms = [&](int ms) { return real.midi.synth().render(kRate * ms / 1000); };
  ASSERT_EQ(real.out.MidiOpen(kMidiMapper), MidiResult::Ok);
  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  EXPECT_EQ(real.out.SendMidiShort({kProgramChange, 1, 0}), MidiResult::Ok);
  EXPECT_TRUE(real.play({"B", "D#", "F#", "A#", "C#"}));
  EXPECT_GT(Rms(render_ms(500)), kAudibleRms);
  EXPECT_EQ(real.out.SendMidiShort({kControlChange, kAllSoundOff, 0}), MidiResult::Ok);
  render_ms(400);
  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  EXPECT_EQ(real.out.MidiClose(), MidiResult::Ok);
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
  const MidiResult opened = real.out.MidiOpen(kMidiMapper);
  ASSERT_EQ(opened, MidiResult::Ok) << real.out.error_text(opened);
  EXPECT_TRUE(real.play({"C", "E", "G", "B", "D"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  EXPECT_EQ(real.out.MidiClose(), MidiResult::Ok);
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
  const MidiResult opened = without_driver.out.MidiOpen(kMidiMapper);
  EXPECT_EQ(without_driver.out.error_text(opened),
            "Failed to start the audio driver (velmora-none, also-none): no sound will be heard.");
}

}  // namespace
}  // namespace velmora
