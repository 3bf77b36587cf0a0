#include "platform/sound/system_midi.h"

#include <algorithm>

namespace velmora {

SystemMidi::SystemMidi(SynthOptions synth_options) : synth_(std::move(synth_options)) {}

SystemMidi::~SystemMidi() = default;

int SystemMidi::device_count() { return ports_.count(); }

MidiResult SystemMidi::device_caps(std::int16_t device_id, std::string& name) {
  if (device_id == kMidiMapper) {
    const MidiResult loaded = synth_.load();
    if (loaded == MidiResult::Ok) {
      name = "Built-in synthesizer (" + synth_.status().soundfont.filename().string() + ")";
    }
    return loaded;
  }
  return ports_.name(device_id, name) ? MidiResult::Ok : MidiResult::BadDeviceId;
}

MidiResult SystemMidi::open(std::int16_t device_id, MidiHandle& handle) {
  std::unique_ptr<AlsaPort> port;
  if (device_id == kMidiMapper) {
    if (const MidiResult started = synth_.start(); started != MidiResult::Ok) return started;
  } else {
    port = std::make_unique<AlsaPort>();
    if (const MidiResult opened = port->open(device_id); opened != MidiResult::Ok) return opened;
  }
  handle = next_handle_++;
  open_.emplace(handle, std::move(port));
  return MidiResult::Ok;
}

MidiResult SystemMidi::close(MidiHandle handle) {
  const auto found = open_.find(handle);
  if (found == open_.end()) return MidiResult::InvalidHandle;
  open_.erase(found);
  const bool synth_in_use = std::any_of(open_.begin(), open_.end(),
                                        [](const auto& entry) { return entry.second == nullptr; });
  if (!synth_in_use) synth_.stop();
  return MidiResult::Ok;
}

MidiResult SystemMidi::short_message(MidiHandle handle, std::uint32_t message) {
  const auto found = open_.find(handle);
  if (found == open_.end()) return MidiResult::InvalidHandle;
  if (!Is_Channel_Message(message)) return MidiResult::InvalidMessage;
  return found->second == nullptr ? synth_.send(message) : found->second->send(message);
}

std::string SystemMidi::error_text(MidiResult result) {
  if (result != MidiResult::AudioDriverFailed) return midi_result_text(result);
  std::string drivers;
  for (const std::string& driver : synth_.options().audio_drivers) {
    if (!drivers.empty()) drivers += ", ";
    drivers += driver;
  }
  return audio_driver_failure_text(drivers);
}

}  // namespace velmora
