#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "app/main_form.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_midi_system.h"
#include "fakes/memory_answer_log.h"
#include "fakes/recording_printer.h"
#include "fakes/scripted_random.h"
#include "fakes/seeded_random.h"
#include "theory/chords.h"

namespace velmora {
namespace {

using testing::FakeClock;
using testing::FakeWindowSystem;
using testing::MemoryAnswerLog;
using testing::RecordingPrinter;
using Kind = RecordingPrinter::Kind;

constexpr int kBlockLines = 5;

// The printed star, written out again here so a slip in the program's tables shows.
// clang-format off
constexpr std::array<Offset, kCircleCount> kCircleAt = {{
    {-1050, -1050}, {0, -1200}, {1050, -1050}, {-600, -600}, {0, -600}, {600, -600},
    {-1200, 0}, {-600, 0}, {0, 0}, {600, 0}, {1200, 0},
    {-600, 600}, {0, 600}, {600, 600}, {-1050, 1050}, {0, 1200}, {1050, 1050}}};
constexpr std::array<Offset, kCircleCount> kGivenNoteAt = {{
    {-1250, -1200}, {-250, -1300}, {850, -1200}, {-850, -675}, {-250, -675}, {400, -675},
    {-1400, -100}, {-850, -100}, {-250, -100}, {400, -100}, {950, -100},
    {-850, 500}, {-250, 500}, {400, 500}, {-1250, 950}, {-250, 1100}, {850, 950}}};
// clang-format on
constexpr std::array<Offset, kChordLineCount> kChordNameAt = {
    {{1500, -1500}, {1600, -100}, {1500, 1500}, {-350, 1600}}};
constexpr Offset kLabelAt = {-500, -1800};
const std::string kDate = "6-12-2026";
const std::string kTime = "14:05:12";

struct Record {
  std::string label;
  std::string chord;
  std::array<std::string, kChordTones> notes;
};

// Worksheet notes begin with a blank or a letter; the accidentals follow in lower case.
std::string Take_Note(std::string_view& rest) {
  std::size_t length = rest.front() == ' ' ? 2 : 1;
  while (length < rest.size() && std::string_view("b#x").find(rest[length]) != rest.npos) {
    ++length;
  }
  std::string note(rest.substr(0, length));
  rest.remove_prefix(length);
  return note;
}

bool Starts_Note(char c) { return c == ' ' || (c >= 'A' && c <= 'G'); }

Record Parse_Record(std::string_view line, int star) {
  Record record;
  record.label = kDate + "-" + std::to_string(star);
  const std::string prefix = record.label + kTime;
  EXPECT_EQ(line.substr(0, prefix.size()), prefix);
  line.remove_prefix(std::min(prefix.size(), line.size()));
  for (const ChordType& type : kChordCatalogue) {
    if (line.starts_with(type.name) && line.size() > type.name.size() &&
        Starts_Note(line[type.name.size()])) {
      record.chord = type.name;
    }
  }
  EXPECT_FALSE(record.chord.empty()) << line;
  line.remove_prefix(record.chord.size());
  for (std::string& note : record.notes) {
    if (line.empty()) break;
    note = Take_Note(line);
  }
  EXPECT_TRUE(line.empty()) << "left over: " << line;
  return record;
}

std::string Trim(std::string note) { return note.substr(note.find_first_not_of(' ')); }

// A loaded main form on fakes, with a repeatable stream of draws long enough for six stars.
class WorksheetTest : public ::testing::Test {
 protected:
  WorksheetTest() { form.Form_Load(); }

  WorksheetRun Run() {
    return {form.board, form.key_tables, form.Chord_Types, form.controls.Center_Question.checked(),
            printer,    answer_log,      random,           clock,
            windows};
  }

