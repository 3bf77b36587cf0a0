#include "platform/sound/built_in_synth.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <system_error>
#include <utility>

#include <glib.h>

#include "platform/sound/library_log.h"
#include "platform/sound/pulse_output.h"

namespace velmora {

std::vector<std::filesystem::path> soundfont_search_path(const char* xdg_data_home,
                                                         const char* xdg_data_dirs,
                                                         const char* home) {
  std::vector<std::filesystem::path> search = {"/usr/share/sounds/sf2/default-GM.sf2",
                                               "/usr/share/sounds/sf3/default-GM.sf3",
                                               "/usr/share/soundfonts/default.sf2"};
  std::vector<std::filesystem::path> data_dirs;
  if (xdg_data_home != nullptr && *xdg_data_home != '\0') {
    data_dirs.emplace_back(xdg_data_home);
  } else if (home != nullptr && *home != '\0') {
    data_dirs.push_back(std::filesystem::path(home) / ".local/share");
  }
  std::string dirs = xdg_data_dirs != nullptr && *xdg_data_dirs != '\0'
                         ? xdg_data_dirs
                         : "/usr/local/share:/usr/share";
  std::istringstream list(dirs);
  for (std::string dir; std::getline(list, dir, ':');) {
    // XDG base directories must be absolute; others are ignored.
    if (!dir.empty() && dir.front() == '/') data_dirs.emplace_back(dir);
  }
  for (const std::filesystem::path& dir : data_dirs) {
    search.push_back(dir / "sounds/sf2");
    search.push_back(dir / "soundfonts");
  }
  return search;
}

std::vector<std::filesystem::path> default_soundfont_search_path() {
  return soundfont_search_path(std::getenv("XDG_DATA_HOME"), std::getenv("XDG_DATA_DIRS"),
                               std::getenv("HOME"));
}

namespace {

std::vector<std::filesystem::path> soundfont_candidates(
    const std::vector<std::filesystem::path>& search) {
  std::vector<std::filesystem::path> candidates;
  for (const std::filesystem::path& entry : search) {
    std::error_code error;
    if (std::filesystem::is_directory(entry, error)) {
      std::vector<std::filesystem::path> files;
      for (const auto& file : std::filesystem::directory_iterator(entry, error)) {
        const std::filesystem::path extension = file.path().extension();
        if ((extension == ".sf2" || extension == ".sf3") && file.is_regular_file(error)) {
          files.push_back(file.path());
        }
      }
      std::sort(files.begin(), files.end());
      candidates.insert(candidates.end(), files.begin(), files.end());
    } else if (std::filesystem::is_regular_file(entry, error)) {
      // Only a regular file: reading a named pipe or a device would never end.
      candidates.push_back(entry);
    }
  }
  return candidates;
}

// General MIDI's percussion channel; only melodic programs are played here.
constexpr int kDrumChannel = 9;
// The programs the hints play: the grand piano, and the bright piano that Hint2 selects.
constexpr std::array<int, 2> kHintPrograms = {0, 1};
// A hint sounds five notes; FluidSynth's default of 256 voices costs memory for nothing.
constexpr int kPolyphony = 64;
// The loudness a hint chord is set to, as the mean of the peaks of a few ninth chords across
// the hints' range. Soundfonts differ by 10 dB and more; this keeps chords clear on laptop
// speakers and leaves headroom for the loudest voicings.
constexpr double kTargetPeakDb = -6.3;
// Rendered while measuring: a chord's attack, and afterwards the reverb's tail.
constexpr int kAttackMs = 200;
constexpr int kTailMs = 1000;
// How long opening waits for the audio server; closing never waits for it.
constexpr std::chrono::milliseconds kServerWait{1000};

// FluidSynth hands a soundfont that its own loader refuses to libinstpatch's DLS loader, whose
// complaints about it go through GLib's log of the default domain. While a load lasts they go to
// the library log instead; the handler is removed before the load returns.
class GlibMessagesKept {
 public:
  GlibMessagesKept()
      : id_(g_log_set_handler(nullptr,
                              static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                                          G_LOG_LEVEL_MESSAGE),
                              &GlibMessagesKept::keep, nullptr)) {}
  ~GlibMessagesKept() { g_log_remove_handler(nullptr, id_); }
  GlibMessagesKept(const GlibMessagesKept&) = delete;
  GlibMessagesKept& operator=(const GlibMessagesKept&) = delete;

