#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "worksheet/answer_log_reader.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;

// One block as a worksheet run writes it: Cb Dom7_#5_b9, C Maj9, C Dom9 and C Min7_b9 around G.
constexpr std::string_view kBlock =
    "12/06/26-118:02:06Dom7_#5_b9CbEb GBbbDbb\r\n"
    "12/06/26-118:02:06Maj9 C E G B D\r\n"
    "12/06/26-118:02:07Dom9 C E GBb D\r\n"
    "12/06/26-118:02:07Min7_b9 CEb GBbDb\r\n"
    "\r\n";

// The four records of kBlock after another star label and time, with the given line end.
std::string block_after(std::string_view label_and_time, std::string_view line_end = "\r\n") {
  const char* chords[] = {"Dom7_#5_b9CbEb GBbbDbb", "Maj9 C E G B D", "Dom9 C E GBb D",
                          "Min7_b9 CEb GBbDb"};
  std::string block;
  for (const char* chord : chords) block.append(label_and_time).append(chord).append(line_end);
  return block.append(line_end);
}

struct DamagedLog {
  const char* name;
  std::string text;
  std::vector<std::string> stars;     // "<date>-<n> <time> @<line>"
  std::vector<std::string> problems;  // "line <n>: " and a part of the reason
};

void PrintTo(const DamagedLog& log, std::ostream* out) { *out << log.name; }

std::vector<std::string> stars_of(const AnswerLogReading& reading) {
  std::vector<std::string> found;
  for (const LoggedStar& star : reading.stars) {
    found.push_back(star.date + "-" + std::to_string(star.star) + " " + star.time + " @" +
                    std::to_string(star.line));
  }
  return found;
}

