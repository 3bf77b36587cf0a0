#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "app/progress_text.h"
#include "fakes/main_form_fixture.h"
#include "puzzle/weighted_draws.h"

namespace velmora {
namespace {

using testing::MainFormTest;

std::string answer_line(const RecordedAnswer& answer) {
  static const char* const kOutcomes[] = {"right", "misspelled", "wrong", "empty"};
  return std::to_string(answer.circle) + " " + answer.chord_type + " " + answer.tone + " '" +
         answer.given + "' " + answer.answer + " " + kOutcomes[static_cast<int>(answer.outcome)];
}

// Each answerable circle is recorded with its chord type and tone; the given circle is left out
// and the centre, shared by all four chords, is recorded once under none of them.
TEST_F(MainFormTest, CheckRecordsEachCircleTheLearnerCouldAnswerUntilTheHistoryFails) {
  form.Command_Check_Click();
  EXPECT_TRUE(history.recorded.empty()) << "no puzzle yet, nothing to record";
  queue_pass({"Dom9", "Maj9", "Min7_b9", "6/9"}, "C", 8);
  form.Create_Puzzle_Click();
  for (const auto& [circle, name] : {std::pair{15, "F"}, {6, "D#"}, {3, "A"}, {9, "C"}}) {
    form.circle_drop(circle, name);
  }
  clock.wall_seconds = 1796565910;
  form.Command_Check_Click();
  ASSERT_EQ(history.recorded.size(), 1U);
  const CheckRecord& check = history.recorded[0];
  EXPECT_EQ(std::to_string(check.time) + " " + check.level + " " + check.key, "1796565910 Expert C");
  std::vector<std::string> lines;
  for (const RecordedAnswer& answer : check.answers) lines.push_back(answer_line(answer));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "1 Min7_b9 root '' F empty",     "2 6/9 root '' F empty",
                       "3 Dom9 ninth 'A' G wrong",      "4 Min7_b9 third '' Ab empty",
                       "5 6/9 third '' A empty",        "6 Dom9 seventh 'D#' Eb misspelled",
                       "7 Maj9 root '' F empty",        "9  fifth 'C' C right",
                       "10 Maj9 seventh '' E empty",    "11 Maj9 ninth '' G empty",
                       "12 Dom9 third '' A empty",      "13 6/9 seventh '' D empty",
                       "14 Min7_b9 seventh '' Eb empty", "15 Dom9 root 'F' F right",
                       "16 6/9 ninth '' G empty",       "17 Min7_b9 ninth '' Gb empty"}));
  form.Option1_Click();
  form.Command_Check_Click();
  EXPECT_EQ(history.recorded.back().level, "Beginner");

  // A history that fails is told once, after the score, and asked nothing more for the run.
  windows.boxes.clear();
  history.record_failure = Failure{kHistoryFailed, "database or disk is full"};
  form.Command_Check_Click();
  history.record_failure = {};
  form.Command_Check_Click();
  EXPECT_EQ(history.recorded.size(), 2U);
  EXPECT_EQ(windows.texts(),
            (std::vector<std::string>{
                "You have 3 correct answers out of 17.(The First is always given!)",
                "Velmora could not record this Check in your practice history (database or disk "
                "is full). You can go on playing, but the rest of this run is not recorded.",
                "You have 3 correct answers out of 17.(The First is always given!)"}));
}

// A puzzle's answers count once, at its first Check; a revealed note counts as wrong with
// nothing given, whatever the circle holds later; a new puzzle starts afresh.
TEST_F(MainFormTest, AnswersCountOnceAndARevealedNoteAsMissed) {
  queue_pass({"Dom9", "Maj9", "Min7_b9", "6/9"}, "C", 9);
  form.Create_Puzzle_Click();
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    if (circle != 9) form.circle_drop(circle, circle_note(form.board().Circle_Notes, circle)->text());
  }
  form.clear_circle(15);
  ASSERT_TRUE(form.reveal_note(15));
  const auto outcomes = [&](const CheckRecord& check) {
    std::vector<std::string> parts{check.retry ? "retry:" : "first:"};
    for (const RecordedAnswer& answer : check.answers) {
      if (answer.outcome != Outcome::Right || answer.revealed) parts.push_back(answer_line(answer));
      if (answer.revealed) parts.emplace_back("revealed");
    }
    parts.push_back("of " + std::to_string(check.answers.size()));
    std::string text;
    for (const std::string& part : parts) text.append(text.empty() ? "" : " ").append(part);
    return text;
  };
  form.Command_Check_Click();
  form.Command_Check_Click();
  form.circle_drop(3, "Fx");
  form.circle_drop(15, "F");
  form.Command_Check_Click();
  queue_pass({"Dom9", "Maj9", "Min7_b9", "6/9"}, "C", 9);
  form.Create_Puzzle_Click();
  form.Command_Check_Click();
  std::vector<std::string> checks;
  for (const CheckRecord& check : history.recorded) checks.push_back(outcomes(check));
  EXPECT_EQ(checks, (std::vector<std::string>{
                        "first: 15 Dom9 root '' F wrong revealed of 16",
                        "retry: 15 Dom9 root '' F wrong revealed of 16",
                        "retry: 3 Dom9 ninth 'Fx' G misspelled 15 Dom9 root '' F wrong revealed of 16",
                        "first: 1 Min7_b9 root '' F empty 2 6/9 root '' F empty 3 Dom9 ninth '' G "
                        "empty 4 Min7_b9 third '' Ab empty 5 6/9 third '' A empty 6 Dom9 seventh "
                        "'' Eb empty 7 Maj9 root '' F empty 8 Maj9 third '' A empty 10 Maj9 "
                        "seventh '' E empty 11 Maj9 ninth '' G empty 12 Dom9 third '' A empty 13 "
                        "6/9 seventh '' D empty 14 Min7_b9 seventh '' Eb empty 15 Dom9 root '' F "
                        "empty 16 6/9 ninth '' G empty 17 Min7_b9 ninth '' Gb empty of 16"}));
}

