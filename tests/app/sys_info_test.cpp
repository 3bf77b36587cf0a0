#include "app/sys_info.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/fake_window_system.h"
#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kTestKey = "SOFTWARE\\Velmora";

struct ValueCase {
  std::string name;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  std::string expected;
  friend void PrintTo(const ValueCase& value, std::ostream* out) { *out << value.name; }
};

class GetKeyValueBytes : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueBytes, ReadsTheValueAsItsTypeSays) {
  ScriptedRegistry registry;
  registry.keys[kTestKey]["Value"] = {GetParam().type, GetParam().data};
  std::string KeyVal = "before";
  EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, kTestKey, "Value", KeyVal));
  EXPECT_EQ(KeyVal, GetParam().expected);
  EXPECT_EQ(registry.keys_left_open(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueBytes,
    ::testing::Values(
        ValueCase{"TextWithTrailingZero", kRegSz, {'C', ':', '\\', 'm', 's', 'i', 0}, "C:\\msi"},
        ValueCase{"TextWithoutTrailingZero", kRegSz, {'C', ':', '\\', 'm', 's', 'i'}, "C:\\msi"},
        ValueCase{"OneZeroByteIsEmptyText", kRegSz, {0}, ""},
        ValueCase{"Dword261", kRegDword, {0x05, 0x01, 0x00, 0x00}, "261"},
        ValueCase{"Dword16", kRegDword, {0x10, 0x00, 0x00, 0x00}, "16"},
        ValueCase{"DwordAllFourBytes", kRegDword, {0x04, 0x03, 0x02, 0x01}, "16909060"},
        ValueCase{"DwordMinusOne", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
        ValueCase{"DwordMostNegative", kRegDword, {0x00, 0x00, 0x00, 0x80}, "-2147483648"},
        ValueCase{"DwordZero", kRegDword, {0x00, 0x00, 0x00, 0x00}, "0"},
        ValueCase{"ExpandableTextLeavesKeyValAlone", kRegExpandSz, {'%', 'X', '%', 0}, "before"}),
    [](const auto& info) { return info.param.name; });

TEST(GetKeyValue, OpensTheKeyForReadingOnly) {
  ScriptedRegistry registry;
  registry.set_text(kTestKey, "Value", "x");
  std::string KeyVal;
  GetKeyValue(registry, RegistryRoot::LocalMachine, kTestKey, "Value", KeyVal);
  ASSERT_EQ(registry.opens.size(), 1U);
  EXPECT_EQ(registry.opens[0].root, RegistryRoot::LocalMachine);
  EXPECT_EQ(registry.opens[0].path, kTestKey);
  EXPECT_EQ(registry.opens[0].access, 0x20019U);
}

TEST(GetKeyValue, MissingKeyEmptiesKeyVal) {
  ScriptedRegistry registry;
  std::string KeyVal = "before";
  EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, kTestKey, "Value", KeyVal));
  EXPECT_EQ(KeyVal, "");
  EXPECT_EQ(registry.closes, 0);
}

TEST(GetKeyValue, MissingOrOversizedValueEmptiesKeyValAndClosesTheKey) {
  for (const char* name : {"Missing", "Huge"}) {
    ScriptedRegistry registry;
    registry.keys[kTestKey]["Huge"] = {kRegSz,
                                       std::vector<std::uint8_t>(kKeyValueBufferSize + 1, 'a')};
    std::string KeyVal = "before";
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, kTestKey, name, KeyVal)) << name;
    EXPECT_EQ(KeyVal, "") << name;
    EXPECT_EQ(registry.closes, 1) << name;
  }
}

TEST(GetKeyValue, UnreadableDataThrowsAndStillClosesTheKey) {
  const std::vector<ScriptedRegistry::Value> values = {
      {kRegSz, {}}, {kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}}};
  for (const auto& value : values) {
    ScriptedRegistry registry;
    registry.keys[kTestKey]["Value"] = value;
    std::string KeyVal;
    EXPECT_THROW(GetKeyValue(registry, RegistryRoot::LocalMachine, kTestKey, "Value", KeyVal),
                 RegistryValueError);
    EXPECT_EQ(registry.keys_left_open(), 0U);
  }
}

class StartSysInfoTest : public ::testing::Test {
 protected:
  void start() { StartSysInfo({registry, launcher, windows}); }
  bool told_unavailable() const {
    return windows.boxes.size() == 1 && windows.boxes[0].text == kSysInfoUnavailable &&
           windows.boxes[0].buttons == Buttons::Ok && windows.boxes[0].icon == Icon::None &&
           windows.boxes[0].title == "Velmora";
  }
  std::vector<std::string> opened_paths() const {
    std::vector<std::string> paths;
    for (const auto& open : registry.opens) paths.push_back(open.path);
    return paths;
  }

  ScriptedRegistry registry;
  ScriptedLauncher launcher;
  FakeWindowSystem windows;
};

