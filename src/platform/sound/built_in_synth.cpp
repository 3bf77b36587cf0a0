#include "platform/sound/built_in_synth.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <system_error>
#include <utility>

namespace velmora {

std::vector<std::filesystem::path> Soundfont_Search_Path(const char* xdg_data_home,
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

std::vector<std::filesystem::path> Default_Soundfont_Search_Path() {
  return Soundfont_Search_Path(std::getenv("XDG_DATA_HOME"), std::getenv("XDG_DATA_DIRS"),
                               std::getenv("HOME"));
}

namespace {

// FluidSynth's log is one process-wide hook that its audio threads may call at any time, so it
// points at this sink, which lives as long as the process, never at a synthesizer that may be
// gone. Each synthesizer takes the messages after its own calls.
class FluidLog {
 public:
  static FluidLog& instance() {
    static FluidLog* const log = new FluidLog;
    return *log;
  }

  std::vector<std::string> take() {
    std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
  }

 private:
  static constexpr std::size_t kMaxKept = 64;

  FluidLog() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN}) {
      fluid_set_log_function(level, &FluidLog::keep, this);
    }
    for (int level : {FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
  }

  static void keep(int, const char* message, void* data) {
    auto* log = static_cast<FluidLog*>(data);
    std::lock_guard lock(log->mutex_);
    if (log->messages_.size() < kMaxKept) log->messages_.emplace_back(message);
  }

  std::mutex mutex_;
  std::vector<std::string> messages_;
};

std::vector<std::filesystem::path> Soundfont_Candidates(
    const std::vector<std::filesystem::path>& search) {
  std::vector<std::filesystem::path> candidates;
  for (const std::filesystem::path& entry : search) {
    std::error_code error;
    if (std::filesystem::is_directory(entry, error)) {
      std::vector<std::filesystem::path> files;
      for (const auto& file : std::filesystem::directory_iterator(entry, error)) {
        const std::filesystem::path extension = file.path().extension();
        if (extension == ".sf2" || extension == ".sf3") files.push_back(file.path());
      }
      std::sort(files.begin(), files.end());
      candidates.insert(candidates.end(), files.begin(), files.end());
    } else if (std::filesystem::exists(entry, error)) {
      candidates.push_back(entry);
    }
  }
  return candidates;
}

}  // namespace

BuiltInSynth::BuiltInSynth(SynthOptions options) : options_(std::move(options)) {
  FluidLog::instance();
}

BuiltInSynth::~BuiltInSynth() {
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void BuiltInSynth::collect_messages() {
  for (std::string& message : FluidLog::instance().take()) {
    status_.messages.push_back(std::move(message));
  }
}

MidiResult BuiltInSynth::load() {
  if (synth_ != nullptr) return MidiResult::Ok;
  if (settings_ == nullptr) {
    settings_ = new_fluid_settings();
    if (settings_ == nullptr) return MidiResult::SynthFailed;
    fluid_settings_setnum(settings_, "synth.sample-rate", options_.sample_rate);
  }
  fluid_synth_t* synth = new_fluid_synth(settings_);
  if (synth == nullptr) {
    collect_messages();
    return MidiResult::SynthFailed;
  }
  for (const std::filesystem::path& soundfont : Soundfont_Candidates(options_.soundfonts)) {
    if (fluid_synth_sfload(synth, soundfont.c_str(), 1) != FLUID_FAILED) {
      synth_ = synth;
      status_.soundfont = soundfont;
      collect_messages();
      return MidiResult::Ok;
    }
  }
  delete_fluid_synth(synth);
  collect_messages();
  return MidiResult::NoSoundfont;
}

MidiResult BuiltInSynth::start() {
  if (running_) return MidiResult::Ok;
  if (const MidiResult loaded = load(); loaded != MidiResult::Ok) return loaded;
  if (!options_.offline) {
    for (const std::string& name : options_.audio_drivers) {
      fluid_settings_setstr(settings_, "audio.driver", name.c_str());
      driver_ = new_fluid_audio_driver(settings_, synth_);
      if (driver_ != nullptr) {
        status_.audio_driver = name;
        break;
      }
    }
    collect_messages();
    if (driver_ == nullptr) return MidiResult::AudioDriverFailed;
  }
  running_ = true;
  return MidiResult::Ok;
}

void BuiltInSynth::stop() {
  if (driver_ != nullptr) {
    delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    status_.audio_driver.clear();
  }
  if (synth_ != nullptr) fluid_synth_system_reset(synth_);
  running_ = false;
  collect_messages();
}

MidiResult BuiltInSynth::send(std::uint32_t message) {
  if (!running_) return MidiResult::InvalidHandle;
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
  if (!running_ || driver_ != nullptr || frames <= 0) return {};
  std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 2);
  fluid_synth_write_s16(synth_, frames, samples.data(), 0, 2, samples.data(), 1, 2);
  return samples;
}

}  // namespace velmora
