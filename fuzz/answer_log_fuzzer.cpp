// The answer log as people leave it: any bytes at all. Whatever the reader makes of them, every
// star it keeps is whole and self-consistent, every problem points at a line of the text, and a
// star written back as a block reads back as the same star.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "worksheet/answer_log_reader.h"

namespace velmora::fuzz {
namespace {

// After an empty line, so that a date that looks like a byte-order mark is not at the start.
std::string block_of(const LoggedStar& star) {
  std::string block = "\r\n";
  for (int line = 0; line < kChordLineCount; ++line) {
    block += star.date + "-" + std::to_string(star.star) + star.time + star.board.chords[line];
    for (int circle : kChordLineCircles[line]) {
      block += circle_note(star.board.Circle_Notes, circle)->worksheet_form();
    }
    block += "\r\n";
  }
  return block + "\r\n";
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const AnswerLogReading reading = read_answer_log(text);
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  int last_line = 0;
  for (const LogProblem& problem : reading.problems) {
    FUZZ_CHECK(problem.line >= last_line && problem.line >= 1 && problem.line <= lines);
    FUZZ_CHECK(!problem.reason.empty());
    last_line = problem.line;
  }
  last_line = 0;
  for (const LoggedStar& star : reading.stars) {
    FUZZ_CHECK(star.line > last_line && star.line <= lines);
    FUZZ_CHECK(star.star >= 1 && star.star <= 6 && !star.date.empty() && !star.time.empty());
    FUZZ_CHECK(circle_note(star.board.Circle_Notes, kCentreCircle) == star.key);
    for (const auto& note : star.board.Circle_Notes) FUZZ_CHECK(note.has_value());
    for (const std::string& chord : star.board.chords) FUZZ_CHECK(find_chord_type(chord));
    last_line = star.line;

    const AnswerLogReading again = read_answer_log(fuzz::block_of(star));
    FUZZ_CHECK(again.problems.empty() && again.stars.size() == 1);
    FUZZ_CHECK(again.stars[0].board.chords == star.board.chords);
    FUZZ_CHECK(again.stars[0].board.Circle_Notes == star.board.Circle_Notes);
    FUZZ_CHECK(again.stars[0].date == star.date && again.stars[0].time == star.time);
  }
  return 0;
}
