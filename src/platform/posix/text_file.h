#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

// Lines longer than this are handed over cut off: no log or text the program reads has them,
// and a file without line ends must not fill the memory.
inline constexpr std::size_t kLongestLine = 4096;

// What something that is not a regular file is instead ("a named pipe", "a folder", ...); empty
// for a regular file.
std::string kind_of_non_file(mode_t mode);

// Why `file` cannot be read, worded to follow "Cannot read ...: "; empty when it can. A named
// pipe, a device, a socket or a folder is refused at once, without waiting on it.
std::string unreadable_because(const std::filesystem::path& file);

// Hands the file's lines to `line` one after the other, without their LF, holding no more than
// a line and one block of the file at a time. Refuses what `unreadable_because` refuses. The
// reason of a failure; empty when the file was read to its end.
std::string read_lines(const std::filesystem::path& file,
                       const std::function<void(std::string_view line)>& line);

}  // namespace velmora
