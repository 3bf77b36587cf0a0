#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velmora {

enum class RegistryRoot { LocalMachine };

// An open key as the registry hands it out; only the registry that opened it understands it.
using RegistryKey = std::uintptr_t;

// Result codes of the registry calls, with the platform's values.
inline constexpr long kRegistrySuccess = 0;
inline constexpr long kRegistryNotFound = 2;
inline constexpr long kRegistryMoreData = 234;

// Opening a key for reading only: ordinary users are refused anything more.
inline constexpr std::uint32_t kKeyRead = 0x20019;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

// The three registry calls the About box needs to find the system-information tool.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long open_key(RegistryRoot root, const std::string& path, std::uint32_t access,
                        RegistryKey& key) = 0;
  // Copies the value's data into `buffer` and sets its type and its size in bytes. Data that
  // does not fit gives kRegistryMoreData.
  virtual long query_value(RegistryKey key, const std::string& name, std::span<std::uint8_t> buffer,
                           std::uint32_t& type, std::uint32_t& size) = 0;
  virtual long close_key(RegistryKey key) = 0;
};

}  // namespace velmora
