#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ports/registry.h"

namespace velmora::testing {

// Keys and values set up by the test; records every key opened.
class ScriptedRegistry final : public Registry {
 public:
  struct Value {
    std::uint32_t type = kRegSz;
    std::vector<std::uint8_t> data;
  };

  // Text with its trailing zero, as the registry stores it.
  void set_text(const std::string& path, const std::string& name, const std::string& text) {
    keys[path][name] = {kRegSz, {text.c_str(), text.c_str() + text.size() + 1}};
  }

  long open_key(RegistryRoot, const std::string& path, std::uint32_t access,
                RegistryKey& key) override {
    opens.push_back(path + " " + std::to_string(access));
    if (!keys.contains(path)) return kRegistryNotFound;
    key = next_key_++;
    open_paths_[key] = path;
    return kRegistrySuccess;
  }

  long query_value(RegistryKey key, const std::string& name, std::span<std::uint8_t> buffer,
                   std::uint32_t& type, std::uint32_t& size) override {
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
    return kRegistrySuccess;
  }

  std::size_t keys_left_open() const { return open_paths_.size(); }

  std::map<std::string, std::map<std::string, Value>> keys;
  std::vector<std::string> opens;  // each key's path and the access asked, in order

 private:
  RegistryKey next_key_ = 100;
  std::map<RegistryKey, std::string> open_paths_;
};

}  // namespace velmora::testing