  // The star's four records, checked against each other and the chord spellings.
  std::array<Record, kChordLineCount> Block(int star) {
    std::array<Record, kChordLineCount> block;
    const std::size_t first = static_cast<std::size_t>(star - 1) * kBlockLines;
    for (int line = 0; line < kChordLineCount; ++line) {
      block[line] = Parse_Record(answer_log.lines.at(first + line), star);
    }
    EXPECT_EQ(answer_log.lines.at(first + kChordLineCount), "");
    return block;
  }

  // Circle n's worksheet note, taken from the records of the lines through it.
  static std::map<int, std::string> Star_Notes(const std::array<Record, kChordLineCount>& block) {
    std::map<int, std::string> notes;
    for (int line = 0; line < kChordLineCount; ++line) {
      for (int tone = 0; tone < kChordTones; ++tone) {
        notes[kChordLineCircles[line][tone]] = block[line].notes[tone];
      }
    }
    return notes;
  }

  std::vector<RecordingPrinter::Operation> Texts_At(TwipPoint at) const {
    std::vector<RecordingPrinter::Operation> found;
    for (const auto& text : printer.of_kind(Kind::Text)) {
      if (text.x == at.x && text.y == at.y) found.push_back(text);
    }
    return found;
  }

  FakeWindowSystem windows;
  testing::SeededRandom random{20260612};
  FakeClock clock;
  RecordingPrinter printer;
  MemoryAnswerLog answer_log;
  testing::RecordingMidiSystem midi;
  MainForm form{Platform{windows, random, clock, midi, printer, answer_log}};
  const std::array<TwipPoint, kWorksheetStars> letter_centres{
      {{3320, 2920}, {8320, 2920}, {3320, 7920}, {8320, 7920}, {3320, 12920}, {8320, 12920}}};
};

TEST_F(WorksheetTest, DrawsAllCirclesAfterTheFixedTextsAndBeforeAnyStarText) {
  Print_Worksheet(Run());

  const auto& ops = printer.operations;
  ASSERT_GE(ops.size(), 2U);
  EXPECT_EQ(ops.front().kind, Kind::Begin);
  EXPECT_EQ(ops.back().kind, Kind::End);
  std::vector<RecordingPrinter::Operation> circles;
  std::vector<std::string> texts_before_circles;
  for (const auto& op : ops) {
    if (op.kind == Kind::Circle) circles.push_back(op);
    if (op.kind == Kind::Text && circles.empty()) texts_before_circles.push_back(op.text);
    if (op.kind == Kind::Text && !circles.empty()) {
      EXPECT_EQ(circles.size(), 102U) << "a text before the last circle: " << op.text;
    }
  }
  EXPECT_EQ(texts_before_circles, (std::vector<std::string>{std::string(kWorksheetFooter),
                                                            std::string(kWorksheetHeading)}));
  ASSERT_EQ(circles.size(), 102U);
  for (int star = 0; star < kWorksheetStars; ++star) {
    for (int circle = 0; circle < kCircleCount; ++circle) {
      const auto& drawn = circles[star * kCircleCount + circle];
      const TwipPoint expected = letter_centres[star] + kCircleAt[circle];
      EXPECT_EQ((TwipPoint{drawn.x, drawn.y}), expected) << star + 1 << "/" << circle + 1;
      EXPECT_EQ(drawn.size, 300);
    }
  }
  EXPECT_EQ(printer.aborts, 0);
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(WorksheetTest, PrintsTheFixedTextsAndEveryTextAtTenPoints) {
  Print_Worksheet(Run());

  const auto texts = printer.of_kind(Kind::Text);
  ASSERT_EQ(texts.size(), 2U + kWorksheetStars * 6U);
  EXPECT_EQ((TwipPoint{texts[0].x, texts[0].y}), (TwipPoint{100, 14640}));
  EXPECT_EQ((TwipPoint{texts[1].x, texts[1].y}), (TwipPoint{100, 200}));
  for (const auto& text : texts) EXPECT_EQ(text.size, 10) << text.text;
}

TEST_F(WorksheetTest, NamesEachChordLineAtItsEndWithTheChordLoggedForThatLine) {
  Print_Worksheet(Run());

  ASSERT_EQ(answer_log.lines.size(), 30U);
  for (int star = 1; star <= kWorksheetStars; ++star) {
    const auto block = Block(star);
    const TwipPoint centre = letter_centres[star - 1];
    std::set<std::string> chords;
    for (int line = 0; line < kChordLineCount; ++line) {
      const auto printed = Texts_At(centre + kChordNameAt[line]);
      ASSERT_EQ(printed.size(), 1U) << "star " << star << " line " << line + 1;
      EXPECT_EQ(printed[0].text, block[line].chord);
      chords.insert(block[line].chord);

      // The five logged notes are that chord spelled through the star's centre.
      const ChordType* type = Find_Chord_Type(block[line].chord);
      ASSERT_NE(type, nullptr);
      std::string t1, t2, t4, t5;
      ToneIndex index{};
      const std::string centre_note = Trim(block[line].notes[2]);
      ASSERT_TRUE(Spell_Chord(form.key_tables, *type, centre_note, t1, t2, t4, t5, index));
      CircleNotes spelled{t1, t2, centre_note, t4, t5};
      Pad_Short_Notes(spelled);
      for (int tone = 0; tone < kChordTones; ++tone) {
        EXPECT_EQ(block[line].notes[tone], spelled[tone]) << block[line].chord << " " << tone;
      }
    }
    EXPECT_EQ(chords.size(), 4U) << "star " << star << " repeats a chord type";
  }
}

TEST_F(WorksheetTest, LogsThirtyLinesWhoseRecordsShareTheCentreAndFitThreeCharacters) {
  Print_Worksheet(Run());

  ASSERT_EQ(answer_log.lines.size(), 30U);
  EXPECT_EQ(answer_log.opens, 6);
  EXPECT_EQ(answer_log.closes, 6);
  EXPECT_EQ(answer_log.written_while_closed, 0);
  for (int star = 1; star <= kWorksheetStars; ++star) {
    const auto block = Block(star);
    for (const Record& record : block) {
      EXPECT_EQ(record.notes[2], block[0].notes[2]) << "star " << star;
      for (const std::string& note : record.notes) {
        EXPECT_TRUE(note.size() == 2 || note.size() == 3) << '"' << note << '"';
      }
    }
  }
}

TEST_F(WorksheetTest, PrintsOneGivenNoteAndTheLabelAboveEachStar) {
  Print_Worksheet(Run());

  for (int star = 1; star <= kWorksheetStars; ++star) {
    const TwipPoint centre = letter_centres[star - 1];
    const auto notes = Star_Notes(Block(star));
    int given = 0;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      for (const auto& text : Texts_At(centre + kGivenNoteAt[circle - 1])) {
        EXPECT_EQ(text.text, notes.at(circle)) << "star " << star << " circle " << circle;
        ++given;
      }
    }
    EXPECT_EQ(given, 1) << "star " << star;
    const auto label = Texts_At(centre + kLabelAt);
    ASSERT_EQ(label.size(), 1U);
    EXPECT_EQ(label[0].text, kDate + "-" + std::to_string(star));
  }
}

TEST_F(WorksheetTest, CenterQuestionGivesEveryStarItsCentreNote) {
  form.controls.Center_Question.value = 1;
  Print_Worksheet(Run());

  for (int star = 1; star <= kWorksheetStars; ++star) {
    const TwipPoint centre = letter_centres[star - 1];
    const auto printed = Texts_At(centre + Offset{-250, -100});
    ASSERT_EQ(printed.size(), 1U) << "star " << star;
    EXPECT_EQ(printed[0].text, Block(star)[0].notes[2]);
  }
}

TEST(PadShortNotesTest, PutsABlankBeforeOneLetterNotesOnly) {
  CircleNotes notes{"C", "C#", "Dbb", "", "Bbbb", "   E"};
  Pad_Short_Notes(notes);
  EXPECT_EQ((std::vector<std::string>(notes.begin(), notes.begin() + 6)),
            (std::vector<std::string>{" C", "C#", "Dbb", "", "Bbbb", "   E"}));
}

// The value that makes a draw among `names` land on `position` (1-based).
float Value_For(int position, int names) {
  return (static_cast<float>(position) - 0.5F) / static_cast<float>(names);
}

bool Any_Long_Note(const KeyTables& tables, const ChordNames& chords, const std::string& key) {
  FakeWindowSystem windows;
  CircleNotes notes;
  circle_note(notes, kCentreCircle) = key;
  ToneIndex index{};
  Spell_Chord_Lines(tables, chords, notes, index, windows);
  return std::any_of(notes.begin(), notes.end(), [](const auto& n) { return n.size() > 3; });
}

TEST(WorksheetKeyTest, RedrawsTheKeyUntilEveryNoteFitsAndKeepsTheChordTypes) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  FramedList chord_types;
  Fill_Chord_Types(chord_types, true);
  const int type_count = Count_Framed_Entries(chord_types) - 2;
  const int key_count = Count_Framed_Entries(tables.Key_Names) - 2;
  const ChordNames chords{"6/9", "Maj9", "Maj9_#5", "Dom7_#5_b9"};

