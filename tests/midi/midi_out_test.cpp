#include "midi/midi_out.h"

#include <gtest/gtest.h>


#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using Calls = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, int>>;

std::vector<int> note_numbers(const std::array<std::string_view, 5>& names) {
  std::array<std::optional<NoteName>, 5> notes;
  for (int tone = 0; tone < 5; ++tone) notes[tone] = NoteName::from_text(names[tone]);
  std::vector<int> numbers;
  for (const ShortMessage& message : PlayChord(notes)) {
    EXPECT_EQ((std::pair{message.status, message.data2}), (std::pair<std::int16_t, std::int16_t>{0x91, 127}));
    numbers.push_back(message.data1);
  }
  return numbers;
}

// The first two octaves keep their note numbers; B-rooted ninths reach into the third; a name
// outside the table is skipped without silencing the rest; three accidentals sound at pitch.
TEST(PlayChordTest, SendsNoteOnsRisingFromTheRoot) {
  const std::vector<std::pair<std::array<std::string_view, 5>, std::vector<int>>> cases = {
      {{"C", "E", "G", "B", "D"}, {60, 64, 67, 71, 74}},
      {{"C", "D", "G", "Bb", "D"}, {60, 62, 67, 70, 74}},
      {{"Cb", "Eb", "Gb", "Bb", "Db"}, {59, 63, 66, 70, 73}},
      {{"B#", "Dx", "Fx", "Ax", "Cx"}, {72, 76, 79, 83, 86}},
      {{"Gbb", "Bbbb", "Db", "Fbbb", "Abbb"}, {65, 68, 73, 74, 78}},
      {{"F#", "A#", "C#", "E", "G###"}, {66, 70, 73, 76, 82}},
      {{"C", "H", "G", "B", "D"}, {60, 67, 71, 74}},
  };
  for (const auto& [names, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(names));
    EXPECT_EQ(note_numbers(names), expected);
  }
}

// Data outside 0..127 is packed as it is, and the MIDI system then refuses the message.
TEST(PackMidiMessageTest, AMessageOutsideTheChannelRangeIsRefused) {
  for (const ShortMessage& message : {ShortMessage{0x91, 128, 0}, ShortMessage{0x91, 60, 255},
                                      ShortMessage{0x91, -1, 0}, ShortMessage{0x7F, 60, 0}}) {
    EXPECT_FALSE(is_channel_message(static_cast<std::uint32_t>(PackMidiMessage(message))));
  }
  EXPECT_TRUE(is_channel_message(static_cast<std::uint32_t>(PackMidiMessage({0xEF, 127, 127}))));
}

TEST(MidiResultTextTest, EachFailureNamesWhatFailedAndWhatItMeans) {
  const std::vector<std::pair<MidiResult, std::string>> cases = {
      {MidiResult::BadDeviceId, "The MIDI device is no longer there: no sound will be heard."},
      {MidiResult::NoSoundfont,
       "The built-in synthesizer found no General MIDI soundfont: no sound will be heard."},
      {MidiResult::SynthFailed, "Failed to create the built-in synthesizer: no sound will be heard."},
      {MidiResult::AudioDriverFailed,
       "Failed to start the audio driver (pulseaudio, pipewire, alsa): no sound will be heard."},
      {MidiResult::NoSequencer, "The ALSA sequencer is not available: MIDI ports cannot be used."},
      {MidiResult::PortOpenFailed, "Failed to open the MIDI output port: no sound will be heard."},
      {MidiResult::InvalidHandle, "No MIDI device is open: the chord cannot be played."},
      {MidiResult::InvalidMessage, "The MIDI message is not valid and was not sent."},
      {MidiResult::SendFailed, "Failed to send the MIDI message: the chord may not sound."},
      {MidiResult::AudioServerLost,
       "The connection to the audio server was lost: no sound will be heard."},
  };
  for (const auto& [result, text] : cases) EXPECT_EQ(midi_result_text(result), text);
}

class MidiTest : public ::testing::Test, protected testing::MainFormOnFakes {};

// A device whose capabilities cannot be read is left out; the others keep their ids, which a
// click opens (the click rules in the window test). Without a mapper MIDI is off, nothing opens
// and the load carries on.
TEST_F(MidiTest, LoadListsTheDevicesAndOpensTheMapperIfThereIsOne) {
  midi.devices = {"Port A", std::nullopt, "Port C"};
  form.Form_Load();
  Entries listed;
  for (const ListEntry& e : form.controls().List1.entries) listed.emplace_back(e.text, e.item_data);
  EXPECT_EQ(listed, (Entries{{"Built-in synthesizer", -1}, {"Port A", 0}, {"Port C", 2}}));
  form.List1_Click(2);
  form.Form_Unload();
  EXPECT_EQ(midi.calls, (Calls{"caps -1", "count", "caps 0", "caps 1", "caps 2", "open -1",
                               "close 1", "open 2", "close 2"}));
  EXPECT_TRUE(midi.open_handles.empty());
  EXPECT_TRUE(windows.boxes.empty());
  EXPECT_TRUE(form.controls().check_midi.checked() && form.controls().Frame1_enabled);

  testing::MainFormOnFakes bare;
  bare.midi.mapper.reset();
  bare.midi.devices = {"Port A"};
  bare.form.Form_Load();
  EXPECT_FALSE(bare.form.controls().check_midi.value || bare.form.controls().check_midi.enabled);
  EXPECT_EQ(bare.form.correct_count(), 17);
  bare.form.Form_Unload();
  EXPECT_EQ(bare.midi.calls, (Calls{"caps -1", "count", "caps 0"}));
  EXPECT_TRUE(bare.windows.boxes.empty());
}

// A failed open, close or send shows the system's text once and switches MIDI off for good.
TEST_F(MidiTest, AFailureShowsTheSystemsTextAndSwitchesMidiOff) {
  enum class Step { Open, Close, Send };
  for (const Step step : {Step::Open, Step::Close, Step::Send}) {
    SCOPED_TRACE(static_cast<int>(step));
    testing::MainFormOnFakes fresh;
    fresh.midi.open_fails = step == Step::Open ? MidiResult::AudioDriverFailed : MidiResult::Ok;
    fresh.form.Form_Load();
    fresh.midi.close_fails = fresh.midi.send_fails = MidiResult::AudioDriverFailed;
    if (step == Step::Close) fresh.form.List1_Click(0);
    if (step == Step::Send) {
      fresh.queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
      fresh.form.Create_Puzzle_Click();
      fresh.form.Hint1_Click();
    }
    // Each Note On of the chord fails on its own; the All Sound Off after the pause is not sent
    // once MIDI is off.
    const std::size_t failures = step == Step::Send ? 5 : 1;
    EXPECT_EQ(fresh.windows.texts(), std::vector<std::string>(failures, "text of 4"));
    EXPECT_EQ(fresh.midi.sent.size(), step == Step::Send ? 5U : 0U);
    EXPECT_EQ(fresh.form.controls().check_midi.value, 0);
    EXPECT_FALSE(fresh.form.controls().check_midi.enabled || fresh.form.controls().Frame1_enabled);
  }
}

}  // namespace
}  // namespace velmora
