#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <future>

#include "fakes/audio_processes.h"
#include "midi/midi_out.h"
#include "platform/sound/system_midi.h"

namespace velmora {
namespace {

using testing::rms;

constexpr int kRate = 44100;
// A five-note chord at full velocity renders at about 1000. FluidSynth's dither alone gives
// about 0.5, and the reverb's tail falls below 2 within half a second of All Sound Off, while
// an undamped chord would still ring at hundreds.
constexpr double kAudibleRms = 300.0;
constexpr double kSilentRms = 3.0;
constexpr const char* kTimGm6mb = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr const char* kFluidR3 = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// The MIDI procedures on the real MIDI system; the texts of their failures are what the
// window would show.
struct RealMidi {
  explicit RealMidi(SynthOptions options) : midi(std::move(options)) {}
  explicit RealMidi(std::filesystem::path soundfont) : midi(std::move(soundfont)) {}

  void open(std::int16_t device) { report(out.MidiOpen(device)); }
  void close() { report(out.MidiClose()); }
  void send(ShortMessage message) { report(out.SendMidiShort(message)); }
  // The chord of these note names, root first, as the hint sounds it.
  void play(const std::array<std::string_view, 5>& names) {
    std::array<std::optional<NoteName>, 5> notes;
    for (int tone = 0; tone < 5; ++tone) notes[tone] = NoteName::from_text(names[tone]);
    for (const ShortMessage& note_on : PlayChord(notes)) send(note_on);
  }
  void report(MidiResult result) {
    if (result != MidiResult::Ok) texts.push_back(out.error_text(result));
  }
  const std::vector<std::string>& box_texts() const { return texts; }

  SystemMidi midi;
  MidiOut out{midi};
  std::vector<std::string> texts;
};

// The test's standard error goes to a file while it lives.
class CapturedStderr {
 public:
  CapturedStderr() : file_(std::tmpfile()), saved_(dup(2)) {
    std::fflush(stderr);
    dup2(fileno(file_), 2);
  }
  ~CapturedStderr() {
    restore();
    std::fclose(file_);
  }
  std::string text() {
    restore();
    std::rewind(file_);
    std::string text;
    for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

 private:
  void restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    saved_ = -1;
  }
  std::FILE* file_;
  int saved_;
};

TEST(SystemMidiTest, AChordIsAudibleAndSilentShortlyAfterAllSoundOff) {
  RealMidi real(SynthOptions{.offline = true});
  const auto render_ms = [&](int ms) { return real.midi.synth().render(kRate * ms / 1000); };
  real.open(kMidiMapper);
  ASSERT_TRUE(real.box_texts().empty()) << real.box_texts()[0];
  EXPECT_LT(rms(render_ms(100)), kSilentRms);
  real.send({kProgramChange, 1, 0});
  real.play({"   B", "  D#", "  F#", "  A#", "  C#"});
  EXPECT_GT(rms(render_ms(500)), kAudibleRms);
  real.send({kControlChange, kAllSoundOff, 0});
  render_ms(400);
  EXPECT_LT(rms(render_ms(100)), kSilentRms);
  real.close();
  EXPECT_TRUE(real.box_texts().empty());
}

// As on a hardware device, Hint2's Program Change stays in force when the device is opened
// again, while the chord that was sounding stops.
TEST(SystemMidiTest, AReopenKeepsTheProgramsAndSilences) {
  RealMidi real(SynthOptions{.offline = true});
  real.open(kMidiMapper);
  real.send({kProgramChange, 1, 0});
  real.play({"   C", "   E", "   G", "   B", "   D"});
  real.midi.synth().render(kRate / 10);
  real.close();
  real.open(kMidiMapper);
  EXPECT_EQ(real.midi.synth().program(1), 1);
  EXPECT_EQ(real.midi.synth().program(0), 0);
  real.midi.synth().render(kRate);
  EXPECT_LT(rms(real.midi.synth().render(kRate / 10)), kSilentRms);
  EXPECT_TRUE(real.box_texts().empty());
}

// Without a soundfont it can load, the synthesizer stays in the list and opening it says where
// it looked and what to install; neither FluidSynth nor ALSA prints anything meanwhile.
TEST(SystemMidiTest, WithoutASoundfontOpeningSaysWhatIsMissing) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("velmora-no-sf-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "empty");
  std::ofstream(dir / "invalid.sf2") << "RIFF this is no soundfont";
  std::ofstream(dir / "truncated.sf2") << testing::read_file(kTimGm6mb).substr(0, 4096);
  ASSERT_EQ(mkfifo((dir / "pipe.sf2").c_str(), 0600), 0);
  const std::string d = dir.string();
  const struct {
    std::vector<std::filesystem::path> soundfonts;
    std::string looked_for;
  } cases[] = {
      {{dir / "missing.sf2"}, d + "/missing.sf2"},
      {{dir / "invalid.sf2"}, d + "/invalid.sf2"},
      {{dir / "truncated.sf2"}, d + "/truncated.sf2"},
      {{dir / "pipe.sf2"}, d + "/pipe.sf2"},
      {{dir / "empty", dir / "pipe.sf2"}, d + "/empty, " + d + "/pipe.sf2"},
  };
  CapturedStderr stderr_text;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.looked_for);
    RealMidi real = c.soundfonts.size() == 1
                        ? RealMidi(c.soundfonts[0])
                        : RealMidi(SynthOptions{.soundfonts = c.soundfonts, .offline = true});
    const MidiDeviceList list = FillMidiDeviceList(real.midi);
    EXPECT_FALSE(list.mapper_missing);
    ASSERT_FALSE(list.devices.empty());
    EXPECT_EQ(list.devices[0].name, "Built-in synthesizer (no soundfont)");
    real.open(list.devices[0].id);
    EXPECT_EQ(real.box_texts(),
              std::vector<std::string>{
                  "The built-in synthesizer found no General MIDI soundfont that it could load: "
                  "no sound will be heard. Looked for " +
                  c.looked_for +
                  ". The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide "
                  "one."});
  }
  EXPECT_EQ(stderr_text.text(), "");
  std::filesystem::remove_all(dir);
}

