#include "app/about.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/sys_info.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"

namespace velmora::testing {
namespace {

TEST(AboutTest, HelpTextEndsEveryLineWithCrLf) {
  std::string expected;
  for (std::string_view line : kHelpLines) expected += std::string(line) + "\r\n";
  EXPECT_EQ(help_text(), expected);
}

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(GetKeyValueTest, ReadsTheBytesAsTheTypeSays) {
  const struct {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    std::string expected;
  } cases[] = {{kRegSz, {'C', ':', '\\', 'm', 's', 'i', 0}, "C:\\msi"},
               {kRegSz, {'C', ':', '\\', 'm', 's', 'i'}, "C:\\msi"},
               {kRegDword, {0x05, 0x01, 0x00, 0x00}, "261"},
               {kRegDword, {0x10, 0x00, 0x00, 0x00}, "16"},
               {kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}, "-2"},
               {kRegExpandSz, {'%', 'X', '%', 0}, "before"}};
  for (const auto& c : cases) {
    ScriptedRegistry registry;
    registry.keys[kMsinfoKey]["PATH"] = {c.type, c.data};
    std::string KeyVal = "before";
    EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, kMsinfoKey, "PATH", KeyVal));
    EXPECT_EQ(KeyVal, c.expected);
  }
}

TEST(StartSysInfoTest, RegisteredToolThenFallbacksInOrderThenTheMessage) {
  const std::vector<std::string> kFallbacks{"hardinfo2", "hardinfo", "kinfocenter"};
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

    ASSERT_EQ(registry.opens.size(), c.keys_opened);
    for (std::size_t i = 0; i < c.keys_opened; ++i) {
      EXPECT_EQ(registry.opens[i].path, i == 0 ? kMsinfoKey : kLocationKey);
      EXPECT_EQ(registry.opens[i].access, 0x20019U) << "KEY_READ: users are refused more";
    }
    EXPECT_EQ(registry.keys_left_open(), 0U);
    const std::vector<std::string> fallbacks(kFallbacks.begin(), kFallbacks.begin() + c.fallbacks);
    EXPECT_EQ(launcher.looked_up, fallbacks);
    EXPECT_EQ(launcher.started, c.started);
    const bool unavailable = c.started.empty() || c.started.back() == c.failing;
    ASSERT_EQ(windows.boxes.size(), unavailable ? 1U : 0U);
    for (const auto& box : windows.boxes) {
      EXPECT_EQ(box.text, "System Information Is Unavailable At This Time");
    }
  }
}

}  // namespace
}  // namespace velmora::testing
