#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;
using Kind = RecordingPrinter::Kind;
using Texts = std::vector<std::string>;

constexpr Twips kMax = std::numeric_limits<Twips>::max();

// From a star's centre, circle by circle: where it is drawn and where its given note begins.
constexpr Offset kCircles[] = {
    {-1050, -1050}, {0, -1200}, {1050, -1050}, {-600, -600}, {0, -600}, {600, -600},
    {-1200, 0},     {-600, 0},  {0, 0},        {600, 0},     {1200, 0}, {-600, 600},
    {0, 600},       {600, 600}, {-1050, 1050}, {0, 1200},    {1050, 1050}};
constexpr Offset kGivenNotes[] = {
    {-1250, -1200}, {-250, -1300}, {850, -1200}, {-850, -675}, {-250, -675}, {400, -675},
    {-1400, -100},  {-850, -100},  {-250, -100}, {400, -100},  {950, -100},  {-850, 500},
    {-250, 500},    {400, 500},    {-1250, 950}, {-250, 1100}, {850, 950}};
// Chord_1 .. Chord_4, each star's chords, beyond circles 3, 11, 17 and 16; the star's label above.
constexpr std::pair<Offset, const char*> kChordNames[] = {{{1500, -1500}, "Dom7_#5_b9"},
    {{1600, -100}, "Maj9"}, {{1500, 1500}, "Dom9"}, {{-350, 1600}, "Min9"}};
constexpr Offset kLabel = {-500, -1800};

// Each star of a run: Cb Dom7_#5_b9, C Maj9, C Dom9 and C Min9 around the centre G, drawn after
// a first key, Db, that would spell Abbb; star n gives circle kGiven[n - 1].
constexpr int kGiven[] = {3, 15, 4, 9, 17, 12};
// Circle by circle, the notes as sheets and logs write them.
const Texts kNotes = {" C", " C", "Dbb", " E", "Eb", "Bbb", " C", " E", " G",
                      " B", " D", "Eb",  "Bb", "Bb", "Cb", " D", " D"};

// A puzzle in progress (so "Create" alone would ask), the six stars' draws, then the next puzzle's.
class WorksheetTest : public testing::MainFormTest {
 protected:
  WorksheetTest() {
    queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
    form.Create_Puzzle_Click();
    for (int given : kGiven) {
      queue_pass({"Dom7_#5_b9", "Maj9", "Dom9", "Min9"}, "Db", given);
      random.values.insert(random.values.end() - 1, value_for(Fill_Key_Tables(), "G"));
    }
    random.queue_seeded(20260612, 1000);
  }

  // The stars stand in three rows of two, 5000 twips apart.
  TwipPoint centre(int star) const {
    return {first_centre.x + (star - 1) % 2 * 5000, first_centre.y + (star - 1) / 2 * 5000};
  }

  Texts texts_at(TwipPoint at) const {
    Texts found;
    for (const auto& text : printer.of_kind(Kind::Text)) {
      if (text.x == at.x && text.y == at.y) found.push_back(text.text);
    }
    return found;
  }

  TwipPoint first_centre;
};

// The printer fails the at-th operation of kind printer_fails (at 0: none); failure.number is 0
// when the run succeeds; log_lines are kept when it succeeds, dropped again when it fails.
struct RunCase {
  const char* name; PageSize page; bool centre_question; Kind printer_fails;
  int at, log_fails_at_line; Failure failure; std::size_t log_lines;
  TwipPoint first_centre = {3320, 2920};  // as on US Letter
};

class WorksheetRunTest : public WorksheetTest, public ::testing::WithParamInterface<RunCase> {};

