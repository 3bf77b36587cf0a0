#include "app/progress_text.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ProgressTextTest, PercentsRoundToTheNearestButOnlyAllIsHundredAndOnlyNoneIsZero) {
  const struct {
    int part;
    int whole;
    int percent;
  } cases[] = {{3, 4, 75},     {1, 3, 33},  {2, 3, 67}, {1, 8, 13}, {199, 200, 99},
               {1, 200, 1},    {1, 1000, 1}, {200, 200, 100}, {0, 200, 0}, {0, 0, 0}, {5, 0, 0},
               {2000000000, 2000000000, 100}, {1999999999, 2000000000, 99}};
  for (const auto& c : cases) {
    EXPECT_EQ(whole_percent(c.part, c.whole), c.percent) << c.part << " of " << c.whole;
  }
}

TEST(ProgressTextTest, ASummaryReadsAsLinesOfWords) {
  ProgressSummary summary;
  summary.checks = 3;
  summary.total = {34, 6, 7, 4};
  summary.by_chord_type = {{"Maj9", {12, 2, 1, 1}}, {"Dom7_b5_b9", {1, 1, 1, 0}}, {"Min9", {}}};
  summary.by_key = {{"Ab", {4, 3, 1, 0}}, {"C#", {30, 3, 6, 4}}};
  summary.by_tone = {{"ninth", {2, 3, 4, 1}}, {"root", {12, 0, 0, 0}}};
  summary.by_week = {{"2026-11-23", {6, 2, 1, 1}}, {"2026-12-07", {28, 4, 6, 3}}};
  const ProgressText text = progress_text(summary);
  const std::vector<ChartPoint> kinds = {
      {"Right", 67}, {"Right pitch, wrong spelling", 12}, {"Wrong", 14}, {"Empty", 8}};
  EXPECT_EQ(text.classes.points, kinds);
  const std::vector<ChartPoint> tones = {{"Ninth", 80}, {"Root", 0}};
  EXPECT_EQ(text.tones.points, tones);
  const std::vector<ChartPoint> weeks = {{"23 Nov", 60}, {"7 Dec", 68}};
  EXPECT_EQ(text.weeks.points, weeks);
  EXPECT_EQ(plain_text(text),
            "51 answers in 3 checks: 67% right.\n"
            "\n"
            "Accuracy per chord type\n"
            "  Maj9: 75% right (12 of 16)\n"
            "  Dom7_b5_b9: 33% right (1 of 3)\n"
            "  Min9: no answers\n"
            "\n"
            "Accuracy per key\n"
            "  Ab: 50% right (4 of 8)\n"
            "  C#: 70% right (30 of 43)\n"
            "\n"
            "Answers by kind\n"
            "  Right: 67% (34 of 51)\n"
            "  Right pitch, wrong spelling: 12% (6 of 51)\n"
            "  Wrong: 14% (7 of 51)\n"
            "  Empty: 8% (4 of 51)\n"
            "\n"
            "Tones most often missed\n"
            "  Ninth: 80% missed (8 of 10)\n"
            "  Root: 0% missed (0 of 12)\n"
            "\n"
            "Trend over the last weeks\n"
            "  Up from 60% to 68% right since the week of 2026-11-23.\n"
            "  Week of 2026-11-23: 60% right (10 answers)\n"
            "  Week of 2026-12-07: 68% right (41 answers)\n");
}

TEST(ProgressTextTest, OneAnswerOneCheckAndOneWeekAndTheTrendEitherWay) {
  ProgressSummary summary;
  EXPECT_EQ(summary_text(summary),
            "No answers are recorded yet. Create a puzzle, fill in the circles and press Check: "
            "your progress will show here.\n");
  summary.checks = 1;
  summary.total = {0, 1, 0, 0};
  summary.by_week = {{"2026-01-05", {0, 1, 0, 0}}};
  const ProgressText one = progress_text(summary);
  EXPECT_EQ(one.overview, "1 answer in 1 check: 0% right.");
  EXPECT_EQ(summary_text(summary).substr(0, 32), "1 answer in 1 check: 0% right.\n\n");
  EXPECT_EQ(one.weeks.lines, std::vector<std::string>{"Week of 2026-01-05: 0% right (1 answer)"});
  EXPECT_EQ(one.weeks.points, (std::vector<ChartPoint>{{"5 Jan", 0}}));
  // Retries follow the counted figures, which still lead.
  for (const auto& [retries, overview] :
       {std::pair{1, "1 answer in 1 check: 0% right. 1 later Check of the same puzzle is not "
                     "counted again."},
        {2, "1 answer in 1 check: 0% right. 2 later Checks of the same puzzles are not counted "
            "again."}}) {
    summary.retries = retries;
    EXPECT_EQ(progress_text(summary).overview, overview);
  }

  summary.by_week = {{"2026-11-16", {3, 1, 0, 0}}, {"2026-11-23", {1, 1, 0, 0}},
                     {"2026-11-30", {1, 1, 0, 0}}};
  EXPECT_EQ(progress_text(summary).weeks.lines.front(),
            "Down from 75% to 50% right since the week of 2026-11-16.");
  summary.by_week.front().tally = {2, 2, 0, 0};
  EXPECT_EQ(progress_text(summary).weeks.lines.front(),
            "Steady at 50% right since the week of 2026-11-16.");
}

}  // namespace
}  // namespace velmora
