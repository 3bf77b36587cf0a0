#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// What a MIDI system call came to. Ok is 0 so that "nonzero means failure" holds as for any
// MIDI system; every other value has its own text.
enum class MidiResult : std::int16_t {
  Ok = 0,
  BadDeviceId,
  NoSoundfont,
  SynthFailed,
  AudioDriverFailed,
  NoSequencer,
  PortOpenFailed,
  InvalidHandle,
  InvalidMessage,
  SendFailed,
  AudioServerLost,
};

// A channel message with 7-bit data and nothing in the top byte: the only kind devices take.
constexpr bool is_channel_message(std::uint32_t message) {
  const std::uint32_t status = message & 0xFFU;
  return status >= 0x80 && status < 0xF0 && ((message >> 8) & 0xFFU) <= 0x7F &&
         ((message >> 16) & 0xFFU) <= 0x7F && (message >> 24) == 0;
}

// An open output device; 0 stands for "none open".
using MidiHandle = std::uint32_t;

// The device id of the MIDI mapper, the list's first entry.
inline constexpr std::int16_t kMidiMapper = -1;

// The MIDI output devices of the machine: the mapper (id -1) and devices 0 .. count - 1.
class MidiSystem {
 public:
  virtual ~MidiSystem() = default;
  virtual int device_count() = 0;
  // The device's name, for the device list; a failure leaves `name` as it was.
  virtual MidiResult device_caps(std::int16_t device_id, std::string& name) = 0;
  virtual MidiResult open(std::int16_t device_id, MidiHandle& handle) = 0;
  virtual MidiResult close(MidiHandle handle) = 0;
  // One short message: status in the lowest byte, data 1 in the next, data 2 in the third.
  virtual MidiResult short_message(MidiHandle handle, std::uint32_t message) = 0;
  virtual std::string error_text(MidiResult result) = 0;
};

}  // namespace velmora