// Each star is logged before its label is printed and the next star drawn; a failure stops the
// run, drops its blocks, aborts the page and is shown. The puzzle is then recreated unasked.
TEST_P(WorksheetRunTest, PrintsTheFixedTextsAll102CirclesAndTheStarsUntilAnyFailure) {
  const RunCase& c = GetParam();
  first_centre = c.first_centre;
  printer.page = c.page;
  printer.fail_kind = c.printer_fails;
  printer.fail_at = c.at;
  printer.failure = c.failure;
  answer_log.fail_write = c.log_fails_at_line;
  form.set_centre_question(c.centre_question);
  // A star's block is closed before its label, the sixth text of the star, is printed.
  std::vector<std::size_t> texts_at_close;
  answer_log.on_close = [&] { texts_at_close.push_back(printer.of_kind(Kind::Text).size()); };
  form.WorkSheet_cmd_Click();

  const bool failed = c.failure.number != 0;
  ASSERT_EQ(windows.boxes.size(), failed ? 2U : 1U) << "the question, any failure, no more";
  EXPECT_EQ(form.correct_count(), 0);
  EXPECT_EQ(printer.aborts, failed ? 1 : 0);
  EXPECT_EQ(printer.of_kind(Kind::End).size(), failed && c.printer_fails != Kind::End ? 0U : 1U);
  if (failed) {
    EXPECT_EQ(
        windows.boxes[1].text,
        "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) " +
            c.failure.description + " " + std::to_string(c.failure.number));
    EXPECT_EQ(windows.boxes[1].icon, Icon::Critical);
    EXPECT_TRUE(c.at == 0 || printer.operations.back().kind == c.printer_fails) << "went on";
  } else {
    std::string kinds;  // Begin, the two fixed texts, the circles star by star, 36 texts, End
    for (const auto& op : printer.operations) kinds += "BTCE"[static_cast<int>(op.kind)];
    ASSERT_EQ(kinds, "BTT" + std::string(102, 'C') + std::string(36, 'T') + "E");
    const auto circles = printer.of_kind(Kind::Circle);
    for (int i = 0; i < 102; ++i) {
      const TwipPoint at = centre(i / kCircleCount + 1) + kCircles[i % kCircleCount];
      EXPECT_EQ((TwipPoint{circles[i].x, circles[i].y}), at);
      EXPECT_EQ(circles[i].size, 300);
    }
    for (const auto& text : printer.of_kind(Kind::Text)) EXPECT_EQ(text.size, 10) << text.text;
    const Twips footer_y = static_cast<Twips>(c.page.height - 1200);
    EXPECT_EQ(texts_at({100, footer_y}), Texts{"Worksheet created by Velmora"});
    EXPECT_EQ(texts_at({100, 200}),
              Texts{"Work your way tru these chords in left/right or up/down direction."});
  }

  const Texts& logged = failed ? answer_log.dropped : answer_log.lines;
  ASSERT_EQ(logged.size(), c.log_lines);
  EXPECT_EQ(answer_log.lines.size(), failed ? 0U : 30U);
  for (std::size_t star = 1; star <= texts_at_close.size(); ++star) {
    EXPECT_EQ(texts_at_close[star - 1], 6 * star + 1) << "star " << star;
  }
  for (int star = 1; star <= static_cast<int>(c.log_lines) / 5; ++star) {
    SCOPED_TRACE(star);
    const std::string label = "6-12-2026-" + std::to_string(star);
    // Each record reads the clock afresh.
    const auto at = [&](int line) {
      return label + "14:05:" + std::to_string(10 + (star - 1) * 4 + line);
    };
    EXPECT_EQ(Texts(logged.begin() + (star - 1) * 5, logged.begin() + star * 5),
              (Texts{at(0) + "Dom7_#5_b9CbEb GBbbDbb", at(1) + "Maj9 C E G B D",
                     at(2) + "Dom9 C E GBb D", at(3) + "Min9 CEb GBb D", ""}));
    for (const auto& [offset, chord] : kChordNames) {
      EXPECT_EQ(texts_at(centre(star) + offset), Texts{chord});
    }
    const int given = c.centre_question ? kCentreCircle : kGiven[star - 1];
    EXPECT_EQ(texts_at(centre(star) + kGivenNotes[given - 1]), Texts{kNotes[given - 1]});
    EXPECT_EQ(texts_at(centre(star) + kLabel), Texts{label});
  }
}

