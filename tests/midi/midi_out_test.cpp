#include "midi/midi_out.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::vector<int> note_numbers(const std::array<std::string_view, 5>& names) {
  std::array<std::optional<NoteName>, 5> notes;
  for (int tone = 0; tone < 5; ++tone) notes[tone] = NoteName::from_text(names[tone]);
  std::vector<int> numbers;
  for (const ShortMessage& message : PlayChord(notes)) {
    EXPECT_EQ((std::pair{message.status, message.data2}), (std::pair<std::int16_t, std::int16_t>{0x91, 127}));
    numbers.push_back(message.data1);
  }
  return numbers;
}

// The first two octaves keep their note numbers; B-rooted ninths reach into the third; a name
// outside the table is skipped without silencing the rest; three accidentals sound at pitch.
TEST(PlayChordTest, SendsNoteOnsRisingFromTheRoot) {
  const std::vector<std::pair<std::array<std::string_view, 5>, std::vector<int>>> cases = {
      {{"C", "E", "G", "B", "D"}, {60, 64, 67, 71, 74}},
      {{"C", "D", "G", "Bb", "D"}, {60, 62, 67, 70, 74}},
      {{"Cb", "Eb", "Gb", "Bb", "Db"}, {59, 63, 66, 70, 73}},
      {{"B#", "Dx", "Fx", "Ax", "Cx"}, {72, 76, 79, 83, 86}},
      {{"Gbb", "Bbbb", "Db", "Fbbb", "Abbb"}, {65, 68, 73, 74, 78}},
      {{"F#", "A#", "C#", "E", "G###"}, {66, 70, 73, 76, 82}},
      {{"C", "H", "G", "B", "D"}, {60, 67, 71, 74}},
  };
  for (const auto& [names, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(names));
    EXPECT_EQ(note_numbers(names), expected);
  }
}

// Data outside 0..127 is packed as it is, and the MIDI system then refuses the message.
TEST(PackMidiMessageTest, AMessageOutsideTheChannelRangeIsRefused) {
  for (const ShortMessage& message : {ShortMessage{0x91, 128, 0}, ShortMessage{0x91, 60, 255},
                                      ShortMessage{0x91, -1, 0}, ShortMessage{0x7F, 60, 0}}) {
    EXPECT_FALSE(is_channel_message(static_cast<std::uint32_t>(PackMidiMessage(message))));
  }
  EXPECT_TRUE(is_channel_message(static_cast<std::uint32_t>(PackMidiMessage({0xEF, 127, 127}))));
}

}  // namespace
}  // namespace velmora
