#include <gtest/gtest.h>

#include <cstdlib>

#include "app/kept_history.h"
#include "fakes/main_form_fixture.h"
#include "platform/posix/seeded_random.h"

namespace velmora {
namespace {

RecordedAnswer answer(int circle, const char* chord_type, const char* tone, Outcome outcome) {
  return {circle, chord_type, tone, "", "C", outcome};
}

// Two Checks: on Sunday 2026-12-06, whose week began on Monday 2026-11-30, and a week before.
std::vector<CheckRecord> two_checks() {
  return {{1796565910, "Expert", "Eb",
           {answer(15, "Dom9", "root", Outcome::Right), answer(6, "Dom9", "seventh", Outcome::Misspelled),
            answer(9, "", "fifth", Outcome::Wrong)}},
          {1796565910 - 7 * 86400, "Beginner", "C",
           {answer(15, "Maj9", "root", Outcome::Empty), answer(3, "Dom9", "ninth", Outcome::Right)}}};
}

TEST(KeptHistoryTest, SumsItsChecksAsTheDesktopHistoryDoes) {
  setenv("TZ", "UTC", 1);
  tzset();
  KeptHistory history;
  for (const CheckRecord& check : two_checks()) ASSERT_TRUE(history.record(check).ok());
  const ProgressSummary summary = history.summary();
  EXPECT_EQ(summary.checks, 2);
  EXPECT_EQ(summary.total, (Tally{2, 1, 1, 1}));
  // The centre circle belongs to no chord type alone.
  EXPECT_EQ(summary.by_chord_type, (std::vector<TallyRow>{{"Dom9", {2, 1, 0, 0}}, {"Maj9", {0, 0, 0, 1}}}));
  EXPECT_EQ(summary.by_key, (std::vector<TallyRow>{{"C", {1, 0, 0, 1}}, {"Eb", {1, 1, 1, 0}}}));
  // Most often missed first.
  EXPECT_EQ(summary.by_tone, (std::vector<TallyRow>{{"fifth", {0, 0, 1, 0}},
                                                    {"seventh", {0, 1, 0, 0}},
                                                    {"root", {1, 0, 0, 1}},
                                                    {"ninth", {1, 0, 0, 0}}}));
  EXPECT_EQ(summary.by_week, (std::vector<TallyRow>{{"2026-11-23", {1, 0, 0, 1}},
                                                    {"2026-11-30", {1, 1, 1, 0}}}));
  // The latest three answers: the first Check's last two and the second's.
  const RecentTallies recent = history.recent(3);
  EXPECT_EQ(recent.by_key, (std::vector<TallyRow>{{"C", {1, 0, 0, 1}}, {"Eb", {0, 0, 1, 0}}}));
  EXPECT_EQ(recent.by_chord_type, (std::vector<TallyRow>{{"Dom9", {1, 0, 0, 0}}, {"Maj9", {0, 0, 0, 1}}}));
}

// Ten on the morning the clocks went forward, a Sunday: its week began on Monday the 23rd.
TEST(KeptHistoryTest, AWeekBeginsOnItsMondayAcrossSummerTime) {
  setenv("TZ", "Europe/Amsterdam", 1);
  tzset();
  EXPECT_EQ(week_of(1774771200), "2026-03-23");
  setenv("TZ", "UTC", 1);
  tzset();
}

TEST(KeptHistoryTest, ItsTextReadsBackLeavingOutWhatCannotBeRead) {
  KeptHistory history;
  for (const CheckRecord& check : two_checks()) ASSERT_TRUE(history.record(check).ok());
  const std::string text = history.text();
  const KeptHistory again = KeptHistory::read(text);
  EXPECT_EQ(again.text(), text);
  EXPECT_EQ(again.unreadable_lines(), 0);

  const KeptHistory damaged = KeptHistory::read(
      "A\t1\tDom9\troot\t\tC\t0\t0\n"         // an answer before any Check
      "C\t12\tExpert\tC\t0\r\n"
      "A\t18\tDom9\troot\t\tC\t0\t0\n"        // no such circle
      "A\t2\tDom9\troot\t\tC\t4\t0\n"         // no such outcome
      "A\t2\tDom9\troot\t\tC\t2\tyes\n"       // no such flag
      "C\tnoon\tExpert\tC\t0\n"
      "A\t2\tMaj9\tthird\tE\tE\t0\t0\n\n");
  EXPECT_EQ(damaged.text(), "C\t12\tExpert\tC\t0\nA\t2\tMaj9\tthird\tE\tE\t0\t0\n");
  EXPECT_EQ(damaged.unreadable_lines(), 5);
}

// A retry is kept and read back, but its answers are not counted again; a revealed note is
// named so in the CSV, which quotes only what needs it.
TEST(KeptHistoryTest, LeavesRetriesOutOfTheFiguresAndQuotesOnlyWhatNeedsIt) {
  KeptHistory history;
  RecordedAnswer revealed{2, "6/9", "root", "", "F", Outcome::Wrong, true};
  RecordedAnswer comma{3, "6/9", "third", "F,", "A", Outcome::Wrong};
  ASSERT_TRUE(history.record({0, "Expert", "C", {revealed, comma}, false}).ok());
  ASSERT_TRUE(history.record({60, "Expert", "C", {answer(2, "6/9", "root", Outcome::Right)}, true}).ok());
  const ProgressSummary summary = history.summary();
  EXPECT_EQ(summary.checks, 1);
  EXPECT_EQ(summary.retries, 1);
  EXPECT_EQ(summary.total, (Tally{0, 0, 2, 0}));
  EXPECT_EQ(history.recent(10).by_key, (std::vector<TallyRow>{{"C", {0, 0, 2, 0}}}));
  EXPECT_EQ(history.csv(),
            "time,level,key,circle,chord type,tone,given,answer,outcome\r\n"
            "1970-01-01T00:00:00Z,Expert,C,2,6/9,root,,F,revealed\r\n"
            "1970-01-01T00:00:00Z,Expert,C,3,6/9,third,\"F,\",A,wrong\r\n");
  const KeptHistory again = KeptHistory::read(history.text());
  EXPECT_EQ(again.csv(), history.csv());
  EXPECT_EQ(again.text(), history.text());
}

// The page draws its boards with this generator too; its browser test expects the same notes.
TEST(SeededBoardTest, TheSameSeedDrawsTheSameBoard) {
  testing::MainFormOnFakes fakes;
  SeededRandom seeded(20261207);
  MainForm form{Platform{fakes.windows, seeded, fakes.clock, fakes.midi, fakes.printer,
                         fakes.answer_log, nullptr}};
  form.Form_Load();
  form.Option2_Click();
  form.Create_Puzzle_Click();
  std::string notes;
  for (const std::optional<NoteName>& note : form.board().Circle_Notes) {
    notes += (note ? note->text() : "-") + " ";
  }
  for (const std::string& chord : form.board().chords) notes += chord + " ";
  EXPECT_EQ(notes,
            "Fb Eb F Ab Gb D Fb Abb Bb Ebb Gbb G C Ebb E F Gb "
            "Min7_b5_b9 Min7_#4_b9 Dom9_#4 Min6/9 ");
}

}  // namespace
}  // namespace velmora