constexpr PageSize kLetter{12240, 15840};
const Failure kPrinterError{482, "Printer error"};
const std::string kTooLarge = "The page is too large to lay out the worksheet ";

// On the largest page every place is still exact, far beyond 16 bits: an odd width loses its
// half, an odd height's half goes to the even neighbour. Star 4's label, the 26th text, comes
// after its block; star 4's block starts at the log's 16th line. A failed run's log lines are
// those it wrote before the failure, all dropped again.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, WorksheetRunTest, ::testing::Values(
    RunCase{"Letter", kLetter, false, Kind::Begin, 0, 0, {}, 30},
    RunCase{"LargestPageCenterQuestion", {kMax, kMax}, true, Kind::Begin, 0, 0, {}, 30,
            {kMax / 2 - 2800, kMax / 2 - 4999}},
    RunCase{"Canceled", kLetter, false, Kind::Begin, 1, 0, {1, "Canceled by the user"}, 0},
    RunCase{"TooWide", {1LL << 40, 15840}, false, Kind::Begin, 0, 0,
            {2, kTooLarge + "(1099511627776 x 15840 twips)"}, 0},
    RunCase{"NoSize", {0, 15840}, false, Kind::Begin, 0, 0,
            {2, "The printer reports a page without size (0 x 15840 twips)"}, 0},
    RunCase{"TooHigh", {12240, 1LL << 31}, false, Kind::Begin, 0, 0,
            {2, kTooLarge + "(12240 x 2147483648 twips)"}, 0},
    RunCase{"OnStar4sLabel", kLetter, false, Kind::Text, 26, 0, kPrinterError, 20},
    RunCase{"LogWriteInStar4", kLetter, false, Kind::Begin, 0, 17, {5, "No space left on device"}, 15},
    RunCase{"PageNotSent", kLetter, false, Kind::End, 1, 0, kPrinterError, 30}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// "Classroom sheet…" asks as Work Sheet does, prints the classroom page with the same draws and
// records, and puts a new puzzle up unasked.
TEST_F(WorksheetTest, TheClassroomSheetPrintsTheClassroomPageAsWorkSheetDoes) {
  form.classroom_sheet_click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "This action will create some work sheets on your printer");
  EXPECT_EQ(printer.of_kind(Kind::Line).size(), 120U);
  EXPECT_EQ(printer.of_kind(Kind::Text)[2].text.substr(0, 5), "Name:");
  ASSERT_EQ(answer_log.lines.size(), 30U);
  EXPECT_EQ(answer_log.lines[1], "6-12-2026-114:05:11Maj9 C E G B D");
  EXPECT_EQ(form.correct_count(), 0);
}

// Whichever circle is given, its note alone is printed, in its worksheet form, at its own place.
TEST_F(WorksheetTest, GermanOrFixedDoNamesOnThePageLeaveTheLogByteForByte) {
  form.WorkSheet_cmd_Click();
  const Texts letters_log = answer_log.lines;
  ASSERT_EQ(letters_log.size(), 30U);
  const auto first_circle = printer.of_kind(Kind::Circle).at(0);
  first_centre = {first_circle.x - kCircles[0].dx, first_circle.y - kCircles[0].dy};
  const std::pair<NoteNaming, Texts> namings[] = {
      {NoteNaming::German, {"Deses", "Ces", " E", " G", " D", "Es"}},
      {NoteNaming::FixedDo, {"Ré♭♭", "Do♭", "Mi", "Sol", "Ré", "Mi♭"}},
  };
  for (const auto& [naming, given] : namings) {
    answer_log.lines.clear();
    printer.operations.clear();
    random.values.clear();
    for (int given_circle : kGiven) {
      queue_pass({"Dom7_#5_b9", "Maj9", "Dom9", "Min9"}, "Db", given_circle);
      random.values.insert(random.values.end() - 1, value_for(Fill_Key_Tables(), "G"));
    }
    random.queue_seeded(20260612, 1000);
    clock.time_reads = 0;
    form.set_note_naming(naming);
    form.WorkSheet_cmd_Click();
    EXPECT_EQ(answer_log.lines, letters_log);
    for (int star = 1; star <= 6; ++star) {
      EXPECT_EQ(texts_at(centre(star) + kGivenNotes[kGiven[star - 1] - 1]), Texts{given[star - 1]})
          << "star " << star;
    }
  }
}