  int long_key = 0;
  for (int key = 1; key <= key_count && long_key == 0; ++key) {
    if (Any_Long_Note(tables, chords, tables.Key_Names[key])) long_key = key;
  }
  ASSERT_NE(long_key, 0) << "no key spells these chords with a long note";
  const int short_key = 1;  // "C"
  ASSERT_FALSE(Any_Long_Note(tables, chords, tables.Key_Names[short_key]));

  testing::ScriptedRandom random;
  for (int star = 1; star <= kWorksheetStars; ++star) {
    for (const std::string& chord : chords) {
      const auto at = std::find(chord_types.begin(), chord_types.end(), chord);
      random.values.push_back(Value_For(static_cast<int>(at - chord_types.begin()), type_count));
    }
    if (star == 1) random.values.push_back(Value_For(long_key, key_count));
    random.values.push_back(Value_For(short_key, key_count));
    random.values.push_back(0.0F);  // the given circle, overridden by the centre question
  }
  Board board;
  FakeWindowSystem windows;
  FakeClock clock;
  RecordingPrinter printer;
  MemoryAnswerLog log;
  Print_Worksheet({board, tables, chord_types, true, printer, log, random, clock, windows});

  EXPECT_TRUE(random.values.empty());
  EXPECT_EQ(board.Chords, chords);
  EXPECT_EQ(board.Drawn_Key, "C");
  ASSERT_EQ(log.lines.size(), 30U);
  EXPECT_EQ(log.lines[0], kDate + "-1" + kTime + "6/9" + " F A C D G");
  // The one-letter centre note is given as a blank and the letter.
  EXPECT_EQ(printer.of_kind(Kind::Text)[2 + 4].text, " C");
}

// The worksheet keeps a star's chord types while it redraws the key, so every four distinct
// types must share a key that spells them in short notes, or the redraw would never end.
TEST(WorksheetKeyTest, EveryFourChordTypesShareAKeyWithShortNotes) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  const int key_count = Count_Framed_Entries(tables.Key_Names) - 2;
  std::array<std::uint32_t, kChordTypeCount> fitting_keys{};
  for (int type = 0; type < kChordTypeCount; ++type) {
    const std::string name(kChordCatalogue[type].name);
    for (int key = 1; key <= key_count; ++key) {
      if (!Any_Long_Note(tables, {name, name, name, name}, tables.Key_Names[key])) {
        fitting_keys[type] |= 1U << key;
      }
    }
  }
  for (int a = 0; a < kChordTypeCount; ++a) {
    for (int b = a + 1; b < kChordTypeCount; ++b) {
      for (int c = b + 1; c < kChordTypeCount; ++c) {
        for (int d = c + 1; d < kChordTypeCount; ++d) {
          EXPECT_NE(fitting_keys[a] & fitting_keys[b] & fitting_keys[c] & fitting_keys[d], 0U)
              << kChordCatalogue[a].name << " " << kChordCatalogue[b].name << " "
              << kChordCatalogue[c].name << " " << kChordCatalogue[d].name;
        }
      }
    }
  }
}

