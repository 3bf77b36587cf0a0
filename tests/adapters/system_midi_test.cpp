#include "midi/adapters/system_midi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "adapters/audio_processes.h"
#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/memory_answer_log.h"
#include "fakes/scripted_random.h"
#include "midi/midi_out.h"

namespace velmora {
namespace {

using testing::FakeWindowSystem;
using testing::Rms;

constexpr int kRate = 44100;
// A five-note chord at full velocity renders at about 1000. FluidSynth's dither alone gives
// about 0.5, and the reverb's tail falls below 2 within half a second of All Sound Off, while
// an undamped chord would still ring at hundreds.
constexpr double kAudibleRms = 300.0;
constexpr double kSilentRms = 3.0;

SynthOptions Offline() {
  SynthOptions options;
  options.offline = true;
  return options;
}

// The built-in synthesizer behind the MIDI procedures, rendered offline.
class OfflineSynthTest : public ::testing::Test {
 protected:
  OfflineSynthTest() : midi(Offline()) {}

  std::vector<std::int16_t> render_ms(int ms) { return midi.synth().render(kRate * ms / 1000); }

  SystemMidi midi;
  FakeWindowSystem windows;
  MidiHandle hMidiOut = 0;
  CheckBox check_midi{1};
  bool Frame1_enabled = true;
  MidiOut out{midi, windows, hMidiOut, check_midi, Frame1_enabled};
};

TEST_F(OfflineSynthTest, AChordIsAudibleAndSilentShortlyAfterAllSoundOff) {
  ListBox list;
  bool missing = false;
  FillMidiDeviceList(midi, list, missing);
  ASSERT_FALSE(missing) << "no General MIDI soundfont here (timgm6mb-soundfont)";
  EXPECT_EQ(list.entries[0].item_data, kMidiMapper);
  EXPECT_NE(list.entries[0].text.find(".sf"), std::string::npos) << list.entries[0].text;
  MidiOpen(out, kMidiMapper);
  ASSERT_NE(hMidiOut, 0U);

  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  SendMidiShort(out, kProgramChange, 1, 0);
  PlayChord(out, {"   B", "  D#", "  F#", "  A#", "  C#"});
  const std::vector<std::int16_t> chord = render_ms(500);
  EXPECT_GT(Rms(chord), kAudibleRms);

  SendMidiShort(out, kControlChange, kAllSoundOff, 0);
  render_ms(400);
  EXPECT_LT(Rms(render_ms(100)), kSilentRms);
  EXPECT_TRUE(windows.boxes.empty());
  MidiClose(out);
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(OfflineSynthTest, RefusesBadMessagesAndUnknownHandles) {
  MidiHandle handle = 0;
  ASSERT_EQ(midi.open(kMidiMapper, handle), MidiResult::Ok);
  EXPECT_EQ(midi.short_message(handle, 0x00003C10), MidiResult::InvalidMessage);  // no status
  EXPECT_EQ(midi.short_message(handle, 0x007F8091), MidiResult::InvalidMessage);  // data 1 > 127
  EXPECT_EQ(midi.short_message(handle, 0x017F3C91), MidiResult::InvalidMessage);  // top byte
  EXPECT_EQ(midi.short_message(handle + 1, 0x007F3C91), MidiResult::InvalidHandle);
  EXPECT_EQ(midi.close(handle + 1), MidiResult::InvalidHandle);
  EXPECT_EQ(midi.close(handle), MidiResult::Ok);
  EXPECT_EQ(midi.short_message(handle, 0x007F3C91), MidiResult::InvalidHandle);
  EXPECT_EQ(midi.close(handle), MidiResult::InvalidHandle);
}

TEST(BuiltInSynthTest, WithoutASoundfontTheMapperIsMissingAndCannotOpen) {
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "velmora-no-sf";
  std::filesystem::create_directories(empty);
  SynthOptions options = Offline();
  options.soundfonts = {"/nonexistent/default-GM.sf2", empty};
  SystemMidi midi(options);
  std::string name = "unchanged";
  EXPECT_EQ(midi.device_caps(kMidiMapper, name), MidiResult::NoSoundfont);
  EXPECT_EQ(name, "unchanged");
  MidiHandle handle = 0;
  EXPECT_EQ(midi.open(kMidiMapper, handle), MidiResult::NoSoundfont);
  std::filesystem::remove_all(empty);
}

TEST(BuiltInSynthTest, AFolderGivesItsFirstSoundfontThatLoads) {
  BuiltInSynth probe(Offline());
  ASSERT_EQ(probe.load(), MidiResult::Ok);
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velmora-sf";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "a-broken.sf2") << "not a soundfont";
  std::ofstream(folder / "notes.txt") << "not a soundfont either";
  std::filesystem::remove(folder / "b-good.sf2");
  std::filesystem::create_symlink(probe.status().soundfont, folder / "b-good.sf2");
  SynthOptions options = Offline();
  options.soundfonts = {folder};
  BuiltInSynth synth(options);
  EXPECT_EQ(synth.load(), MidiResult::Ok);
  EXPECT_EQ(synth.status().soundfont, folder / "b-good.sf2");
  EXPECT_FALSE(synth.status().messages.empty()) << "FluidSynth's complaint about a-broken.sf2";
  std::filesystem::remove_all(folder);
}

TEST(BuiltInSynthTest, ADriverThatCannotStartIsReportedByName) {
  SynthOptions options;
  options.audio_drivers = {"velmora-none", "also-none"};
  SystemMidi midi(options);
  MidiHandle handle = 0;
  EXPECT_EQ(midi.open(kMidiMapper, handle), MidiResult::AudioDriverFailed);
  EXPECT_EQ(midi.error_text(MidiResult::AudioDriverFailed),
            "Failed to start the audio driver (velmora-none, also-none): no sound will be heard.");
  EXPECT_FALSE(midi.synth().status().messages.empty());
  EXPECT_TRUE(midi.synth().status().audio_driver.empty());
}

TEST(BuiltInSynthTest, TheDefaultDriverTextNamesAllThree) {
  SystemMidi midi(Offline());
  EXPECT_EQ(midi.error_text(MidiResult::AudioDriverFailed),
            "Failed to start the audio driver (pulseaudio, pipewire, alsa): no sound will be "
            "heard.");
  EXPECT_EQ(midi.error_text(MidiResult::NoSoundfont), Midi_Result_Text(MidiResult::NoSoundfont));
}

// Start-up on a machine where no audio driver starts: the failure is shown in words and MIDI is
// switched off, which the window then shows as a disabled frame and check box.
TEST(BuiltInSynthTest, LoadWithoutAnAudioDriverSwitchesMidiOff) {
  SynthOptions options;
  options.audio_drivers = {"velmora-none"};
  SystemMidi midi(options);
  FakeWindowSystem windows;
  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
  form.Form_Load();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text,
            "Failed to start the audio driver (velmora-none): no sound will be heard.");
  EXPECT_FALSE(form.controls.check_midi.checked());
  EXPECT_FALSE(form.controls.check_midi.enabled);
  EXPECT_FALSE(form.controls.Frame1_enabled);
  EXPECT_EQ(form.hMidiOut, 0U);
}

// FluidSynth's log hook outlives every synthesizer: a message logged after one is gone reaches
// the next one's status instead of a destroyed object.
TEST(BuiltInSynthTest, TheLogHookNeverOutlivesItsTarget) {
  { BuiltInSynth gone(Offline()); gone.load(); }
  fluid_log(FLUID_ERR, "%s", "logged between synthesizers");
  SynthOptions options = Offline();
  options.soundfonts = {};
  BuiltInSynth next(options);
  next.load();
  const std::vector<std::string>& messages = next.status().messages;
  EXPECT_NE(std::find(messages.begin(), messages.end(), "logged between synthesizers"),
            messages.end());
}

TEST(AlsaPortsTest, NeverOpensAPortAtOrBeyondTheCount) {
  SystemMidi midi(Offline());
  const int count = midi.device_count();
  if (!std::filesystem::exists("/dev/snd/seq")) {
    EXPECT_EQ(count, 0);
  }
  std::string name;
  EXPECT_EQ(midi.device_caps(static_cast<std::int16_t>(count), name), MidiResult::BadDeviceId);
  EXPECT_EQ(midi.device_caps(-2, name), MidiResult::BadDeviceId);
  MidiHandle handle = 0;
  const MidiResult opened = midi.open(static_cast<std::int16_t>(count), handle);
  EXPECT_TRUE(opened == MidiResult::BadDeviceId || opened == MidiResult::NoSequencer);
  EXPECT_EQ(handle, 0U);
}

struct SearchCase {
  const char* data_home;
  const char* data_dirs;
  const char* home;
  std::vector<std::string> folders;  // after the three fixed files
};

void PrintTo(const SearchCase& c, std::ostream* os) {
  *os << (c.data_home ? c.data_home : "unset") << " | " << (c.data_dirs ? c.data_dirs : "unset");
}

class SoundfontSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SoundfontSearchTest, FixedFilesThenXdgFolders) {
  const SearchCase c = GetParam();
  std::vector<std::filesystem::path> expected = {"/usr/share/sounds/sf2/default-GM.sf2",
                                                 "/usr/share/sounds/sf3/default-GM.sf3",
                                                 "/usr/share/soundfonts/default.sf2"};
  expected.insert(expected.end(), c.folders.begin(), c.folders.end());
  EXPECT_EQ(Soundfont_Search_Path(c.data_home, c.data_dirs, c.home), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, SoundfontSearchTest,
    ::testing::Values(
        SearchCase{nullptr, nullptr, "/home/u",
                   {"/home/u/.local/share/sounds/sf2", "/home/u/.local/share/soundfonts",
                    "/usr/local/share/sounds/sf2", "/usr/local/share/soundfonts",
                    "/usr/share/sounds/sf2", "/usr/share/soundfonts"}},
        SearchCase{"/data", "/opt/share::relative:/usr/share", "/home/u",
                   {"/data/sounds/sf2", "/data/soundfonts", "/opt/share/sounds/sf2",
                    "/opt/share/soundfonts", "/usr/share/sounds/sf2", "/usr/share/soundfonts"}},
        SearchCase{"", "", nullptr,
                   {"/usr/local/share/sounds/sf2", "/usr/local/share/soundfonts",
                    "/usr/share/sounds/sf2", "/usr/share/soundfonts"}}));

}  // namespace
}  // namespace velmora
