#include "platform/posix/file_answer_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <thread>
#include <utility>

#include "fakes/fake_clock.h"
#include "platform/posix/text_file.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/scripted_random.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kFailed =
    "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) ";

// The log, checking that it has `lines` lines, each ending in CR LF.
std::string read_log(long lines) {
  std::ifstream file("Worksheet.id", std::ios::binary);
  const std::string log{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), lines);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), lines);
  return log;
}

// True once the program `pid` holds the log open: its run has begun and waits for the lock.
bool holds_log_open(pid_t pid) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    if (fs::read_symlink(entry.path(), error).filename() == "Worksheet.id") return true;
  }
  return false;
}

// The other program's clock: its star labels say "other", and before the sixth star's second
// record, five blocks written, it tells the pipe `told` and goes on only once this program's run
// has opened the log and so waits for the lock (at most ten seconds).
struct OtherClock final : testing::FakeClock {
  explicit OtherClock(int told) : told(told) {}
  std::string short_date() override { return "other"; }
  std::string time_with_seconds() override {
    if (++readings == 22 && ::write(told, "!", 1) == 1) {
      for (int wait = 0; wait < 10000 && !holds_log_open(::getppid()); ++wait) {
        std::this_thread::sleep_for(1ms);
      }
    }
    return "14:05:12";
  }
  int told;
  int readings = 0;
};

// Worksheet runs logging to the real file, in a fresh working folder.
class FileAnswerLogTest : public ::testing::Test {
 protected:
  FileAnswerLogTest() {
    fs::current_path(folder);
    printer.fail_kind = testing::RecordingPrinter::Kind::End;
    random.queue_seeded(7, 5000);
    alarm(30);  // a run that hangs fails the test instead of holding up every test after it
  }
  ~FileAnswerLogTest() override {
    alarm(0);
    std::error_code ignored;
    fs::current_path(previous_folder, ignored);
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }

  // The run's failure message; empty when it succeeds.
  std::string run_worksheet(AnswerLogFile& log, Clock& clock) {
    windows.boxes.clear();
    printer.operations.clear();
    Print_Worksheet({Fill_Key_Tables(), Fill_Chord_Types(true), false, printer, log, random, clock,
                     windows});
    return windows.boxes.empty() ? "" : windows.boxes.back().text;
  }

  std::string pattern = (fs::temp_directory_path() / "velmora-log-XXXXXX").string();
  fs::path folder = mkdtemp(pattern.data());
  fs::path previous_folder = fs::current_path();
  testing::ScriptedRandom random;
  testing::FakeClock clock;
  testing::FakeWindowSystem windows;
  testing::RecordingPrinter printer;
};

// Runs one after another on one log: a sheet's blocks stay only when the sheet was produced, and
// anything but a regular file is refused at once, whatever waits on its other side.
TEST_F(FileAnswerLogTest, KeepsTheBlocksOfEveryProducedSheetAndNothingElse) {
  int other_side = -1;  // a pipe's reader, a socket, another program's lock
  sockaddr_un address{AF_UNIX, "Worksheet.id"};
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  std::string before;
  const std::string refused = "The answer log Worksheet.id could not be opened: ";
  const struct { std::function<void()> fault; std::string failure; long lines; } runs[] = {
      {[] { ::mkfifo("Worksheet.id", 0666); }, refused + "it is a named pipe, not a file 4", 0},
      {[&] {
         ::mkfifo("Worksheet.id", 0666);
         other_side = ::open("Worksheet.id", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
       },
       refused + "it is a named pipe, not a file 4", 0},
      {[] { fs::create_directory("Worksheet.id"); }, refused + "it is a folder, not a file 4", 0},
      {[&] {
         other_side = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
         ::bind(other_side, reinterpret_cast<sockaddr*>(&address), sizeof address);
       },
       refused + "it is a socket, not a file 4", 0},
      {[] { fs::create_symlink("/dev/null", "Worksheet.id"); },
       refused + "it is a device, not a file 4", 0},
      {[] {}, "", 30},
      {[] {}, "", 60},
      {[&] {  // room for two blocks and half of a third, as on a disk that fills up
         const rlimit limit{before.size() + (before.find("\r\n\r\n") + 4) * 5 / 2,
                            unlimited.rlim_max};
         std::signal(SIGXFSZ, SIG_IGN);
         setrlimit(RLIMIT_FSIZE, &limit);
       },
       "The answer log Worksheet.id could not be written: File too large 5", 60},
      {[&] {
         other_side = ::open("Worksheet.id", O_RDONLY | O_CLOEXEC);
         ::flock(other_side, LOCK_EX);
       },
       refused + "another program keeps it locked 4", 60},
      {[&] {  // for root too: its file access is that of an ordinary user meanwhile
         const auto write =
             fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
         fs::permissions(folder, fs::perms::all & ~write);
         fs::permissions("Worksheet.id", write, fs::perm_options::remove);
         setfsuid(65534);
       },
       refused + "Permission denied 4", 60},
  };
  FileAnswerLog log(kAnswerLogName, 50ms);
  for (const auto& run : runs) {
    SCOPED_TRACE(&run - runs);
    run.fault();
    const std::string failure = run_worksheet(log, clock);
    setfsuid(0);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, SIG_DFL);
    ::close(std::exchange(other_side, -1));
    if (!fs::is_regular_file(fs::symlink_status("Worksheet.id"))) fs::remove_all("Worksheet.id");

    EXPECT_EQ(failure, run.failure.empty() ? "" : kFailed + run.failure);
    const std::string after = read_log(run.lines);
    EXPECT_EQ(run.failure.empty() ? after.substr(0, before.size()) : after, before);
    before = after;
  }
}

