#include "app/about.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(Help_Text(), expected);
}

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct ValueCase {
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  std::string expected;
};

TEST(GetKeyValueTest, OpensReadOnlyAndReadsTheBytesAsTheTypeSays) {
  const ValueCase cases[] = {{kRegSz, {'C', ':', '\\', 'm', 's', 'i', 0}, "C:\\msi"},
                             {kRegSz, {'C', ':', '\\', 'm', 's', 'i'}, "C:\\msi"},
                             {kRegDword, {0x05, 0x01, 0x00, 0x00}, "261"},
                             {kRegDword, {0x10, 0x00, 0x00, 0x00}, "16"},
                             {kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}, "-2"},
                             {kRegExpandSz, {'%', 'X', '%', 0}, "before"}};
  for (const ValueCase& c : cases) {
    ScriptedRegistry registry;
    registry.keys[kMsinfoKey]["PATH"] = {c.type, c.data};
    std::string KeyVal = "before";
    EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, kMsinfoKey, "PATH", KeyVal));
    EXPECT_EQ(KeyVal, c.expected);
    ASSERT_EQ(registry.opens.size(), 1U);
    EXPECT_EQ(registry.opens[0].access, 0x20019U) << "KEY_READ: users are refused more";
    EXPECT_EQ(registry.keys_left_open(), 0U);
  }
}

class StartSysInfoTest : public ::testing::Test {
 protected:
  // Runs "System Info..." and compares the keys opened, the fallbacks looked up, the programs
  // started, and whether the player was told the tool is unavailable.
  void Expect_Run(const std::vector<std::string>& opened, const std::vector<std::string>& looked_up,
                  const std::vector<std::string>& started, bool unavailable) {
    StartSysInfo({registry, launcher, windows});
    std::vector<std::string> paths;
    for (const auto& open : registry.opens) paths.push_back(open.path);
    EXPECT_EQ(paths, opened);
    EXPECT_EQ(launcher.looked_up, looked_up);
    EXPECT_EQ(launcher.started, started);
    ASSERT_EQ(windows.boxes.size(), unavailable ? 1U : 0U);
    if (!unavailable) return;
    EXPECT_EQ(windows.boxes[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(windows.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(windows.boxes[0].title, "Velmora");
  }

  const std::vector<std::string> kBothKeys{kMsinfoKey, kLocationKey};
  const std::vector<std::string> kAllFallbacks{"hardinfo2", "hardinfo", "kinfocenter"};
  ScriptedRegistry registry;
  ScriptedLauncher launcher;
  FakeWindowSystem windows;
};

TEST_F(StartSysInfoTest, StartsTheRegisteredPathAndLooksNoFurther) {
  registry.set_text(kMsinfoKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
  registry.set_text(kLocationKey, "MSINFO", "C:\\Other");
  Expect_Run({kMsinfoKey}, {}, {"C:\\Tools\\MSINFO32.EXE"}, false);
}

TEST_F(StartSysInfoTest, StartsMsinfo32FromTheRegisteredFolderWhereItExists) {
  registry.set_text(kLocationKey, "MSINFO", "C:\\Shared");
  launcher.files.insert("C:\\Shared\\MSINFO32.EXE");
  Expect_Run(kBothKeys, {}, {"C:\\Shared\\MSINFO32.EXE"}, false);
}

TEST_F(StartSysInfoTest, FolderWithoutMsinfo32EndsInTheMessage) {
  registry.set_text(kLocationKey, "MSINFO", "C:\\Shared");
  Expect_Run(kBothKeys, kAllFallbacks, {}, true);
}

TEST_F(StartSysInfoTest, RegisteredPathFailingToStartEndsInTheMessage) {
  registry.set_text(kMsinfoKey, "PATH", "C:\\Gone.EXE");
  launcher.failing.insert("C:\\Gone.EXE");
  Expect_Run({kMsinfoKey}, kAllFallbacks, {"C:\\Gone.EXE"}, true);
}

TEST_F(StartSysInfoTest, PathOfSizeZeroEndsInTheMessage) {
  registry.keys[kMsinfoKey]["PATH"] = {kRegSz, {}};
  Expect_Run({kMsinfoKey}, kAllFallbacks, {}, true);
}

TEST_F(StartSysInfoTest, WithoutRegistryTriesTheFallbacksInOrder) {
  Expect_Run(kBothKeys, kAllFallbacks, {}, true);
}

TEST_F(StartSysInfoTest, StartsTheFirstFallbackFound) {
  launcher.on_path = {{"hardinfo", "/bin/hardinfo"}, {"kinfocenter", "/bin/kinfocenter"}};
  Expect_Run(kBothKeys, {"hardinfo2", "hardinfo"}, {"/bin/hardinfo"}, false);
}

TEST_F(StartSysInfoTest, FallbackFailingToStartEndsInTheMessage) {
  launcher.on_path = {{"hardinfo2", "/bin/hardinfo2"}, {"hardinfo", "/bin/hardinfo"}};
  launcher.failing.insert("/bin/hardinfo2");
  Expect_Run(kBothKeys, {"hardinfo2"}, {"/bin/hardinfo2"}, true);
}

}  // namespace
}  // namespace velmora::testing
