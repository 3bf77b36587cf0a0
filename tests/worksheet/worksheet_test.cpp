#include "worksheet/worksheet.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <set>
#include <sstream>

#include "fakes/main_form_fixture.h"
#include "platform/posix/file_answer_log.h"

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

// A one-letter note after a blank, as sheets and logs show it; longer ones as they are.
std::string worksheet_form(std::string note) {
  if (note.size() == 1) note.insert(note.begin(), ' ');
  return note;
}

// A loaded main form on fakes, with a repeatable stream of draws long enough for a few runs, and
// a puzzle in progress: "Create" on its own would ask first.
class WorksheetTest : public testing::MainFormTest {
 protected:
  WorksheetTest() {
    std::mt19937 engine(20260612);
    for (int i = 0; i < 5000; ++i) {
      random.values.push_back(static_cast<float>(engine() >> 8) * 0x1p-24F);
    }
    form.Create_Puzzle_Click();
  }

  // The stars stand in three rows of two, 5000 twips apart.
  TwipPoint Centre(int star) const {
    return {first_centre.x + (star - 1) % 2 * 5000, first_centre.y + (star - 1) / 2 * 5000};
  }

  Texts Texts_At(TwipPoint at) const {
    Texts found;
    for (const auto& text : printer.of_kind(Kind::Text)) {
      if (text.x == at.x && text.y == at.y) found.push_back(text.text);
    }
    return found;
  }

  // The star's notes: its four distinct printed chord names spelled from the one centre note
  // that gives the star's logged block, whose records open with the star's label and the time.
  std::vector<std::string> Star_Notes(int star) {
    ChordNames chords;
    for (int line = 0; line < kChordLineCount; ++line) {
      const Texts names = Texts_At(Centre(star) + kChordNames[line]);
      chords[line] = names.size() == 1 ? names[0] : "";
    }
    EXPECT_EQ(std::set<std::string>(chords.begin(), chords.end()).size(), 4U) << "star " << star;
    const Texts logged(answer_log.lines.begin() + (star - 1) * 5,
                       answer_log.lines.begin() + star * 5);
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
          block.back() += worksheet_form(circle_note(notes, circle)->text());
        }
      }
      block.emplace_back();
      if (block != logged) continue;
      std::vector<std::string> printed;
      for (const std::optional<NoteName>& note : notes) {
        printed.push_back(worksheet_form(note->text()));
      }
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
  std::size_t log_lines;
  TwipPoint first_centre = {3320, 2920};  // as on US Letter
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class WorksheetRunTest : public WorksheetTest, public ::testing::WithParamInterface<RunCase> {};

// Each star is printed and logged before the next one is drawn; a failure stops the run there,
// aborts the page and is shown. Either way the on-screen puzzle is recreated without asking.
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
      const TwipPoint at = Centre(i / kCircleCount + 1) + kCircles[i % kCircleCount];
      EXPECT_EQ((TwipPoint{circles[i].x, circles[i].y}), at);
      EXPECT_EQ(circles[i].size, 300);
    }
    for (const auto& text : printer.of_kind(Kind::Text)) EXPECT_EQ(text.size, 10) << text.text;
    const Twips footer_y = static_cast<Twips>(c.page.height - 1200);
    EXPECT_EQ(Texts_At({100, footer_y}), Texts{"Worksheet created by Velmora"});
    EXPECT_EQ(Texts_At({100, 200}),
              Texts{"Work your way tru these chords in left/right or up/down direction."});
  }

  ASSERT_EQ(answer_log.lines.size(), c.log_lines);
  for (std::size_t star = 1; star <= texts_at_close.size(); ++star) {
    EXPECT_EQ(texts_at_close[star - 1], 6 * star + 1) << "star " << star;
  }
  for (int star = 1; star <= static_cast<int>(c.log_lines) / 5; ++star) {
    const std::vector<std::string> notes = Star_Notes(star);
    ASSERT_EQ(notes.size(), 17U);
    int given = 0;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      const std::string& note = notes[circle - 1];
      EXPECT_TRUE(note.size() == 2 || note.size() == 3) << star << "/" << circle << " " << note;
      for (const std::string& text : Texts_At(Centre(star) + kGivenNotes[circle - 1])) {
        EXPECT_EQ(text, note) << "star " << star << " circle " << circle;
        ++given;
      }
    }
    EXPECT_EQ(given, 1) << "star " << star;
    if (c.centre_question) {
      EXPECT_EQ(Texts_At(Centre(star) + Offset{-250, -100}),
                Texts{notes[kCentreCircle - 1]});
    }
    const Texts label{"6-12-2026-" + std::to_string(star)};
    EXPECT_EQ(Texts_At(Centre(star) + kLabel), label);
  }
}

