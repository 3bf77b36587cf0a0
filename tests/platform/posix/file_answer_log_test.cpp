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
#include <sstream>
#include <thread>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/seeded_random.h"
#include "theory/chords.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Kind = testing::RecordingPrinter::Kind;

const std::string kFailed =
    "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) ";

// The log, which has `lines` lines, each ending in CR LF.
std::string Read_Log(long lines) {
  std::ostringstream content;
  content << std::ifstream("Worksheet.id", std::ios::binary).rdbuf();
  const std::string log = content.str();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), lines);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), lines);
  return log;
}

// Star labels that name their writer; once, before its `pause_at`-th reading of the time, it
// tells the pipe `told` and pauses, as a slow run would.
class WriterClock final : public Clock {
 public:
  explicit WriterClock(std::string writer) : writer_(std::move(writer)) {}
  int second_of_minute() override { return 0; }
  std::string short_date() override { return writer_; }
  std::string time_with_seconds() override {
    if (++readings_ == pause_at && ::write(told, "!", 1) == 1) std::this_thread::sleep_for(300ms);
    return "14:05:12";
  }
  void sleep_ms(int) override {}

  int pause_at = 0;
  int told = -1;

 private:
  std::string writer_;
  int readings_ = 0;
};

// Worksheet runs logging to the real file, in a fresh working folder.
class FileAnswerLogTest : public ::testing::Test {
 protected:
  FileAnswerLogTest() {
    Fill_Key_Tables(tables);
    Fill_Chord_Types(chord_types, true);
    fs::current_path(folder);
    // A run that hangs fails the test instead of holding up every test after it.
    alarm(30);
  }
  ~FileAnswerLogTest() override {
    alarm(0);
    std::error_code ignored;
    fs::current_path(previous_folder, ignored);
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }

  // The run's failure message; empty when it succeeds.
  std::string Run(AnswerLogFile& log, Clock& clock) {
    windows.boxes.clear();
    printer.operations.clear();
    Board board;
    Print_Worksheet({board, tables, chord_types, false, printer, log, random, clock, windows});
    return windows.boxes.empty() ? "" : windows.boxes.back().text;
  }

  std::string pattern = (fs::temp_directory_path() / "velmora-log-XXXXXX").string();
  fs::path folder = mkdtemp(pattern.data());
  fs::path previous_folder = fs::current_path();
  KeyTables tables;
  FramedList chord_types;
  testing::SeededRandom random{7};
  testing::FakeClock clock;
  testing::FakeWindowSystem windows;
  testing::RecordingPrinter printer;
};

enum class Fault { None, FileSize, PageNotSent, Locked, ReadOnly };

// Runs one after another on one log: a sheet's blocks stay only when the sheet was produced.
TEST_F(FileAnswerLogTest, KeepsTheBlocksOfEveryProducedSheetAndNoneOfAFailedOne) {
  const struct {
    Fault fault;
    std::string failure;
    long lines;
  } runs[] = {
      {Fault::None, "", 30},
      {Fault::None, "", 60},
      // The log may grow by two blocks and half of a third, as on a disk that fills up.
      {Fault::FileSize, "The answer log Worksheet.id could not be written: File too large 5", 60},
      {Fault::PageNotSent, "Printer error 482", 60},
      {Fault::Locked,
       "The answer log Worksheet.id could not be opened: another program keeps it locked 4", 60},
      {Fault::ReadOnly, "The answer log Worksheet.id could not be opened: Permission denied 4", 60},
  };
  FileAnswerLog log(kAnswerLogName, 50ms);
  std::string before;
  for (const auto& run : runs) {
    SCOPED_TRACE(static_cast<int>(run.fault));
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const int holder = ::open("Worksheet.id", O_RDONLY | O_CLOEXEC);
    if (run.fault == Fault::FileSize) {
      const rlimit limit{before.size() + (before.find("\r\n\r\n") + 4) * 5 / 2, unlimited.rlim_max};
      std::signal(SIGXFSZ, SIG_IGN);
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    printer.fail_kind = Kind::End;
    printer.fail_at = run.fault == Fault::PageNotSent ? 1 : 0;
    if (run.fault == Fault::Locked) {
      ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    }
    if (run.fault == Fault::ReadOnly) {
      // A read-only folder, for root too: its file access is that of an ordinary user meanwhile.
      const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
      fs::permissions(folder, fs::perms::all & ~write);
      fs::permissions("Worksheet.id", write, fs::perm_options::remove);
      setfsuid(65534);
    }
    const std::string failure = Run(log, clock);
    setfsuid(0);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, SIG_DFL);
    if (holder >= 0) ::close(holder);

    EXPECT_EQ(failure, run.failure.empty() ? "" : kFailed + run.failure);
    const std::string after = Read_Log(run.lines);
    EXPECT_TRUE(after.starts_with(before));
    if (!run.failure.empty()) {
      EXPECT_EQ(after, before);
    }
    before = after;
  }
}