struct FailureCase {
  const char* name;
  std::function<void(RecordingPrinter&, MemoryAnswerLog&)> arrange;
  Failure failure;
  std::size_t log_lines;
  std::size_t circles;
  bool page_sent;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class WorksheetFailureTest : public WorksheetTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WorksheetFailureTest, StopsThereAbortsThePageAndShowsTheFailure) {
  const FailureCase& c = GetParam();
  c.arrange(printer, answer_log);
  Print_Worksheet(Run());

  ASSERT_EQ(windows.boxes.size(), 1U);
  const MessageBox& box = windows.boxes[0];
  EXPECT_EQ(box.text,
            "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) " +
                c.failure.description + " " + std::to_string(c.failure.number));
  EXPECT_EQ(box.icon, Icon::Critical);
  EXPECT_EQ(box.buttons, Buttons::Ok);
  EXPECT_EQ(box.title, "Velmora");

  EXPECT_EQ(printer.aborts, 1);
  EXPECT_EQ(printer.of_kind(Kind::End).size(), c.page_sent ? 1U : 0U);
  if (printer.fails) {
    EXPECT_TRUE(printer.fails(printer.operations.back())) << "went on after the failure";
  }
  EXPECT_EQ(answer_log.lines.size(), c.log_lines);
  for (std::size_t star = 1; star <= c.log_lines / kBlockLines; ++star) {
    Block(static_cast<int>(star));
  }
  EXPECT_EQ(printer.of_kind(Kind::Circle).size(), c.circles);
}

