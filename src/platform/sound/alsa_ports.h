#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <rtmidi/RtMidi.h>

#include "ports/midi_system.h"

namespace velmora {

// One opened ALSA sequencer output port.
class AlsaPort {
 public:
  AlsaPort();
  ~AlsaPort();
  AlsaPort(const AlsaPort&) = delete;
  AlsaPort& operator=(const AlsaPort&) = delete;

  // Opens port `index` of the ports the sequencer has now.
  MidiResult open(int index);
  // One channel message (see is_channel_message), status in the lowest byte.
  MidiResult send(std::uint32_t message);
  // What RtMidi said about the last failure.
  const std::string& last_error() const { return last_error_; }

 private:
  static void on_error(RtMidiError::Type type, const std::string& text, void* data);

  std::unique_ptr<RtMidiOut> out_;
  bool failed_ = false;
  std::string last_error_;
};

// The output ports of the ALSA sequencer. Without a sequencer (no sound hardware, a container)
// there are no ports: RtMidi throws then, and that is taken as an empty list.
class AlsaPorts {
 public:
  AlsaPorts();
  ~AlsaPorts();
  AlsaPorts(const AlsaPorts&) = delete;
  AlsaPorts& operator=(const AlsaPorts&) = delete;

  int count();
  // False for an index that is not below the current count.
  bool name(int index, std::string& name);

 private:
  RtMidiOut* lister();

  std::unique_ptr<RtMidiOut> lister_;
  bool lister_tried_ = false;
};

}  // namespace velmora