// Refused at once, through the usual failure, whatever waits on the other side.
TEST_F(FileAnswerLogTest, RefusesAnythingButAFileWithoutWaitingOnIt) {
  const auto socket_file = [] {
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::ranges::copy(std::string_view("Worksheet.id"), address.sun_path);
    EXPECT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(server, 1), 0);
    return server;
  };
  // Each makes "Worksheet.id" and returns what to close after the run, or -1.
  const struct {
    std::function<int()> make;
    std::string kind;
  } cases[] = {
      {[] {  // nobody reads it
         EXPECT_EQ(::mkfifo("Worksheet.id", 0666), 0);
         return -1;
       },
       "a named pipe"},
      {[] {
         EXPECT_EQ(::mkfifo("Worksheet.id", 0666), 0);
         return ::open("Worksheet.id", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
       },
       "a named pipe"},
      {[] {
         EXPECT_TRUE(fs::create_directory("Worksheet.id"));
         return -1;
       },
       "a folder"},
      {socket_file, "a socket"},
      {[] {
         fs::create_symlink("/dev/null", "Worksheet.id");
         return -1;
       },
       "a device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    const int to_close = c.make();
    FileAnswerLog log;
    EXPECT_EQ(Run(log, clock), kFailed + "The answer log Worksheet.id could not be opened: it is " +
                                   c.kind + ", not a file 4");
    if (to_close >= 0) ::close(to_close);
    fs::remove_all("Worksheet.id");
  }
}

// While one program's run is under way, another program's run waits for it; the first one's
// page then fails, and only its own blocks are removed.
TEST_F(FileAnswerLogTest, TwoProgramsOnOneLogLoseNothingOfEachOther) {
  int told[2];
  ASSERT_EQ(::pipe2(told, O_CLOEXEC), 0);
  const pid_t other = ::fork();
  ASSERT_GE(other, 0);
  if (other == 0) {
    ::close(told[0]);
    WriterClock other_clock("other");
    other_clock.pause_at = 22;  // in the sixth star, five blocks written
    other_clock.told = told[1];
    printer.fail_kind = Kind::End;
    printer.fail_at = 1;
    FileAnswerLog log;
    ::_exit(Run(log, other_clock) == kFailed + "Printer error 482" ? 0 : 1);
  }
  ::close(told[1]);
  char byte = 0;
  EXPECT_EQ(::read(told[0], &byte, 1), 1) << "the other program's run did not begin";
  ::close(told[0]);
  WriterClock this_clock("this");
  FileAnswerLog log;
  EXPECT_EQ(Run(log, this_clock), "");
  int status = -1;
  ::waitpid(other, &status, 0);
  EXPECT_EQ(status, 0) << "the other program's run did not fail as it should";

  std::istringstream lines(Read_Log(30));
  int blocks = 0;
  for (std::string line; std::getline(lines, line);) {
    blocks += line == "\r";
    EXPECT_TRUE(line == "\r" || line.starts_with("this-" + std::to_string(blocks + 1) + "14:05:12"))
        << line;
  }
  EXPECT_EQ(blocks, 6);
}

}  // namespace
}  // namespace velmora
