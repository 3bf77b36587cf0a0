#include "worksheet/file_answer_log.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/recording_printer.h"
#include "fakes/seeded_random.h"
#include "worksheet/worksheet.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::FakeWindowSystem;
using testing::RecordingPrinter;

std::string Read_File(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

int Count_Lines(const std::string& content) {
  int lines = 0;
  for (std::size_t at = content.find("\r\n"); at != std::string::npos;
       at = content.find("\r\n", at + 2)) {
    ++lines;
  }
  return lines;
}

// Checks for file access as an ordinary user: root's override of permissions is dropped while
// this lives, so a folder without write permission stops the process as it stops any user.
class AsOrdinaryUser {
 public:
  AsOrdinaryUser() {
    if (geteuid() != 0) return;
    setfsuid(kNobody);
    dropped_ = true;
  }
  ~AsOrdinaryUser() {
    if (dropped_) setfsuid(0);
  }
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

  static bool Active() { return geteuid() != 0 || setfsuid(static_cast<uid_t>(-1)) == kNobody; }

 private:
  static constexpr uid_t kNobody = 65534;
  bool dropped_ = false;
};

class FileAnswerLogTest : public ::testing::Test {
 protected:
  FileAnswerLogTest() {
    std::string pattern = (fs::temp_directory_path() / "velmora-log-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    log_path = folder / "Worksheet.id";
    fs::permissions(folder, fs::perms::all);
    Fill_Key_Tables(tables);
    Fill_Chord_Types(chord_types, true);
  }
  ~FileAnswerLogTest() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::permissions(log_path, fs::perms::owner_all, ignored);
    fs::remove_all(folder, ignored);
  }

  // One worksheet run logging through `log`; returns the boxes it showed.
  std::vector<MessageBox> Run_Worksheet(AnswerLogFile& log) {
    FakeWindowSystem windows;
    Print_Worksheet({board, tables, chord_types, false, printer, log, random, clock, windows});
    return windows.boxes;
  }

  fs::path folder;
  fs::path log_path;
  KeyTables tables;
  FramedList chord_types;
  Board board;
  RecordingPrinter printer;
  testing::SeededRandom random{7};
  FakeClock clock;
};

TEST_F(FileAnswerLogTest, TheFirstRunCreatesTheLogAndTheSecondAppendsToIt) {
  FileAnswerLog log(log_path);
  ASSERT_TRUE(Run_Worksheet(log).empty());
  const std::string first = Read_File(log_path);
  EXPECT_EQ(Count_Lines(first), 30);
  EXPECT_EQ(first.find('\n'), first.find("\r\n") + 1) << "lines end in CR LF";
  EXPECT_EQ(first.substr(first.size() - 4), "\r\n\r\n") << "a block ends in an empty line";

  clock.time = "14:06:40";
  ASSERT_TRUE(Run_Worksheet(log).empty());
  const std::string both = Read_File(log_path);
  EXPECT_EQ(Count_Lines(both), 60);
  EXPECT_EQ(both.substr(0, first.size()), first);
  EXPECT_NE(both.find("6-12-2026-114:06:40"), std::string::npos);
}

TEST_F(FileAnswerLogTest, WritesWorksheetIdInTheWorkingDirectory) {
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  FileAnswerLog log;
  const auto boxes = Run_Worksheet(log);
  fs::current_path(previous);

  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Count_Lines(Read_File(log_path)), 30);
}

TEST_F(FileAnswerLogTest, AReadOnlyFolderEndsTheRunWithTheLogUntouched) {
  FileAnswerLog log(log_path);
  {
    // As the same ordinary user the log can be written while the folder allows it.
    AsOrdinaryUser user;
    ASSERT_TRUE(AsOrdinaryUser::Active());
    ASSERT_TRUE(Run_Worksheet(log).empty());
  }
  const std::string earlier = Read_File(log_path);
  ASSERT_EQ(Count_Lines(earlier), 30);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  fs::permissions(log_path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  printer.operations.clear();

  std::vector<MessageBox> boxes;
  {
    AsOrdinaryUser user;
    boxes = Run_Worksheet(log);
  }
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, std::string(kWorksheetFailureText) + "The answer log " +
                               log_path.string() + " could not be opened: Permission denied 4");
  EXPECT_EQ(boxes[0].icon, Icon::Critical);
  EXPECT_EQ(Read_File(log_path), earlier);
  EXPECT_EQ(printer.aborts, 1);
}

TEST_F(FileAnswerLogTest, AReadOnlyFolderCannotReceiveANewLog) {
  fs::permissions(folder, fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write |
                                             fs::perms::others_write));
  FileAnswerLog log(log_path);
  std::vector<MessageBox> boxes;
  {
    AsOrdinaryUser user;
    boxes = Run_Worksheet(log);
  }
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_NE(boxes[0].text.find("could not be opened: Permission denied 4"), std::string::npos)
      << boxes[0].text;
  EXPECT_FALSE(fs::exists(log_path));
}

TEST_F(FileAnswerLogTest, AFullDeviceEndsTheRunBeforeTheFirstLabel) {
  FileAnswerLog log("/dev/full");
  const auto boxes = Run_Worksheet(log);

  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, std::string(kWorksheetFailureText) +
                               "The answer log /dev/full could not be written: No space left on "
                               "device 5");
  EXPECT_EQ(printer.aborts, 1);
  EXPECT_TRUE(printer.of_kind(RecordingPrinter::Kind::End).empty());
  EXPECT_EQ(printer.of_kind(RecordingPrinter::Kind::Text).size(), 2U + 5U)
      << "star 1's names and given note, no label";
}

// Lets the log grow by `bytes` only, as a disk that fills up does, for the test's lifetime.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previous_handler_)(int) = nullptr;
};

TEST_F(FileAnswerLogTest, ALogThatCannotGrowKeepsEarlierRunsAndWholeBlocksOnly) {
  FileAnswerLog log(log_path);
  ASSERT_TRUE(Run_Worksheet(log).empty());
  const std::string earlier = Read_File(log_path);
  const std::size_t block = earlier.find("\r\n\r\n") + 4;

  std::vector<MessageBox> boxes;
  {
    // Room for two more blocks and half of the third.
    FileSizeLimit limit(earlier.size() + block * 5 / 2);
    boxes = Run_Worksheet(log);
  }
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_NE(boxes[0].text.find("could not be written: File too large 5"), std::string::npos)
      << boxes[0].text;
  const std::string after = Read_File(log_path);
  EXPECT_EQ(after.substr(0, earlier.size()), earlier);
  EXPECT_EQ(Count_Lines(after), 30 + 10);
  EXPECT_EQ(after.substr(after.size() - 4), "\r\n\r\n");
}

}  // namespace
}  // namespace velmora
