#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <future>

#include "fakes/audio_processes.h"
#include "midi/midi_out.h"
#include "platform/sound/midi_failure_texts.h"
#include "platform/sound/system_midi.h"

namespace velmora {
namespace {

using testing::rms;
using Texts = std::vector<std::string>;

constexpr int kRate = 44100;
// A full-velocity chord renders at about 1000 and its reverb falls below 2 within half a second
// of All Sound Off (an undamped one rings at hundreds); FluidSynth's dither alone gives 0.5.
constexpr double kAudibleRms = 300.0, kSilentRms = 3.0;
constexpr const char* kTimGm6mb = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr std::array<std::string_view, 5> kCMajor9 = {"   C", "   E", "   G", "   B", "   D"};

// A sample of the failure texts: what failed, then what it means for the sound.
TEST(MidiFailureTextTest, AFailureSaysWhatFailedAndWhatThatMeans) {
  EXPECT_EQ(midi_result_text(MidiResult::BadDeviceId),
            "The MIDI device is no longer there: no sound will be heard.");
  EXPECT_EQ(midi_result_text(MidiResult::AudioDriverFailed),
            "Failed to start the audio driver (pulseaudio, pipewire, alsa): no sound will be heard.");
}

// The MIDI procedures on the real MIDI system; `texts` are the failures the window would show.
struct RealMidi {
  template <typename Options>
  explicit RealMidi(Options options) : midi(std::move(options)) {}

  void report(MidiResult result) {
    if (result != MidiResult::Ok) texts.push_back(out.error_text(result));
  }
  void send(ShortMessage message) { report(out.SendMidiShort(message)); }
  // The chord of these note names, root first, as the hint sounds it.
  void play(const std::array<std::string_view, 5>& names) {
    std::array<std::optional<NoteName>, 5> notes;
    for (int tone = 0; tone < 5; ++tone) notes[tone] = NoteName::from_text(names[tone]);
    for (const ShortMessage& note_on : PlayChord(notes)) send(note_on);
  }
  double rms_of_ms(int ms) { return rms(midi.synth().render(kRate * ms / 1000)); }

  SystemMidi midi;
  MidiOut out{midi};
  Texts texts;
};

// As on a hardware device, a reopen stops the chord but keeps Hint2's Program Change.
TEST(SystemMidiTest, AChordSoundsUntilAllSoundOffOrAReopenWhichKeepsThePrograms) {
  RealMidi real(SynthOptions{.offline = true});
  real.report(real.out.MidiOpen(kMidiMapper));
  EXPECT_LT(real.rms_of_ms(100), kSilentRms);
  real.send({kProgramChange, 1, 0});
  real.play({"   B", "  D#", "  F#", "  A#", "  C#"});
  EXPECT_GT(real.rms_of_ms(500), kAudibleRms);
  real.send({kControlChange, kAllSoundOff, 0});
  real.rms_of_ms(400);
  EXPECT_LT(real.rms_of_ms(100), kSilentRms);
  real.play(kCMajor9);
  EXPECT_GT(real.rms_of_ms(100), kAudibleRms);
  real.report(real.out.MidiClose());
  real.report(real.out.MidiOpen(kMidiMapper));
  EXPECT_EQ(real.midi.synth().program(1), 1);
  EXPECT_EQ(real.midi.synth().program(0), 0);
  real.rms_of_ms(1000);
  EXPECT_LT(real.rms_of_ms(100), kSilentRms);
  real.report(real.out.MidiClose());
  EXPECT_EQ(real.texts, Texts{});
}

// A searched folder is looked into: its soundfonts load in name order, other files are passed by.
TEST(SystemMidiTest, ASoundfontInsideASearchedFolderIsFound) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("velmora-sf-folder-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "a-readme.txt") << "not a soundfont";
  std::filesystem::create_symlink(kTimGm6mb, dir / "b-general-midi.sf2");
  std::filesystem::create_symlink(kTimGm6mb, dir / "c-general-midi.sf2");
  RealMidi real(SynthOptions{.soundfonts = {dir / "missing.sf2", dir}, .offline = true});
  real.report(real.out.MidiOpen(kMidiMapper));
  EXPECT_EQ(real.texts, Texts{});
  EXPECT_EQ(real.midi.synth().status().soundfont, dir / "b-general-midi.sf2");
  real.report(real.out.MidiClose());
  std::filesystem::remove_all(dir);
}

// Without a soundfont it can load, the synthesizer stays in the list and opening it says where
// it looked and what to install; neither FluidSynth nor ALSA prints anything meanwhile. Without
// an audio driver, opening names the drivers tried.
TEST(SystemMidiTest, WithoutASoundfontOrAnAudioDriverOpeningSaysWhatIsMissing) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("velmora-no-sf-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "empty");
  std::ofstream(dir / "invalid.sf2") << "RIFF this is no soundfont";
  std::ofstream(dir / "truncated.sf2") << testing::read_file(kTimGm6mb).substr(0, 4096);
  ASSERT_EQ(mkfifo((dir / "pipe.sf2").c_str(), 0600), 0);
  const std::string d = dir.string();
  const struct { std::vector<std::filesystem::path> soundfonts; std::string looked; } cases[] = {
      {{dir / "missing.sf2"}, d + "/missing.sf2"},
      {{dir / "invalid.sf2"}, d + "/invalid.sf2"},
      {{dir / "truncated.sf2"}, d + "/truncated.sf2"},
      {{dir / "empty", dir / "pipe.sf2"}, d + "/empty, " + d + "/pipe.sf2"},
  };
  ::testing::internal::CaptureStderr();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.looked);
    RealMidi real = c.soundfonts.size() == 1
                        ? RealMidi(c.soundfonts[0])
                        : RealMidi(SynthOptions{.soundfonts = c.soundfonts, .offline = true});
    const MidiDeviceList list = FillMidiDeviceList(real.midi);
    EXPECT_FALSE(list.mapper_missing);
    EXPECT_EQ(list.devices.at(0).name, "Built-in synthesizer (no soundfont)");
    real.report(real.out.MidiOpen(list.devices[0].id));
    EXPECT_EQ(real.texts,
              Texts{"The built-in synthesizer found no General MIDI soundfont that it could load: "
                    "no sound will be heard. Looked for " +
                    c.looked +
                    ". The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide "
                    "one."});
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  std::filesystem::remove_all(dir);

