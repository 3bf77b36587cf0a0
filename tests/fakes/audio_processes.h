#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace velmora::testing {

inline double rms(std::span<const std::int16_t> samples) {
  double sum = 0.0;
  for (std::int16_t sample : samples) sum += static_cast<double>(sample) * sample;
  return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

inline std::string read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A program started by the test with its output and errors in files, ended by its process id.
class ChildProcess {
 public:
  ChildProcess(std::vector<std::string> argv, const std::filesystem::path& out,
               const std::filesystem::path& err) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> args;
    for (std::string& arg : argv) args.push_back(arg.data());
    args.push_back(nullptr);
    if (posix_spawnp(&pid_, args[0], &files, nullptr, args.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&files);
  }
  ~ChildProcess() { stop(SIGTERM); }
  ChildProcess(const ChildProcess&) = delete;

  bool running() {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) pid_ = -1;
    return pid_ > 0;
  }
  void stop(int signal) {
    if (pid_ > 0 && kill(pid_, signal) == 0) waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  // A signal that need not end the program (SIGSTOP, SIGCONT): nothing waits for it.
  void signal(int signal) {
    if (pid_ > 0) kill(pid_, signal);
  }
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
};

// A PulseAudio daemon of the test's own with a null sink whose monitor records what is played;
// while it lives, this process's clients use it and keep cookie and settings in its own folder.
class PrivatePulseServer {
 public:
  static constexpr const char* kSink = "velmora_test";

  PrivatePulseServer() {
    char folder[] = "/tmp/velmora-pulse-XXXXXX";
    if (mkdtemp(folder) == nullptr) throw std::system_error(errno, std::generic_category());
    dir_ = folder;
    const std::string socket = dir_ / "native";
    for (const auto& [name, value] : {std::pair<const char*, std::string>{"HOME", dir_},
                                      {"XDG_RUNTIME_DIR", dir_},
                                      {"PULSE_SERVER", "unix:" + socket}}) {
      const char* old = std::getenv(name);
      saved_env_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      setenv(name, value.c_str(), 1);
    }
    daemon_.emplace(
        std::vector<std::string>{"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                 "--use-pid-file=no", "--disable-shm", "--log-target=stderr", "-L",
                                 std::string("module-null-sink sink_name=") + kSink, "-L",
                                 "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
        "/dev/null", dir_ / "daemon.log");
    for (int wait = 0; wait < 100 && daemon_->running() && !std::filesystem::exists(socket);
         ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!std::filesystem::exists(socket)) {
      error_ = "pulseaudio did not open its socket (is it installed?): " +
               read_file(dir_ / "daemon.log");
    }
  }
  ~PrivatePulseServer() {
    daemon_.reset();
    for (const auto& [name, value] : saved_env_) {
      value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  bool ready() const { return error_.empty(); }
  ChildProcess& daemon() { return *daemon_; }
  const std::string& error() const { return error_; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_env_;
  std::filesystem::path dir_;
  std::optional<ChildProcess> daemon_;
  std::string error_;
};

// What the private server's null sink plays, recorded from its monitor into a file.
class SinkRecording {
 public:
  explicit SinkRecording(const PrivatePulseServer& server)
      : file_(server.dir() / "monitor.raw"), log_(server.dir() / "parec.log"),
        parec_({"parec", "-d", std::string(PrivatePulseServer::kSink) + ".monitor",
                "--format=s16ne", "--rate=44100", "--channels=2", "--latency-msec=10"},
               file_, log_) {
    // The monitor delivers its first samples a while after parec connects.
    for (int wait = 0; wait < 100 && parec_.running() && samples().size() < 2 * 4410; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }

  // Empty when parec is not recording; the reason is then in `log`.
  std::string log() { return parec_.running() ? std::string() : "parec: " + read_file(log_); }
  // In the machine's byte order, as recorded with --format=s16ne.
  std::vector<std::int16_t> samples() const {
    const std::string bytes = read_file(file_);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    bytes.copy(reinterpret_cast<char*>(samples.data()), samples.size() * 2);
    return samples;
  }
  void stop() { parec_.stop(SIGINT); }

 private:
  std::filesystem::path file_, log_;
  ChildProcess parec_;
};

}  // namespace velmora::testing
