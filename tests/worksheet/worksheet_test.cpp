#include "worksheet/worksheet.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_midi_system.h"
#include "fakes/recording_printer.h"
#include "fakes/seeded_random.h"
#include "worksheet/file_answer_log.h"

namespace velmora {
namespace {

using testing::RecordingPrinter;
using Kind = RecordingPrinter::Kind;
using Texts = std::vector<std::string>;

constexpr std::array<TwipPoint, kWorksheetStars> kLetterCentres{
    {{3320, 2920}, {8320, 2920}, {3320, 7920}, {8320, 7920}, {3320, 12920}, {8320, 12920}}};

// A loaded main form on fakes, with a repeatable stream of draws long enough for six stars and
// a puzzle in progress: "Create" on its own would ask first.
class WorksheetTest : public ::testing::Test {
 protected:
  WorksheetTest() {
    form.Form_Load();
    form.Correct_Count = 5;
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
  CircleNotes Star_Notes(int star) {
    ChordNames chords;
    for (int line = 0; line < kChordLineCount; ++line) {
      const Texts names = Texts_At(kLetterCentres[star - 1] + kChordNameOffsets[line]);
      chords[line] = names.size() == 1 ? names[0] : "";
    }
    EXPECT_EQ(std::set<std::string>(chords.begin(), chords.end()).size(), 4U) << "star " << star;
    const Texts logged(answer_log.lines.begin() + (star - 1) * 5,
                       answer_log.lines.begin() + star * 5);
    const FramedList& keys = form.key_tables.Key_Names;
    for (int key = 1; key + 1 < Count_Framed_Entries(keys); ++key) {
      CircleNotes notes;
      circle_note(notes, kCentreCircle) = keys[key];
      ToneIndex index{};
      testing::FakeWindowSystem quiet;
      Spell_Chord_Lines(form.key_tables, chords, notes, index, quiet);
      Texts block;
      for (int line = 0; line < kChordLineCount; ++line) {
        block.push_back("6-12-2026-" + std::to_string(star) + "14:05:12" + chords[line]);
        for (const int circle : kChordLineCircles[line]) {
          std::string& note = circle_note(notes, circle);
          if (note.size() == 1) note = " " + note;  // one-letter notes get a leading blank
          block.back() += note;
        }
      }
      block.emplace_back();
      if (block == logged) return notes;
    }
    ADD_FAILURE() << "star " << star << " logs no spelling of its printed chords";
    return {};
  }

  testing::FakeWindowSystem windows;
  testing::SeededRandom random{20260612};
  testing::FakeClock clock;
  RecordingPrinter printer;
  testing::MemoryAnswerLog answer_log;
  testing::RecordingMidiSystem midi;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
};

class WorksheetPageTest : public WorksheetTest, public ::testing::WithParamInterface<bool> {};

// After the page the on-screen puzzle is recreated without asking.
TEST_P(WorksheetPageTest, PrintsTheFixedTextsAll102CirclesAndThenSixLoggedStars) {
  const bool centre_question = GetParam();
  form.controls.Center_Question.value = centre_question ? 1 : 0;
  form.WorkSheet_cmd_Click();
  EXPECT_EQ(windows.boxes.size(), 1U) << "only the question";
  EXPECT_EQ(form.Correct_Count, 0);

  ASSERT_FALSE(printer.operations.empty());
  EXPECT_EQ(printer.operations.front().kind, Kind::Begin);
  EXPECT_EQ(printer.operations.back().kind, Kind::End);
  std::vector<RecordingPrinter::Operation> circles;
  int texts_before_circles = 0;
  for (const auto& op : printer.operations) {
    if (op.kind == Kind::Circle) circles.push_back(op);
    if (op.kind != Kind::Text) continue;
    EXPECT_EQ(op.size, 10) << op.text;
    if (circles.empty()) ++texts_before_circles;
    EXPECT_TRUE(circles.empty() || circles.size() == 102U) << "before the last circle: " << op.text;
  }
  EXPECT_EQ(texts_before_circles, 2);
  EXPECT_EQ(Texts_At({100, 14640}), Texts{std::string(kWorksheetFooter)});
  EXPECT_EQ(Texts_At({100, 200}), Texts{std::string(kWorksheetHeading)});
  EXPECT_EQ(printer.of_kind(Kind::Text).size(), 2U + 6U * kWorksheetStars);
  ASSERT_EQ(circles.size(), 102U);
  for (int star = 0; star < kWorksheetStars; ++star) {
    for (int circle = 0; circle < kCircleCount; ++circle) {
      const auto& drawn = circles[star * kCircleCount + circle];
      EXPECT_EQ((TwipPoint{drawn.x, drawn.y}), kLetterCentres[star] + kStarCircleOffsets[circle]);
      EXPECT_EQ(drawn.size, 300);
    }
  }

  ASSERT_EQ(answer_log.lines.size(), 30U);
  for (int star = 1; star <= kWorksheetStars; ++star) {
    const TwipPoint centre = kLetterCentres[star - 1];
    const CircleNotes notes = Star_Notes(star);
    int given = 0;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      const std::string& note = circle_note(notes, circle);
      EXPECT_TRUE(note.size() == 2 || note.size() == 3) << star << "/" << circle << " " << note;
      for (const std::string& text : Texts_At(centre + kGivenNoteOffsets[circle - 1])) {
        EXPECT_EQ(text, note) << "star " << star << " circle " << circle;
        ++given;
      }
    }
    EXPECT_EQ(given, 1) << "star " << star;
    if (centre_question) {
      EXPECT_EQ(Texts_At(centre + Offset{-250, -100}), Texts{circle_note(notes, kCentreCircle)});
    }
    EXPECT_EQ(Texts_At(centre + kStarLabelOffset), Texts{"6-12-2026-" + std::to_string(star)});
  }
}

INSTANTIATE_TEST_SUITE_P(CenterQuestion, WorksheetPageTest, ::testing::Bool());

struct FailureCase {
  const char* name;
  Kind printer_fails;
  int at;  // the printer fails the at-th operation of its kind; 0 for none
  int log_fails_at_line;
  PageSize page;
  Failure failure;
  std::size_t log_lines;
};

class WorksheetFailureTest : public WorksheetTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WorksheetFailureTest, StopsThereAbortsThePageAndShowsTheFailure) {
  const FailureCase& c = GetParam();
  printer.fail_kind = c.printer_fails;
  printer.fail_at = c.at;
  printer.failure = c.failure;
  printer.page = c.page;
  answer_log.fail_write = c.log_fails_at_line;
  form.WorkSheet_cmd_Click();