  RealMidi real(SynthOptions{.audio_drivers = {"velmora-none", "also-none"}});
  real.report(real.out.MidiOpen(kMidiMapper));
  EXPECT_EQ(real.texts,
            Texts{"Failed to start the audio driver (velmora-none, also-none): no sound will be "
                  "heard."});
}

// A hint chord, as a private PulseAudio daemon's null sink receives it, is loud enough for laptop
// speakers and never clips, whatever the soundfont and program.
TEST(SystemMidiTest, AHintChordPeaksBetweenMinus9AndMinus3DecibelsOfFullScale) {
  for (const char* soundfont : {kTimGm6mb, "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
    for (const std::int16_t program : {0, 1}) {
      SCOPED_TRACE(std::string(soundfont) + ", program " + std::to_string(program));
      testing::PrivatePulseServer server;
      ASSERT_TRUE(server.ready()) << server.error();
      testing::SinkRecording recording(server);
      ASSERT_EQ(recording.log(), "");
      const std::size_t before_chord = recording.samples().size();
      RealMidi real(SynthOptions{.soundfonts = {soundfont}, .audio_drivers = {"pulseaudio"}});
      real.report(real.out.MidiOpen(kMidiMapper));
      real.send({kProgramChange, program, 0});
      real.play(kCMajor9);
      // The chord rings until the recording holds 0.8 seconds past it, however slowly the
      // machine runs (at most ten seconds).
      const std::size_t rung = std::max(recording.samples().size() + kRate * 8 / 10,
                                        before_chord + kRate);
      for (int wait = 0; wait < 200 && recording.samples().size() <= rung; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
      real.report(real.out.MidiClose());
      recording.stop();
      ASSERT_EQ(real.texts, Texts{});

      const std::vector<std::int16_t> samples = recording.samples();
      ASSERT_GT(samples.size(), before_chord + kRate);
      EXPECT_LT(rms(std::span(samples).first(before_chord)), 1.0);
      const auto [low, high] = std::minmax_element(samples.begin() + before_chord, samples.end());
      const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
      EXPECT_LT(peak, 32767) << "clipped";
      const double peak_db = 20.0 * std::log10(peak / 32768.0);
      EXPECT_TRUE(peak_db >= -9.0 && peak_db <= -3.0) << peak_db << " dB";
    }
  }
}

// What the audio server does to a chord in play: a frozen server is waited for by nothing, so
// the device closes at once; a server that dies is reported once, by the next message.
TEST(SystemMidiTest, AFrozenOrLostAudioServerNeitherHangsNorGoesUnnoticed) {
  for (const int signal : {SIGSTOP, SIGKILL}) {
    SCOPED_TRACE(signal);
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.ready()) << server.error();
    auto real = std::make_unique<RealMidi>(
        SynthOptions{.soundfonts = {kTimGm6mb}, .audio_drivers = {"pulseaudio"}});
    real->report(real->out.MidiOpen(kMidiMapper));
    real->play(kCMajor9);
    ASSERT_EQ(real->texts, Texts{});
    signal == SIGKILL ? server.daemon().stop(SIGKILL) : server.daemon().signal(signal);
    for (int wait = 0; wait < 100 && signal == SIGKILL && !real->midi.synth().audio_server_lost();
         ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    real->play({"   G", "   B", "   D", "   F", "   A"});
    const Texts lost{"The connection to the audio server was lost: no sound will be heard."};
    EXPECT_EQ(real->texts, signal == SIGKILL ? lost : Texts{});
    // Closing and ending the program, as the window's close does.
    auto closed = std::async(std::launch::async, [&real] {
      real->report(real->out.MidiClose());
      real.reset();
    });
    EXPECT_EQ(closed.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    server.daemon().signal(SIGCONT);
  }
}

}  // namespace
}  // namespace velmora
