#include "hints/hints.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fakes/main_form_fixture.h"

namespace velmora {
namespace {

using Captions = std::vector<std::string>;

constexpr std::array kHints = {&MainForm::Hint1_Click, &MainForm::Hint2_Click,
                               &MainForm::Hint3_Click, &MainForm::Hint4_Click};

// A loaded form with its circles captioned p1..p17; each repaint records the captions, the
// count of MIDI messages sent by then and the clock's time.
class HintTest : public testing::MainFormTest {
 protected:
  HintTest() {
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      form.controls.circles[circle - 1].caption = std::string("p").append(std::to_string(circle));
    }
    player = captions();
    windows.on_repaint = [this] {
      shown.push_back(captions());
      sent_at_repaint.push_back(midi.sent.size());
      ms_at_repaint.push_back(clock.elapsed_ms);
    };
  }

  Captions captions() const {
    Captions all;
    for (const Label& label : form.controls.circles) all.push_back(label.caption);
    return all;
  }

  // The player's captions with `labels` in the circles of `line`.
  Captions with_line(int line, const std::array<std::string, kChordTones>& labels) const {
    Captions all = player;
    for (int tone = 0; tone < kChordTones; ++tone) {
      all[kChordLineCircles[line - 1][tone] - 1] = labels[tone];
    }
    return all;
  }

  Captions player;
  std::vector<Captions> shown;
  std::vector<std::size_t> sent_at_repaint;
  std::vector<long> ms_at_repaint;
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
  const std::vector<std::tuple<int, std::array<std::string, kChordTones>, std::vector<int>>> cases =
      {{1, {"  1", "  3", "  5", "  7", "  9"}, {60, 64, 67, 71, 74}},
       {2, {"  1", "  3", "  5", "  b7", "  9"}, {60, 64, 67, 70, 74}},
       {3, {"  1", " b3", "  5", "  b7", "  9"}, {60, 63, 67, 70, 74}},
       {4, {"  1", "  2", "  5", "  b7", "  9"}, {60, 62, 67, 70, 74}}};
  for (const auto& [line, formula, notes] : cases) {
    SCOPED_TRACE(line);
    clock.start_second = 58;
    clock.elapsed_ms = clock.sleeps = 0;
    midi.sent.clear();
    shown.clear();
    sent_at_repaint.clear();
    ms_at_repaint.clear();
    (form.*kHints[line - 1])();
    std::vector<std::vector<int>> bytes;
    if (line == 2) bytes.push_back({0xC1, 0x01, 0x00});
    for (int note : notes) bytes.push_back({0x91, note, 127});
    EXPECT_EQ(sent_at_repaint, (std::vector<std::size_t>{bytes.size(), bytes.size()}));
    bytes.push_back({0xB1, 0x78, 0x00});
    EXPECT_EQ(midi.sent, bytes);
    EXPECT_EQ(shown, (std::vector<Captions>{with_line(line, formula), player}));
    EXPECT_EQ(ms_at_repaint, (std::vector<long>{0, clock.elapsed_ms}));
    EXPECT_TRUE(clock.elapsed_ms >= 4000 && clock.elapsed_ms < 4020) << clock.elapsed_ms;
    EXPECT_GE(clock.sleeps, 200);
  }
  form.controls.check_midi.value = 0;
  midi.sent.clear();
  shown.clear();
  for (const auto hint : kHints) (form.*hint)();
  EXPECT_TRUE(midi.sent.empty());
  EXPECT_EQ(shown.size(), 8U);
  EXPECT_TRUE(windows.boxes.empty());
}

TEST_F(HintTest, AHintBeforeTheFirstPuzzleShowsTheBoxBlanksTheLineAndSoundsNoNote) {
  form.Hint3_Click();
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "Create A New Velmora First! Press the create Button.");
  EXPECT_EQ(shown, (std::vector<Captions>{with_line(3, {"", "", "", "", ""}), player}));
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{{0xB1, 0x78, 0x00}}));
}

// Every formula row names the tones its chord type is spelled from, in the same order.
TEST(ChordFormulaTable, RowsNameTheCatalogueTones) {
  const std::map<int, std::string_view> interval = {
      {kRoot, "1"},       {kMinorThird, "b3"},    {kMajorThird, "3"},     {kFourth, "4"},
      {kFlatFifth, "b5"}, {kFifth, "5"},          {kSharpFifth, "#5"},    {kSixth, "6"},
      {kMinorSeventh, "b7"}, {kMajorSeventh, "7"}, {kFlatNinth, "b9"},    {kNinth, "9"},
      {kSharpNinth, "#9"},   {kSharpEleventh, "#4"}};
  std::set<std::string_view> names;
  for (const FormulaRow& row : kChordFormulas) {
    const ChordType* found = Find_Chord_Type(row.name);
    ASSERT_NE(found, nullptr) << row.name;
    const ChordType& type = *found;
    names.insert(row.name);
    for (int tone = 0; tone < kChordTones; ++tone) {
      std::string_view label = row.labels[tone];
      label.remove_prefix(label.find_first_not_of(' '));
      // Sus2's second tone is spelled from the ninth but named as the second.
      const std::string_view expected =
          type.name == "Dom9_sus2" && tone == 1 ? "2" : interval.at(type.tone_slots[tone]);
      EXPECT_EQ(label, expected) << type.name << " tone " << tone + 1;
    }
  }
  EXPECT_EQ(names.size(), kChordCatalogue.size());
}

}  // namespace
}  // namespace velmora
