#include <gtest/gtest.h>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using CircleActionTest = testing::MainFormTest;

TEST_F(CircleActionTest, NamesThePlaceTheToneAndWhatTheCircleHolds) {
  EXPECT_EQ(form.circle_description(15), "circle 15, root of chord 1, empty");
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  form.circle_drop(6, "F#");
  form.circle_drop(8, "Bbb");
  form.circle_drop(5, "Ex");
  const std::pair<int, std::string_view> cases[] = {
      {15, "circle 15, root of major ninth, empty"},
      {6, "circle 6, seven of major ninth, holds F sharp"},
      {8, "circle 8, three of dominant ninth, holds B double flat"},
      {5, "circle 5, two of dominant ninth, suspended second, holds E double sharp"},
  };
  for (const auto& [circle, text] : cases) EXPECT_EQ(form.circle_description(circle), text);
}

// Reveal and Clear leave the given circle alone and change the others.
TEST_F(CircleActionTest, RevealAndClearSpareTheGivenCircle) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  const std::string given = caption(9);
  EXPECT_FALSE(form.reveal_note(9) || form.clear_circle(9));
  EXPECT_EQ(caption(9), given);
  EXPECT_TRUE(form.reveal_note(15));
  EXPECT_EQ(caption(15), "   C");
  EXPECT_TRUE(form.clear_circle(15));
  EXPECT_EQ(caption(15), "");
}

// "Play my answer" sounds the line's filled circles for the pause (captions and bytes in the
// window test); a send failure is reported as any MIDI failure, and MIDI goes off.
TEST_F(CircleActionTest, PlayMyAnswerSoundsTheFilledCirclesAndReportsASendFailure) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  form.reveal_note(15);
  midi.sent.clear();
  form.play_answer(1);
  EXPECT_EQ(midi.sent.size(), 3U) << "circles 12, 6 and 3 are empty";
  EXPECT_GE(clock.elapsed_ms, 2000);
  EXPECT_TRUE(windows.boxes.empty());
  midi.send_fails = MidiResult::SendFailed;
  form.play_answer(4);
  ASSERT_EQ(windows.boxes.size(), 1U) << "one box for the one note, the given centre";
  EXPECT_FALSE(form.controls().check_midi.checked());
}

using Calls = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, int>>;

class MidiTest : public ::testing::Test, protected testing::MainFormOnFakes {};

// A device whose capabilities cannot be read is left out; the others keep their ids, which a
// click opens (the click rules in the window test).
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
  EXPECT_TRUE(form.controls().check_midi.checked() && form.controls().frame1_enabled);
}

// Without a mapper MIDI is off, nothing opens and the load carries on.
TEST_F(MidiTest, WithoutAMapperMidiIsOffAndNothingOpens) {
  midi.mapper.reset();
  midi.devices = {"Port A"};
  form.Form_Load();
  EXPECT_FALSE(form.controls().check_midi.value || form.controls().check_midi.enabled);
  EXPECT_EQ(form.correct_count(), 17);
  form.Form_Unload();
  EXPECT_EQ(midi.calls, (Calls{"caps -1", "count", "caps 0"}));
  EXPECT_TRUE(windows.boxes.empty());
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
    EXPECT_FALSE(fresh.form.controls().check_midi.enabled || fresh.form.controls().frame1_enabled);
  }
}

}  // namespace
}  // namespace velmora
