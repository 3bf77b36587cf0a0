#pragma once

#include "ports/registry.h"

namespace velmora {

// The Windows registry; elsewhere a registry in which no key exists.
class SystemRegistry final : public Registry {
 public:
  long open_key(RegistryRoot root, const std::string& path, std::uint32_t access,
                RegistryKey& key) override;
  long query_value(RegistryKey key, const std::string& name, std::span<std::uint8_t> buffer,
                   std::uint32_t& type, std::uint32_t& size) override;
  long close_key(RegistryKey key) override;
};

}  // namespace velmora
