#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ports/registry.h"

namespace velmora {

class Launcher;
class WindowSystem;

struct SysInfoPlatform {
  Registry& registry;
  Launcher& launcher;
  WindowSystem& windows;
};

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Tried in this order where the registry does not name the system-information tool.
inline constexpr std::array<std::string_view, 3> kSysInfoFallbacks = {"hardinfo2", "hardinfo",
                                                                      "kinfocenter"};

inline constexpr std::size_t kKeyValueBufferSize = 1024;

// A registry value whose data cannot be read as its type claims: empty, larger than the
// buffer, or a number wider than 32 bits.
class RegistryValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Starts the system-information tool, or tells the player it is unavailable.
void StartSysInfo(const SysInfoPlatform& platform);

// Reads the value `SubKeyRef` of the key `KeyName` into `KeyVal`: a text as it is, a number
// as its decimal text; a value of any other type leaves `KeyVal` as it was. False, with
// `KeyVal` emptied, when the key or the value cannot be read. Throws RegistryValueError.
bool GetKeyValue(Registry& registry, RegistryRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace velmora
