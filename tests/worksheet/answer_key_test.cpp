#include "worksheet/answer_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "fakes/main_form_fixture.h"
#include "platform/posix/seeded_random.h"
#include "worksheet/worksheet_batch.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;
using Texts = std::vector<std::string>;

// Where circle n's note begins, from its star's centre.
constexpr Offset kNoteAt[] = {
    {-1250, -1200}, {-250, -1300}, {850, -1200}, {-850, -675}, {-250, -675}, {400, -675},
    {-1400, -100},  {-850, -100},  {-250, -100}, {400, -100},  {950, -100},  {-850, 500},
    {-250, 500},    {400, 500},    {-1250, 950}, {-250, 1100}, {850, 950}};
// Each chord line's circles, root first.
constexpr int kLines[4][5] = {
    {15, 12, 9, 6, 3}, {7, 8, 9, 10, 11}, {1, 4, 9, 14, 17}, {2, 5, 9, 13, 16}};

struct KeyedStar {
  std::array<std::string_view, 4> chords;
  std::string_view key;
  // The four chords as a musician spells them, root first, around the key in the middle.
  std::array<Texts, 4> spelled;
};

const KeyedStar kStars[] = {
    {{"Dom9", "Maj9_#5", "Min7_b5_b9", "Dom9_#4"},
     "F",
     {{{"Bb", "D", "F", "Ab", "C"},
       {"Bbb", "Db", "F", "Ab", "Cb"},
       {"B", "D", "F", "A", "C"},
       {"Cb", "Eb", "F", "Bbb", "Db"}}}},
    {{"Min6/9", "Dom7_#9", "Min9_maj7", "6/9"},
     "Eb",
     {{{"Ab", "Cb", "Eb", "F", "Bb"},
       {"Ab", "C", "Eb", "Gb", "B"},
       {"Ab", "Cb", "Eb", "G", "Bb"},
       {"Ab", "C", "Eb", "F", "Bb"}}}},
};

class BatchTest : public ::testing::Test, protected testing::MainFormOnFakes {
 protected:
  // One star's draws: four chord types, the key, the circle whose note is given.
  void queue_star(const KeyedStar& star) {
    for (std::string_view chord : star.chords)
      random.values.push_back(value_for(chord_types, chord));
    random.values.push_back(value_for(keys, star.key));
    random.values.push_back(0.0F);
  }

  Status run(int sheets, std::uint64_t seed = 0) {
    return run_worksheet_batch(
        {sheets, keys, chord_types, answer_log,
         seeded ? static_cast<Random&>(seeded_random) : random, clock,
         [this](int) -> Printer& { return printer; },
         [this, sheets, seed](const std::vector<std::string>& logged) -> Status {
           std::string text;
           for (const std::string& line : logged) text += line + "\n";
           reading = read_answer_log(text);
           PageGeometry geometry;
           if (Status status = lay_out_page(printer.page, style, geometry); !status.ok()) {
             return status;
           }
           pages.clear();
           AnswerKeyLayout layout(geometry, KeyBatch{sheets, seed}, [this](const MarkedPage& page) {
             pages.push_back(page);
             return Status();
           });
           for (const LoggedStar& star : reading.stars) {
             if (Status status = layout.add(star); !status.ok()) return status;
           }
           if (Status status = layout.finish(); !status.ok()) return status;
           return finish_failure ? Status(Failure{9, "disk full"}) : Status();
         },
         centre_question, false, style, seed});
  }

  std::map<std::pair<int, int>, std::string> texts_on(int page) const {
    std::map<std::pair<int, int>, std::string> texts;
    for (const PageMark& mark : pages.at(page)) {
      if (mark.kind == PageMark::Kind::Text) texts[{mark.at.x, mark.at.y}] = mark.text;
    }
    return texts;
  }

  Texts sheet_texts() const {
    Texts texts;
    for (const auto& text : printer.of_kind(RecordingPrinter::Kind::Text))
      texts.push_back(text.text);
    return texts;
  }

  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types(true);
  SeededRandom seeded_random{20261206};
  bool seeded = false;
  bool finish_failure = false;
  PageStyle style = PageStyle::Standard;
  bool centre_question = false;
  AnswerLogReading reading;
  std::vector<MarkedPage> pages;
};

