#include <gtest/gtest.h>

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
  // What a handler could change, the draws included, to show that one changed nothing.
  std::string state() const {
    std::string state = std::to_string(form.correct_count()) + random.calls;
    for (const Label& label : form.controls().circles) {
      state += label.caption + (label.enabled ? "+" : "-");
    }
    for (const std::optional<NoteName>& note : form.board().Circle_Notes) state += Pad_Note(note) + "|";
    for (const std::string& chord : form.board().chords) state += chord + "|";
    return state;
  }

  void create(const std::array<std::string_view, 4>& chords, std::string_view key, int given) {
    queue_pass(chords, key, given);
    form.Create_Puzzle_Click();
  }

  std::vector<int> disabled_circles() const {
    std::vector<int> disabled;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      if (!form.controls().circles[circle - 1].enabled) disabled.push_back(circle);
    }
    return disabled;
  }
};

// Before any Create all 17 empty circles count as right, so Create asks nothing.
TEST_F(PuzzleTest, BeforeAnyCreateAllSeventeenCountAndCreateAsksNothing) {
  form.Command_Check_Click();
  create(kShortChords, "C", 8);
  EXPECT_EQ(windows.texts(), std::vector<std::string>{"You have 17 correct answers out of 17.(The "
                                                     "First is always given!)"});
  EXPECT_EQ(form.correct_count(), 0);
  EXPECT_EQ(random.calls, "rvrvrvrvrvv") << "one pass, each draw but the given circle's re-seeded";
}

// A Check of 17 right lets Create go on at once; 16 right is a puzzle in progress, so Create
// asks first, with OK and Cancel.
TEST_F(PuzzleTest, CreateAsksUnlessTheLastCheckFoundAllSeventeenRight) {
  for (const int right : {17, 16}) {
    SCOPED_TRACE(right);
    create(kShortChords, "C", 8);
    for (int circle = 1; circle <= right; ++circle) form.reveal_note(circle);
    form.Command_Check_Click();
    ASSERT_EQ(form.correct_count(), right);
    windows.boxes.clear();
    create(kShortChords, "C", 8);
    EXPECT_EQ(windows.texts(), right == 17 ? std::vector<std::string>{}
                                           : std::vector<std::string>{std::string(kConfirmation)});
    EXPECT_TRUE(right == 17 || windows.boxes[0].buttons == Buttons::OkCancel);
  }
}

// With "Advanced" a four-character given note shows as the key holds it. Check counts exact
// spellings: an enharmonic answer is wrong; the given circle takes no drop.
TEST_F(PuzzleTest, ALongGivenNoteShowsAndCheckCountsExactSpellingsOnly) {
  form.set_advanced(true);
  create(kLongChords, "Db", 3);
  EXPECT_EQ(caption(3), "Abbb");
  EXPECT_EQ(disabled_circles(), std::vector<int>{3});
  EXPECT_EQ(form.controls().hints,
            (std::array<std::string, 4>{"Dom7_#5_b9", "Maj9", "Dom9", "Min9"}));
  ASSERT_EQ(Pad_Note(circle_note(form.board().Circle_Notes, 4)), "  Bb");
  windows.boxes.clear();
  form.circle_drop(4, "A#");
  form.Command_Check_Click();
  form.circle_drop(4, "Bb");
  form.circle_drop(3, "Ab");
  form.Command_Check_Click();
  EXPECT_EQ(caption(3), "Abbb");
  EXPECT_EQ(windows.texts(),
            (std::vector<std::string>{
                "You have 1 correct answers out of 17.(The First is always given!)",
                "You have 2 correct answers out of 17.(The First is always given!)"}));
}

// Cancel on Create's or the worksheet's question changes nothing; a level change alters only
// the list of chord types.
TEST_F(PuzzleTest, CancelKeepsThePuzzleAndTheLevelOnlyTheChordTypes) {
  create(kShortChords, "C", 8);
  form.circle_drop(2, "Gb");
  form.Command_Check_Click();
  windows.boxes.clear();
  const std::string before = state();
  windows.answer = Answer::Cancel;
  form.Create_Puzzle_Click();
  form.WorkSheet_cmd_Click();
  form.Option1_Click();
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(printer.operations.empty());
  EXPECT_EQ(count_framed_entries(form.chord_types()), 14);
  ASSERT_EQ(windows.texts(),
            (std::vector<std::string>{std::string(kConfirmation),
                                      "This action will create some work sheets on your printer"}));
  EXPECT_EQ(windows.boxes[1].title, "Create Worksheet?");
}

// With "Advanced" unchecked, a pass whose board holds a long name is thrown away whole: the
// next pass draws new chord types and a new key, and shows only its own given note.
TEST_F(PuzzleTest, ARejectedPassRedrawsTheChordTypesAndTheKey) {
  queue_pass(kLongChords, "Db", 5);
  queue_pass(kShortChords, "C", 1);
  form.Create_Puzzle_Click();
  EXPECT_EQ(random.calls, "rvrvrvrvrvvrvrvrvrvrvv");
  EXPECT_EQ(form.controls().hints, (std::array<std::string, 4>{"Dom9", "Maj9", "Min7_b9", "6/9"}));
  EXPECT_EQ(Pad_Note(circle_note(form.board().Circle_Notes, kCentreCircle)), "   C");
  EXPECT_EQ(disabled_circles(), std::vector<int>{1});
  EXPECT_EQ(caption(1), "   F");
  EXPECT_EQ(caption(5), "");
}

// Level (Expert?) and "Advanced" checked? Every third puzzle has "Center Question" checked.
class CreateRunTest : public PuzzleTest,
                      public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(CreateRunTest, EveryPuzzleHasOneGivenNoteAndFourDistinctTypesOfTheLevel) {
  const auto [expert, advanced] = GetParam();
  expert ? form.Option2_Click() : form.Option1_Click();
  form.set_advanced(advanced);
  const std::set<std::string> level(form.chord_types().begin() + 1, form.chord_types().end() - 1);
  constexpr int kCreates = 300;
  random.queue_seeded(expert ? 11 : 12, kCreates * 60);
  for (int create = 0; create < kCreates; ++create) {
    SCOPED_TRACE(create);
    const bool centre_question = create % 3 == 0;
    form.set_centre_question(centre_question);
    form.Create_Puzzle_Click();
    const std::vector<int> disabled = disabled_circles();
    ASSERT_EQ(disabled.size(), 1U);
    EXPECT_TRUE(!centre_question || disabled[0] == kCentreCircle) << disabled[0];
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      EXPECT_EQ(caption(circle), circle == disabled[0]
                                     ? Pad_Note(circle_note(form.board().Circle_Notes, circle))
                                     : "");
    }
    const std::set<std::string> hints(form.controls().hints.begin(), form.controls().hints.end());
    EXPECT_EQ(hints.size(), 4U);
    EXPECT_EQ(form.controls().hints, form.board().chords);
    for (const std::string& hint : hints) EXPECT_TRUE(level.contains(hint)) << hint;
    for (const std::optional<NoteName>& note : form.board().Circle_Notes) {
      ASSERT_TRUE(note);
      EXPECT_TRUE(advanced || note->on_palette()) << "a long name: " << note->text();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LevelsAndAdvanced, CreateRunTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

}  // namespace
}  // namespace velmora
