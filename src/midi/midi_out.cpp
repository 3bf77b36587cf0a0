#include "midi/midi_out.h"

#include <string_view>
#include <utility>
#include <vector>

#include "ports/window_system.h"
#include "theory/notes.h"

namespace velmora {

void FillMidiDeviceList(MidiSystem& midi, ListBox& list, bool& MidiMapperMissing) {
  list.entries.clear();
  list.selected = -1;
  std::string name;
  if (midi.device_caps(kMidiMapper, name) == MidiResult::Ok) {
    list.entries.push_back({name, kMidiMapper});
  } else {
    MidiMapperMissing = true;
  }
  const int count = midi.device_count();
  for (int id = 0; id < count; ++id) {
    name.clear();
    if (midi.device_caps(static_cast<std::int16_t>(id), name) == MidiResult::Ok) {
      list.entries.push_back({name, id});
    }
  }
}

void MidiOpen(const MidiOut& out, std::int16_t device_id) {
  MidiClose(out);
  const MidiResult result = out.midi.open(device_id, out.hMidiOut);
  if (result != MidiResult::Ok) {
    out.hMidiOut = 0;
    ReportMidiError(out, result);
  }
}

void MidiClose(const MidiOut& out) {
  if (out.hMidiOut == 0) return;
  const MidiResult result = out.midi.close(out.hMidiOut);
  out.hMidiOut = 0;
  if (result != MidiResult::Ok) ReportMidiError(out, result);
}

void SendMidiShort(const MidiOut& out, std::int16_t status, std::int16_t data1,
                   std::int16_t data2) {
  const std::int32_t message = PackMidiMessage(status, data1, data2);
  const MidiResult result =
      out.midi.short_message(out.hMidiOut, static_cast<std::uint32_t>(message));
  if (result != MidiResult::Ok) ReportMidiError(out, result);
}

std::int32_t PackMidiMessage(std::int16_t status, std::int16_t data1, std::int16_t data2) {
  // Unsigned arithmetic keeps values outside 0..127 from overflowing; the MIDI system refuses
  // such a message rather than this function.
  const std::uint32_t packed = static_cast<std::uint32_t>(status) +
                               static_cast<std::uint32_t>(data1) * 256U +
                               static_cast<std::uint32_t>(data2) * 65536U;
  return static_cast<std::int32_t>(packed);
}

void ReportMidiError(const MidiOut& out, MidiResult result) {
  out.windows.show_message({out.midi.error_text(result)});
  out.check_midi.value = 0;
  out.check_midi.enabled = false;
  out.Frame1_enabled = false;
}

namespace {

struct MidiNote {
  std::string name;  // fixed-width form
  std::int16_t number;
};

constexpr std::int16_t kMiddleC = 60;
constexpr int kOctaves = 3;

// Letters and accidentals in search order. The three-accidental names only occur on boards of
// "Advanced"; placing them by pitch among the others keeps the order of the 35 common names.
constexpr std::array<std::pair<char, int>, 7> kLetterSteps = {
    {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}}};
constexpr std::array<std::pair<std::string_view, int>, 8> kAccidentalSteps = {
    {{"bbbb", -4}, {"bbb", -3}, {"bb", -2}, {"b", -1}, {"", 0}, {"#", 1}, {"x", 2}, {"###", 3}}};

// Three octaves from middle C: the third lets every chord, the B-rooted ones included, rise to
// its ninth.
std::vector<MidiNote> Midi_Note_Table() {
  std::vector<MidiNote> table;
  for (int octave = 0; octave < kOctaves; ++octave) {
    for (const auto& [letter, letter_step] : kLetterSteps) {
      for (const auto& [accidental, accidental_step] : kAccidentalSteps) {
        std::string name(1, letter);
        name.append(accidental);
        table.push_back({Pad_Note(name), static_cast<std::int16_t>(kMiddleC + 12 * octave +
                                                                   letter_step + accidental_step)});
      }
    }
  }
  return table;
}

}  // namespace

void PlayChord(const MidiOut& out, const std::array<std::string, 5>& notes) {
  static const std::vector<MidiNote> table = Midi_Note_Table();
  // Each tone is looked up from where the previous one was found, so the chord rises.
  std::size_t position = 0;
  for (const std::string& note : notes) {
    for (std::size_t candidate = position; candidate < table.size(); ++candidate) {
      if (table[candidate].name == note) {
        SendMidiShort(out, kNoteOn, table[candidate].number, kFullVelocity);
        position = candidate;
        break;
      }
    }
  }
}

}  // namespace velmora
