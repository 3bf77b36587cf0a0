#include <gtest/gtest.h>

#include <tuple>

#include "fakes/main_form_fixture.h"
#include "hints/hints.h"

namespace velmora {
namespace {

using Labels = std::vector<std::string>;
// What a repaint showed: the circles' captions, the MIDI messages sent by then, the clock's time.
using Repaint = std::tuple<Labels, std::size_t, long>;

constexpr std::array kHints = {&MainForm::Hint1_Click, &MainForm::Hint2_Click,
                               &MainForm::Hint3_Click, &MainForm::Hint4_Click};

// A loaded form whose repaints are recorded.
class HintTest : public testing::MainFormTest {
 protected:
  HintTest() {
    windows.on_repaint = [this](std::span<const int> circles) {
      repaints.emplace_back(shown(circles), midi.sent.size(), clock.elapsed_ms);
    };
  }

  Labels shown(std::span<const int> circles) const {
    Labels labels;
    for (int circle : circles) labels.push_back(caption(circle));
    return labels;
  }

  std::vector<Repaint> repaints;
};

// Before any puzzle a hint shows a box, and even the player's drop on the line is blanked for the
// pause; All Sound Off follows.
TEST_F(HintTest, BeforeAnyPuzzleAHintAsksForOne) {
  form.circle_drop(14, "Bx");
  const Labels dropped = shown(kChordLineCircles[2]);
  form.Hint3_Click();
  EXPECT_EQ(windows.texts(), Labels{"Create A New Velmora First! Press the create Button."});
  EXPECT_EQ(repaints,
            (std::vector<Repaint>{{Labels(kChordTones), 0, 0}, {dropped, 0, clock.elapsed_ms}}));
  EXPECT_EQ(midi.sent, (std::vector<std::vector<int>>{{0xB1, 0x78, 0x00}}));
}

// The chord sounds before the formula is painted; the captions return after two seconds on the
// monotonic clock, slept in short steps; then All Sound Off. Only Hint2 changes the program.
TEST_F(HintTest, EachButtonSoundsItsChordAndShowsItsFormulaForThePause) {
  queue_pass({"Maj9", "Dom9", "Min9", "Dom9_sus2"}, "G", 9);
  form.Create_Puzzle_Click();
  for (int circle = 1; circle <= kCircleCount; ++circle) form.circle_drop(circle, "Bx");
  const std::tuple<int, Labels, std::vector<int>> cases[] = {
      {1, {"  1", "  3", "  5", "  7", "  9"}, {60, 64, 67, 71, 74}},
      {2, {"  1", "  3", "  5", "  b7", "  9"}, {60, 64, 67, 70, 74}},
      {3, {"  1", " b3", "  5", "  b7", "  9"}, {60, 63, 67, 70, 74}},
      {4, {"  1", "  2", "  5", "  b7", "  9"}, {60, 62, 67, 70, 74}}};
  for (const auto& [line, formula, notes] : cases) {
    SCOPED_TRACE(line);
    clock.elapsed_ms = clock.sleeps = 0;
    midi.sent.clear();
    repaints.clear();
    const Labels player = shown(kChordLineCircles[line - 1]);
    (form.*kHints[line - 1])();
    std::vector<std::vector<int>> bytes;
    if (line == 2) bytes.push_back({0xC1, 0x01, 0x00});
    for (int note : notes) bytes.push_back({0x91, note, 127});
    EXPECT_EQ(repaints, (std::vector<Repaint>{{formula, bytes.size(), 0},
                                              {player, bytes.size(), clock.elapsed_ms}}));
    bytes.push_back({0xB1, 0x78, 0x00});
    EXPECT_EQ(midi.sent, bytes);
    EXPECT_TRUE(clock.elapsed_ms >= 2000 && clock.elapsed_ms < 2020) << clock.elapsed_ms;
    EXPECT_GE(clock.sleeps, 100);
  }
  EXPECT_TRUE(windows.boxes.empty());

  // Without "Enable MIDI" a hint still shows its formula for the pause, silently.
  form.set_midi_enabled(false);
  clock.elapsed_ms = 0;
  midi.sent.clear();
  repaints.clear();
  for (const auto hint : kHints) (form.*hint)();
  EXPECT_TRUE(midi.sent.empty());
  EXPECT_EQ(repaints.size(), 8U);
  EXPECT_EQ(repaints[0], (Repaint{{"  1", "  3", "  5", "  7", "  9"}, 0, 0}));
  EXPECT_TRUE(windows.boxes.empty());
}

}  // namespace
}  // namespace velmora
