// A whole session of the real window on the built-in synthesizer, with a practice history and
// settings, playing into a PulseAudio daemon of its own with a null sink: start, Create, the
// four hints, Check (recorded), ten seconds of
// idling, one more note, and closing while the audio server is frozen. Prints the peak resident
// memory (VmHWM), the time a Program Change and the first Note On after it take, the CPU the
// program and the audio server use while idle, how soon the note after idling comes out of the
// server, and how long closing takes.
//
//   velmora_sound_session                      both soundfonts, each in a process of its own
//   velmora_sound_session --soundfont FILE [MB] one session with FILE, memory target MB (60)
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "fakes/audio_processes.h"
#include "platform/posix/system_random.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/sql/sql_history.h"
#include "platform/sound/system_midi.h"
#include "shell/main_window.h"

namespace velmora {
namespace {

using Steady = std::chrono::steady_clock;

double ms_since(Steady::time_point start) {
  return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

long status_kb(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size() + 1);
  }
  return -1;
}

// User and system CPU seconds a process has used.
double cpu_seconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(stat, text);
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 0; i < 11; ++i) fields >> field;
  double user = 0;
  double system = 0;
  fields >> user >> system;
  return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Passes everything on, keeping the open handle and the longest Program Change with the Note On
// after it: the wait a hint's first note can have for samples read from disk.
class TimedMidi final : public MidiSystem {
 public:
  explicit TimedMidi(MidiSystem& inner) : inner_(inner) {}

  int device_count() override { return inner_.device_count(); }
  MidiResult device_caps(std::int16_t id, std::string& name) override {
    return inner_.device_caps(id, name);
  }
  MidiResult open(std::int16_t id, MidiHandle& handle) override {
    const MidiResult result = inner_.open(id, handle);
    this->handle = handle;
    return result;
  }
  MidiResult close(MidiHandle handle) override { return inner_.close(handle); }
  MidiResult short_message(MidiHandle handle, std::uint32_t message) override {
    const Steady::time_point start = Steady::now();
    const MidiResult result = inner_.short_message(handle, message);
    if ((message & 0xF0U) == 0xC0U) program_change_start = start;
    if ((message & 0xF0U) == 0x90U && program_change_start) {
      longest_change_to_note_ms = std::max(longest_change_to_note_ms, ms_since(*program_change_start));
      program_change_start.reset();
    }
    return result;
  }
  std::string error_text(MidiResult result) override { return inner_.error_text(result); }

  MidiHandle handle = 0;
  double longest_change_to_note_ms = 0;
  std::optional<Steady::time_point> program_change_start;

 private:
  MidiSystem& inner_;
};

void click(MainWindow& window, const char* name) {
  window.findChild<QPushButton*>(name)->click();
}

