#include "hints/hints.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fakes/fake_clock.h"
#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

// A caption the player might have left in a circle.
std::string Caption(char prefix, int circle) {
  std::string caption(1, prefix);
  caption.append(std::to_string(circle));
  return caption;
}

using testing::FakeClock;
using testing::FakeWindowSystem;
using testing::MainFormTest;
using Bytes = std::vector<std::vector<int>>;

// Every row obeys the catalogue: the trimmed label of each tone names the tone's slot, and the
// labels are three characters wide but for the b7 and the two four-character look-alikes.
TEST(ChordFormulaTable, EveryRowNamesTheSlotsOfItsCatalogueType) {
  const std::map<int, std::string_view> interval = {
      {kRoot, "1"},       {kMinorThird, "b3"},    {kMajorThird, "3"},   {kFourth, "4"},
      {kFlatFifth, "b5"}, {kFifth, "5"},          {kSharpFifth, "#5"},  {kSixth, "6"},
      {kMinorSeventh, "b7"}, {kMajorSeventh, "7"}, {kFlatNinth, "b9"}, {kNinth, "9"},
      {kSharpNinth, "#9"}, {kSharpEleventh, "#4"}};
  std::set<std::string_view> names;
  for (const FormulaRow& row : kChordFormulas) {
    SCOPED_TRACE(row.name);
    names.insert(row.name);
    const ChordType* type = Find_Chord_Type(row.name);
    ASSERT_NE(type, nullptr);
    for (int tone = 0; tone < kChordTones; ++tone) {
      const std::string_view label = row.labels[tone];
      const std::string_view trimmed = label.substr(label.find_first_not_of(' '));
      const bool sus2_second = row.name == "Dom9_sus2" && tone == 1;
      EXPECT_EQ(trimmed, sus2_second ? "2" : interval.at(type->tone_slots[tone]));
      const bool wide = trimmed == "b7" || (row.name == "Min7_#4_b9" && tone == 4) ||
                        (row.name == "Min9_maj7" && tone == 3);
      EXPECT_EQ(label.size(), wide ? 4U : 3U);
    }
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kChordTypeCount));
}

TEST(ChordFormulaTest, AnUnknownNameShowsTheBoxAndLeavesTheLabels) {
  FakeWindowSystem windows;
  std::array<std::string, kChordTones> labels{"a", "b", "c", "d", "e"};
  ChordFormula(windows, "maj9", labels);
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Create A New Velmora First! Press the create Button.");
  EXPECT_EQ(windows.boxes[0].buttons, Buttons::Ok);
  EXPECT_EQ(windows.boxes[0].icon, Icon::None);
  EXPECT_EQ(windows.boxes[0].title, "Velmora");
  EXPECT_EQ(labels, (std::array<std::string, kChordTones>{"a", "b", "c", "d", "e"}));
}

struct PauseCase {
  int start_second;
  long start_ms;  // into the minute's first second
  int end_second;
  long length_ms;
};

void PrintTo(const PauseCase& c, std::ostream* os) {
  *os << "from " << c.start_second << "s+" << c.start_ms << "ms";
}

class HintPauseTest : public ::testing::TestWithParam<PauseCase> {};

TEST_P(HintPauseTest, EndsTwoSecondsOnByTheClockInShortSleeps) {
  const PauseCase c = GetParam();
  FakeClock clock;
  clock.start_second = c.start_second;
  clock.elapsed_ms = c.start_ms;
  std::int16_t start = -1, now = -1;
  HintPause(clock, start, now);
  EXPECT_EQ(clock.second_of_minute(), c.end_second);
  EXPECT_GE(clock.elapsed_ms - c.start_ms, c.length_ms);
  EXPECT_LT(clock.elapsed_ms - c.start_ms, c.length_ms + 20);
  EXPECT_GE(clock.sleeps, static_cast<int>(c.length_ms / 20));
  EXPECT_EQ(now - start, 2);
}

INSTANTIATE_TEST_SUITE_P(ClockRule, HintPauseTest,
                         ::testing::Values(PauseCase{10, 0, 12, 2000}, PauseCase{10, 990, 12, 1010},
                                           PauseCase{57, 0, 59, 2000}, PauseCase{58, 0, 2, 4000},
                                           PauseCase{59, 500, 2, 2500}));

// A loaded form holding a board whose lines are spelled through "G" (all roots are C).
class HintTest : public MainFormTest {
 protected:
  HintTest() {
    form.board.Chords = {"Maj9", "Dom9", "Min9", "Dom9_sus2"};
    circle_note(form.board.Circle_Notes, kCentreCircle) = "G";
    Spell_Chord_Lines(form.key_tables, form.board.Chords, form.board.Circle_Notes,
                      form.board.Tone_Index, windows);
    for (std::string& note : form.board.Circle_Notes) note = Pad_Note(note);
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      form.controls.circles[circle - 1].caption = Caption('p', circle);
    }
    windows.on_repaint = [this] {
      std::vector<std::string> captions;
      for (const Label& label : form.controls.circles) captions.push_back(label.caption);
      shown.push_back(captions);
      messages_at_repaint.push_back(midi.messages.size());
    };
    midi.messages.clear();
  }

  void click(int line) {
    switch (line) {
      case 1: form.Hint1_Click(); break;
      case 2: form.Hint2_Click(); break;
      case 3: form.Hint3_Click(); break;
      case 4: form.Hint4_Click(); break;
    }
  }

  std::vector<std::string> player_captions() const {
    std::vector<std::string> captions;
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      captions.push_back(Caption('p', circle));
    }
    return captions;
  }

  std::vector<std::vector<std::string>> shown;
  std::vector<std::size_t> messages_at_repaint;
};