 private:
  static void keep(const gchar*, GLogLevelFlags, const gchar* message, gpointer) {
    LibraryLog::instance().add(message);
  }
  guint id_;
};

float peak(const std::vector<float>& left, const std::vector<float>& right) {
  float peak = 0.0F;
  for (std::size_t i = 0; i < left.size(); ++i) {
    peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  }
  return peak;
}

}  // namespace

BuiltInSynth::BuiltInSynth(SynthOptions options) : options_(std::move(options)) {
  LibraryLog::instance();
}

BuiltInSynth::~BuiltInSynth() {
  pulse_.reset();
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void BuiltInSynth::collect_messages() {
  for (std::string& message : LibraryLog::instance().take()) {
    status_.messages.push_back(std::move(message));
  }
}

MidiResult BuiltInSynth::load() {
  if (synth_ != nullptr) return MidiResult::Ok;
  if (settings_ == nullptr) {
    settings_ = new_fluid_settings();
    if (settings_ == nullptr) return MidiResult::SynthFailed;
    fluid_settings_setnum(settings_, "synth.sample-rate", options_.sample_rate);
    // Only the samples of the programs in use are read into memory, not the whole soundfont.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
  }
  fluid_synth_t* synth = new_fluid_synth(settings_);
  if (synth == nullptr) {
    collect_messages();
    return MidiResult::SynthFailed;
  }
  // Otherwise the drum kit's samples, the largest part of a General MIDI soundfont, would be
  // loaded for a channel nobody plays.
  fluid_synth_set_channel_type(synth, kDrumChannel, CHANNEL_TYPE_MELODIC);
  fluid_synth_bank_select(synth, kDrumChannel, 0);
  for (const std::filesystem::path& soundfont : soundfont_candidates(options_.soundfonts)) {
    // Anything else would go on to FluidSynth's DLS loader, which complains on standard error.
    if (!fluid_is_soundfont(soundfont.c_str())) continue;
    const int id = [&] {
      GlibMessagesKept kept;
      return fluid_synth_sfload(synth, soundfont.c_str(), 1);
    }();
    if (id == FLUID_FAILED) continue;
    // Kept loaded, so that a Program Change never waits for samples read from disk.
    for (int program : kHintPrograms) fluid_synth_pin_preset(synth, id, 0, program);
    synth_ = synth;
    status_.soundfont = soundfont;
    set_gain_from_loudness();
    collect_messages();
    return MidiResult::Ok;
  }
  delete_fluid_synth(synth);
  collect_messages();
  return MidiResult::NoSoundfont;
}

void BuiltInSynth::set_gain_from_loudness() {
  struct Chord {
    int root;
    std::array<int, 5> steps;
  };
  // Major ninth chords low, middle and high, and an augmented one: the voicings of the hints.
  constexpr std::array<Chord, 4> kChords = {{{58, {0, 4, 7, 11, 14}},
                                             {65, {0, 4, 7, 11, 14}},
                                             {72, {0, 4, 7, 11, 14}},
                                             {66, {0, 4, 8, 10, 15}}}};
  const auto frames = [this](int ms) {
    return static_cast<std::size_t>(options_.sample_rate * ms / 1000);
  };
  std::vector<float> left(frames(kTailMs));
  std::vector<float> right(left.size());
  fluid_synth_set_gain(synth_, 1.0F);
  double sum_db = 0.0;
  for (const Chord& chord : kChords) {
    for (int step : chord.steps) fluid_synth_noteon(synth_, 0, chord.root + step, 127);
    left.resize(frames(kAttackMs));
    right.resize(left.size());
    fluid_synth_write_float(synth_, static_cast<int>(left.size()), left.data(), 0, 1,
                            right.data(), 0, 1);
    sum_db += 20.0 * std::log10(std::max(peak(left, right), 1e-6F));
    fluid_synth_all_sounds_off(synth_, 0);
  }
  left.resize(frames(kTailMs));
  right.resize(left.size());
  fluid_synth_write_float(synth_, static_cast<int>(left.size()), left.data(), 0, 1, right.data(),
                          0, 1);
  const double mean_db = sum_db / kChords.size();
  // FluidSynth takes gains from 0 to 10.
  status_.gain = std::clamp(std::pow(10.0, (kTargetPeakDb - mean_db) / 20.0), 0.01, 10.0);
  fluid_synth_set_gain(synth_, static_cast<float>(status_.gain));
}

MidiResult BuiltInSynth::start() {
  if (running_) return MidiResult::Ok;
  if (const MidiResult loaded = load(); loaded != MidiResult::Ok) return loaded;
  if (!options_.offline) {
    for (const std::string& name : options_.audio_drivers) {
      if (start_driver(name)) {
        status_.audio_driver = name;
        break;
      }
    }
    collect_messages();
    if (status_.audio_driver.empty()) return MidiResult::AudioDriverFailed;
  }
  running_ = true;
  loss_reported_ = false;
  return MidiResult::Ok;
}

bool BuiltInSynth::start_driver(const std::string& name) {
  if (name == "pulseaudio") {
    pulse_ = std::make_unique<PulseOutput>(synth_, static_cast<int>(options_.sample_rate));
    if (pulse_->start(kServerWait)) return true;
    pulse_.reset();
    return false;
  }
  fluid_settings_setstr(settings_, "audio.driver", name.c_str());
  driver_ = new_fluid_audio_driver(settings_, synth_);
  return driver_ != nullptr;
}

void BuiltInSynth::stop() {
  pulse_.reset();
  if (driver_ != nullptr) {
    delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
  }
  status_.audio_driver.clear();
  // Silence without a reset: the programs stay in force, as on a hardware device.
  if (synth_ != nullptr) fluid_synth_all_sounds_off(synth_, -1);
  running_ = false;
  collect_messages();
}

int BuiltInSynth::program(int channel) const {
  int soundfont = 0;
  int bank = 0;
  int program = -1;
  if (synth_ == nullptr ||
      fluid_synth_get_program(synth_, channel, &soundfont, &bank, &program) != FLUID_OK) {
    return -1;
  }
  return program;
}

bool BuiltInSynth::audio_server_lost() const { return pulse_ != nullptr && pulse_->lost(); }

MidiResult BuiltInSynth::send(std::uint32_t message) {
  if (!running_) return MidiResult::InvalidHandle;
  if (pulse_ != nullptr && pulse_->lost()) {
    // Told once; the caller switches MIDI off on a failure, and until the device is opened
    // again nothing more can be said about it.
    if (loss_reported_) return MidiResult::Ok;
    loss_reported_ = true;
    return MidiResult::AudioServerLost;
  }
  const int status = static_cast<int>(message & 0xFFU);
  const int data1 = static_cast<int>((message >> 8) & 0xFFU);
  const int data2 = static_cast<int>((message >> 16) & 0xFFU);
  const int channel = status & 0x0F;
  int result = FLUID_OK;
  switch (status & 0xF0) {
    case 0x80:
      // Releasing a key that does not sound is no failure.
      fluid_synth_noteoff(synth_, channel, data1);
      break;
    case 0x90:
      result = fluid_synth_noteon(synth_, channel, data1, data2);
      if (pulse_ != nullptr) pulse_->wake();
      break;
    case 0xA0:
      result = fluid_synth_key_pressure(synth_, channel, data1, data2);
      break;
    case 0xB0:
      result = fluid_synth_cc(synth_, channel, data1, data2);
      break;
    case 0xC0:
      result = fluid_synth_program_change(synth_, channel, data1);
      break;
    case 0xD0:
      result = fluid_synth_channel_pressure(synth_, channel, data1);
      break;
    case 0xE0:
      result = fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
      break;
  }
  return result == FLUID_OK ? MidiResult::Ok : MidiResult::SendFailed;
}

std::vector<std::int16_t> BuiltInSynth::render(int frames) {
  // With a driver running, its own thread renders; a second reader would steal its samples.
  if (!running_ || driver_ != nullptr || pulse_ != nullptr || frames <= 0) return {};
  std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 2);
  fluid_synth_write_s16(synth_, frames, samples.data(), 0, 2, samples.data(), 1, 2);
  return samples;
}

}  // namespace velmora

