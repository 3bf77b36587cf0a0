#pragma once

#include <QPageSize>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ports/status.h"
#include "theory/note_naming.h"
#include "worksheet/answer_key.h"

namespace velmora {

// Letter where the user's region measures in inches, else A4: what a PDF gets when no printer
// tells the paper.
QPageSize regional_paper();

// Reads the whole answer log; an empty result and the reason when it cannot.
std::optional<std::string> read_log_file(const std::filesystem::path& log, std::string& reason);

// Lays the stars out on `paper` and writes them as one PDF, a page per sheet, its texts in the
// window's language and its notes in `naming`. The file takes the place of `target` only once it
// is completely on disk; a key without stars is refused.
Status write_answer_key(const std::vector<LoggedStar>& stars, const QPageSize& paper,
                        std::optional<std::uint64_t> seed, const std::filesystem::path& target,
                        NoteNaming naming = NoteNaming::Letters);

}  // namespace velmora