TEST(PrintGivenNoteTest, EachCirclesNoteBeginsAtItsOwnPlace) {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    SCOPED_TRACE(circle);
    CircleNotes notes;
    notes.fill(NoteName('E', -1));
    circle_note(notes, circle) = NoteName('C', 0);
    RecordingPrinter printer;
    testing::ScriptedRandom random;
    random.values = {(static_cast<float>(circle) - 0.5F) / kCircleCount};
    ASSERT_TRUE(Print_Given_Note(printer, notes, {5000, 6000}, random, false, kStandardStar).ok());
    const auto texts = printer.of_kind(Kind::Text);
    ASSERT_EQ(texts.size(), 1U);
    const TwipPoint place = TwipPoint{5000, 6000} + kGivenNotes[circle - 1];
    EXPECT_EQ((TwipPoint{texts[0].x, texts[0].y}), place);
    EXPECT_EQ(texts[0].text, " C");
  }
}

// Six stars of the same draws on the classroom page and on the window's page.
struct TwoRuns {
  explicit TwoRuns(PageSize page) {
    for (PageStyle style : {PageStyle::Classroom, PageStyle::Standard}) {
      RecordingPrinter& printer = style == PageStyle::Classroom ? classroom : standard;
      testing::MemoryAnswerLog& log = style == PageStyle::Classroom ? classroom_log : standard_log;
      printer.page = page;
      testing::ScriptedRandom random;
      random.queue_seeded(7, 1000);
      testing::FakeClock clock;
      Print_Worksheet({Fill_Key_Tables(), Fill_Chord_Types(true), false, printer, log, random,
                       clock, windows, style});
    }
  }
  RecordingPrinter classroom;
  RecordingPrinter standard;
  testing::MemoryAnswerLog classroom_log;
  testing::MemoryAnswerLog standard_log;
  testing::FakeWindowSystem windows;
};

