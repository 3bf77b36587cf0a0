// A whole worksheet run on a printer whose page size and failures come from the input, and an
// answer log that may fail a write. The input: page width and height (two 64-bit numbers), a
// byte of options (bit 0 Expert, bit 1 the centre question), the printer operation that fails
// (a byte, 0 for none) with its number (16 bits) and description (a length byte and the text),
// the log line whose write fails (a byte, 0 for none), then the generator's values, 32 bits
// each; when those run out a fixed stream takes over.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_window_system.h"
#include "fakes/memory_answer_log.h"
#include "fuzz_input.h"
#include "page_failures.h"
#include "ports/answer_log_file.h"
#include "ports/printer.h"
#include "ports/random.h"
#include "theory/chords.h"
#include "worksheet/worksheet.h"

namespace velmora::fuzz {
namespace {

constexpr std::string_view kDate = "6-12-2026";  // the fake clock's date

// The failure a run met first: after it, nothing but aborting the document may happen.
struct RunWatch {
  std::optional<Failure> failure;
};

class FuzzedPrinter final : public Printer {
 public:
  FuzzedPrinter(PageSize page, int fail_at, Failure failure, RunWatch& watch,
                const testing::MemoryAnswerLog& log)
      : page_(page), fail_at_(fail_at), failure_(std::move(failure)), watch_(watch), log_(log) {}

  Status begin_document() override {
    FUZZ_CHECK(state_ == State::Idle);
    FUZZ_CHECK(!watch_.failure);
    state_ = State::Open;
    return step();
  }
  Status page_size(PageSize& page) override {
    in_document();
    page = page_;
    return step();
  }
  Status set_position(Twips, Twips) override {
    in_document();
    return step();
  }
  Status set_font_size(int points) override {
    in_document();
    FUZZ_CHECK(points == 10);
    return step();
  }
  Status print_line(std::string_view text) override {
    in_document();
    texts.emplace_back(text);
    // A star's block is in the log before its label is on the page.
    if (text.starts_with(std::string(kDate) + "-")) {
      ++labels;
      FUZZ_CHECK(text == std::string(kDate) + "-" + std::to_string(labels));
      FUZZ_CHECK(log_.lines.size() == 5 * static_cast<std::size_t>(labels));
    }
    return step();
  }
  Status circle(Twips, Twips, Twips radius) override {
    in_document();
    FUZZ_CHECK(radius == 300);
    ++circles;
    return step();
  }
  // The window's page draws no lines.
  Status line(TwipPoint, TwipPoint) override {
    FUZZ_CHECK(false);
    return step();
  }
  Status end_document() override {
    in_document();
    FUZZ_CHECK(labels == kWorksheetStars);
    state_ = State::Ended;
    return step();
  }
  void abort_document() override { ++aborts; }

  std::vector<std::string> texts;
  int labels = 0;
  int circles = 0;
  int aborts = 0;
  bool ended() const { return state_ == State::Ended; }

 private:
  enum class State { Idle, Open, Ended };

  void in_document() const {
    FUZZ_CHECK(state_ == State::Open);
    FUZZ_CHECK(!watch_.failure);
  }
  Status step() {
    if (++operations_ != fail_at_) return {};
    watch_.failure = failure_;
    return failure_;
  }

  PageSize page_;
  int fail_at_;
  Failure failure_;
  RunWatch& watch_;
  const testing::MemoryAnswerLog& log_;
  State state_ = State::Idle;
  int operations_ = 0;
};

class WatchedLog final : public AnswerLogFile {
 public:
  WatchedLog(testing::MemoryAnswerLog& log, RunWatch& watch) : log_(log), watch_(watch) {}

  void close_all() override { log_.close_all(); }
  Status open_append() override { return watched(log_.open_append()); }
  Status write_line(std::string_view line) override { return watched(log_.write_line(line)); }
  Status close() override { return watched(log_.close()); }
  Status begin_run() override { return watched(log_.begin_run()); }
  void keep_run() override { log_.keep_run(); }
  void drop_run() override { log_.drop_run(); }

 private:
  Status watched(Status status) {
    if (!status.ok()) watch_.failure = status.failure();
    return status;
  }

  testing::MemoryAnswerLog& log_;
  RunWatch& watch_;
};

// Values from the input, any float in [0, 1) including the extremes, then a fixed stream so
// that every redraw loop ends.
class FuzzedRandom final : public Random {
 public:
  explicit FuzzedRandom(FuzzInput& input) : input_(input) {}
  void reseed() override {}
  float next() override {
    if (input_.empty()) return static_cast<float>(engine_() >> 8) * 0x1p-24F;
    // Exponents up to -1 only: from zero and the denormals up to the largest float below 1.
    return std::bit_cast<float>(input_.u32() & 0x3f7fffffU);
  }