// Values at the edges of each weight's share; a zero weight is skipped however the value falls.
TEST(WeightedDrawTest, EachIndexTakesItsShareOfTheValues) {
  const std::vector<double> weights{0, 1, 0, 3};
  for (const auto& [value, index] :
       {std::pair{0.0F, 1}, {0.2499F, 1}, {0.25F, 3}, {std::nextafter(1.0F, 0.0F), 3}}) {
    testing::ScriptedRandom random;
    random.values = {value};
    EXPECT_EQ(draw_weighted(weights, random), index) << value;
  }
}

// Four draws of the same value still give four types: a drawn type is out of the running for the
// star's other lines, however heavily it is weighted.
TEST(WeightedDrawTest, AStarNeverHoldsOneChordTypeTwice) {
  const FramedList types = Fill_Chord_Types(true);
  std::vector<double> weights(count_framed_entries(types) - 2, 1.0);
  weights[3] = 1000.0;
  testing::ScriptedRandom random;
  random.values = {0.5F, 0.5F, 0.5F, 0.5F};
  const ChordNames chords = choose_weighted_chords(types, weights, random);
  EXPECT_EQ(chords[0], types[4]);
  EXPECT_EQ(std::set<std::string>(chords.begin(), chords.end()).size(), 4U);
}

// A chord type and a key the learner keeps missing come up far more often than the rest, yet
// every other one still comes up, and the Beginner list still bounds the types.
TEST_F(MainFormTest, WeakSpotPracticeFavoursRecentMistakesAndExcludesNothing) {
  RecentTallies& recent = history.recent_to_give;
  for (int position = 1; position <= 27; ++position) {
    const std::string& name = form.chord_types()[position];
    recent.by_chord_type.push_back({name, name == "Dom9_sus" ? Tally{2, 6, 12, 0} : Tally{20}});
  }
  recent.by_key = {{"C", {0, 0, 15, 5}}, {"G", {40}}, {"F", {40}}};
  form.set_weak_spot_practice(true);
  random.queue_seeded(15, 200000);
  constexpr int kCreates = 4000;
  std::map<std::string, int> types, keys;
  for (int create = 0; create < kCreates; ++create) {
    form.Create_Puzzle_Click();
    for (const std::string& type : form.controls().hints) ++types[type];
    ++keys[circle_note(form.board().Circle_Notes, kCentreCircle)->text()];
  }
  ASSERT_EQ(types.size(), 27U);
  ASSERT_EQ(keys.size(), 15U);
  // Weights 0.05 + 19/22 and 0.05 + 1/22: three puzzles in four against one in eight.
  EXPECT_GT(types["Dom9_sus"], kCreates * 6 / 10);
  for (const auto& [type, count] : types) EXPECT_TRUE(type == "Dom9_sus" || count < kCreates / 4);
  // 0.05 + 16/17 for C, 0.05 + 1/42 for G and F, 0.55 unseen; redrawn boards thin some keys.
  for (const auto& [key, count] : keys) {
    EXPECT_TRUE(key == "C" || count < keys["C"] * 4 / 5) << key;
  }
  EXPECT_LT(keys["G"] + keys["F"], keys["C"] / 4);

  form.Option1_Click();
  std::set<std::string> beginner;
  for (int create = 0; create < 500; ++create) {
    form.Create_Puzzle_Click();
    beginner.insert(form.controls().hints.begin(), form.controls().hints.end());
  }
  const FramedList& level = form.chord_types();
  EXPECT_EQ(beginner, std::set<std::string>(level.begin() + 1, level.end() - 1));
}

}  // namespace
}  // namespace velmora