  ASSERT_EQ(windows.boxes.size(), 2U) << "the question and the failure; \"Create\" asks nothing";
  EXPECT_EQ(windows.boxes[1].text,
            "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) " +
                c.failure.description + " " + std::to_string(c.failure.number));
  EXPECT_EQ(windows.boxes[1].icon, Icon::Critical);
  EXPECT_EQ(form.Correct_Count, 0);
  EXPECT_EQ(printer.aborts, 1);
  if (c.at > 0) {
    EXPECT_EQ(printer.operations.back().kind, c.printer_fails) << "went on after the failure";
  }
  EXPECT_EQ(printer.of_kind(Kind::End).size(), c.printer_fails == Kind::End ? 1U : 0U);
  ASSERT_EQ(answer_log.lines.size(), c.log_lines);
  for (int star = 1; star <= static_cast<int>(c.log_lines) / 5; ++star) Star_Notes(star);
}

constexpr PageSize kLetter{12240, 15840};
const Failure kPrinterError{482, "Printer error"};
const std::string kTooLarge = "The page is too large to lay out the worksheet ";

// Star 3 ends with its label, the 20th text; star 4's block starts at the log's 16th line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Points, WorksheetFailureTest, ::testing::Values(
    FailureCase{"Canceled", Kind::Begin, 1, 0, kLetter, {1, "Canceled by the user"}, 0},
    FailureCase{"TooWide", Kind::Begin, 0, 0, {1LL << 40, 15840},
                {2, kTooLarge + "(1099511627776 x 15840 twips)"}, 0},
    FailureCase{"TooHigh", Kind::Begin, 0, 0, {12240, 1LL << 31},
                {2, kTooLarge + "(12240 x 2147483648 twips)"}, 0},
    FailureCase{"OnStar4sFirstName", Kind::Text, 21, 0, kLetter, kPrinterError, 15},
    FailureCase{"LogWriteInStar4", Kind::Begin, 0, 17, kLetter, {5, "No space left on device"}, 15},
    FailureCase{"PageNotSent", Kind::End, 1, 0, kLetter, kPrinterError, 30}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The largest page: beyond 16 bits every place is still exact. An odd width loses its half; an
// odd height's half goes to the even neighbour.
TEST(LayOutPageTest, PlacesEverythingWithoutWrappingAround) {
  constexpr Twips kMax = std::numeric_limits<Twips>::max();
  PageGeometry geometry;
  ASSERT_TRUE(Lay_Out_Page({kMax, kMax}, geometry).ok());
  for (int star = 0; star < kWorksheetStars; ++star) {
    EXPECT_EQ(geometry.star_centres[star],
              (TwipPoint{kMax / 2 - 2800 + star % 2 * 5000, kMax / 2 - 4999 + star / 2 * 5000}));
  }
  EXPECT_EQ(geometry.footer, (TwipPoint{100, kMax - 1200}));
}

namespace fs = std::filesystem;

std::string Read_File(const fs::path& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

// The number of lines, all of which end in CR LF.
long Count_Lines(const std::string& content) {
  const long lines = std::count(content.begin(), content.end(), '\n');
  EXPECT_EQ(std::count(content.begin(), content.end(), '\r'), lines);
  return lines;
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

  void Print(AnswerLogFile& log) {
    Print_Worksheet({form.board, form.key_tables, form.Chord_Types, false, printer, log, random,
                     clock, windows});
  }

  // The message box of a run that fails.
  std::string Failure_Of_Run(AnswerLogFile& log) {
    windows.boxes.clear();
    Print(log);
    EXPECT_EQ(windows.boxes.size(), 1U);
    return windows.boxes.empty() ? "" : windows.boxes[0].text;
  }

  std::string pattern = (fs::temp_directory_path() / "velmora-log-XXXXXX").string();
  fs::path folder = mkdtemp(pattern.data());
  fs::path previous_folder = fs::current_path();
  FileAnswerLog log;
  const std::string log_failure = std::string(kWorksheetFailureText) + "The answer log ";
};

TEST_F(FileAnswerLogTest, IsCreatedThenAppendedAndNeverLosesOrCutsABlock) {
  Print(log);
  const std::string first = Read_File("Worksheet.id");
  EXPECT_EQ(Count_Lines(first), 30);
  Print(log);
  const std::string both = Read_File("Worksheet.id");
  EXPECT_EQ(Count_Lines(both), 60);
  EXPECT_TRUE(both.starts_with(first));
  EXPECT_TRUE(windows.boxes.empty());

  // The log may grow by two blocks and half of a third, as on a disk that fills up.
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const rlimit limit{both.size() + (first.find("\r\n\r\n") + 4) * 5 / 2, unlimited.rlim_max};
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  const std::string too_large = Failure_Of_Run(log);
  setrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(too_large, log_failure + "Worksheet.id could not be written: File too large 5");
  const std::string cut = Read_File("Worksheet.id");
  EXPECT_TRUE(cut.starts_with(both));
  EXPECT_EQ(Count_Lines(cut), 60 + 10);
  EXPECT_TRUE(cut.ends_with("\r\n\r\n"));

  // A read-only folder, for root too: its file access is that of an ordinary user meanwhile.
  const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(folder, fs::perms::all & ~write);
  fs::permissions("Worksheet.id", write, fs::perm_options::remove);
  setfsuid(65534);
  const std::string denied = Failure_Of_Run(log);
  setfsuid(0);
  EXPECT_EQ(denied, log_failure + "Worksheet.id could not be opened: Permission denied 4");
  EXPECT_EQ(Read_File("Worksheet.id"), cut);

  FileAnswerLog full("/dev/full");
  EXPECT_EQ(Failure_Of_Run(full),
            log_failure + "/dev/full could not be written: No space left on device 5");
}

}  // namespace
}  // namespace velmora