int run_session(const char* soundfont, double memory_limit_mb) {
  testing::PrivatePulseServer server;
  if (!server.ready()) {
    std::printf("%s: %s\n", soundfont, server.error().c_str());
    return 1;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  char name[] = "velmora_sound_session";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  SystemRandom random;
  QtClock clock;
  SystemMidi system_midi{std::filesystem::path(soundfont)};
  TimedMidi midi(system_midi);
  // The whole run keeps a practice history and settings, as the program does.
  QTemporaryDir data;
  SqlHistory history(data.path());
  QtSettingsStore settings(data.filePath("Velmora.conf"));
  auto window =
      std::make_unique<MainWindow>(ShellPorts{random, clock, midi, &history, &settings});
  std::vector<std::string> boxes;
  window->window_system().set_presenter([&boxes](const MessageBox& box) {
    boxes.push_back(box.text);
    return Answer::Ok;
  });
  window->show();
  QApplication::processEvents();
  click(*window, "Create_Puzzle");
  for (const char* hint : {"Hint2", "Hint1", "Hint3", "Hint4"}) click(*window, hint);
  click(*window, "Command_Check");

  // Idle: the reverb's tail has died away, then ten seconds of nothing.
  std::this_thread::sleep_for(std::chrono::seconds(3));
  const pid_t daemon = server.daemon().pid();
  const double self_before = cpu_seconds(getpid());
  const double daemon_before = cpu_seconds(daemon);
  const Steady::time_point idle_start = Steady::now();
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const double idle_s = ms_since(idle_start) / 1000.0;
  const double self_idle = 100.0 * (cpu_seconds(getpid()) - self_before) / idle_s;
  const double daemon_idle = 100.0 * (cpu_seconds(daemon) - daemon_before) / idle_s;

  // The first note after idling, as the null sink's monitor hands it on.
  testing::SinkRecording recording(server);
  std::size_t heard_from = recording.samples().size();
  const Steady::time_point note = Steady::now();
  midi.short_message(midi.handle, 0x7F3C91U);
  double first_note_ms = -1;
  while (first_note_ms < 0 && ms_since(note) < 1000) {
    const std::vector<std::int16_t> samples = recording.samples();
    for (std::size_t i = heard_from; i < samples.size(); ++i) {
      if (std::abs(samples[i]) > 64) first_note_ms = ms_since(note);
    }
    heard_from = samples.size();
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  recording.stop();

  // Closing while that note still sounds and the audio server is frozen.
  server.daemon().signal(SIGSTOP);
  const Steady::time_point closing = Steady::now();
  window->close();
  window.reset();
  const double close_ms = ms_since(closing);
  server.daemon().signal(SIGCONT);

  std::printf(
      "%s\n  peak resident memory (VmHWM): %.1f MB\n"
      "  Program Change and first Note On: %.2f ms\n"
      "  idle 10 s: program %.2f%% + audio server %.2f%% = %.2f%% of a core\n"
      "  first note after idling reached the sink's monitor after: %.1f ms\n"
      "  closing the window with the audio server stopped (SIGSTOP): %.1f ms\n",
      soundfont, status_kb("VmHWM:") / 1024.0, midi.longest_change_to_note_ms, self_idle,
      daemon_idle, self_idle + daemon_idle, first_note_ms, close_ms);
  for (const std::string& box : boxes) std::printf("  message box: %s\n", box.c_str());
  const struct {
    bool met;
    const char* target;
  } targets[] = {
      {status_kb("VmHWM:") / 1024.0 <= memory_limit_mb, "peak resident memory"},
      {midi.longest_change_to_note_ms <= 20, "Program Change to Note On within 20 ms"},
      {self_idle + daemon_idle < 2, "idle under 2% of a core"},
      {first_note_ms >= 0 && first_note_ms <= 50, "first note after idling within 50 ms"},
      {close_ms <= 1000, "closing within one second"},
  };
  bool all_met = true;
  for (const auto& target : targets) {
    if (!target.met) std::printf("  MISSED: %s\n", target.target);
    all_met = all_met && target.met;
  }
  if (all_met) std::printf("  all targets met (memory limit %.0f MB)\n", memory_limit_mb);
  return all_met ? 0 : 1;
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  if (argc >= 3 && std::string(argv[1]) == "--soundfont") {
    return velmora::run_session(argv[2], argc >= 4 ? std::atof(argv[3]) : 60.0);
  }
  const struct {
    const char* soundfont;
    const char* memory_limit_mb;
  } sessions[] = {{"/usr/share/sounds/sf2/FluidR3_GM.sf2", "60"},
                  {"/usr/share/sounds/sf2/TimGM6mb.sf2", "50"}};
  int failed = 0;
  for (const auto& session : sessions) {
    // A process each, so that each peak is a session's own.
    const std::string command = std::string(argv[0]) + " --soundfont " + session.soundfont + " " +
                                session.memory_limit_mb;
    failed |= std::system(command.c_str());
  }
  return failed == 0 ? 0 : 1;
}
