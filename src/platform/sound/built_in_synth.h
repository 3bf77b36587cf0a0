#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fluidsynth.h>

#include "ports/midi_system.h"

namespace velmora {

class PulseOutput;

// Where a General MIDI soundfont is looked for, in order: the distribution's default-GM files
// (a user's own choice of default wins there), then every soundfont in the `sounds/sf2` and
// `soundfonts` folders of the XDG data directories. Null arguments mean "not set".
std::vector<std::filesystem::path> soundfont_search_path(const char* xdg_data_home,
                                                         const char* xdg_data_dirs,
                                                         const char* home);
// The search path of this process's environment.
std::vector<std::filesystem::path> default_soundfont_search_path();

struct SynthOptions {
  // Files are tried as they are; a folder stands for its .sf2 and .sf3 files in name order.
  std::vector<std::filesystem::path> soundfonts = default_soundfont_search_path();
  // Audio drivers, tried in order until one starts. "pulseaudio" is the synthesizer's own
  // PulseAudio stream; any other name is a FluidSynth audio driver.
  std::vector<std::string> audio_drivers = {"pulseaudio", "pipewire", "alsa"};
  // No audio driver: the sound is taken with `render`, as tests and tools do.
  bool offline = false;
  double sample_rate = 44100.0;
};

// What the synthesizer has come to, for a caller that wants more than a result code.
struct SynthStatus {
  std::filesystem::path soundfont;  // empty until one loads
  std::string audio_driver;         // the driver that started; empty when none runs
  double gain = 0.0;                // FluidSynth's master gain, set from the soundfont's loudness
  std::vector<std::string> messages;  // FluidSynth's errors and warnings, oldest first
};

// A General MIDI synthesizer on FluidSynth, playing through the first audio driver that starts.
// Only the samples of the programs in use are held in memory. Its channels, programs included,
// live as long as it does: stopping silences it and lets the audio go, nothing more.
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
  // Silences every voice and lets the audio driver go; programs and controllers stay.
  void stop();
  bool running() const { return running_; }
  // The program in force on a channel; -1 before a soundfont has loaded.
  int program(int channel) const;
  // The audio server has gone since the sound started.
  bool audio_server_lost() const;

  // One channel message (see is_channel_message), status in the lowest byte. The loss of the
  // audio server is reported once, by the first message after it.
  MidiResult send(std::uint32_t message);

  // The next `frames` stereo frames, interleaved, of an offline synthesizer; empty otherwise.
  std::vector<std::int16_t> render(int frames);

  const SynthOptions& options() const { return options_; }
  const SynthStatus& status() const { return status_; }

 private:
  void collect_messages();
  bool start_driver(const std::string& name);
  void set_gain_from_loudness();

  SynthOptions options_;
  SynthStatus status_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  std::unique_ptr<PulseOutput> pulse_;
  bool running_ = false;
  bool loss_reported_ = false;
};

}  // namespace velmora
