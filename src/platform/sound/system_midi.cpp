#include "platform/sound/system_midi.h"

#include <algorithm>

#include "platform/sound/midi_failure_texts.h"

namespace velmora {

namespace {

SynthOptions options_for(std::filesystem::path soundfont) {
  SynthOptions options;
  if (!soundfont.empty()) options.soundfonts = {std::move(soundfont)};
  return options;
}

}  // namespace

SystemMidi::SystemMidi(std::filesystem::path soundfont)
    : SystemMidi(options_for(std::move(soundfont))) {}

SystemMidi::SystemMidi(SynthOptions synth_options) : synth_(std::move(synth_options)) {}

SystemMidi::~SystemMidi() = default;

int SystemMidi::device_count() { return ports_.count(); }

MidiResult SystemMidi::device_caps(std::int16_t device_id, std::string& name) {
  if (device_id == kMidiMapper) {
    // Listed even without a soundfont, so that opening it can say what is missing.
    name = synth_.load() == MidiResult::Ok
               ? "Built-in synthesizer (" + synth_.status().soundfont.filename().string() + ")"
               : "Built-in synthesizer (no soundfont)";
    return MidiResult::Ok;
  }
  return ports_.name(device_id, name) ? MidiResult::Ok : MidiResult::BadDeviceId;
}

MidiResult SystemMidi::open(std::int16_t device_id, MidiHandle& handle) {
  std::unique_ptr<AlsaPort> port;
  if (device_id == kMidiMapper) {
    if (const MidiResult started = synth_.start(); started != MidiResult::Ok) return started;
  } else {
    port = std::make_unique<AlsaPort>();
    if (const MidiResult opened = port->open(device_id); opened != MidiResult::Ok) {
      port_error_ = port->last_error();
      return opened;
    }
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
  if (!is_channel_message(message)) return MidiResult::InvalidMessage;
  if (found->second == nullptr) return synth_.send(message);
  const MidiResult sent = found->second->send(message);
  if (sent != MidiResult::Ok) port_error_ = found->second->last_error();
  return sent;
}

std::string SystemMidi::error_text(MidiResult result) {
  switch (result) {
    case MidiResult::AudioDriverFailed: {
      std::string drivers;
      for (const std::string& driver : synth_.options().audio_drivers) {
        if (!drivers.empty()) drivers += ", ";
        drivers += driver;
      }
      return audio_driver_failure_text(drivers);
    }
    case MidiResult::NoSoundfont: {
      std::vector<std::string> places;
      for (const std::filesystem::path& place : synth_.options().soundfonts) {
        places.push_back(place.string());
      }
      return no_soundfont_text(places);
    }
    case MidiResult::PortOpenFailed:
    case MidiResult::SendFailed:
      if (!port_error_.empty()) return midi_result_text(result) + " (" + port_error_ + ")";
      return midi_result_text(result);
    default:
      return midi_result_text(result);
  }
}

}  // namespace velmora
