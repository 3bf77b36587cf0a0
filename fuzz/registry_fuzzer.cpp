// The About box's registry look-up over a registry whose every answer comes from the input.
// The first byte chooses one GetKeyValue call or a whole StartSysInfo (then a byte scripts the
// launcher). Opening a key answers with a result byte (and, on failure, a 32-bit key); a query
// with a result byte, the type and the size it claims (32 bits each), a byte filling the
// buffer, and the data: its length (16 bits) and its bytes; closing with a result byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/sys_info.h"
#include "fakes/fake_window_system.h"
#include "fuzz_input.h"
#include "ports/launcher.h"

namespace velmora::fuzz {
namespace {

long result_code(std::uint8_t byte) {
  switch (byte) {
    case 0:
      return kRegistrySuccess;
    case 1:
      return kRegistryNotFound;
    case 2:
      return kRegistryMoreData;
    default:
      return byte;
  }
}

// What one query answered, and the part of the buffer its size covers as the caller sees it.
struct Query {
  long result;
  std::uint32_t type;
  std::uint32_t size;
  std::size_t buffer_size;
  std::vector<std::uint8_t> covered;
};

class FuzzedRegistry final : public Registry {
 public:
  explicit FuzzedRegistry(FuzzInput& input) : input_(input) {}

  long open_key(RegistryRoot, const std::string&, std::uint32_t access, RegistryKey& key) override {
    FUZZ_CHECK(access == kKeyRead);
    const long result = result_code(input_.byte());
    if (result != kRegistrySuccess) {
      // A failed open may leave anything in the key; it must not be used.
      key = input_.u32();
      return result;
    }
    key = next_key_++;
    open_.insert(key);
    ++opened;
    return kRegistrySuccess;
  }

  long query_value(RegistryKey key, const std::string&, std::span<std::uint8_t> buffer,
                   std::uint32_t& type, std::uint32_t& size) override {
    FUZZ_CHECK(open_.contains(key));
    const long result = result_code(input_.byte());
    type = input_.u32();
    size = input_.u32();
    // What lies in the buffer beyond the data is not the value's, whatever the size claims.
    std::ranges::fill(buffer, input_.byte());
    const std::span<const std::uint8_t> data = input_.bytes(input_.u16());
    std::copy_n(data.begin(), std::min(data.size(), buffer.size()), buffer.begin());
    const std::span<const std::uint8_t> covered =
        std::span<const std::uint8_t>(buffer).first(std::min<std::size_t>(size, buffer.size()));
    queries.push_back({result, type, size, buffer.size(), {covered.begin(), covered.end()}});
    return result;
  }

  long close_key(RegistryKey key) override {
    FUZZ_CHECK(open_.erase(key) == 1);
    return result_code(input_.byte());
  }

  std::size_t keys_open() const { return open_.size(); }

  int opened = 0;
  std::vector<Query> queries;

 private:
  FuzzInput& input_;
  std::set<RegistryKey> open_;
  RegistryKey next_key_ = 1;
};

// Which files exist, which tools are on the path and which starts fail, from one byte.
class FuzzedLauncher final : public Launcher {
 public:
  explicit FuzzedLauncher(std::uint8_t script) : script_(script) {}

  bool file_exists(const std::string&) override { return (script_ & 1) != 0; }
  std::string find_on_path(const std::string& name) override {
    for (std::size_t i = 0; i < kSysInfoFallbacks.size(); ++i) {
      if (name == kSysInfoFallbacks[i]) {
        return (script_ >> (i + 1) & 1) != 0 ? "/usr/bin/" + name : std::string();
      }
    }
    fail_check("looked up a program that is no fallback", __FILE__, __LINE__);
  }
  bool start(const std::string& program) override {
    FUZZ_CHECK(!program.empty());
    const bool started = (script_ >> (4 + starts.size()) & 1) == 0;
    starts.push_back(started);
    return started;
  }

  std::vector<bool> starts;

 private:
  std::uint8_t script_;
};

void check_get_key_value(FuzzInput& input) {
  FuzzedRegistry registry(input);
  std::string value = input.text();
  const std::string before = value;
  bool returned = false;
  bool refused = false;
  try {
    returned =
        GetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Velmora", "Value", value);
  } catch (const RegistryValueError&) {
    refused = true;
  }
  FUZZ_CHECK(registry.keys_open() == 0);
  if (registry.opened == 0) {
    FUZZ_CHECK(registry.queries.empty());
    FUZZ_CHECK(!refused && !returned && value.empty());
    return;
  }
  FUZZ_CHECK(registry.queries.size() == 1);
  const Query& query = registry.queries.front();
  FUZZ_CHECK(query.buffer_size == kKeyValueBufferSize);
  if (query.result != kRegistrySuccess) {
    FUZZ_CHECK(!refused && !returned && value.empty());
    return;
  }
  if (query.size == 0 || query.size > query.buffer_size) {
    FUZZ_CHECK(refused);
    return;
  }
  std::vector<std::uint8_t> data = query.covered;
  if (data.back() == 0) data.pop_back();
  if (query.type == kRegSz) {
    FUZZ_CHECK(!refused && returned && value == std::string(data.begin(), data.end()));
  } else if (query.type == kRegDword) {
    if (data.size() > 4) {
      FUZZ_CHECK(refused);
      return;
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size(); ++i) number |= std::uint32_t{data[i]} << (8 * i);
    FUZZ_CHECK(!refused && returned && value == std::to_string(static_cast<std::int32_t>(number)));
  } else {
    FUZZ_CHECK(!refused && returned && value == before);
  }
}

void check_start_sys_info(FuzzInput& input) {
  FuzzedLauncher launcher(input.byte());
  FuzzedRegistry registry(input);
  testing::FakeWindowSystem windows;
  StartSysInfo({registry, launcher, windows});
  FUZZ_CHECK(registry.keys_open() == 0);
  // One registered tool and one fallback at most, and nothing after a start that worked.
  FUZZ_CHECK(launcher.starts.size() <= 2);
  const auto started = std::ranges::find(launcher.starts, true);
  FUZZ_CHECK(started == launcher.starts.end() || started + 1 == launcher.starts.end());
  if (started == launcher.starts.end()) {
    FUZZ_CHECK(windows.boxes.size() == 1);
    FUZZ_CHECK(windows.boxes[0].text == "System Information Is Unavailable At This Time");
  } else {
    FUZZ_CHECK(windows.boxes.empty());
  }
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::FuzzInput input(data, size);
  if (input.byte() % 2 == 0) {
    velmora::fuzz::check_get_key_value(input);
  } else {
    velmora::fuzz::check_start_sys_info(input);
  }
  return 0;
}
