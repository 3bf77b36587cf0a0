#include "midi/midi_out.h"

#include <gtest/gtest.h>

#include <string_view>

#include "fakes/fake_window_system.h"
#include "fakes/recording_midi_system.h"
#include "theory/chords.h"

namespace velmora {
namespace {

using testing::FakeWindowSystem;
using testing::RecordingMidiSystem;
using Bytes = std::vector<std::vector<int>>;

// A MIDI output with an open device on the recording fake.
class MidiOutTest : public ::testing::Test {
 protected:
  MidiOutTest() { midi.open(kMidiMapper, hMidiOut); }

  std::vector<int> notes_sent() const {
    std::vector<int> notes;
    for (const std::vector<int>& bytes : midi.sent_bytes()) {
      EXPECT_EQ(bytes[0], 0x91);
      EXPECT_EQ(bytes[2], 127);
      notes.push_back(bytes[1]);
    }
    return notes;
  }

  RecordingMidiSystem midi;
  FakeWindowSystem windows;
  MidiHandle hMidiOut = 0;
  CheckBox check_midi{1};
  bool Frame1_enabled = true;
  MidiOut out{midi, windows, hMidiOut, check_midi, Frame1_enabled};
};

struct PackCase {
  std::int16_t status, data1, data2;
  std::uint32_t packed;
};

void PrintTo(const PackCase& c, std::ostream* os) {
  *os << c.status << ' ' << c.data1 << ' ' << c.data2;
}

class PackTest : public ::testing::TestWithParam<PackCase> {};

TEST_P(PackTest, PacksStatusLowestThenDataBytes) {
  const PackCase c = GetParam();
  EXPECT_EQ(static_cast<std::uint32_t>(PackMidiMessage(c.status, c.data1, c.data2)), c.packed);
}

INSTANTIATE_TEST_SUITE_P(Golden, PackTest,
                         ::testing::Values(PackCase{145, 60, 127, 0x007F3C91},
                                           PackCase{177, 120, 0, 0x000078B1},
                                           PackCase{193, 1, 0, 0x000001C1},
                                           PackCase{145, 127, 127, 0x007F7F91}));

struct ChordCase {
  std::string_view what;
  std::array<std::string, 5> notes;
  std::vector<int> sent;
};

void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.what; }

class PlayChordTest : public MidiOutTest, public ::testing::WithParamInterface<ChordCase> {};

TEST_P(PlayChordTest, SendsNoteOnsRisingFromTheRoot) {
  PlayChord(out, GetParam().notes);
  EXPECT_EQ(notes_sent(), GetParam().sent);
  EXPECT_TRUE(windows.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Voicings, PlayChordTest,
    ::testing::Values(
        ChordCase{"CMaj9", {"   C", "   E", "   G", "   B", "   D"}, {60, 64, 67, 71, 74}},
        ChordCase{"GDom9", {"   G", "   B", "   D", "   F", "   A"}, {67, 71, 74, 77, 81}},
        ChordCase{"CbRoot", {"  Cb", "  Eb", "  Gb", "  Bb", "  Db"}, {59, 63, 66, 70, 73}},
        ChordCase{"BSharpRoot", {"  B#", "  Dx", "  Fx", "  Ax", "  Cx"}, {72, 76, 79, 83, 86}},
        ChordCase{"Sus2NinthInSecondOctave", {"   C", "   D", "   G", "  Bb", "   D"},
                  {60, 62, 67, 70, 74}},
        ChordCase{"BRootedNinthInThirdOctave", {"   B", "  D#", "  F#", "  A#", "  C#"},
                  {71, 75, 78, 82, 85}},
        ChordCase{"BxRootedNinth", {"  Bx", "  D#", "  F#", "  A#", "   C"}, {73, 75, 78, 82, 84}},
        ChordCase{"ThreeFlatsAtTheirPitch", {" Gbb", "Bbbb", "  Db", "Fbbb", "Abbb"},
                  {65, 68, 73, 74, 78}},
        ChordCase{"ThreeSharpsAtTheirPitch", {"  F#", "  A#", "  C#", "   E", "G###"},
                  {66, 70, 73, 76, 82}},
        ChordCase{"UnknownNameSkippedLaterNotesSound", {"   C", "   H", "   G", "   B", "   D"},
                  {60, 67, 71, 74}},
        ChordCase{"UnpaddedNameSkipped", {"   C", "E", "   G", "   B", "   D"}, {60, 67, 71, 74}},
        ChordCase{"EmptyNamesBeforeTheFirstPuzzle", {"", "", "", "", ""}, {}}),
    [](const auto& info) { return std::string(info.param.what); });

// The voicing of a table with the 35 common names in two octaves, searched until "stop": where
// it finds all five notes, the three-octave table must sound exactly the same.
std::vector<int> Two_Octave_Voicing(const std::array<std::string, 5>& notes) {
  const std::string letters = "CDEFGAB";
  const std::array<int, 7> letter_steps = {0, 2, 4, 5, 7, 9, 11};
  const std::array<std::string, 5> accidentals = {"bb", "b", "", "#", "x"};
  std::vector<std::pair<std::string, int>> table;
  for (int octave = 0; octave < 2; ++octave) {
    for (int l = 0; l < 7; ++l) {
      for (int a = 0; a < 5; ++a) {
        table.emplace_back(Pad_Note(letters.substr(l, 1) + accidentals[a]),
                           60 + 12 * octave + letter_steps[l] + a - 2);
      }
    }
  }
  std::vector<int> sent;
  std::size_t p = 0;
  for (const std::string& note : notes) {
    while (p < table.size() && table[p].first != note) ++p;
    if (p == table.size()) break;
    sent.push_back(table[p].second);
  }
  return sent;
}

int Pitch_Class(std::string_view padded) {
  const std::string_view name = padded.substr(padded.find_first_not_of(' '));
  const int letter = std::array<int, 7>{9, 11, 0, 2, 4, 5, 7}[name[0] - 'A'];
  int accidental = 0;
  for (char c : name.substr(1)) accidental += c == 'b' ? -1 : c == '#' ? 1 : 2;
  return ((letter + accidental) % 12 + 12) % 12;
}

TEST_F(MidiOutTest, EveryChordOfEveryBoardSoundsWholeAndKeepsTheTwoOctaveNumbers) {
  KeyTables tables;
  Fill_Key_Tables(tables);
  int compared = 0;
  for (int key = 1; tables.Key_Names[key] != kStop; ++key) {
    for (const ChordType& type : kChordCatalogue) {
      std::array<std::string, 5> notes;
      notes[2] = tables.Key_Names[key];
      ToneIndex index{};
      ASSERT_TRUE(Spell_Chord(tables, type, notes[2], notes[0], notes[1], notes[3], notes[4],
                              index));
      for (std::string& note : notes) note = Pad_Note(note);
      midi.messages.clear();
      PlayChord(out, notes);
      const std::vector<int> sent = notes_sent();
      SCOPED_TRACE(std::string(type.name) + " through " + tables.Key_Names[key]);
      ASSERT_EQ(sent.size(), 5U);
      for (int tone = 0; tone < 5; ++tone) {
        EXPECT_EQ(sent[tone] % 12, Pitch_Class(notes[tone]));
        if (tone > 0) {
          EXPECT_GT(sent[tone], sent[tone - 1]);
        }
      }
      const std::vector<int> original = Two_Octave_Voicing(notes);
      if (original.size() == 5) {
        EXPECT_EQ(sent, original);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 200);
}

TEST(FillMidiDeviceListTest, MapperFirstThenDevicesInIdOrder) {
  RecordingMidiSystem midi;
  midi.devices = {"Port A", std::nullopt, "Port C"};
  ListBox list{{{"stale", 7}}, 0};
  bool missing = false;
  FillMidiDeviceList(midi, list, missing);
  EXPECT_FALSE(missing);
  ASSERT_EQ(list.entries.size(), 3U);
  EXPECT_EQ(list.entries[0].text, "Built-in synthesizer");
  EXPECT_EQ(list.entries[0].item_data, -1);
  EXPECT_EQ(list.entries[1].text, "Port A");
  EXPECT_EQ(list.entries[1].item_data, 0);
  EXPECT_EQ(list.entries[2].text, "Port C");
  EXPECT_EQ(list.entries[2].item_data, 2);
}

TEST(FillMidiDeviceListTest, MissingMapperIsFlaggedAndLeftOut) {
  RecordingMidiSystem midi;
  midi.mapper.reset();
  midi.devices = {"Port A"};
  ListBox list;
  bool missing = false;
  FillMidiDeviceList(midi, list, missing);
  EXPECT_TRUE(missing);
  ASSERT_EQ(list.entries.size(), 1U);
  EXPECT_EQ(list.entries[0].item_data, 0);
}

TEST_F(MidiOutTest, OpeningClosesTheOpenDeviceFirst) {
  const MidiHandle first = hMidiOut;
  MidiOpen(out, 0);
  EXPECT_EQ(midi.calls.back(), "open 0");
  EXPECT_EQ(midi.calls[midi.calls.size() - 2], "close " + std::to_string(first));
  EXPECT_NE(hMidiOut, 0U);
  EXPECT_NE(hMidiOut, first);
}

enum class Failing { Open, Close, Send };

void PrintTo(Failing failing, std::ostream* os) {
  *os << (failing == Failing::Open ? "open" : failing == Failing::Close ? "close" : "send");
}

class MidiFailureTest : public MidiOutTest, public ::testing::WithParamInterface<Failing> {};

TEST_P(MidiFailureTest, ShowsTheSystemsTextAndSwitchesMidiOff) {
  switch (GetParam()) {
    case Failing::Open:
      midi.open_fails = MidiResult::AudioDriverFailed;
      MidiOpen(out, kMidiMapper);
      break;
    case Failing::Close:
      midi.close_fails = MidiResult::AudioDriverFailed;
      MidiClose(out);
      break;
    case Failing::Send:
      midi.send_fails = MidiResult::AudioDriverFailed;
      SendMidiShort(out, kControlChange, kAllSoundOff, 0);
      break;
  }
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "text of 4");
  EXPECT_EQ(windows.boxes[0].buttons, Buttons::Ok);
  EXPECT_EQ(windows.boxes[0].icon, Icon::None);
  EXPECT_EQ(windows.boxes[0].title, "Velmora");
  EXPECT_EQ(check_midi.value, 0);
  EXPECT_FALSE(check_midi.enabled);
  EXPECT_FALSE(Frame1_enabled);
  if (GetParam() != Failing::Send) {
    EXPECT_EQ(hMidiOut, 0U);
  }
}

INSTANTIATE_TEST_SUITE_P(EachOperation, MidiFailureTest,
                         ::testing::Values(Failing::Open, Failing::Close, Failing::Send));

TEST_F(MidiOutTest, ClosingWithNothingOpenCallsNothing) {
  MidiClose(out);
  midi.calls.clear();
  MidiClose(out);
  EXPECT_TRUE(midi.calls.empty());
  EXPECT_TRUE(windows.boxes.empty());
}

}  // namespace
}  // namespace velmora