TEST(SystemMidiTest, WithoutAnAudioDriverOpeningNamesTheDriversTried) {
  RealMidi real(SynthOptions{.audio_drivers = {"velmora-none", "also-none"}});
  real.open(kMidiMapper);
  EXPECT_EQ(real.box_texts(),
            std::vector<std::string>{"Failed to start the audio driver (velmora-none, "
                                     "also-none): no sound will be heard."});
}

struct LoudnessCase {
  const char* soundfont;
  int program;
};

void PrintTo(const LoudnessCase& c, std::ostream* out) {
  *out << c.soundfont << ", program " << c.program;
}

class HintChordLoudnessTest : public ::testing::TestWithParam<LoudnessCase> {};

// A hint chord, as the null sink of a PulseAudio daemon of the test's own received it, is
// loud enough for laptop speakers and never clips, whatever the soundfont and program.
TEST_P(HintChordLoudnessTest, PeaksBetweenMinus9AndMinus3DecibelsOfFullScale) {
  testing::PrivatePulseServer server;
  ASSERT_TRUE(server.ready()) << server.error();
  testing::SinkRecording recording(server);
  ASSERT_EQ(recording.log(), "");
  const std::size_t before_chord = recording.samples().size();
  RealMidi real(SynthOptions{.soundfonts = {GetParam().soundfont}, .audio_drivers = {"pulseaudio"}});
  real.open(kMidiMapper);
  real.send({kProgramChange, static_cast<std::int16_t>(GetParam().program), 0});
  real.play({"   C", "   E", "   G", "   B", "   D"});
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  real.close();
  recording.stop();
  ASSERT_TRUE(real.box_texts().empty()) << real.box_texts()[0];

  const std::vector<std::int16_t> samples = recording.samples();
  ASSERT_GT(samples.size(), before_chord + kRate);
  EXPECT_LT(rms(std::span(samples).first(before_chord)), 1.0);
  const auto [low, high] = std::minmax_element(samples.begin() + before_chord, samples.end());
  const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
  EXPECT_LT(peak, 32767) << "clipped";
  const double peak_db = 20.0 * std::log10(peak / 32768.0);
  EXPECT_GE(peak_db, -9.0);
  EXPECT_LE(peak_db, -3.0);
}

INSTANTIATE_TEST_SUITE_P(BothSoundfonts, HintChordLoudnessTest,
                         ::testing::Values(LoudnessCase{kTimGm6mb, 0}, LoudnessCase{kTimGm6mb, 1},
                                           LoudnessCase{kFluidR3, 0}, LoudnessCase{kFluidR3, 1}),
                         [](const auto& info) {
                           return std::filesystem::path(info.param.soundfont).stem().string() +
                                  "_program" + std::to_string(info.param.program);
                         });

// What the audio server does to a chord in play: a frozen server is waited for by nothing, so
// the device closes at once; a server that dies is reported once, by the next message.
TEST(SystemMidiTest, AFrozenOrLostAudioServerNeitherHangsNorGoesUnnoticed) {
  const struct {
    int signal;
    std::vector<std::string> boxes;
  } cases[] = {
      {SIGSTOP, {}},
      {SIGKILL, {"The connection to the audio server was lost: no sound will be heard."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    testing::PrivatePulseServer server;
    ASSERT_TRUE(server.ready()) << server.error();
    auto real = std::make_unique<RealMidi>(
        SynthOptions{.soundfonts = {kTimGm6mb}, .audio_drivers = {"pulseaudio"}});
    real->open(kMidiMapper);
    real->play({"   C", "   E", "   G", "   B", "   D"});
    ASSERT_TRUE(real->box_texts().empty()) << real->box_texts()[0];
    c.signal == SIGKILL ? server.daemon().stop(SIGKILL) : server.daemon().signal(c.signal);
    for (int wait = 0; wait < 100 && c.signal == SIGKILL && !real->midi.synth().audio_server_lost();
         ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    real->play({"   G", "   B", "   D", "   F", "   A"});
    EXPECT_EQ(real->box_texts(), c.boxes);
    // Closing and ending the program, as the window's close does.
    auto closed = std::async(std::launch::async, [&real] {
      real->close();
      real.reset();
    });
    EXPECT_EQ(closed.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    server.daemon().signal(SIGCONT);
  }
}

}  // namespace
}  // namespace velmora
