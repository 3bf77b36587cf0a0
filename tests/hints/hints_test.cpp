#include "hints/hints.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using Labels = std::vector<std::string>;
// What a repaint showed: the repainted circles' captions, the MIDI messages sent by then and the
// clock's time.
using Repaint = std::tuple<Labels, std::size_t, long>;

constexpr std::array kHints = {&MainForm::Hint1_Click, &MainForm::Hint2_Click,
                               &MainForm::Hint3_Click, &MainForm::Hint4_Click};

// A loaded form whose circles the player has captioned p1..p17.
class HintTest : public testing::MainFormTest {
 protected:
  HintTest() {
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      form.controls.circles[circle - 1].caption = std::string("p").append(std::to_string(circle));
    }
    windows.on_repaint = [this](std::span<const int> circles) {
      repaints.emplace_back(Shown(circles), midi.sent.size(), clock.elapsed_ms);
    };
  }

  Labels Shown(std::span<const int> circles) const {
    Labels shown;
    for (int circle : circles) shown.push_back(form.controls.circles[circle - 1].caption);
    return shown;
  }

  std::vector<Repaint> repaints;
};

// The chord sounds before the formula is painted; the captions come back when the clock has
// gone from 58 to 2 (the minute's roll-over restarts the count), slept through in short steps;
// then All Sound Off. Hint2 alone changes the program first. With "Enable MIDI" unchecked the
// formulas still show but no message at all is sent.
TEST_F(HintTest, EachButtonSoundsItsChordAndShowsItsFormulaForThePause) {
  form.board.Chords = {"Maj9", "Dom9", "Min9", "Dom9_sus2"};
  circle_note(form.board.Circle_Notes, kCentreCircle) = "G";
  Spell_Chord_Lines(form.key_tables, form.board.Chords, form.board.Circle_Notes,
                    form.board.Tone_Index, windows);
  for (std::string& note : form.board.Circle_Notes) note = Pad_Note(note);
  const std::tuple<int, Labels, std::vector<int>> cases[] = {
      {1, {"  1", "  3", "  5", "  7", "  9"}, {60, 64, 67, 71, 74}},
      {2, {"  1", "  3", "  5", "  b7", "  9"}, {60, 64, 67, 70, 74}},
      {3, {"  1", " b3", "  5", "  b7", "  9"}, {60, 63, 67, 70, 74}},
      {4, {"  1", "  2", "  5", "  b7", "  9"}, {60, 62, 67, 70, 74}}};
  for (const auto& [line, formula, notes] : cases) {
    SCOPED_TRACE(line);
    clock.start_second = 58;
    clock.elapsed_ms = clock.sleeps = 0;
    midi.sent.clear();
    repaints.clear();
    const Labels player = Shown(kChordLineCircles[line - 1]);
    (form.*kHints[line - 1])();
    std::vector<std::vector<int>> bytes;
    if (line == 2) bytes.push_back({0xC1, 0x01, 0x00});
    for (int note : notes) bytes.push_back({0x91, note, 127});
    EXPECT_EQ(repaints, (std::vector<Repaint>{{formula, bytes.size(), 0},
                                              {player, bytes.size(), clock.elapsed_ms}}));
    bytes.push_back({0xB1, 0x78, 0x00});
    EXPECT_EQ(midi.sent, bytes);
    EXPECT_TRUE(clock.elapsed_ms >= 4000 && clock.elapsed_ms < 4020) << clock.elapsed_ms;
    EXPECT_GE(clock.sleeps, 200);
  }
  form.controls.check_midi.value = 0;
  midi.sent.clear();
  repaints.clear();
  for (const auto hint : kHints) (form.*hint)();
  EXPECT_TRUE(midi.sent.empty());
  EXPECT_EQ(repaints.size(), 8U);
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(HintTest, AHintBeforeTheFirstPuzzleShowsTheBoxBlanksTheLineAndSoundsNoNote) {
  const Labels player = Shown(kChordLineCircles[2]);
  form.Hint3_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Create A New Velmora First! Press the create Button.");
  EXPECT_EQ(repaints,
            (std::vector<Repaint>{{Labels(kChordTones), 0, 0}, {player, 0, clock.elapsed_ms}}));
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{{0xB1, 0x78, 0x00}}));
}

// Every formula row names the tones its chord type is spelled from, in the same order.
TEST(ChordFormulaTable, RowsNameTheCatalogueTones) {
  const std::map<int, std::string_view> interval = {
      {kRoot, "1"},          {kMinorThird, "b3"},   {kMajorThird, "3"},  {kFourth, "4"},
      {kFlatFifth, "b5"},    {kFifth, "5"},         {kSharpFifth, "#5"}, {kSixth, "6"},
      {kMinorSeventh, "b7"}, {kMajorSeventh, "7"},  {kFlatNinth, "b9"},  {kNinth, "9"},
      {kSharpNinth, "#9"},   {kSharpEleventh, "#4"}};
  std::set<std::string_view> names;
  for (const FormulaRow& row : kChordFormulas) {
    const ChordType* type = Find_Chord_Type(row.name);
    ASSERT_NE(type, nullptr) << row.name;
    names.insert(row.name);
    for (int tone = 0; tone < kChordTones; ++tone) {
      std::string_view label = row.labels[tone];
      label.remove_prefix(label.find_first_not_of(' '));
      // Sus2's second tone is spelled from the ninth but named as the second.
      const std::string_view expected =
          type->name == "Dom9_sus2" && tone == 1 ? "2" : interval.at(type->tone_slots[tone]);
      EXPECT_EQ(label, expected) << type->name << " tone " << tone + 1;
    }
  }
  EXPECT_EQ(names.size(), kChordCatalogue.size());
}

}  // namespace
}  // namespace velmora
