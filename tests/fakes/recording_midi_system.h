#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ports/midi_system.h"

namespace velmora::testing {

// Records every call in order; devices and failures are set up by the test.
class RecordingMidiSystem final : public MidiSystem {
 public:
  int device_count() override {
    calls.push_back("count");
    return static_cast<int>(devices.size());
  }
  MidiResult device_caps(std::int16_t device_id, std::string& name) override {
    calls.push_back("caps " + std::to_string(device_id));
    const bool listed = device_id >= 0 && device_id < std::ssize(devices);
    const std::optional<std::string> found =
        device_id == kMidiMapper ? mapper : (listed ? devices[device_id] : std::nullopt);
    if (found) name = *found;
    return found ? MidiResult::Ok : MidiResult::BadDeviceId;
  }
  MidiResult open(std::int16_t device_id, MidiHandle& handle) override {
    calls.push_back("open " + std::to_string(device_id));
    if (open_fails != MidiResult::Ok) return open_fails;
    handle = next_handle++;
    open_handles[handle] = device_id;
    return MidiResult::Ok;
  }
  MidiResult close(MidiHandle handle) override {
    calls.push_back("close " + std::to_string(handle));
    if (close_fails != MidiResult::Ok) return close_fails;
    return open_handles.erase(handle) == 1 ? MidiResult::Ok : MidiResult::InvalidHandle;
  }
  // Keeps the three bytes of each message in the order they travel, status first.
  MidiResult short_message(MidiHandle handle, std::uint32_t message) override {
    sent.push_back({static_cast<int>(message & 0xFF), static_cast<int>((message >> 8) & 0xFF),
                    static_cast<int>((message >> 16) & 0xFF)});
    if (send_fails != MidiResult::Ok) return send_fails;
    return open_handles.contains(handle) ? MidiResult::Ok : MidiResult::InvalidHandle;
  }
  std::string error_text(MidiResult result) override {
    return "text of " + std::to_string(static_cast<int>(result));
  }

  std::optional<std::string> mapper = "Built-in synthesizer";
  // std::nullopt: a device whose capabilities cannot be read.
  std::vector<std::optional<std::string>> devices;
  MidiResult open_fails = MidiResult::Ok;
  MidiResult close_fails = MidiResult::Ok;
  MidiResult send_fails = MidiResult::Ok;

  std::vector<std::string> calls;
  std::vector<std::vector<int>> sent;
  std::map<MidiHandle, std::int16_t> open_handles;
  MidiHandle next_handle = 1;
};

}  // namespace velmora::testing
