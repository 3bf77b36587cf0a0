#include "midi/midi_out.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/main_form_fixture.h"
#include "theory/chords.h"

namespace velmora {
namespace {

using Calls = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, int>>;

// A MIDI output on the unloaded form's device and controls.
class MidiTest : public ::testing::Test, protected testing::MainFormOnFakes {
 protected:
  // The note numbers of the Note Ons that PlayChord sends on the opened mapper.
  std::vector<int> notes_played(const std::array<std::string, 5>& notes) {
    MidiOpen(out, kMidiMapper);
    midi.sent.clear();
    PlayChord(out, notes);
    std::vector<int> numbers;
    for (const std::vector<int>& bytes : midi.sent) {
      EXPECT_EQ((std::pair{bytes[0], bytes[2]}), (std::pair{0x91, 127}));
      numbers.push_back(bytes[1]);
    }
    EXPECT_TRUE(windows.boxes.empty());
    return numbers;
  }

  MainFormControls& controls = form.controls;
  MidiOut out{midi, windows, form.hMidiOut, controls.check_midi, controls.Frame1_enabled};
};

// The first two octaves keep their note numbers; B-rooted ninths reach into the third; a name
// outside the table is skipped without silencing the rest; three accidentals sound at pitch.
TEST_F(MidiTest, PlayChordSendsNoteOnsRisingFromTheRoot) {
  const std::vector<std::pair<std::array<std::string, 5>, std::vector<int>>> cases = {
      {{"   C", "   E", "   G", "   B", "   D"}, {60, 64, 67, 71, 74}},
      {{"  Cb", "  Eb", "  Gb", "  Bb", "  Db"}, {59, 63, 66, 70, 73}},
      {{"  B#", "  Dx", "  Fx", "  Ax", "  Cx"}, {72, 76, 79, 83, 86}},
      {{"   B", "  D#", "  F#", "  A#", "  C#"}, {71, 75, 78, 82, 85}},
      {{" Gbb", "Bbbb", "  Db", "Fbbb", "Abbb"}, {65, 68, 73, 74, 78}},
      {{"  F#", "  A#", "  C#", "   E", "G###"}, {66, 70, 73, 76, 82}},
      {{"   C", "   H", "   G", "   B", "   D"}, {60, 67, 71, 74}},
  };
  for (const auto& [notes, expected] : cases) {
    SCOPED_TRACE(notes[0] + notes[1] + notes[2] + notes[3] + notes[4]);
    EXPECT_EQ(notes_played(notes), expected);
  }
}

// Every board's chords, "Advanced" ones included, sound all five notes.
TEST_F(MidiTest, EveryChordOfEveryBoardSoundsWholeAndRising) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  for (int key = 1; tables.Key_Names[key] != kStop; ++key) {
    for (const ChordType& type : kChordCatalogue) {
      std::array<std::string, 5> notes;
      notes[2] = tables.Key_Names[key];
      ToneIndex index{};
      ASSERT_TRUE(
          Spell_Chord(tables, type, notes[2], notes[0], notes[1], notes[3], notes[4], index));
      for (std::string& note : notes) note = Pad_Note(note);
      SCOPED_TRACE(std::string(type.name) + " through " + tables.Key_Names[key]);
      const std::vector<int> sent = notes_played(notes);
      ASSERT_EQ(sent.size(), 5U);
      EXPECT_TRUE(std::ranges::adjacent_find(sent, std::greater_equal<>()) == sent.end())
          << ::testing::PrintToString(sent);
    }
  }
}

class MidiFailureTest : public MidiTest, public ::testing::WithParamInterface<int> {};

TEST_P(MidiFailureTest, OpenCloseOrSendShowsTheSystemsTextAndSwitchesMidiOff) {
  if (GetParam() != 0) MidiOpen(out, kMidiMapper);
  midi.open_fails = midi.close_fails = midi.send_fails = MidiResult::AudioDriverFailed;
  if (GetParam() == 0) MidiOpen(out, kMidiMapper);
  if (GetParam() == 1) MidiClose(out);
  if (GetParam() == 2) SendMidiShort(out, kControlChange, kAllSoundOff, 0);
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "text of 4");
  EXPECT_EQ(controls.check_midi.value, 0);
  EXPECT_FALSE(controls.check_midi.enabled || controls.Frame1_enabled);
  EXPECT_EQ(form.hMidiOut == 0, GetParam() != 2);
}

INSTANTIATE_TEST_SUITE_P(OpenCloseSend, MidiFailureTest, ::testing::Values(0, 1, 2));

// A device whose capabilities cannot be read is left out; the others keep their ids. A click
// on an entry closes the open device before opening the entry's, even the same one.
TEST_F(MidiTest, LoadListsTheDevicesAndOpensTheMapperAndTheListSwitchesDevices) {
  midi.devices = {"Port A", std::nullopt, "Port C"};
  form.Form_Load();
  Entries entries;
  for (const ListEntry& entry : controls.List1.entries) {
    entries.emplace_back(entry.text, entry.item_data);
  }
  EXPECT_EQ(entries, (Entries{{"Built-in synthesizer", -1}, {"Port A", 0}, {"Port C", 2}}));
  EXPECT_EQ(controls.List1.selected, 0);
  EXPECT_TRUE(controls.check_midi.checked() && controls.check_midi.enabled &&
              controls.Frame1_enabled);
  form.List1_Click();
  controls.List1.selected = 2;
  form.List1_Click();
  form.Form_Unload();
  EXPECT_EQ(midi.calls, (Calls{"caps -1", "count", "caps 0", "caps 1", "caps 2", "open -1",
                               "close 1", "open -1", "close 2", "open 2", "close 3"}));
  EXPECT_TRUE(midi.open_handles.empty());
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(MidiTest, WithoutAMapperMidiIsOffNothingOpensAndTheLoadCarriesOn) {
  midi.mapper.reset();
  midi.devices = {"Port A"};
  form.Form_Load();
  EXPECT_TRUE(form.MidiMapperMissing);
  EXPECT_EQ(controls.check_midi.value, 0);
  EXPECT_FALSE(controls.check_midi.enabled);
  EXPECT_EQ(form.Correct_Count, 17);
  form.Form_Unload();
  EXPECT_EQ(midi.calls, (Calls{"caps -1", "count", "caps 0"}));
  EXPECT_TRUE(windows.boxes.empty());
}

}  // namespace
}  // namespace velmora
