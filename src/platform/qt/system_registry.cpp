#include "platform/qt/system_registry.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

namespace velmora {

// LocalMachine is the only root there is to open.
long SystemRegistry::open_key(RegistryRoot, const std::string& path, std::uint32_t access,
                              RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &opened);
  key = reinterpret_cast<RegistryKey>(opened);
  return result;
}

long SystemRegistry::query_value(RegistryKey key, const std::string& name,
                                 std::span<std::uint8_t> buffer, std::uint32_t& type,
                                 std::uint32_t& size) {
  DWORD value_type = 0;
  DWORD value_size = static_cast<DWORD>(buffer.size());
  const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr,
                                       &value_type, buffer.data(), &value_size);
  type = value_type;
  size = value_size;
  return result;
}

long SystemRegistry::close_key(RegistryKey key) {
  return RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace velmora

#else

namespace velmora {

long SystemRegistry::open_key(RegistryRoot, const std::string&, std::uint32_t, RegistryKey&) {
  return kRegistryNotFound;
}

long SystemRegistry::query_value(RegistryKey, const std::string&, std::span<std::uint8_t>,
                                 std::uint32_t&, std::uint32_t&) {
  return kRegistryNotFound;
}

long SystemRegistry::close_key(RegistryKey) { return kRegistrySuccess; }

}  // namespace velmora

#endif
