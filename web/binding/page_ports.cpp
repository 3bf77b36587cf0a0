#include "page_ports.h"

#include "theory/note_name.h"

namespace velmora::web {

using emscripten::val;

val Steps::take() {
  val taken = steps_;
  steps_ = val::array();
  return taken;
}

val step_of(const char* type) {
  val step = val::object();
  step.set("type", type);
  return step;
}

Answer PageWindowSystem::show_message(const MessageBox& box) {
  const bool question = box.buttons == Buttons::OkCancel;
  if (question && !answers_.empty()) {
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  val step = step_of(question ? "question" : "message");
  step.set("text", box.text);
  step.set("title", box.title);
  step.set("critical", box.icon == Icon::Critical);
  steps_.add(step);
  return question ? Answer::Cancel : Answer::Ok;
}

void PageWindowSystem::repaint_circles(std::span<const int> circles) {
  val step = step_of("repaint");
  val captions = val::array();
  for (int circle : circles) {
    val shown = val::object();
    shown.set("circle", circle);
    const std::string caption = caption_of_(circle);
    shown.set("caption", caption);
    // A hint's formula stands where notes stood; the page tells it to screen readers.
    shown.set("formula", !caption.empty() && !NoteName::from_text(caption).has_value());
    captions.call<void>("push", shown);
  }
  step.set("circles", captions);
  steps_.add(step);
}

void PageWindowSystem::show_about() { steps_.add(step_of("about")); }

void PageClock::set_now(std::int64_t unix_seconds, std::string date, std::string time) {
  unix_seconds_ = unix_seconds;
  date_ = std::move(date);
  time_ = std::move(time);
}

void PageClock::sleep_ms(int milliseconds) {
  monotonic_ms_ += milliseconds;
  val step = step_of("pause");
  step.set("ms", milliseconds);
  steps_.add(step);
}

MidiResult PageMidi::device_caps(std::int16_t device_id, std::string& name) {
  if (device_id != kMidiMapper) return MidiResult::BadDeviceId;
  name = kDeviceName;
  return MidiResult::Ok;
}

MidiResult PageMidi::open(std::int16_t device_id, MidiHandle& handle) {
  if (device_id != kMidiMapper) return MidiResult::BadDeviceId;
  open_ = kPiano;
  handle = kPiano;
  return MidiResult::Ok;
}

MidiResult PageMidi::close(MidiHandle handle) {
  if (handle != open_ || handle == 0) return MidiResult::InvalidHandle;
  open_ = 0;
  return MidiResult::Ok;
}

MidiResult PageMidi::short_message(MidiHandle handle, std::uint32_t message) {
  if (handle != open_ || handle == 0) return MidiResult::InvalidHandle;
  if (!is_channel_message(message)) return MidiResult::InvalidMessage;
  val step = step_of("midi");
  step.set("status", message & 0xFFU);
  step.set("data1", (message >> 8) & 0xFFU);
  step.set("data2", (message >> 16) & 0xFFU);
  steps_.add(step);
  return MidiResult::Ok;
}

Status PagePrinter::begin_document() {
  marks_ = val::array();
  return {};
}

Status PagePrinter::page_size(PageSize& page) {
  page = paper_;
  return {};
}

Status PagePrinter::set_position(Twips x, Twips y) {
  x_ = x;
  y_ = y;
  return {};
}

Status PagePrinter::set_font_size(int points) {
  points_ = points;
  return {};
}

Status PagePrinter::print_line(std::string_view text) {
  val mark = step_of("text");
  mark.set("x", x_);
  mark.set("y", y_);
  mark.set("size", points_);
  mark.set("text", std::string(text));
  marks_.call<void>("push", mark);
  // A line is as high as its font, one point being twenty twips, with a little leading.
  x_ = 0;
  y_ += points_ * 20 * 6 / 5;
  return {};
}

Status PagePrinter::circle(Twips x, Twips y, Twips radius) {
  val mark = step_of("circle");
  mark.set("x", x);
  mark.set("y", y);
  mark.set("size", radius);
  marks_.call<void>("push", mark);
  return {};
}

Status PagePrinter::line(TwipPoint from, TwipPoint to) {
  val mark = step_of("line");
  mark.set("x", from.x);
  mark.set("y", from.y);
  mark.set("toX", to.x);
  mark.set("toY", to.y);
  marks_.call<void>("push", mark);
  return {};
}

Status PagePrinter::end_document() {
  val step = step_of("print");
  step.set("width", static_cast<double>(paper_.width));
  step.set("height", static_cast<double>(paper_.height));
  val pages = val::array();
  pages.call<void>("push", marks_);
  step.set("pages", pages);
  steps_.add(step);
  marks_ = val::array();
  return {};
}

Status PageAnswerLog::begin_run() {
  run_start_ = text_.size();
  return {};
}

Status PageAnswerLog::open_append() {
  open_ = true;
  return {};
}

Status PageAnswerLog::write_line(std::string_view line) {
  if (!open_) return Failure{kLogNotWritten, "the answer log is not open"};
  text_ += line;
  text_ += "\r\n";
  return {};
}

Status PageAnswerLog::close() {
  open_ = false;
  return {};
}

void PageAnswerLog::keep_run() {
  run_start_ = std::string::npos;
  val step = step_of("log");
  step.set("text", text_);
  steps_.add(step);
}

void PageAnswerLog::drop_run() {
  if (run_start_ != std::string::npos) text_.resize(run_start_);
  run_start_ = std::string::npos;
  open_ = false;
}

Settings PageSettings::load(std::string&) {
  Settings settings;
  std::string_view text = text_;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (name == "device") {
      settings.device = value;
      continue;
    }
    if (value != "0" && value != "1") continue;
    const bool on = value == "1";
    if (name == "expert") settings.expert = on;
    if (name == "advanced") settings.advanced = on;
    if (name == "centre_question") settings.centre_question = on;
    if (name == "midi_enabled") settings.midi_enabled = on;
    if (name == "weak_spots") settings.weak_spots = on;
  }
  return settings;
}

Status PageSettings::save(const Settings& settings) {
  text_ = "expert=" + std::to_string(settings.expert) + "\nadvanced=" +
          std::to_string(settings.advanced) + "\ncentre_question=" +
          std::to_string(settings.centre_question) + "\nmidi_enabled=" +
          std::to_string(settings.midi_enabled) + "\ndevice=" + settings.device +
          "\nweak_spots=" + std::to_string(settings.weak_spots) + "\n";
  val step = step_of("settings");
  step.set("text", text_);
  steps_.add(step);
  return {};
}

}  // namespace velmora::web