const DamagedLog kDamagedLogs[] = {
    {"AsWritten",
     std::string(kBlock) + std::string(kBlock),
     {"12/06/26-1 18:02:06 @1", "12/06/26-1 18:02:06 @6"},
     {}},
    {"LfLinesDottedDateAndTimeNoFinalNewline",
     "6.12.2026-39.05.03Maj9 C E G B D\n6.12.2026-39.05.03Dom9 C E GBb D\n"
     "6.12.2026-39.05.03Min7_b9 CEb GBbDb\n6.12.2026-39.05.04Dom9_sus C F GBb D",
     {"6.12.2026-3 9.05.03 @1"},
     {}},
    {"IsoDateTwelveHourClockBlanksAndBom",
     "\xEF\xBB\xBF 2026-12-06-607:15:00 PM Dom9_sus2 C D G Bb D  \r\n\r\n\r\n"
     "2026-12-06-607:15:00 PMDom9_sus C F GBb D\r\n2026-12-06-607:15:01 PMMaj9\t C E G B D\r\n"
     "2026-12-06-607:15:01 PMDom9 C E GBb D\r\n2026-12-06-607:15:01 PMDom9_sus2 C D GBb D\r\n",
     {"2026-12-06-6 07:15:00 PM @4"},
     {"line 1: star 2026-12-06-6 has 1 of its 4 chord lines"}},
    {"CrCrLfLinesOfAMailProgram",
     block_after("12/06/26-118:02:06", "\r\r\n"),
     {"12/06/26-1 18:02:06 @1"},
     {}},
    {"DatesAndTimesInTheWordsOfOtherLocales",
     block_after("2026\u5e7412\u670807\u65e5-214\u664205\u520612\u79d2") +
         block_after("07 \u062f\u064a\u0633, 2026-3UTC 02:57:57 \u0635") +
         block_after("07.12.2026-514:05:12") +
         block_after("2026\ub144 12\uc6d4-6\u0661\u0664:\u0660\u0665"),
     {"2026\u5e7412\u670807\u65e5-2 14\u664205\u520612\u79d2 @1",
      "07 \u062f\u064a\u0633, 2026-3 UTC 02:57:57 \u0635 @6", "07.12.2026-5 14:05:12 @11",
      "2026\ub144 12\uc6d4-6 \u0661\u0664:\u0660\u0665 @16"},
     {}},
    {"NoTimeBetweenStarAndChord",
     block_after("12/06/26-1"),
     {},
     {"line 1: no time of day", "line 2: no time of day", "line 3: no time of day",
      "line 4: no time of day"}},
    {"CutOffMidRecord",
     std::string(kBlock.substr(0, kBlock.size() - 8)),
     {},
     {"line 1: star 12/06/26-1 has 3 of its 4", "line 4: Min7_b9: only 3 of the five notes"}},
    {"HandEditedNote",
     "12/06/26-118:02:06Dom7_#5_b9CbEb GBbbDbb\r\n12/06/26-118:02:06Maj9 C E GBb D\r\n"
     "12/06/26-118:02:07Dom9 C E GBb D\r\n12/06/26-118:02:07Min7_b9 CEb GBbDb\r\n",
     {},
     {"line 1: star 12/06/26-1 has 3", "line 2: the notes C E G Bb D do not spell Maj9 around G"}},
    {"BlocksWithoutEmptyLineBetween",
     std::string(kBlock.substr(0, kBlock.size() - 2)) + std::string(kBlock),
     {"12/06/26-1 18:02:06 @1", "12/06/26-1 18:02:06 @5"},
     {}},
    {"RecordsOfAnotherStarMixedIn",
     "12/06/26-118:02:06Dom7_#5_b9CbEb GBbbDbb\n12/06/26-118:02:06Maj9 C E G B D\n"
     "12/06/26-118:02:07Dom9 C E GBb D\n12/06/26-118:02:07Maj9 F A C E G\n",
     {},
     {"line 1: the chord lines of star 12/06/26-1 do not share one centre note"}},
    {"LinesNoRunWrites",
     "Worksheets of class 3b\n12/06/26-718:02:06Maj9 C E G B D\n12/06/26-118:72:06Maj9 C E G B D\n"
     "-118:02:06Maj9 C E G B D\n12/06/26-118:02:06Maj7 C E G B D\n12/06/26-118:02:06Maj9 C E G B "
     "D##\n"
     "12/06/26-118:02:06Maj9 C E G B D E\n12/06/26-118:02:06Maj9 c E G B D\n"
     "12/06/26-124:02:06Maj9 C E G B D\n12/06/26-118:02:06Maj9 C E G B\n",
     {},
     {"line 1: no time of day", "line 2: star number 1 to 6", "line 3: the time 18:72:06 is not",
      "line 4: no date", "line 5: no chord type",
      "line 6: Maj9: 'D##' is not a note: a double sharp is written x",
      "line 7: Maj9: more than five notes", "line 8: Maj9: 'c' is not a note",
      "line 9: the time 24:02:06 is not", "line 10: Maj9: only 4 of the five notes"}},
    {"LeapSecondBeforeMidnight",
     "12/06/26-123:59:60Dom7_#5_b9CbEb GBbbDbb\r\n12/06/26-123:59:60Maj9 C E G B D\r\n"
     "12/06/26-123:59:60Dom9 C E GBb D\r\n12/06/26-123:59:60Min7_b9 CEb GBbDb\r\n",
     {"12/06/26-1 23:59:60 @1"},
     {}},
};

class DamagedLogTest : public ::testing::TestWithParam<DamagedLog> {};

TEST_P(DamagedLogTest, ReadsWholeStarsAndReportsTheRestByLine) {
  const AnswerLogReading reading = read_answer_log(GetParam().text);
  EXPECT_EQ(stars_of(reading), GetParam().stars);
  ASSERT_EQ(reading.problems.size(), GetParam().problems.size());
  for (std::size_t i = 0; i < reading.problems.size(); ++i) {
    EXPECT_THAT(describe(reading.problems[i]), HasSubstr(GetParam().problems[i]));
  }
}

INSTANTIATE_TEST_SUITE_P(AnswerLog, DamagedLogTest, ::testing::ValuesIn(kDamagedLogs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerLogTest, AStarHoldsItsKeyChordsAndEveryCircle) {
  const AnswerLogReading reading = read_answer_log(kBlock);
  ASSERT_EQ(reading.stars.size(), 1U);
  const LoggedStar& star = reading.stars.front();
  EXPECT_EQ(star.key.text(), "G");
  EXPECT_EQ(star.board.chords, (ChordNames{"Dom7_#5_b9", "Maj9", "Dom9", "Min7_b9"}));
  std::string circles;
  for (const auto& note : star.board.Circle_Notes) circles += note->text() + " ";
  // Circles 1..17: line 3 runs 1 4 9 14 17, line 4 2 5 9 13 16, line 1 15 12 9 6 3, line 2 7..11.
  EXPECT_EQ(circles, "C C Dbb E Eb Bbb C E G B D Eb Bb Bb Cb Db D ");
}

}  // namespace
}  // namespace velmora
