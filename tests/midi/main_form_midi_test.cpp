#include <gtest/gtest.h>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_midi_system.h"
#include "fakes/scripted_random.h"

namespace velmora {
namespace {

using testing::FakeClock;
using testing::FakeWindowSystem;
using testing::RecordingMidiSystem;
using testing::ScriptedRandom;
using Calls = std::vector<std::string>;

// The main form before its load handler, so that each test can set up the MIDI system first.
class MidiStartUpTest : public ::testing::Test {
 protected:
  FakeWindowSystem windows;
  ScriptedRandom random;
  FakeClock clock;
  RecordingMidiSystem midi;
  testing::RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
};

TEST_F(MidiStartUpTest, LoadListsTheDevicesAndOpensTheSelectedMapper) {
  midi.devices = {"Port A", "Port B"};
  form.Form_Load();
  const ListBox& list = form.controls.List1;
  ASSERT_EQ(list.entries.size(), 3U);
  EXPECT_EQ(list.entries[0].item_data, -1);
  EXPECT_EQ(list.entries[1].item_data, 0);
  EXPECT_EQ(list.entries[2].item_data, 1);
  EXPECT_EQ(list.selected, 0);
  EXPECT_EQ(midi.calls, (Calls{"caps -1", "count", "caps 0", "caps 1", "open -1"}));
  EXPECT_EQ(midi.open_handles.at(form.hMidiOut), -1);
  EXPECT_FALSE(form.MidiMapperMissing);
  EXPECT_TRUE(form.controls.check_midi.checked());
  EXPECT_TRUE(form.controls.check_midi.enabled);
  EXPECT_TRUE(form.controls.Frame1_enabled);
}

TEST_F(MidiStartUpTest, WithoutAMapperMidiIsUncheckedAndDisabledAndNothingOpens) {
  midi.mapper.reset();
  midi.devices = {"Port A"};
  form.Form_Load();
  EXPECT_TRUE(form.MidiMapperMissing);
  EXPECT_EQ(form.controls.check_midi.value, 0);
  EXPECT_FALSE(form.controls.check_midi.enabled);
  EXPECT_EQ(form.hMidiOut, 0U);
  EXPECT_TRUE(midi.open_handles.empty());
  EXPECT_TRUE(windows.boxes.empty());
  // The rest of the load still runs.
  EXPECT_EQ(form.Correct_Count, 17);
}

TEST_F(MidiStartUpTest, AFailingOpenAtLoadIsReportedAndLoadCarriesOn) {
  midi.open_fails = MidiResult::AudioDriverFailed;
  form.Form_Load();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "text of 4");
  EXPECT_FALSE(form.controls.check_midi.checked());
  EXPECT_FALSE(form.controls.check_midi.enabled);
  EXPECT_FALSE(form.controls.Frame1_enabled);
  EXPECT_EQ(form.controls.circles[0].caption, "");
  EXPECT_EQ(form.Correct_Count, 17);
}

TEST_F(MidiStartUpTest, ClickingAnEntryClosesTheDeviceBeforeOpeningEvenTheSameOne) {
  midi.devices = {"Port A"};
  form.Form_Load();
  const MidiHandle mapper = form.hMidiOut;
  midi.calls.clear();
  form.controls.List1.selected = 0;
  form.List1_Click();
  const MidiHandle reopened = form.hMidiOut;
  form.controls.List1.selected = 1;
  form.List1_Click();
  EXPECT_EQ(midi.calls, (Calls{"close " + std::to_string(mapper), "open -1",
                               "close " + std::to_string(reopened), "open 0"}));
  EXPECT_EQ(midi.open_handles.size(), 1U);
  EXPECT_EQ(midi.open_handles.at(form.hMidiOut), 0);
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(MidiStartUpTest, UnloadClosesTheDevice) {
  form.Form_Load();
  form.Form_Unload();
  EXPECT_TRUE(midi.open_handles.empty());
  EXPECT_EQ(form.hMidiOut, 0U);
}

}  // namespace
}  // namespace velmora
