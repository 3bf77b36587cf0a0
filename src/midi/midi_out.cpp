#include "midi/midi_out.h"

#include <string_view>
#include <utility>

namespace velmora {

MidiDeviceList FillMidiDeviceList(MidiSystem& midi) {
  MidiDeviceList list;
  std::string name;
  if (midi.device_caps(kMidiMapper, name) == MidiResult::Ok) {
    list.devices.push_back({name, kMidiMapper});
  } else {
    list.mapper_missing = true;
  }
  const int count = midi.device_count();
  for (int id = 0; id < count; ++id) {
    name.clear();
    if (midi.device_caps(static_cast<std::int16_t>(id), name) == MidiResult::Ok) {
      list.devices.push_back({name, static_cast<std::int16_t>(id)});
    }
  }
  return list;
}

MidiResult MidiOut::MidiOpen(std::int16_t device_id) {
  if (const MidiResult closed = MidiClose(); closed != MidiResult::Ok) return closed;
  const MidiResult result = midi_.open(device_id, hMidiOut_);
  if (result != MidiResult::Ok) hMidiOut_ = 0;
  return result;
}

MidiResult MidiOut::MidiClose() {
  if (hMidiOut_ == 0) return MidiResult::Ok;
  const MidiResult result = midi_.close(hMidiOut_);
  hMidiOut_ = 0;
  return result;
}

MidiResult MidiOut::SendMidiShort(ShortMessage message) {
  return midi_.short_message(hMidiOut_, static_cast<std::uint32_t>(PackMidiMessage(message)));
}

std::int32_t PackMidiMessage(ShortMessage message) {
  // Unsigned arithmetic keeps values outside 0..127 from overflowing; the MIDI system refuses
  // such a message rather than this function.
  const std::uint32_t packed = static_cast<std::uint32_t>(message.status) +
                               static_cast<std::uint32_t>(message.data1) * 256U +
                               static_cast<std::uint32_t>(message.data2) * 65536U;
  return static_cast<std::int32_t>(packed);
}

namespace {

struct MidiNote {
  NoteName name;
  std::int16_t number;
};

constexpr std::int16_t kMiddleC = 60;
constexpr int kOctaves = 3;
constexpr std::string_view kLetterOrder = "CDEFGAB";
// Accidentals in search order, from the quadruple flat up. The three-accidental names only
// occur on boards of "Advanced"; placing them by pitch among the others keeps the order of
// the 35 common names.
constexpr int kLowestAlteration = -4;
constexpr int kHighestAlteration = 3;

// Three octaves from middle C: the third lets every chord, the B-rooted ones included, rise to
// its ninth.
std::vector<MidiNote> midi_note_table() {
  std::vector<MidiNote> table;
  for (int octave = 0; octave < kOctaves; ++octave) {
    for (const char letter : kLetterOrder) {
      for (int alteration = kLowestAlteration; alteration <= kHighestAlteration; ++alteration) {
        const NoteName name(letter, alteration);
        table.push_back(
            {name, static_cast<std::int16_t>(kMiddleC + 12 * octave + name.semitones_from_c())});
      }
    }
  }
  return table;
}

}  // namespace

std::vector<ShortMessage> PlayChord(
    const std::array<std::optional<NoteName>, kChordTones>& notes) {
  static const std::vector<MidiNote> kTable = midi_note_table();
  std::vector<ShortMessage> note_ons;
  // Each tone is looked up from where the previous one was found, so the chord rises.
  std::size_t position = 0;
  for (const std::optional<NoteName>& note : notes) {
    if (!note) continue;
    for (std::size_t candidate = position; candidate < kTable.size(); ++candidate) {
      if (kTable[candidate].name == *note) {
        note_ons.push_back({kNoteOn, kTable[candidate].number, kFullVelocity});
        position = candidate;
        break;
      }
    }
  }
  return note_ons;
}

}  // namespace velmora
