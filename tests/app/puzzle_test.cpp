#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using testing::MainFormTest;

constexpr std::string_view kConfirmation = "Are You sure you want to create a new Velmora?";

// Everything a handler could change, to show that one changed nothing.
struct Snapshot {
  std::vector<std::pair<std::string, bool>> labels;
  std::array<std::string, kChordLineCount> hints;
  CircleNotes notes;
  ChordNames chords;
  std::string drawn_key;
  std::string drawn_chord_type;
  ToneIndex tone_index;
  std::int16_t correct_count;
  bool operator==(const Snapshot&) const = default;
};

// A board whose answers all have at most three characters.
const std::array<std::string_view, 4> kShortChords{"Dom9", "Maj9", "Min7_b9", "6/9"};
constexpr std::string_view kShortKey = "C";
// Centre "Db" spells line 1's ninth "Abbb" on circle 3; every other answer is short.
const std::array<std::string_view, 4> kLongChords{"Dom7_#5_b9", "Maj9", "Dom9", "Min9"};
constexpr std::string_view kLongKey = "Db";
constexpr int kLongCircle = 3;

class PuzzleTest : public MainFormTest {
 protected:
  // The value that draws `name` from the framed list.
  static float Value_For(const FramedList& list, std::string_view name) {
    const int names = Count_Framed_Entries(list) - 2;
    const auto position = std::find(list.begin(), list.end(), name) - list.begin();
    EXPECT_TRUE(position >= 1 && position <= names) << name;
    return (static_cast<float>(position) - 0.5F) / static_cast<float>(names);
  }

  // Queues the values of one pass of "Create": four chord types, the key, the given circle.
  void Queue_Pass(const std::array<std::string_view, 4>& chords, std::string_view key,
                  int given_circle) {
    for (std::string_view chord : chords) {
      random.values.push_back(Value_For(form.Chord_Types, chord));
    }
    random.values.push_back(Value_For(form.key_tables.Key_Names, key));
    random.values.push_back((static_cast<float>(given_circle) - 0.5F) / kCircleCount);
  }

  // Queues reproducible, evenly spread values for long runs of "Create".
  void Queue_Mixed_Values(int count, unsigned seed) {
    std::mt19937 engine(seed);
    for (int i = 0; i < count; ++i) {
      random.values.push_back(static_cast<float>(engine() >> 8) * 0x1p-24F);
    }
  }

  // Drops every answer of the board on its circle, as the player would from the palette.
  void Drop_Right_Notes() {
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      if (!form.controls.circles[circle - 1].enabled) continue;
      std::string_view note = circle_note(form.board.Circle_Notes, circle);
      note.remove_prefix(note.find_first_not_of(' '));
      ASSERT_NE(std::find(kPaletteNames.begin(), kPaletteNames.end(), note), kPaletteNames.end())
          << note;
      form.Circle_DragDrop(circle, note);
    }
  }

  Snapshot Take_Snapshot() const {
    Snapshot snapshot{{},
                      form.controls.hints,
                      form.board.Circle_Notes,
                      form.board.Chords,
                      form.board.Drawn_Key,
                      form.board.Drawn_Chord_Type,
                      form.board.Tone_Index,
                      form.Correct_Count};
    for (const Label& label : form.controls.circles) {
      snapshot.labels.emplace_back(label.caption, label.enabled);
    }
    return snapshot;
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

std::string Check_Text(int count) {
  return "You have " + std::to_string(count) +
         " correct answers out of 17.(The First is always given!)";
}

void Expect_Plain_Box(const MessageBox& box, std::string_view text, Buttons buttons) {
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.buttons, buttons);
  EXPECT_EQ(box.icon, Icon::None);
  EXPECT_EQ(box.title, "Velmora");
}

TEST_F(PuzzleTest, FirstCreateAfterLoadAsksNothing) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  EXPECT_TRUE(windows.boxes.empty());
  EXPECT_EQ(form.Correct_Count, 0);
}

