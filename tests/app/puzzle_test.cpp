#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

constexpr std::string_view kConfirmation = "Are You sure you want to create a new Velmora?";

// A board whose answers all have at most three characters.
const std::array<std::string_view, 4> kShortChords{"Dom9", "Maj9", "Min7_b9", "6/9"};
// Centre "Db" spells line 1's ninth "Abbb" on circle 3; every other answer is short.
const std::array<std::string_view, 4> kLongChords{"Dom7_#5_b9", "Maj9", "Dom9", "Min9"};

class PuzzleTest : public testing::MainFormTest {
 protected:
  // The value that draws `name` from the framed list.
  static float Value_For(const FramedList& list, std::string_view name) {
    const auto position = std::find(list.begin(), list.end(), name) - list.begin();
    return (static_cast<float>(position) - 0.5F) /
           static_cast<float>(Count_Framed_Entries(list) - 2);
  }

  // Queues the values of one pass of "Create": four chord types, the key, the given circle.
  void Queue_Pass(const std::array<std::string_view, 4>& chords, std::string_view key,
                  int given_circle) {
    for (std::string_view chord : chords)
      random.values.push_back(Value_For(form.Chord_Types, chord));
    random.values.push_back(Value_For(form.key_tables.Key_Names, key));
    random.values.push_back((static_cast<float>(given_circle) - 0.5F) / kCircleCount);
  }

  // What a handler could change, the draws included, to show that one changed nothing.
  std::string State() const {
    std::string state = std::to_string(form.Correct_Count) + random.calls;
    for (const Label& label : form.controls.circles)
      state += label.caption + (label.enabled ? "+" : "-");
    for (const std::string& note : form.board.Circle_Notes) state += note + "|";
    return state;
  }

  std::vector<int> Disabled_Circles() const {
    std::vector<int> disabled;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      if (!form.controls.circles[circle - 1].enabled) disabled.push_back(circle);
    }
    return disabled;
  }

  const std::string& Caption(int circle) const { return form.controls.circles[circle - 1].caption; }
};

// After load the score is 17, so the first Create asks nothing; below 17 it asks first, and
// Cancel changes nothing. With "Advanced" checked a given note of four characters is shown as
// the answer key holds it, so "Check" counts it.
TEST_F(PuzzleTest, CreateAsksBelowSeventeenCancelKeepsThePuzzleCheckCountsExactSpellings) {
  form.controls.advanced.value = 1;
  Queue_Pass(kLongChords, "Db", 3);
  Queue_Pass(kShortChords, "C", 8);
  form.Create_Puzzle_Click();
  EXPECT_TRUE(windows.boxes.empty());
  EXPECT_EQ(random.calls, "rvrvrvrvrvv") << "one pass, each draw but the given circle's re-seeded";
  EXPECT_EQ(form.Correct_Count, 0);
  EXPECT_EQ(Caption(3), "Abbb");

  ASSERT_EQ(circle_note(form.board.Circle_Notes, 4), "  Bb");
  form.Circle_DragDrop(4, "A#");
  form.Command_Check_Click();
  form.Circle_DragDrop(4, "Bb");
  form.Command_Check_Click();
  form.Create_Puzzle_Click();
  EXPECT_EQ(Disabled_Circles(), std::vector<int>{8});

  form.Circle_DragDrop(2, "Gb");
  form.Correct_Count = 16;  // one short of a full score still asks
  const std::string before = State();
  windows.answers = {Answer::Cancel};
  form.Create_Puzzle_Click();
  form.controls.Option2 = false;
  form.Option1_Click();  // the level changes only the list of chord types
  EXPECT_EQ(State(), before);
  EXPECT_EQ(Count_Framed_Entries(form.Chord_Types), 14);

  ASSERT_EQ(windows.boxes.size(), 4U);
  EXPECT_EQ(windows.boxes[0].text,
            "You have 1 correct answers out of 17.(The First is always given!)")
      << "the given note counts, the enharmonic A# does not";
  EXPECT_EQ(windows.boxes[1].text,
            "You have 2 correct answers out of 17.(The First is always given!)");
  EXPECT_EQ(windows.boxes[2].text, kConfirmation);
  EXPECT_EQ(windows.boxes[2].buttons, Buttons::OkCancel);
  EXPECT_EQ(windows.boxes[3].text, kConfirmation);
}

// Level (Expert?) and "Advanced" checked? Every third puzzle has "Center Question" checked.
class CreateRunTest : public PuzzleTest,
                      public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(CreateRunTest, EveryPuzzleHasOneGivenNoteAndFourDistinctTypesOfTheLevel) {
  const auto [expert, advanced] = GetParam();
  form.controls.Option2 = expert;
  form.Option2_Click();
  form.controls.advanced.value = advanced ? 1 : 0;
  const std::set<std::string> level(form.Chord_Types.begin() + 1, form.Chord_Types.end() - 1);
  constexpr int kCreates = 300;
  std::mt19937 engine(expert ? 11 : 12);
  for (int i = 0; i < kCreates * 60; ++i)
    random.values.push_back(static_cast<float>(engine() >> 8) * 0x1p-24F);

  for (int create = 0; create < kCreates; ++create) {
    SCOPED_TRACE(create);
    const bool centre_question = create % 3 == 0;
    form.controls.Center_Question.value = centre_question ? 1 : 0;
    form.Create_Puzzle_Click();
    const std::vector<int> disabled = Disabled_Circles();
    ASSERT_EQ(disabled.size(), 1U);
    EXPECT_TRUE(!centre_question || disabled[0] == kCentreCircle) << disabled[0];
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      EXPECT_EQ(Caption(circle),
                circle == disabled[0] ? circle_note(form.board.Circle_Notes, circle) : "");
    }

    const std::set<std::string> hints(form.controls.hints.begin(), form.controls.hints.end());
    EXPECT_EQ(hints.size(), 4U);
    EXPECT_EQ(form.controls.hints, form.board.Chords);
    for (const std::string& hint : hints) EXPECT_TRUE(level.contains(hint)) << hint;

    for (const std::string& note : form.board.Circle_Notes) {
      EXPECT_GE(note.size(), 4U) << note;
      EXPECT_TRUE(advanced || note[0] == ' ') << "a long name: " << note;  // short ones are padded
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LevelsAndAdvanced, CreateRunTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

}  // namespace
}  // namespace velmora