double distance(TwipPoint a, TwipPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// On A4 and Letter: the name line and an instruction naming the diagonals, circles at least
// 12 mm across with the chord lines drawn between them, nothing of one star near another or
// off the page, and the same log records as the window's page.
TEST(ClassroomPageTest, FitsLargeStarsWithTheirLinesAndLogsAsTheWindowsPage) {
  for (const auto& [name, page] : {std::pair{"A4", PageSize{11906, 16838}},
                                  std::pair{"Letter", PageSize{12240, 15840}}}) {
    SCOPED_TRACE(name);
    const TwoRuns runs(page);
    EXPECT_TRUE(runs.windows.boxes.empty());
    EXPECT_EQ(runs.classroom_log.lines, runs.standard_log.lines);
    ASSERT_EQ(runs.classroom_log.lines.size(), 30U);
    const auto texts = runs.classroom.of_kind(Kind::Text);
    ASSERT_EQ(texts.size(), 3U + 6 * 6);
    EXPECT_EQ(texts[1].text,
              "Spell each chord along its line towards its name: across, down and on both "
              "diagonal lines.");
    EXPECT_EQ(texts[2].text, "Name: ____________________   Class: ________   Date: ______________");
    EXPECT_EQ(texts[2].y, 700);
    const auto circles = runs.classroom.of_kind(Kind::Circle);
    ASSERT_EQ(circles.size(), 102U);
    for (const auto& circle : circles) EXPECT_GE(2 * circle.size / 1440.0 * 25.4, 12.0);
    // Each star's box, its circles and texts (10-point digits and letters are 111 twips wide,
    // 230 high), keeps clear of the others' and of the page's edges.
    std::array<std::array<int, 4>, 6> boxes{};  // left, top, right, bottom
    for (int star = 0; star < 6; ++star) {
      boxes[star] = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 0, 0};
      const auto extend = [&](int left, int top, int right, int bottom) {
        boxes[star] = {std::min(boxes[star][0], left), std::min(boxes[star][1], top),
                       std::max(boxes[star][2], right), std::max(boxes[star][3], bottom)};
      };
      for (int circle = 0; circle < 17; ++circle) {
        const auto& c = circles[star * 17 + circle];
        extend(c.x - c.size, c.y - c.size, c.x + c.size, c.y + c.size);
      }
      for (int text = 0; text < 6; ++text) {
        const auto& t = texts[3 + star * 6 + text];
        extend(t.x, t.y, t.x + 111 * static_cast<int>(t.text.size()), t.y + 230);
      }
      EXPECT_GE(boxes[star][0], 300);
      EXPECT_LE(boxes[star][2], page.width - 300);
      EXPECT_GE(boxes[star][1], 700 + 240);
      EXPECT_LE(boxes[star][3], texts[0].y - 60);
      for (int other = 0; other < star; ++other) {
        const bool apart = boxes[star][0] > boxes[other][2] || boxes[other][0] > boxes[star][2] ||
                           boxes[star][1] > boxes[other][3] || boxes[other][1] > boxes[star][3];
        EXPECT_TRUE(apart) << "stars " << other + 1 << " and " << star + 1;
      }
    }
    for (std::size_t a = 0; a < circles.size(); ++a) {
      for (std::size_t b = a + 1; b < circles.size(); ++b) {
        EXPECT_GT(distance({circles[a].x, circles[a].y}, {circles[b].x, circles[b].y}),
                  2.0 * 346 + 80);
      }
    }
    // Each line's pieces run from one circle's edge to the next one's, then on past the last.
    const auto lines = runs.classroom.of_kind(Kind::Line);
    ASSERT_EQ(lines.size(), 6U * 20);
    const int order[4][5] = {{15, 12, 9, 6, 3}, {7, 8, 9, 10, 11}, {1, 4, 9, 14, 17},
                             {2, 5, 9, 13, 16}};
    for (std::size_t piece = 0; piece < lines.size(); ++piece) {
      const int star = static_cast<int>(piece / 20);
      const int line = static_cast<int>(piece % 20 / 5);
      const int tone = static_cast<int>(piece % 5);
      const auto& from_circle = circles[star * 17 + order[line][tone] - 1];
      const TwipPoint centre{from_circle.x, from_circle.y};
      EXPECT_NEAR(distance({lines[piece].x, lines[piece].y}, centre), 346, 1.5) << piece;
      const double end = tone < 4 ? distance(lines[piece].to,
                                            {circles[star * 17 + order[line][tone + 1] - 1].x,
                                             circles[star * 17 + order[line][tone + 1] - 1].y})
                                  : distance(lines[piece].to, centre) - 150;
      EXPECT_NEAR(end, 346, 1.5) << piece;
    }
  }
}

TEST(ClassroomPageTest, APaperTooSmallForItIsAFailureAndNoSheet) {
  PageGeometry geometry;
  const Status a5 = lay_out_classroom_page({8391, 11906}, geometry);
  ASSERT_FALSE(a5.ok());
  EXPECT_EQ(a5.failure().description,
            "The page is too small for the classroom sheet (8391 x 11906 twips)");
  EXPECT_TRUE(lay_out_classroom_page({12240, 15840}, geometry).ok());
  EXPECT_FALSE(lay_out_classroom_page({12240, 15000}, geometry).ok());
  EXPECT_FALSE(lay_out_classroom_page({10900, 16838}, geometry).ok());
}

}  // namespace
}  // namespace velmora
