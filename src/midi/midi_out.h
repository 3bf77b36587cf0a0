#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/midi_system.h"
#include "theory/chords.h"

namespace velmora {

inline constexpr std::int16_t kNoteOn = 0x91;             // Note On, channel index 1
inline constexpr std::int16_t kControlChange = 0xB1;      // Control Change, channel index 1
inline constexpr std::int16_t kProgramChange = 0xC1;      // Program Change, channel index 1
inline constexpr std::int16_t kAllSoundOff = 120;         // the controller that silences all
inline constexpr std::int16_t kFullVelocity = 127;

// A short message as it is handed to the MIDI system: status, then its two data bytes.
struct ShortMessage {
  std::int16_t status;
  std::int16_t data1;
  std::int16_t data2;

  bool operator==(const ShortMessage&) const = default;
};

struct MidiDevice {
  std::string name;
  std::int16_t id;
};

// The entries of the device list, and whether the mapper could not be asked for its name.
struct MidiDeviceList {
  std::vector<MidiDevice> devices;
  bool mapper_missing = false;
};

// The mapper first (when its capabilities can be read), then the devices in id order. A device
// whose capabilities fail is left out silently.
MidiDeviceList FillMidiDeviceList(MidiSystem& midi);

// The device that is open, if any; every call says how it went, and deciding what the player
// is told is left to the caller.
class MidiOut {
 public:
  explicit MidiOut(MidiSystem& midi) : midi_(midi) {}

  // Closes the open device first; a failure of that close is returned without opening.
  MidiResult MidiOpen(std::int16_t device_id);
  // Closes the open device, if any; afterwards none is open, whether or not the close worked.
  MidiResult MidiClose();
  // Sends to the open device without checking that one is; the MIDI system refuses it then.
  MidiResult SendMidiShort(ShortMessage message);

  std::string error_text(MidiResult result) { return midi_.error_text(result); }

 private:
  MidiSystem& midi_;
  MidiHandle hMidiOut_ = 0;
};

std::int32_t PackMidiMessage(ShortMessage message);

// Five notes, root first, as Note On messages of a close voicing rising from the root. A name
// the note table lacks, or a missing one, is skipped; the notes after it still sound.
std::vector<ShortMessage> PlayChord(const std::array<std::optional<NoteName>, kChordTones>& notes);

}  // namespace velmora
