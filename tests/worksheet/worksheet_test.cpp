#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;
using Kind = RecordingPrinter::Kind;
using Texts = std::vector<std::string>;

constexpr Twips kMax = std::numeric_limits<Twips>::max();

// From a star's centre, circle by circle: where each circle is drawn and where its given note
// begins.
constexpr Offset kCircles[] = {
    {-1050, -1050}, {0, -1200}, {1050, -1050}, {-600, -600}, {0, -600}, {600, -600},
    {-1200, 0},     {-600, 0},  {0, 0},        {600, 0},     {1200, 0}, {-600, 600},
    {0, 600},       {600, 600}, {-1050, 1050}, {0, 1200},    {1050, 1050}};
constexpr Offset kGivenNotes[] = {
    {-1250, -1200}, {-250, -1300}, {850, -1200}, {-850, -675}, {-250, -675}, {400, -675},
    {-1400, -100},  {-850, -100},  {-250, -100}, {400, -100},  {950, -100},  {-850, 500},
    {-250, 500},    {400, 500},    {-1250, 950}, {-250, 1100}, {850, 950}};
// Chord_1 .. Chord_4 beyond circles 3, 11, 17 and 16; the star's label above it.
constexpr Offset kChordNames[] = {{1500, -1500}, {1600, -100}, {1500, 1500}, {-350, 1600}};
constexpr Offset kLabel = {-500, -1800};

// A loaded main form on fakes, with a repeatable stream of draws long enough for a few runs, and
// a puzzle in progress: "Create" on its own would ask first.
class WorksheetTest : public testing::MainFormTest {
 protected:
  WorksheetTest() {
    random.queue_seeded(20260612, 5000);
    form.Create_Puzzle_Click();
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

  // The star's notes: its four distinct printed chord names spelled from the one centre note
  // that gives the star's block in `logged`, whose records open with the star's label and the
  // time.
  std::vector<std::string> star_notes(int star, const Texts& logged) {
    ChordNames chords;
    for (int line = 0; line < kChordLineCount; ++line) {
      const Texts names = texts_at(centre(star) + kChordNames[line]);
      chords[line] = names.size() == 1 ? names[0] : "";
    }
    EXPECT_EQ(std::set<std::string>(chords.begin(), chords.end()).size(), 4U) << "star " << star;
    const Texts block_logged(logged.begin() + (star - 1) * 5, logged.begin() + star * 5);
    const FramedList keys = Fill_Key_Tables();
    for (int key = 1; key + 1 < count_framed_entries(keys); ++key) {
      CircleNotes notes;
      circle_note(notes, kCentreCircle) = NoteName::from_text(keys[key]);
      Spell_Chord_Lines(chords, notes);
      Texts block;
      for (int line = 0; line < kChordLineCount; ++line) {
        // Each record reads the clock afresh.
        const std::string time = "14:05:" + std::to_string(10 + (star - 1) * 4 + line);
        block.push_back("6-12-2026-" + std::to_string(star) + time + chords[line]);
        for (const int circle : kChordLineCircles[line]) {
          block.back() += circle_note(notes, circle)->worksheet_form();
        }
      }
      block.emplace_back();
      if (block != block_logged) continue;
      std::vector<std::string> printed;
      for (const std::optional<NoteName>& note : notes) printed.push_back(note->worksheet_form());
      return printed;
    }
    ADD_FAILURE() << "star " << star << " logs no spelling of its printed chords";
    return {};
  }

  TwipPoint first_centre;
};

struct RunCase {
  const char* name;
  PageSize page;
  bool centre_question;
  Kind printer_fails;
  int at;  // the printer fails the at-th operation of its kind; 0 for none
  int log_fails_at_line;
  Failure failure;  // numbered 0 when the run succeeds
  std::size_t log_lines;  // logged: kept when the run succeeds, dropped again when it fails
  TwipPoint first_centre = {3320, 2920};  // as on US Letter
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class WorksheetRunTest : public WorksheetTest, public ::testing::WithParamInterface<RunCase> {};

// Each star is logged before its label is printed and the next one is drawn; a failure stops
// the run there, drops the run's blocks from the log, aborts the page and is shown. Either way
// the on-screen puzzle is recreated without asking.
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
    const std::vector<std::string> notes = star_notes(star, logged);
    ASSERT_EQ(notes.size(), 17U);
    int given = 0;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      const std::string& note = notes[circle - 1];
      EXPECT_TRUE(note.size() == 2 || note.size() == 3) << star << "/" << circle << " " << note;
      for (const std::string& text : texts_at(centre(star) + kGivenNotes[circle - 1])) {
        EXPECT_EQ(text, note) << "star " << star << " circle " << circle;
        ++given;
      }
    }
    EXPECT_EQ(given, 1) << "star " << star;
    if (c.centre_question) {
      EXPECT_EQ(texts_at(centre(star) + Offset{-250, -100}),
                Texts{notes[kCentreCircle - 1]});
    }
    const Texts label{"6-12-2026-" + std::to_string(star)};
    EXPECT_EQ(texts_at(centre(star) + kLabel), label);
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

// Whichever circle is given, its note alone is printed, in its worksheet form, at its own place.
TEST(PrintGivenNoteTest, EachCirclesNoteBeginsAtItsOwnPlace) {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    CircleNotes notes;
    notes.fill(NoteName('E', -1));
    circle_note(notes, circle) = NoteName('C', 0);
    RecordingPrinter printer;
    testing::ScriptedRandom random;
    random.values = {(static_cast<float>(circle) - 0.5F) / kCircleCount};
    ASSERT_TRUE(Print_Given_Note(printer, notes, {5000, 6000}, random, false).ok());
    const auto texts = printer.of_kind(Kind::Text);
    ASSERT_EQ(texts.size(), 1U);
    const TwipPoint place = TwipPoint{5000, 6000} + kGivenNotes[circle - 1];
    EXPECT_EQ((TwipPoint{texts[0].x, texts[0].y}), place) << circle;
    EXPECT_EQ(texts[0].text, " C") << circle;
  }
}

}  // namespace
}  // namespace velmora
