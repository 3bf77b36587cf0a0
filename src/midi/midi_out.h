#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/controls.h"
#include "ports/midi_system.h"

namespace velmora {

class WindowSystem;

inline constexpr std::int16_t kNoteOn = 0x91;             // Note On, channel index 1
inline constexpr std::int16_t kControlChange = 0xB1;      // Control Change, channel index 1
inline constexpr std::int16_t kProgramChange = 0xC1;      // Program Change, channel index 1
inline constexpr std::int16_t kAllSoundOff = 120;         // the controller that silences all
inline constexpr std::int16_t kFullVelocity = 127;

// The MIDI system with the open device and the MIDI frame's controls that a failure switches
// off. The main form hands one out for each handler; the references point into its state.
struct MidiOut {
  MidiSystem& midi;
  WindowSystem& windows;
  MidiHandle& hMidiOut;
  CheckBox& check_midi;
  bool& Frame1_enabled;
};

// The mapper first (when its capabilities can be read), then the devices in id order; the item
// data of an entry is the id to open. A device whose capabilities fail is left out silently.
void FillMidiDeviceList(MidiSystem& midi, ListBox& list, bool& MidiMapperMissing);

void MidiOpen(const MidiOut& out, std::int16_t device_id);
void MidiClose(const MidiOut& out);
void SendMidiShort(const MidiOut& out, std::int16_t status, std::int16_t data1,
                   std::int16_t data2);
std::int32_t PackMidiMessage(std::int16_t status, std::int16_t data1, std::int16_t data2);
// Shows the failure's text and switches MIDI off for the rest of the run.
void ReportMidiError(const MidiOut& out, MidiResult result);

// Five note names in the fixed-width form, root first, sounded as a close voicing rising from
// the root. A name outside the note table is skipped; the notes after it still sound.
void PlayChord(const MidiOut& out, const std::array<std::string, 5>& notes);

}  // namespace velmora