// A sheet that fails in a folder without a log leaves no empty log behind, and one that fails
// later leaves the log of the sheets before it as it was.
TEST_F(FileAnswerLogTest, AFailedRunRemovesOnlyALogItCreated) {
  FileAnswerLog log;
  printer.fail_at = 1;
  EXPECT_NE(run_worksheet(log, clock), "");
  EXPECT_FALSE(fs::exists("Worksheet.id"));
  printer.fail_at = 0;
  EXPECT_EQ(run_worksheet(log, clock), "");
  const std::string produced = read_log(30);
  printer.fail_at = 1;
  EXPECT_NE(run_worksheet(log, clock), "");
  EXPECT_EQ(read_log(30), produced);
}

// A run that waited for the lock of a log that the run before created and then removed again
// logs into a new file under the log's name, not into the removed one.
TEST_F(FileAnswerLogTest, ARunWaitingOnALogThatIsRemovedLogsIntoANewOne) {
  FileAnswerLog first;
  ASSERT_TRUE(first.begin_run().ok());
  std::string failure = "not run";
  std::thread second([&] {
    FileAnswerLog log;
    failure = run_worksheet(log, clock);
  });
  std::this_thread::sleep_for(200ms);
  first.drop_run();
  second.join();
  EXPECT_EQ(failure, "");
  read_log(30);
}

// A log is read a line at a time; a line without end is handed on cut off, not held whole.
TEST_F(FileAnswerLogTest, ReadsLinesOfAnyLengthInBoundedPieces) {
  std::ofstream("log", std::ios::binary) << std::string(100000, 'x') << "\nshort\r\n\nlast";
  std::vector<std::string> lines;
  EXPECT_EQ(read_lines("log", [&](std::string_view line) { lines.emplace_back(line); }), "");
  EXPECT_EQ(lines, (std::vector<std::string>{std::string(4096, 'x'), "short\r", "", "last"}));
  EXPECT_EQ(read_lines("missing", [](std::string_view) {}), "No such file or directory");
}

// This run waits for the other program's, whose page then fails: only that run's blocks go.
TEST_F(FileAnswerLogTest, TwoProgramsOnOneLogLoseNothingOfEachOther) {
  int told[2];
  ASSERT_EQ(::pipe2(told, O_CLOEXEC), 0);
  FileAnswerLog log;
  const pid_t other = ::fork();
  if (other == 0) {
    OtherClock other_clock(told[1]);
    printer.fail_at = 1;
    ::_exit(run_worksheet(log, other_clock) == kFailed + "Printer error 482" ? 0 : 1);
  }
  ::close(told[1]);
  char byte = 0;
  EXPECT_EQ(::read(told[0], &byte, 1), 1) << "the other program's run did not begin";
  ::close(told[0]);
  EXPECT_EQ(run_worksheet(log, clock), "");
  int status = -1;
  EXPECT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_EQ(status, 0) << "the other program's run did not fail as it should";
  const std::string logged = read_log(30);
  EXPECT_TRUE(logged.starts_with("6-12-2026-114:05:10")) << logged;
  EXPECT_EQ(logged.find("other"), std::string::npos) << logged;
}

}  // namespace
}  // namespace velmora