TEST_F(PuzzleTest, CreateBelowSeventeenAsksWithOkAndCancel) {
  Queue_Pass(kShortChords, kShortKey, 1);
  Queue_Pass(kShortChords, kShortKey, 2);
  form.Create_Puzzle_Click();
  form.Create_Puzzle_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  Expect_Plain_Box(windows.boxes[0], kConfirmation, Buttons::OkCancel);
  EXPECT_EQ(Disabled_Circles(), std::vector<int>{2});
}

TEST_F(PuzzleTest, CancelChangesNothingAtAll) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(2, "Gb");
  form.Command_Check_Click();
  const Snapshot before = Take_Snapshot();
  const std::string random_calls = random.calls;
  windows.answers = {Answer::Cancel};

  form.Create_Puzzle_Click();

  ASSERT_EQ(windows.boxes.size(), 2U);
  EXPECT_EQ(windows.boxes[1].text, kConfirmation);
  EXPECT_TRUE(Take_Snapshot() == before);
  EXPECT_EQ(random.calls, random_calls);
}

TEST_F(PuzzleTest, CheckBeforeAnyCreateFindsSeventeenAndCreateThenAsksNothing) {
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  Expect_Plain_Box(windows.boxes[0], Check_Text(17), Buttons::Ok);
  EXPECT_EQ(form.Correct_Count, 17);

  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  EXPECT_EQ(windows.boxes.size(), 1U);
}

TEST_F(PuzzleTest, CheckRightAfterCreateCountsOnlyTheGivenCircle) {
  Queue_Pass(kShortChords, kShortKey, 7);
  Queue_Pass(kShortChords, kShortKey, 8);
  form.Create_Puzzle_Click();
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  Expect_Plain_Box(windows.boxes[0], Check_Text(1), Buttons::Ok);
  EXPECT_EQ(form.Correct_Count, 1);

  form.Create_Puzzle_Click();
  ASSERT_EQ(windows.boxes.size(), 2U);
  EXPECT_EQ(windows.boxes[1].text, kConfirmation);
}

TEST_F(PuzzleTest, ARightlyFilledBoardCountsSeventeenAndTheNextCreateAsksNothing) {
  Queue_Mixed_Values(200, 7);
  form.Create_Puzzle_Click();
  Drop_Right_Notes();
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, Check_Text(17));
  EXPECT_EQ(form.Correct_Count, 17);

  form.Create_Puzzle_Click();
  EXPECT_EQ(windows.boxes.size(), 1U);
}

TEST_F(PuzzleTest, EnharmonicSpellingCountsAsWrong) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  ASSERT_EQ(circle_note(form.board.Circle_Notes, 6), "  Eb");
  form.Circle_DragDrop(6, "D#");
  form.Command_Check_Click();
  form.Circle_DragDrop(6, "Eb");
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 2U);
  EXPECT_EQ(windows.boxes[0].text, Check_Text(1));
  EXPECT_EQ(windows.boxes[1].text, Check_Text(2));
}

struct DropCase {
  std::string_view note;
  std::string_view caption;
};

class DropTest : public PuzzleTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTest, WritesTheNoteInItsFourCharacterForm) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  const CircleNotes answers = form.board.Circle_Notes;
  form.Circle_DragDrop(2, GetParam().note);
  EXPECT_EQ(Caption(2), GetParam().caption);
  EXPECT_EQ(form.board.Circle_Notes, answers);
  EXPECT_EQ(form.Correct_Count, 0);
}

INSTANTIATE_TEST_SUITE_P(OneTwoAndThreeCharacters, DropTest,
                         ::testing::Values(DropCase{"C", "   C"}, DropCase{"Eb", "  Eb"},
                                           DropCase{"Cbb", " Cbb"}));

TEST_F(PuzzleTest, ASecondDropReplacesTheFirstAndAnEmptyTextChangesNothing) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(17, "Gb");
  form.Circle_DragDrop(17, "F#");
  EXPECT_EQ(Caption(17), "  F#");
  form.Circle_DragDrop(17, "");
  EXPECT_EQ(Caption(17), "  F#");
}

TEST_F(PuzzleTest, TheGivenCircleRefusesDrops) {
  Queue_Pass(kShortChords, kShortKey, 4);
  form.Create_Puzzle_Click();
  const std::string given = Caption(4);
  form.Circle_DragDrop(4, "Bx");
  EXPECT_EQ(Caption(4), given);
  EXPECT_FALSE(form.controls.circles[3].enabled);
}

