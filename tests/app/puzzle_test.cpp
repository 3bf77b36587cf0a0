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

std::string Check_Text(int count) {
  return "You have " + std::to_string(count) +
         " correct answers out of 17.(The First is always given!)";
}

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

  // Everything a handler could change, to show that one changed nothing.
  std::string State() const {
    std::string state = std::to_string(form.Correct_Count) + "|" + form.board.Drawn_Key + "|" +
                        form.board.Drawn_Chord_Type + "|";
    for (const Label& label : form.controls.circles)
      state += label.caption + (label.enabled ? "+" : "-");
    for (const std::string& hint : form.controls.hints) state += hint + "|";
    for (const std::string& note : form.board.Circle_Notes) state += note + "|";
    for (const std::string& chord : form.board.Chords) state += chord + "|";
    for (std::int16_t slot : form.board.Tone_Index) state += std::to_string(slot) + "|";
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

// After load the score is 17, so the first Create asks nothing; below 17 it asks first.
TEST_F(PuzzleTest, CreateAsksOnlyBelowSeventeenAndCheckCountsExactSpellings) {
  Queue_Pass(kShortChords, "C", 7);
  Queue_Pass(kShortChords, "C", 8);
  form.Create_Puzzle_Click();
  EXPECT_TRUE(windows.boxes.empty());
  EXPECT_EQ(random.calls, "rvrvrvrvrvv") << "every draw but the given circle's re-seeds first";
  EXPECT_EQ(form.Correct_Count, 0);

  ASSERT_EQ(circle_note(form.board.Circle_Notes, 6), "  Eb");
  form.Circle_DragDrop(6, "D#");
  form.Command_Check_Click();
  form.Circle_DragDrop(6, "Eb");
  form.Command_Check_Click();
  form.Create_Puzzle_Click();

  ASSERT_EQ(windows.boxes.size(), 3U);
  EXPECT_EQ(windows.boxes[0].text, Check_Text(1)) << "the enharmonic D# is wrong";
  EXPECT_EQ(windows.boxes[1].text, Check_Text(2));
  EXPECT_EQ(windows.boxes[1].buttons, Buttons::Ok);
  EXPECT_EQ(windows.boxes[2].text, kConfirmation);
  EXPECT_EQ(windows.boxes[2].buttons, Buttons::OkCancel);
  for (const MessageBox& box : windows.boxes) {
    EXPECT_EQ(box.icon, Icon::None);
    EXPECT_EQ(box.title, "Velmora");
  }
  EXPECT_EQ(Disabled_Circles(), std::vector<int>{8});
}

TEST_F(PuzzleTest, CancelChangesNothingAtAll) {
  Queue_Pass(kShortChords, "C", 1);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(2, "Gb");
  form.Correct_Count = 16;  // one short of a full score still asks
  const std::string before = State();
  const std::string random_calls = random.calls;
  windows.answers = {Answer::Cancel};

  form.Create_Puzzle_Click();

  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, kConfirmation);
  EXPECT_EQ(State(), before);
  EXPECT_EQ(random.calls, random_calls);
}

TEST_F(PuzzleTest, ChangingTheLevelOnlyRebuildsTheLevelList) {
  Queue_Pass(kShortChords, "C", 2);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(3, "Ab");
  const std::string before = State();
  form.controls.Option2 = false;
  form.Option1_Click();
  EXPECT_EQ(State(), before);
  EXPECT_EQ(Count_Framed_Entries(form.Chord_Types), 14);
}

// With "Advanced" checked a given note of four characters is shown as the answer key holds it,
// so "Check" counts it.
TEST_F(PuzzleTest, WithAdvancedALongGivenNoteIsShownAsTheKeyHoldsItAndCounts) {
  form.controls.advanced.value = 1;
  Queue_Pass(kLongChords, "Db", 3);
  form.Create_Puzzle_Click();
  EXPECT_TRUE(random.values.empty()) << "the long names were accepted at once";
  EXPECT_EQ(circle_note(form.board.Circle_Notes, 3), "Abbb");
  EXPECT_EQ(Caption(3), "Abbb");
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, Check_Text(1));
}

TEST_F(PuzzleTest, CentreQuestionAlwaysGivesTheDrawnKeyInTheCentre) {
  form.controls.Center_Question.value = 1;
  for (int key = 1; key <= 15; ++key) {
    const std::string& name = form.key_tables.Key_Names[key];
    Queue_Pass(kShortChords, name, key);
    form.Correct_Count = 17;
    form.Create_Puzzle_Click();
    EXPECT_TRUE(random.values.empty()) << "the given circle's value is drawn all the same";
    EXPECT_EQ(Disabled_Circles(), std::vector<int>{kCentreCircle}) << name;
    EXPECT_EQ(Caption(kCentreCircle), Pad_Note(name));
  }
}

// Level (Expert?) and "Advanced" checked?
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
  for (int i = 0; i < kCreates * 60; ++i) {
    random.values.push_back(static_cast<float>(engine() >> 8) * 0x1p-24F);
  }

  std::set<std::string> used;
  bool long_name_seen = false;
  for (int create = 0; create < kCreates; ++create) {
    form.Create_Puzzle_Click();
    SCOPED_TRACE(create);
    const std::vector<int> disabled = Disabled_Circles();
    ASSERT_EQ(disabled.size(), 1U);
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      EXPECT_EQ(Caption(circle).empty(), circle != disabled[0]);
    }
    EXPECT_EQ(Caption(disabled[0]), circle_note(form.board.Circle_Notes, disabled[0]));

    const std::set<std::string> hints(form.controls.hints.begin(), form.controls.hints.end());
    EXPECT_EQ(hints.size(), 4U);
    EXPECT_EQ(form.controls.hints, form.board.Chords);
    for (const std::string& hint : hints) EXPECT_TRUE(level.contains(hint)) << hint;
    used.insert(hints.begin(), hints.end());

    for (const std::string& note : form.board.Circle_Notes) {
      EXPECT_GE(note.size(), 4U) << note;
      const bool long_name = note.size() > 4 || note.find("###") != std::string::npos ||
                             note.find("bbb") != std::string::npos;
      long_name_seen = long_name_seen || long_name;
      EXPECT_TRUE(advanced || !long_name) << note;
    }
  }
  EXPECT_EQ(used, level);
  EXPECT_TRUE(long_name_seen || !(advanced && expert));
}

INSTANTIATE_TEST_SUITE_P(LevelsAndAdvanced, CreateRunTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

}  // namespace
}  // namespace velmora
