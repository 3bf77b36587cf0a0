#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "ports/answer_log_file.h"
#include "ports/clock.h"
#include "platform/sound/midi_failure_texts.h"
#include "ports/midi_system.h"
#include "ports/printer.h"
#include "ports/random.h"
#include "ports/settings_store.h"
#include "ports/window_system.h"
#include "platform/posix/seeded_random.h"
#include "platform/posix/system_random.h"

namespace velmora::web {

// What a handler asked of the platform, in order: the page plays these steps afterwards, with
// the pauses as real time, since a page cannot block while it paints. Each step is a plain
// object with a `type`.
class Steps {
 public:
  void add(emscripten::val step) { steps_.call<void>("push", step); }
  // Hands the steps over and starts a new list.
  emscripten::val take();

 private:
  emscripten::val steps_ = emscripten::val::array();
};

emscripten::val step_of(const char* type);

// Message boxes become "message" steps. A question the page has not answered yet is answered
// Cancel and left as a "question" step: the page asks it and, on OK, runs the handler again
// with the answer given. The core asks before it changes anything, so the Cancel run is the
// run the player chose when they cancel.
class PageWindowSystem final : public WindowSystem {
 public:
  using CaptionOf = std::function<std::string(int circle)>;
  PageWindowSystem(Steps& steps, CaptionOf caption_of)
      : steps_(steps), caption_of_(std::move(caption_of)) {}

  void give_answer(bool ok) { answers_.push_back(ok ? Answer::Ok : Answer::Cancel); }
  Answer show_message(const MessageBox& box) override;
  void repaint_circles(std::span<const int> circles) override;
  void show_about() override;

 private:
  Steps& steps_;
  CaptionOf caption_of_;
  std::deque<Answer> answers_;
};

// Time on a clock of its own: a pause adds a "pause" step and moves the clock on at once.
// The page sets the wall clock's texts before each handler.
class PageClock final : public Clock {
 public:
  explicit PageClock(Steps& steps) : steps_(steps) {}
  void set_now(std::int64_t unix_seconds, std::string date, std::string time);
  std::int64_t monotonic_ms() override { return monotonic_ms_; }
  std::string short_date() override { return date_; }
  std::string time_with_seconds() override { return time_; }
  void sleep_ms(int milliseconds) override;
  std::int64_t unix_seconds() override { return unix_seconds_; }

 private:
  Steps& steps_;
  std::int64_t monotonic_ms_ = 0;
  std::int64_t unix_seconds_ = 0;
  std::string date_;
  std::string time_;
};

// The page's piano as the one device, the mapper: each message becomes a "midi" step that
// the page's synthesizer plays.
class PageMidi final : public MidiSystem {
 public:
  static constexpr const char* kDeviceName = "Velmora piano";
  explicit PageMidi(Steps& steps) : steps_(steps) {}
  int device_count() override { return 0; }
  MidiResult device_caps(std::int16_t device_id, std::string& name) override;
  MidiResult open(std::int16_t device_id, MidiHandle& handle) override;
  MidiResult close(MidiHandle handle) override;
  MidiResult short_message(MidiHandle handle, std::uint32_t message) override;
  std::string error_text(MidiResult result) override { return midi_result_text(result); }

 private:
  static constexpr MidiHandle kPiano = 1;
  Steps& steps_;
  MidiHandle open_ = 0;
};

// A page drawn into a list of marks; at its end a "print" step hands the page to the
// browser's print dialog.
class PagePrinter final : public Printer {
 public:
  explicit PagePrinter(Steps& steps) : steps_(steps) {}
  void set_paper(std::int64_t width, std::int64_t height) { paper_ = {width, height}; }
  PageSize paper() const { return paper_; }

  Status begin_document() override;
  Status page_size(PageSize& page) override;
  Status set_position(Twips x, Twips y) override;
  Status set_font_size(int points) override;
  Status print_line(std::string_view text) override;
  Status circle(Twips x, Twips y, Twips radius) override;
  Status line(TwipPoint from, TwipPoint to) override;
  Status end_document() override;
  void abort_document() override { marks_ = emscripten::val::array(); }

 private:
  Steps& steps_;
  PageSize paper_{11906, 16838};  // A4
  emscripten::val marks_ = emscripten::val::array();
  Twips x_ = 0;
  Twips y_ = 0;
  int points_ = 10;
};

// The answer log as a text the page keeps in the browser's storage; "log" steps carry the
// whole text whenever a run keeps its blocks.
class PageAnswerLog final : public AnswerLogFile {
 public:
  explicit PageAnswerLog(Steps& steps) : steps_(steps) {}
  void set_text(std::string text) { text_ = std::move(text); }
  const std::string& text() const { return text_; }

  Status begin_run() override;
  void close_all() override { open_ = false; }
  Status open_append() override;
  Status write_line(std::string_view line) override;
  Status close() override;
  void keep_run() override;
  void drop_run() override;

 private:
  Steps& steps_;
  std::string text_;
  std::size_t run_start_ = std::string::npos;
  bool open_ = false;
};

// The player's choices as "name=value" lines the page keeps in the browser's storage; each
// save is a "settings" step with the whole text. A line that cannot be read keeps its default.
class PageSettings final : public SettingsStore {
 public:
  explicit PageSettings(Steps& steps) : steps_(steps) {}
  void set_text(std::string text) { text_ = std::move(text); }
  Settings load(std::string& problem) override;
  Status save(const Settings& settings) override;

 private:
  Steps& steps_;
  std::string text_;
};

// The clock-seeded generator, or one seeded by the page's test, so that a board can be drawn
// again from the same values on the desktop.
class PageRandom final : public Random {
 public:
  void seed(std::uint64_t seed) { seeded_.emplace(seed); }
  void reseed() override { active().reseed(); }
  float next() override { return active().next(); }

 private:
  Random& active() { return seeded_ ? static_cast<Random&>(*seeded_) : system_; }
  SystemRandom system_;
  std::optional<SeededRandom> seeded_;
};

}  // namespace velmora::web
