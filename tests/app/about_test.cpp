#include "app/about.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/sys_info.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"

namespace velmora::testing {
namespace {

// The About box shows the help text as it is, blanks at line ends included: a sample of its 25
// lines, each ending in CR LF.
TEST(AboutTest, HelpTextEndsEveryLineWithCrLf) {
  const std::string text = help_text();
  EXPECT_TRUE(text.starts_with("Learn to handle and memorize musical chords. (Up to None)\r\n\r\n"
                               "\r\nHow to use this program.\r\nIf you press the create button, "
                               "a new Velmora wil be created. This \r\n"));
  EXPECT_NE(text.find("\r\n\r\nWorksheets\r\nYou can create worksheets for study. A worksheet "
                      "has 6 empty Velmoras\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("the following file: worksheet.id. \r\nIf this file is not in the "
                             "program's directory search for it on your\r\ncomputer by the "
                             "windows find function.\r\n"));
  int line_ends = 0;
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++line_ends;
  EXPECT_EQ(line_ends, 25);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25) << "a line ending in LF alone";
}

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// What KeyVal holds: a value's text, "unread " when emptied, "unusable" when GetKeyValue throws.
TEST(GetKeyValueTest, ReadsTheBytesAsTheTypeSaysUpTo1024) {
  using Bytes = std::vector<std::uint8_t>;
  const struct { std::uint32_t type; Bytes data; std::string read; } cases[] = {
      {kRegSz, {'C', ':', '\\', 'm', 's', 'i', 0}, "C:\\msi"},
      {kRegSz, {'C', ':', '\\', 'm', 's', 'i'}, "C:\\msi"},
      {kRegSz, Bytes(1024, 'a'), std::string(1024, 'a')},
      {kRegSz, Bytes(1025, 'a'), "unread "},
      {kRegDword, {0x05, 0x01, 0x00, 0x00}, "261"},
      {kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}, "-2"},
      {kRegDword, {0x01, 0x02, 0x03, 0x04, 0x05}, "unusable"},
      {kRegExpandSz, {'%', 'X', '%', 0}, "before"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    ScriptedRegistry registry;
    registry.keys[kMsinfoKey]["PATH"] = {c.type, c.data};
    std::string KeyVal = "before";
    try {
      if (!GetKeyValue(registry, RegistryRoot::LocalMachine, kMsinfoKey, "PATH", KeyVal)) {
        KeyVal = "unread " + KeyVal;
      }
    } catch (const RegistryValueError&) {
      KeyVal = "unusable";
    }
    EXPECT_EQ(KeyVal, c.read);
  }
}

TEST(StartSysInfoTest, RegisteredToolThenFallbacksInOrderThenTheMessage) {
  const std::vector<std::string> kTools{"hardinfo2", "hardinfo", "kinfocenter"};
  const struct {
    const char* path;    // the registered tool; "" for none, nullptr for a value of size 0
    const char* folder;  // the registered folder of MSINFO32.EXE, "" for none
    const char* file;    // the one file that exists
    std::map<std::string, std::string> on_path;
    const char* failing;                 // the program that fails to start
    std::size_t keys_opened, fallbacks;  // how many opened and looked up, in order
    std::vector<std::string> started;
  } cases[] = {
      {"C:\\Tools\\MSINFO32.EXE", "C:\\Other", "", {}, "", 1, 0, {"C:\\Tools\\MSINFO32.EXE"}},
      {"", "C:\\Shared", "C:\\Shared\\MSINFO32.EXE", {}, "", 2, 0, {"C:\\Shared\\MSINFO32.EXE"}},
      {"", "C:\\Shared", "C:\\Shared\\MSINFO32", {}, "", 2, 3, {}},
      {"C:\\Gone.EXE", "", "", {}, "C:\\Gone.EXE", 1, 3, {"C:\\Gone.EXE"}},
      {nullptr, "C:\\Shared", "", {}, "", 1, 3, {}},
      {"", "", "", {{"hardinfo", "/hi"}, {"kinfocenter", "/ki"}}, "", 2, 2, {"/hi"}},
      {"", "", "", {{"hardinfo2", "/hi2"}, {"hardinfo", "/hi"}}, "/hi2", 2, 1, {"/hi2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    ScriptedRegistry registry;
    if (!c.path) registry.keys[kMsinfoKey]["PATH"] = {kRegSz, {}};
    if (c.path && *c.path) registry.set_text(kMsinfoKey, "PATH", c.path);
    if (*c.folder) registry.set_text(kLocationKey, "MSINFO", c.folder);
    ScriptedLauncher launcher;
    launcher.files = {c.file};
    launcher.on_path = c.on_path;
    launcher.failing = {c.failing};
    FakeWindowSystem windows;
    StartSysInfo({registry, launcher, windows});

    const std::string read = " " + std::to_string(0x20019);  // KEY_READ: users are refused more
    const std::vector<std::string> opens{kMsinfoKey + read, kLocationKey + read};
    EXPECT_EQ(registry.opens, std::vector(opens.begin(), opens.begin() + c.keys_opened));
    EXPECT_EQ(registry.keys_left_open(), 0U);
    EXPECT_EQ(launcher.looked_up, std::vector(kTools.begin(), kTools.begin() + c.fallbacks));
    EXPECT_EQ(launcher.started, c.started);
    const bool unavailable = c.started.empty() || c.started.back() == c.failing;
    EXPECT_EQ(windows.texts(), unavailable ? std::vector<std::string>{"System Information Is "
                                                                      "Unavailable At This Time"}
                                           : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace velmora::testing
