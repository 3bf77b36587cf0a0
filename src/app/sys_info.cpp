#include "app/sys_info.h"

#include <cstdint>
#include <exception>
#include <span>

#include "ports/launcher.h"
#include "ports/window_system.h"

namespace velmora {

namespace {

// Closes the key on every way out, the thrown ones included.
class OpenKey {
 public:
  OpenKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() { registry_.close_key(key_); }

 private:
  Registry& registry_;
  RegistryKey key_;
};

// The bytes hold the number least significant first.
std::int32_t dword_value(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > 4) throw RegistryValueError("registry number wider than 32 bits");
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  return static_cast<std::int32_t>(value);
}

bool start_registered_tool(const SysInfoPlatform& platform) {
  std::string path;
  if (GetKeyValue(platform.registry, RegistryRoot::LocalMachine,
                  "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
    // A value of another type leaves the path empty, which names no program.
    return !path.empty() && platform.launcher.start(path);
  }
  if (GetKeyValue(platform.registry, RegistryRoot::LocalMachine,
                  "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
    const std::string program = path + "\\MSINFO32.EXE";
    return platform.launcher.file_exists(program) && platform.launcher.start(program);
  }
  return false;
}

bool start_fallback_tool(Launcher& launcher) {
  for (std::string_view name : kSysInfoFallbacks) {
    const std::string program = launcher.find_on_path(std::string(name));
    if (!program.empty()) return launcher.start(program);
  }
  return false;
}

}  // namespace

void StartSysInfo(const SysInfoPlatform& platform) {
  try {
    if (start_registered_tool(platform)) return;
  } catch (const std::exception&) {
    // Whatever went wrong with the registered tool, the fallbacks and the message remain.
  }
  if (start_fallback_tool(platform.launcher)) return;
  platform.windows.show_message({std::string(kSysInfoUnavailable)});
}

bool GetKeyValue(Registry& registry, RegistryRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
  RegistryKey key = 0;
  if (registry.open_key(KeyRoot, KeyName, kKeyRead, key) != kRegistrySuccess) {
    KeyVal.clear();
    return false;
  }
  const OpenKey open_key(registry, key);
  std::array<std::uint8_t, kKeyValueBufferSize> buffer{};
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (registry.query_value(key, SubKeyRef, buffer, type, size) != kRegistrySuccess) {
    KeyVal.clear();
    return false;
  }
  if (size == 0 || size > buffer.size()) {
    throw RegistryValueError("registry value without usable data");
  }
  // A text usually ends in a zero byte, which is not part of it.
  const std::size_t kept = buffer[size - 1] == 0 ? size - 1 : size;
  const std::span<const std::uint8_t> bytes(buffer.data(), kept);
  switch (type) {
    case kRegSz:
      KeyVal.assign(bytes.begin(), bytes.end());
      break;
    case kRegDword:
      KeyVal = std::to_string(dword_value(bytes));
      break;
    default:
      break;
  }
  return true;
}

}  // namespace velmora
