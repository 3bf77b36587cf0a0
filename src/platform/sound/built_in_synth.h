#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <fluidsynth.h>

#include "ports/midi_system.h"

namespace velmora {

// Where a General MIDI soundfont is looked for, in order: the distribution's default-GM files
// (a user's own choice of default wins there), then every soundfont in the `sounds/sf2` and
// `soundfonts` folders of the XDG data directories. Null arguments mean "not set".
std::vector<std::filesystem::path> Soundfont_Search_Path(const char* xdg_data_home,
                                                         const char* xdg_data_dirs,
                                                         const char* home);
// The search path of this process's environment.
std::vector<std::filesystem::path> Default_Soundfont_Search_Path();

struct SynthOptions {
  // Files are tried as they are; a folder stands for its .sf2 and .sf3 files in name order.
  std::vector<std::filesystem::path> soundfonts = Default_Soundfont_Search_Path();
  // FluidSynth audio drivers, tried in order until one starts.
  std::vector<std::string> audio_drivers = {"pulseaudio", "pipewire", "alsa"};
  // No audio driver: the sound is taken with `render`, as tests and tools do.
  bool offline = false;
  double sample_rate = 44100.0;
};

// What the synthesizer has come to, for a caller that wants more than a result code.
struct SynthStatus {
  std::filesystem::path soundfont;  // empty until one loads
  std::string audio_driver;         // the driver that started; empty when none runs
  std::vector<std::string> messages;  // FluidSynth's errors and warnings, oldest first
};

// A General MIDI synthesizer on FluidSynth, playing through the first audio driver that starts.
class BuiltInSynth {
 public:
  explicit BuiltInSynth(SynthOptions options = {});
  ~BuiltInSynth();
  BuiltInSynth(const BuiltInSynth&) = delete;
  BuiltInSynth& operator=(const BuiltInSynth&) = delete;

  // Creates the synthesizer with the first soundfont that loads; later calls reuse it.
  MidiResult load();
  // Starts the sound: the audio driver, or nothing when offline. Loads first if needed.
  MidiResult start();
  // Stops the audio driver and silences every voice; the soundfont stays loaded.
  void stop();
  bool running() const { return running_; }

  // One channel message (see Is_Channel_Message), status in the lowest byte.
  MidiResult send(std::uint32_t message);

  // The next `frames` stereo frames, interleaved, of an offline synthesizer; empty otherwise.
  std::vector<std::int16_t> render(int frames);

  const SynthOptions& options() const { return options_; }
  const SynthStatus& status() const { return status_; }

 private:
  void collect_messages();

  SynthOptions options_;
  SynthStatus status_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  bool running_ = false;
};

}  // namespace velmora