 private:
  FuzzInput& input_;
  std::mt19937 engine_{20261206};
};

bool in_level(const FramedList& chord_types, const std::string& name) {
  return name != kStart && name != kStop &&
         std::ranges::find(chord_types, name) != chord_types.end();
}

// Only whole blocks, numbered from 1: four records under the star's label and an empty line.
void check_log(const std::vector<std::string>& lines) {
  FUZZ_CHECK(lines.size() % 5 == 0);
  for (std::size_t block = 0; block < lines.size() / 5; ++block) {
    const std::string prefix = std::string(kDate) + "-" + std::to_string(block + 1) + "14:05:";
    for (std::size_t record = 0; record < 4; ++record) {
      FUZZ_CHECK(lines[block * 5 + record].starts_with(prefix));
    }
    FUZZ_CHECK(lines[block * 5 + 4].empty());
  }
}

void run_worksheet(FuzzInput& input) {
  const PageSize page{static_cast<std::int64_t>(input.u64()),
                      static_cast<std::int64_t>(input.u64())};
  const std::uint8_t options = input.byte();
  const int fail_at = input.byte();
  const int number = static_cast<std::int16_t>(input.u16());
  Failure printer_failure{number, input.text()};
  const int fail_write = input.byte();

  RunWatch watch;
  testing::MemoryAnswerLog memory_log;
  memory_log.fail_write = fail_write;
  WatchedLog log(memory_log, watch);
  FuzzedPrinter printer(page, fail_at, printer_failure, watch, memory_log);
  FuzzedRandom random(input);
  testing::FakeClock clock;
  testing::FakeWindowSystem windows;
  const FramedList keys = Fill_Key_Tables();
  const FramedList chord_types = Fill_Chord_Types((options & 1) != 0);
  Print_Worksheet({keys, chord_types, (options & 2) != 0, printer, log, random, clock, windows});

  check_log(memory_log.lines);
  // A page that cannot be laid out stops the run once the printer has reported it: nothing is
  // drawn and nothing logged.
  if (const std::optional<Failure> refused = expected_layout_failure(page)) {
    FUZZ_CHECK(printer.texts.empty() && printer.circles == 0 && memory_log.lines.empty());
    if (watch.failure) {
      FUZZ_CHECK(fail_at == 1 || fail_at == 2);
    } else {
      watch.failure = refused;
    }
  }
  // A sheet that was not produced leaves none of its blocks in the log.
  FUZZ_CHECK(!watch.failure || memory_log.lines.empty());
  if (!watch.failure) {
    FUZZ_CHECK(printer.ended() && printer.aborts == 0 && windows.boxes.empty());
    FUZZ_CHECK(memory_log.lines.size() == 30);
    FUZZ_CHECK(printer.circles == 6 * 17);
    // The footer, the heading, and per star four chord names, the given note and the label.
    FUZZ_CHECK(printer.texts.size() == 2 + 6 * 6);
    FUZZ_CHECK(printer.texts[0] == "Worksheet created by Velmora");
    FUZZ_CHECK(printer.texts[1] ==
               "Work your way tru these chords in left/right or up/down direction.");
    for (int star = 0; star < kWorksheetStars; ++star) {
      const auto first = printer.texts.begin() + 2 + 6 * star;
      const std::set<std::string> chords(first, first + 4);
      FUZZ_CHECK(chords.size() == 4);
      for (const std::string& chord : chords) FUZZ_CHECK(in_level(chord_types, chord));
      for (int line = 0; line < 4; ++line) {
        FUZZ_CHECK(memory_log.lines[5 * star + line].find(first[line]) != std::string::npos);
      }
      // The given note: at most three characters, a one-letter name after a blank.
      const std::string& given = first[4];
      const std::optional<NoteName> note = NoteName::from_text(given);
      FUZZ_CHECK(note && note->on_palette() && given == note->worksheet_form());
    }
    return;
  }
  FUZZ_CHECK(printer.aborts == 1);
  FUZZ_CHECK(windows.boxes.size() == 1);
  const MessageBox& box = windows.boxes[0];
  FUZZ_CHECK(box.icon == Icon::Critical && box.buttons == Buttons::Ok && box.title == "Velmora");
  FUZZ_CHECK(box.text ==
             "There was an Error while printing the Worksheet! (Or it was Canceled by the user.) " +
                 watch.failure->description + " " + std::to_string(watch.failure->number));
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::FuzzInput input(data, size);
  velmora::fuzz::run_worksheet(input);
  return 0;
}
