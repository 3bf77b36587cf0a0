#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "platform/sound/alsa_ports.h"
#include "platform/sound/built_in_synth.h"
#include "ports/midi_system.h"

namespace velmora {

// The MIDI output of a Linux desktop: the built-in synthesizer stands in for the mapper (id -1),
// and the ALSA sequencer's output ports are devices 0 .. count - 1.
class SystemMidi final : public MidiSystem {
 public:
  // The synthesizer plays `soundfont`, or, when it is empty, the first soundfont found in the
  // usual places.
  explicit SystemMidi(std::filesystem::path soundfont = {});
  explicit SystemMidi(SynthOptions synth_options);
  ~SystemMidi() override;

  int device_count() override;
  MidiResult device_caps(std::int16_t device_id, std::string& name) override;
  MidiResult open(std::int16_t device_id, MidiHandle& handle) override;
  MidiResult close(MidiHandle handle) override;
  MidiResult short_message(MidiHandle handle, std::uint32_t message) override;
  std::string error_text(MidiResult result) override;

  BuiltInSynth& synth() { return synth_; }

 private:
  BuiltInSynth synth_;
  AlsaPorts ports_;
  // An open handle leads to a port, or to the synthesizer when it holds none.
  std::map<MidiHandle, std::unique_ptr<AlsaPort>> open_;
  // What the library said about the last failure of a port, for its text.
  std::string port_error_;
  MidiHandle next_handle_ = 1;
};

}  // namespace velmora