TEST_F(StartSysInfoTest, StartsThePathOfTheFirstKeyAndLooksNoFurther) {
  registry.set_text(kMsinfoKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
  registry.set_text(kLocationKey, "MSINFO", "C:\\Other");
  start();
  EXPECT_THAT(launcher.started, ElementsAre("C:\\Tools\\MSINFO32.EXE"));
  EXPECT_THAT(opened_paths(), ElementsAre(kMsinfoKey));
  EXPECT_THAT(launcher.looked_up, IsEmpty());
  EXPECT_THAT(windows.boxes, IsEmpty());
}

TEST_F(StartSysInfoTest, StartsMsinfo32InTheFolderOfTheSecondKey) {
  registry.set_text(kLocationKey, "MSINFO", "C:\\Shared\\MSInfo");
  launcher.files.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE");
  start();
  EXPECT_THAT(opened_paths(), ElementsAre(kMsinfoKey, kLocationKey));
  EXPECT_THAT(launcher.checked, ElementsAre("C:\\Shared\\MSInfo\\MSINFO32.EXE"));
  EXPECT_THAT(launcher.started, ElementsAre("C:\\Shared\\MSInfo\\MSINFO32.EXE"));
  EXPECT_THAT(windows.boxes, IsEmpty());
}

TEST_F(StartSysInfoTest, WithoutRegistryTriesTheFallbacksInOrderThenTellsThePlayer) {
  start();
  EXPECT_THAT(opened_paths(), ElementsAre(kMsinfoKey, kLocationKey));
  EXPECT_THAT(launcher.looked_up, ElementsAre("hardinfo2", "hardinfo", "kinfocenter"));
  EXPECT_THAT(launcher.started, IsEmpty());
  EXPECT_TRUE(told_unavailable());
}

TEST_F(StartSysInfoTest, StartsTheFirstFallbackFound) {
  launcher.on_path = {{"hardinfo", "/usr/bin/hardinfo"}, {"kinfocenter", "/usr/bin/kinfocenter"}};
  start();
  EXPECT_THAT(launcher.looked_up, ElementsAre("hardinfo2", "hardinfo"));
  EXPECT_THAT(launcher.started, ElementsAre("/usr/bin/hardinfo"));
  EXPECT_THAT(windows.boxes, IsEmpty());
}

struct FailureCase {
  std::string name;
  std::function<void(ScriptedRegistry&, ScriptedLauncher&)> arrange;
  std::vector<std::string> opened;
  std::vector<std::string> started;
  friend void PrintTo(const FailureCase& failure, std::ostream* out) { *out << failure.name; }
};

class StartSysInfoFailure : public StartSysInfoTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StartSysInfoFailure, EndsInTheMessage) {
  GetParam().arrange(registry, launcher);
  start();
  EXPECT_EQ(opened_paths(), GetParam().opened);
  EXPECT_EQ(launcher.started, GetParam().started);
  EXPECT_TRUE(told_unavailable());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartSysInfoFailure,
    ::testing::Values(
        FailureCase{"FolderWithoutMsinfo32",
                    [](ScriptedRegistry& registry, ScriptedLauncher&) {
                      registry.set_text(kLocationKey, "MSINFO", "C:\\Shared\\MSInfo");
                    },
                    {kMsinfoKey, kLocationKey},
                    {}},
        FailureCase{"RegisteredPathFailsToStart",
                    [](ScriptedRegistry& registry, ScriptedLauncher& launcher) {
                      registry.set_text(kMsinfoKey, "PATH", "C:\\Gone\\MSINFO32.EXE");
                      launcher.failing.insert("C:\\Gone\\MSINFO32.EXE");
                    },
                    {kMsinfoKey},
                    {"C:\\Gone\\MSINFO32.EXE"}},
        FailureCase{"EmptyPathValueSkipsTheSecondKey",
                    [](ScriptedRegistry& registry, ScriptedLauncher&) {
                      registry.keys[kMsinfoKey]["PATH"] = {kRegSz, {}};
                      registry.set_text(kLocationKey, "MSINFO", "C:\\Shared\\MSInfo");
                    },
                    {kMsinfoKey},
                    {}},
        FailureCase{"PathOfAnotherTypeStartsNothing",
                    [](ScriptedRegistry& registry, ScriptedLauncher&) {
                      registry.keys[kMsinfoKey]["PATH"] = {kRegExpandSz, {'%', 'X', '%', 0}};
                    },
                    {kMsinfoKey},
                    {}},
        FailureCase{"FirstFallbackFoundFailsToStart",
                    [](ScriptedRegistry&, ScriptedLauncher& launcher) {
                      launcher.on_path = {{"hardinfo2", "/usr/bin/hardinfo2"},
                                          {"hardinfo", "/usr/bin/hardinfo"}};
                      launcher.failing.insert("/usr/bin/hardinfo2");
                    },
                    {kMsinfoKey, kLocationKey},
                    {"/usr/bin/hardinfo2"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace velmora::testing
