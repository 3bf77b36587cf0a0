#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace velmora::testing {

inline double Rms(std::span<const std::int16_t> samples) {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (std::int16_t sample : samples) sum += static_cast<double>(sample) * sample;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

inline std::vector<std::int16_t> Read_S16(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                           (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return samples;
}

inline std::string Read_Text(const std::filesystem::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A program started by the test with its output in files, ended by its own process id.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& out,
               const std::filesystem::path& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~ChildProcess() { stop(SIGTERM); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  bool running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) pid_ = -1;
    return pid_ > 0;
  }
  void stop(int signal) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
};

// A PulseAudio daemon of the test's own, in a private runtime folder, with one null sink whose
// monitor records what is played. The process environment points PulseAudio clients at it.
class PrivatePulseServer {
 public:
  static constexpr const char* kSink = "velmora_test";

  PrivatePulseServer() {
    char pattern[] = "/tmp/velmora-pulse-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      error_ = "cannot make a runtime folder";
      return;
    }
    dir_ = pattern;
    socket_ = dir_ / "native";
    set_env("XDG_RUNTIME_DIR", dir_);
    set_env("PULSE_RUNTIME_PATH", dir_);
    set_env("PULSE_SERVER", "unix:" + socket_.string());
    // The daemon and its clients keep their cookie and settings here, not in the real home.
    set_env("HOME", dir_);
    daemon_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                 "--disallow-exit", "--use-pid-file=no", "--disable-shm",
                                 "--log-target=stderr", "-L",
                                 std::string("module-null-sink sink_name=") + kSink, "-L",
                                 "module-native-protocol-unix auth-anonymous=1 socket=" +
                                     socket_.string()},
        dir_ / "daemon.out", dir_ / "daemon.log");
    if (!daemon_->started()) {
      error_ = "pulseaudio could not be started (is it installed?)";
      return;
    }
    for (int wait = 0; wait < 100 && !std::filesystem::exists(socket_); ++wait) {
      if (!daemon_->running()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!std::filesystem::exists(socket_)) {
      error_ = "pulseaudio did not open its socket: " + Read_Text(dir_ / "daemon.log");
      daemon_.reset();
    }
  }
  ~PrivatePulseServer() {
    daemon_.reset();
    for (const auto& [name, value] : saved_env_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
    if (!dir_.empty()) {
      std::error_code ignored;
      std::filesystem::remove_all(dir_, ignored);
    }
  }
  PrivatePulseServer(const PrivatePulseServer&) = delete;
  PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

  bool ready() const { return daemon_ != nullptr && error_.empty(); }
  const std::string& error() const { return error_; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  void set_env(const std::string& name, const std::string& value) {
    const char* old = std::getenv(name.c_str());
    saved_env_.emplace(name, old == nullptr ? std::nullopt : std::optional<std::string>(old));
    setenv(name.c_str(), value.c_str(), 1);
  }

  std::map<std::string, std::optional<std::string>> saved_env_;
  std::filesystem::path dir_;
  std::filesystem::path socket_;
  std::unique_ptr<ChildProcess> daemon_;
  std::string error_;
};

}  // namespace velmora::testing