// The four chord types and the key are each drawn from a fresh re-seed; the given circle's
// value follows without one.
TEST_F(PuzzleTest, EveryDrawOfAPassReseedsFirstExceptTheGivenCircle) {
  Queue_Pass(kShortChords, kShortKey, 1);
  form.Create_Puzzle_Click();
  EXPECT_EQ(random.calls, "rvrvrvrvrvv");
  EXPECT_TRUE(random.values.empty());
}

TEST_F(PuzzleTest, WithoutAdvancedALongNameSendsTheWholePuzzleRoundAgain) {
  Queue_Pass(kLongChords, kLongKey, kLongCircle);
  Queue_Pass(kShortChords, kShortKey, 5);
  form.Create_Puzzle_Click();

  EXPECT_EQ(random.calls, "rvrvrvrvrvvrvrvrvrvrvv");
  EXPECT_EQ(form.board.Chords, (ChordNames{"Dom9", "Maj9", "Min7_b9", "6/9"}));
  EXPECT_EQ(form.controls.hints, form.board.Chords);
  EXPECT_EQ(circle_note(form.board.Circle_Notes, kCentreCircle), "   C");
  EXPECT_EQ(Disabled_Circles(), std::vector<int>{5});
  EXPECT_EQ(Caption(kLongCircle), "");
}

// With "Advanced" checked a given note of four characters is shown as the answer key holds it,
// so "Check" counts it.
TEST_F(PuzzleTest, WithAdvancedALongGivenNoteIsShownAsTheKeyHoldsItAndCounts) {
  form.controls.advanced.value = 1;
  Queue_Pass(kLongChords, kLongKey, kLongCircle);
  Queue_Pass(kShortChords, kShortKey, 5);
  form.Create_Puzzle_Click();

  EXPECT_EQ(random.calls, "rvrvrvrvrvv") << "the long names were accepted at once";
  EXPECT_EQ(circle_note(form.board.Circle_Notes, kLongCircle), "Abbb");
  EXPECT_EQ(Caption(kLongCircle), "Abbb");
  form.Command_Check_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, Check_Text(1));
}

TEST_F(PuzzleTest, CentreQuestionAlwaysGivesTheDrawnKeyInTheCentre) {
  form.controls.Center_Question.value = 1;
  for (int key = 1; key <= 15; ++key) {
    const std::string& name = form.key_tables.Key_Names[key];
    SCOPED_TRACE(name);
    Queue_Pass(kShortChords, name, key);
    form.Correct_Count = 17;
    form.Create_Puzzle_Click();
    EXPECT_TRUE(random.values.empty()) << "the given circle's value is drawn all the same";
    EXPECT_EQ(Disabled_Circles(), std::vector<int>{kCentreCircle});
    EXPECT_EQ(Caption(kCentreCircle), Pad_Note(name));
    EXPECT_EQ(form.board.Drawn_Key, name);
  }
}

TEST_F(PuzzleTest, ChangingTheLevelLeavesTheCurrentPuzzleAlone) {
  Queue_Pass(kShortChords, kShortKey, 2);
  form.Create_Puzzle_Click();
  form.Circle_DragDrop(3, "Ab");
  const Snapshot before = Take_Snapshot();

  form.controls.Option2 = false;
  form.Option1_Click();

  EXPECT_TRUE(Take_Snapshot() == before);
  EXPECT_EQ(Count_Framed_Entries(form.Chord_Types), 14);
  EXPECT_EQ(random.calls, "rvrvrvrvrvv");
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
  Queue_Mixed_Values(kCreates * 60, expert ? 11 : 12);

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
  ASSERT_FALSE(random.values.empty()) << "the run needs more queued values";
  EXPECT_EQ(used, level);
  EXPECT_TRUE(long_name_seen || !(advanced && expert));
}

INSTANTIATE_TEST_SUITE_P(LevelsAndAdvanced, CreateRunTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) ? "Expert" : "Beginner") +
                                  (std::get<1>(info.param) ? "Advanced" : "Plain");
                         });

}  // namespace
}  // namespace velmora
