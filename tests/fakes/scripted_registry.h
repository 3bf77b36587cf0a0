#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ports/registry.h"

namespace velmora::testing {

// Keys and values set up by the test under HKEY_LOCAL_MACHINE; records every call.
class ScriptedRegistry final : public Registry {
 public:
  struct Value {
    std::uint32_t type = kRegSz;
    std::vector<std::uint8_t> data;
  };
  struct Open {
    RegistryRoot root;
    std::string path;
    std::uint32_t access;
  };

  void set_text(const std::string& path, const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    keys[path][name] = {kRegSz, data};
  }

  long open_key(RegistryRoot root, const std::string& path, std::uint32_t access,
                RegistryKey& key) override {
    opens.push_back({root, path, access});
    const auto found = keys.find(path);
    if (found == keys.end()) return kRegistryNotFound;
    key = next_key_++;
    open_paths_[key] = path;
    return kRegistrySuccess;
  }

  long query_value(RegistryKey key, const std::string& name, std::span<std::uint8_t> buffer,
                   std::uint32_t& type, std::uint32_t& size) override {
    queries.push_back(name);
    const auto& values = keys.at(open_paths_.at(key));
    const auto found = values.find(name);
    if (found == values.end()) return kRegistryNotFound;
    const Value& value = found->second;
    type = value.type;
    size = static_cast<std::uint32_t>(value.data.size());
    if (value.data.size() > buffer.size()) return kRegistryMoreData;
    std::copy(value.data.begin(), value.data.end(), buffer.begin());
    return kRegistrySuccess;
  }

  long close_key(RegistryKey key) override {
    open_paths_.erase(key);
    ++closes;
    return kRegistrySuccess;
  }

  std::size_t keys_left_open() const { return open_paths_.size(); }

  std::map<std::string, std::map<std::string, Value>> keys;
  std::vector<Open> opens;
  std::vector<std::string> queries;
  int closes = 0;

 private:
  RegistryKey next_key_ = 100;
  std::map<RegistryKey, std::string> open_paths_;
};

}  // namespace velmora::testing