constexpr PageSize kLetter{12240, 15840};
const Failure kPrinterError{482, "Printer error"};
const std::string kTooLarge = "The page is too large to lay out the worksheet ";

// On the largest page every place is still exact, far beyond 16 bits: an odd width loses its
// half, an odd height's half goes to the even neighbour. Star 3 ends with its label, the 20th
// text; star 4's block starts at the log's 16th line.
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
    RunCase{"OnStar4sFirstName", kLetter, false, Kind::Text, 21, 0, kPrinterError, 15},
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

namespace fs = std::filesystem;

// The log, which has `lines` lines, each ending in CR LF.
std::string Read_Log(long lines) {
  std::ostringstream content;
  content << std::ifstream("Worksheet.id", std::ios::binary).rdbuf();
  const std::string log = content.str();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), lines);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), lines);
  return log;
}

// Worksheet runs logging to the real file, in a fresh working folder.
class FileAnswerLogTest : public WorksheetTest {
 protected:
  FileAnswerLogTest() { fs::current_path(folder); }
  ~FileAnswerLogTest() override {
    std::error_code ignored;
    fs::current_path(previous_folder, ignored);
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }

  // The run's failure message; empty when it succeeds.
  std::string Run(AnswerLogFile& log) {
    windows.boxes.clear();
    Print_Worksheet({Fill_Key_Tables(), form.chord_types(), false, printer, log, random, clock,
                     windows});
    return windows.boxes.empty() ? "" : windows.boxes.back().text;
  }

  std::string pattern = (fs::temp_directory_path() / "velmora-log-XXXXXX").string();
  fs::path folder = mkdtemp(pattern.data());
  fs::path previous_folder = fs::current_path();
  FileAnswerLog log;
  const std::string log_failure = std::string(kWorksheetFailureText) + "The answer log ";
};

TEST_F(FileAnswerLogTest, IsCreatedThenAppendedAndNeverLosesOrCutsABlock) {
  EXPECT_EQ(Run(log), "");
  const std::string first = Read_Log(30);
  EXPECT_EQ(Run(log), "");
  const std::string both = Read_Log(60);
  EXPECT_TRUE(both.starts_with(first));

  // The log may grow by two blocks and half of a third, as on a disk that fills up.
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const rlimit limit{both.size() + (first.find("\r\n\r\n") + 4) * 5 / 2, unlimited.rlim_max};
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  const std::string too_large = Run(log);
  setrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(too_large, log_failure + "Worksheet.id could not be written: File too large 5");
  const std::string cut = Read_Log(60 + 10);
  EXPECT_TRUE(cut.starts_with(both));
  EXPECT_TRUE(cut.ends_with("\r\n\r\n"));

  // A read-only folder, for root too: its file access is that of an ordinary user meanwhile.
  const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(folder, fs::perms::all & ~write);
  fs::permissions("Worksheet.id", write, fs::perm_options::remove);
  setfsuid(65534);
  const std::string denied = Run(log);
  setfsuid(0);
  EXPECT_EQ(denied, log_failure + "Worksheet.id could not be opened: Permission denied 4");
  EXPECT_EQ(Read_Log(70), cut);

  FileAnswerLog full("/dev/full");
  EXPECT_EQ(Run(full), log_failure + "/dev/full could not be written: No space left on device 5");
}

}  // namespace
}  // namespace velmora