// On the window's page each note stands at its own place and the time after the star's label; on
// the classroom page, its lines drawn, in the middle of its circle 1.4 times as far from the
// centre, and the time beside circle 2.
TEST_F(BatchTest, TheKeyFillsEveryCircleWithTheChordsAsSpelledAroundTheLoggedKey) {
  constexpr Offset kCircleAt[] = {
      {-1050, -1050}, {0, -1200}, {1050, -1050}, {-600, -600}, {0, -600}, {600, -600},
      {-1200, 0},     {-600, 0},  {0, 0},        {600, 0},     {1200, 0}, {-600, 600},
      {0, 600},       {600, 600}, {-1050, 1050}, {0, 1200},    {1050, 1050}};
  for (const bool classroom : {false, true}) {
    SCOPED_TRACE(classroom ? "classroom" : "window's page");
    style = classroom ? PageStyle::Classroom : PageStyle::Standard;
    clock = {};
    for (int star = 0; star < 6; ++star) queue_star(kStars[star % 2]);
    ASSERT_TRUE(run(1, 5).ok());
    ASSERT_EQ(pages.size(), 1U);
    const auto texts = texts_on(0);
    // Heading, sheet and footer; each star's 17 circles, 4 chord names, 17 notes, label (and the
    // classroom's 20 line pieces and time).
    EXPECT_EQ(pages[0].size(), 3U + 6 * 39 + (classroom ? 6 * 21 : 0));
    EXPECT_EQ(std::count_if(pages[0].begin(), pages[0].end(),
                            [](const PageMark& mark) { return mark.kind == PageMark::Kind::Line; }),
              classroom ? 6 * 20 : 0);
    // Letter: the classroom's left column at 2620, its top row at 3430, 5600 twips apart.
    for (int star = 0; star < 2; ++star) {
      const int x = classroom ? 2620 + star * 5600 : 3320 + star * 5000;
      const int y = classroom ? 3430 : 2920;
      const std::string label = "6-12-2026-" + std::to_string(star + 1);
      const std::string time = "14:05:" + std::to_string(10 + star * 4);
      if (classroom) {
        EXPECT_EQ(texts.at({x - 1816, y - 2086}), label);
        EXPECT_EQ(texts.at({x + 406, y - 2086}), time);
      } else {
        EXPECT_EQ(texts.at({x - 500, y - 1800}), label + " " + time);
      }
      for (int line = 0; line < 4; ++line) {
        Texts found;
        for (int circle : kLines[line]) {
          const Offset at = kCircleAt[circle - 1];
          const std::string& note =
              classroom ? texts.at({x + at.dx * 14 / 10 - 190, y + at.dy * 14 / 10 - 115})
                        : texts.at({x + kNoteAt[circle - 1].dx, y + kNoteAt[circle - 1].dy});
          found.push_back(note.substr(note.find_first_not_of(' ')));
        }
        EXPECT_EQ(found, kStars[star].spelled[line]) << "star " << star + 1 << " line " << line + 1;
      }
    }
  }
}

// Each sheet and its key page say which of the batch they are; with the window's "Center
// Question" every star of every sheet gives its centre note.
TEST_F(BatchTest, TheSameSeedGivesTheSameNumberedLogAndPages) {
  seeded = true;
  ASSERT_TRUE(run(2, 4711).ok());
  const Texts first_lines = answer_log.lines;
  const Texts first_texts = sheet_texts();
  ASSERT_EQ(first_lines.size(), 60U);
  Texts on_sheets;
  for (const auto& text : printer.of_kind(RecordingPrinter::Kind::Text)) {
    if (text.x == 100 && text.y == 440) on_sheets.push_back(text.text);
  }
  EXPECT_EQ(on_sheets, (Texts{"Sheet 1 of 2 \u00b7 seed 4711", "Sheet 2 of 2 \u00b7 seed 4711"}));
  ASSERT_EQ(pages.size(), 2U);
  EXPECT_EQ(texts_on(0).at({100, 440}), "Sheet 1 of 2 \u00b7 seed 4711");
  EXPECT_EQ(texts_on(1).at({100, 440}), "Sheet 2 of 2 \u00b7 seed 4711");
  answer_log.lines.clear();
  printer.operations.clear();
  clock = {};
  seeded_random = SeededRandom(20261206);
  ASSERT_TRUE(run(2, 4711).ok());
  EXPECT_EQ(answer_log.lines, first_lines);
  EXPECT_EQ(sheet_texts(), first_texts);
  EXPECT_EQ(reading.stars.size(), 12U);

  answer_log.lines.clear();
  printer.operations.clear();
  seeded_random = SeededRandom(20261207);
  clock = {};
  centre_question = true;
  ASSERT_TRUE(run(2).ok());
  EXPECT_NE(answer_log.lines, first_lines);
  int given_centres = 0;
  for (const auto& text : printer.of_kind(RecordingPrinter::Kind::Text)) {
    for (int star = 0; star < 6; ++star) {
      given_centres += text.x == 3320 + star % 2 * 5000 - 250 &&
                       text.y == 2920 + star / 2 * 5000 - 100;
    }
  }
  EXPECT_EQ(given_centres, 12);
}

TEST_F(BatchTest, AFailureAnywhereTakesEveryBlockOfTheBatchOutOfTheLog) {
  seeded = true;
  answer_log.lines = {"an earlier run's line"};
  printer.fail_kind = RecordingPrinter::Kind::End;
  printer.fail_at = 3;
  const Status failed = run(4);
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.failure().description, "Worksheet 3 of 4 failed: Printer error (error 482)");
  EXPECT_EQ(answer_log.lines, Texts{"an earlier run's line"});

  printer.fail_at = 0;
  answer_log.fail_write = 31;
  EXPECT_EQ(run(2).failure().description, "No space left on device");
  EXPECT_EQ(answer_log.lines, Texts{"an earlier run's line"});

  answer_log.fail_write = 0;
  finish_failure = true;
  EXPECT_EQ(run(1).failure().description, "disk full");
  EXPECT_EQ(answer_log.lines, Texts{"an earlier run's line"});
}

}  // namespace
}  // namespace velmora
