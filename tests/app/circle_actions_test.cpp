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
  const std::pair<int, std::string_view> cases[] = {
      {15, "circle 15, root of Maj9, empty"},
      {6, "circle 6, 7 of Maj9, holds F#"},
      {8, "circle 8, 3 of Dom9, empty"},
      {5, "circle 5, 2 of Dom9_sus2, empty"},
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
// window test).
TEST_F(CircleActionTest, PlayMyAnswerSoundsTheFilledCirclesForThePause) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  form.reveal_note(15);
  midi.sent.clear();
  form.play_answer(1);
  EXPECT_EQ(midi.sent.size(), 3U) << "circles 12, 6 and 3 are empty";
  EXPECT_GE(clock.elapsed_ms, 2000);
}

// A send failure while playing the answer is reported as any MIDI failure; MIDI goes off.
TEST_F(CircleActionTest, PlayMyAnswerReportsASendFailureOnce) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  midi.send_fails = MidiResult::SendFailed;
  form.play_answer(1);
  ASSERT_EQ(windows.boxes.size(), 1U) << "one box for the one note, the given centre";
  EXPECT_FALSE(form.controls().check_midi.checked());
}

}  // namespace
}  // namespace velmora