struct HintCase {
  int line;
  std::array<std::string, kChordTones> formula;
  Bytes bytes;
};

void PrintTo(const HintCase& c, std::ostream* os) { *os << "Hint" << c.line; }

class HintLineTest : public HintTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(HintLineTest, SoundsTheChordShowsTheFormulaDuringThePauseAndPutsTheCaptionsBack) {
  const HintCase c = GetParam();
  clock.start_second = 58;
  click(c.line);

  ASSERT_EQ(shown.size(), 2U);
  std::vector<std::string> during = player_captions();
  for (int tone = 0; tone < kChordTones; ++tone) {
    during[kChordLineCircles[c.line - 1][tone] - 1] = c.formula[tone];
  }
  EXPECT_EQ(shown[0], during);
  EXPECT_EQ(shown[1], player_captions());
  EXPECT_EQ(windows.repaints[0], std::vector<int>(kChordLineCircles[c.line - 1].begin(),
                                                  kChordLineCircles[c.line - 1].end()));
  EXPECT_EQ(windows.repaints[1], windows.repaints[0]);
  EXPECT_EQ(clock.second_of_minute(), 2);

  EXPECT_EQ(midi.sent_bytes(), c.bytes);
  // The chord sounds before the formula is shown, and is silenced after the captions return.
  EXPECT_EQ(messages_at_repaint[0], c.bytes.size() - 1);
  EXPECT_EQ(messages_at_repaint[1], c.bytes.size() - 1);
  EXPECT_TRUE(windows.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FourButtons, HintLineTest,
    ::testing::Values(
        HintCase{1,
                 {"  1", "  3", "  5", "  7", "  9"},
                 {{0x91, 60, 127}, {0x91, 64, 127}, {0x91, 67, 127}, {0x91, 71, 127},
                  {0x91, 74, 127}, {0xB1, 0x78, 0x00}}},
        HintCase{2,
                 {"  1", "  3", "  5", "  b7", "  9"},
                 {{0xC1, 0x01, 0x00}, {0x91, 60, 127}, {0x91, 64, 127}, {0x91, 67, 127},
                  {0x91, 70, 127}, {0x91, 74, 127}, {0xB1, 0x78, 0x00}}},
        HintCase{3,
                 {"  1", " b3", "  5", "  b7", "  9"},
                 {{0x91, 60, 127}, {0x91, 63, 127}, {0x91, 67, 127}, {0x91, 70, 127},
                  {0x91, 74, 127}, {0xB1, 0x78, 0x00}}},
        HintCase{4,
                 {"  1", "  2", "  5", "  b7", "  9"},
                 {{0x91, 60, 127}, {0x91, 62, 127}, {0x91, 67, 127}, {0x91, 70, 127},
                  {0x91, 74, 127}, {0xB1, 0x78, 0x00}}}));

TEST_F(HintTest, WithMidiUncheckedNoMessageIsSentAtAll) {
  form.controls.check_midi.value = 0;
  for (int line = 1; line <= kChordLineCount; ++line) click(line);
  EXPECT_TRUE(midi.messages.empty());
  EXPECT_EQ(shown.size(), 8U);
  EXPECT_EQ(shown[0][kCentreCircle - 1], "  5");
}

TEST_F(HintTest, AFailingNoteIsReportedAndTheFormulaStillShowsWithoutAllSoundOff) {
  midi.send_fails = MidiResult::SendFailed;
  form.Hint1_Click();
  EXPECT_EQ(midi.messages.size(), 5U);
  EXPECT_EQ(windows.boxes.size(), 5U);
  EXPECT_EQ(windows.boxes[0].text, "text of 9");
  EXPECT_FALSE(form.controls.check_midi.enabled);
  EXPECT_FALSE(form.controls.Frame1_enabled);
  ASSERT_EQ(shown.size(), 2U);
  EXPECT_EQ(shown[0][15 - 1], "  1");
  EXPECT_EQ(shown[1], player_captions());
}

TEST_F(MainFormTest, AHintBeforeTheFirstPuzzleShowsTheBoxBlanksTheLineAndSoundsNoNote) {
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    form.controls.circles[circle - 1].caption = Caption('c', circle);
  }
  std::vector<std::string> during;
  windows.on_repaint = [&] {
    if (during.empty()) {
      for (const Label& label : form.controls.circles) during.push_back(label.caption);
    }
  };
  midi.messages.clear();
  form.Hint3_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Create A New Velmora First! Press the create Button.");
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const bool on_line = circle == 1 || circle == 4 || circle == 9 || circle == 14 || circle == 17;
    EXPECT_EQ(during[circle - 1], on_line ? "" : Caption('c', circle));
    EXPECT_EQ(form.controls.circles[circle - 1].caption, Caption('c', circle));
  }
  EXPECT_EQ(midi.sent_bytes(), (Bytes{{0xB1, 0x78, 0x00}}));
}

}  // namespace
}  // namespace velmora