bool Is_Text(const RecordingPrinter::Operation& op, TwipPoint at) {
  return op.kind == Kind::Text && op.x == at.x && op.y == at.y;
}

INSTANTIATE_TEST_SUITE_P(
    Points, WorksheetFailureTest,
    ::testing::Values(
        FailureCase{"CanceledInThePrintDialog",
                    [](RecordingPrinter& p, MemoryAnswerLog&) {
                      p.failure = {kCanceledByUser, "Canceled by the user"};
                      p.fails = [](const auto& op) { return op.kind == Kind::Begin; };
                    },
                    {kCanceledByUser, "Canceled by the user"},
                    0,
                    0,
                    false},
        FailureCase{
            "PageTooLarge",
            [](RecordingPrinter& p, MemoryAnswerLog&) {
              p.page = {1LL << 40, 15840};
            },
            {kPageNotLaidOut,
             "The page is too large to lay out the worksheet (1099511627776 x 15840 twips)"},
            0,
            0,
            false},
        // Star 3's fourth circle is the first below y 7000.
        FailureCase{"PrinterFailsOnACircle",
                    [](RecordingPrinter& p, MemoryAnswerLog&) {
                      p.fails = [](const auto& op) {
                        return op.kind == Kind::Circle && op.y > 7000;
                      };
                    },
                    {482, "Printer error"},
                    0,
                    2 * 17 + 4,
                    false},
        FailureCase{"PrinterFailsOnStarFoursFirstName",
                    [](RecordingPrinter& p, MemoryAnswerLog&) {
                      p.fails = [](const auto& op) { return Is_Text(op, TwipPoint{9820, 6420}); };
                    },
                    {482, "Printer error"},
                    15,
                    102,
                    false},
        FailureCase{"LogCannotBeOpenedForStarFour",
                    [](RecordingPrinter&, MemoryAnswerLog& l) { l.fail_open = 4; },
                    {kLogNotOpened, "cannot open"},
                    15,
                    102,
                    false},
        FailureCase{"LogWriteFailsInStarFoursBlock",
                    [](RecordingPrinter&, MemoryAnswerLog& l) { l.fail_write = 17; },
                    {kLogNotWritten, "No space left on device"},
                    15,
                    102,
                    false},
        FailureCase{"PageCannotBeSent",
                    [](RecordingPrinter& p, MemoryAnswerLog&) {
                      p.fails = [](const auto& op) { return op.kind == Kind::End; };
                    },
                    {482, "Printer error"},
                    30,
                    102,
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorksheetTest, AFailedLogLeavesTheStarUnlabelledAndTheNextStarUndrawn) {
  answer_log.fail_open = 4;
  Print_Worksheet(Run());

  EXPECT_EQ(Texts_At(letter_centres[2] + kLabelAt).size(), 1U);
  EXPECT_TRUE(Texts_At(letter_centres[3] + kLabelAt).empty());
  EXPECT_TRUE(Texts_At(letter_centres[4] + kChordNameAt[0]).empty());
}

class WorkSheetCmdTest : public WorksheetTest {
 protected:
  // A puzzle in progress: "Create" on its own would ask before replacing it.
  WorkSheetCmdTest() {
    form.Create_Puzzle_Click();
    form.Correct_Count = 5;
  }

  void Expect_Puzzle_Shown() {
    EXPECT_EQ(form.controls.hints, form.board.Chords);
    int given = 0;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      const std::string& note = circle_note(form.board.Circle_Notes, circle);
      EXPECT_EQ(note, Pad_Note(Trim(note))) << "circle " << circle;
      const Label& label = form.controls.circles[circle - 1];
      if (label.caption.empty()) continue;
      ++given;
      EXPECT_EQ(label.caption, note);
      EXPECT_FALSE(label.enabled);
    }
    EXPECT_EQ(given, 1);
    EXPECT_EQ(form.Correct_Count, 0);
  }
};

TEST_F(WorkSheetCmdTest, CancelPrintsNothingLogsNothingAndKeepsThePuzzle) {
  const Board board = form.board;
  const MainFormControls controls = form.controls;
  windows.answers = {Answer::Cancel};
  form.WorkSheet_cmd_Click();

  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "This action will create some work sheets on your printer");
  EXPECT_EQ(windows.boxes[0].title, "Create Worksheet?");
  EXPECT_EQ(windows.boxes[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(windows.boxes[0].icon, Icon::None);
  EXPECT_TRUE(printer.operations.empty());
  EXPECT_EQ(answer_log.opens, 0);
  EXPECT_EQ(form.board.Circle_Notes, board.Circle_Notes);
  EXPECT_EQ(form.board.Chords, board.Chords);
  EXPECT_EQ(form.controls.hints, controls.hints);
  for (int circle = 0; circle < kCircleCount; ++circle) {
    EXPECT_EQ(form.controls.circles[circle].caption, controls.circles[circle].caption);
  }
  EXPECT_EQ(form.Correct_Count, 5);
}

TEST_F(WorkSheetCmdTest, AfterThePageTheOnScreenPuzzleIsRecreatedWithoutAsking) {
  form.WorkSheet_cmd_Click();

  ASSERT_EQ(windows.boxes.size(), 1U) << windows.boxes.back().text;
  EXPECT_EQ(printer.of_kind(Kind::End).size(), 1U);
  EXPECT_EQ(answer_log.lines.size(), 30U);
  Expect_Puzzle_Shown();
}

TEST_F(WorkSheetCmdTest, AfterAFailedPageThePuzzleIsRecreatedToo) {
  printer.fails = [](const auto& op) { return op.kind == Kind::Text; };
  form.WorkSheet_cmd_Click();

  ASSERT_EQ(windows.boxes.size(), 2U);
  EXPECT_EQ(windows.boxes[1].icon, Icon::Critical);
  Expect_Puzzle_Shown();
}

}  // namespace
}  // namespace velmora
