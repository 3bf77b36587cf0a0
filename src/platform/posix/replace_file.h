#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// Writes `bytes` to a new file beside `target`, makes sure they are on disk, and only then puts
// the file in the place of `target`: a full disk leaves an earlier file of that name as it was,
// and no partial file behind. Returns the reason of a failure; empty on success.
std::string replace_file(const std::filesystem::path& target, std::string_view bytes);

}  // namespace velmora
