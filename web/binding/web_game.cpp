// The page's window onto the core: the main form with the page's ports, its handlers, and its
// controls as plain objects. Every rule stays in the core; the page only shows and plays.
#include <emscripten/bind.h>

#include "app/kept_history.h"
#include "app/main_form.h"
#include "app/about.h"
#include "app/progress_text.h"
#include "page_ports.h"
#include "puzzle/review.h"
#include "worksheet/answer_key.h"
#include "worksheet/answer_log_reader.h"
#include "worksheet/page.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr const char* kVerdictNames[] = {"right", "misspelled", "wrong", "empty"};

val tally_of(const Tally& tally) {
  val object = val::object();
  object.set("right", tally.right);
  object.set("misspelled", tally.misspelled);
  object.set("wrong", tally.wrong);
  object.set("empty", tally.empty);
  return object;
}

val section_of(const ProgressSection& section) {
  val object = val::object();
  object.set("title", section.title);
  val lines = val::array();
  for (const std::string& line : section.lines) lines.call<void>("push", line);
  object.set("lines", lines);
  val points = val::array();
  for (const ChartPoint& point : section.points) {
    val shown = val::object();
    shown.set("name", point.name);
    shown.set("percent", point.percent);
    points.call<void>("push", shown);
  }
  object.set("points", points);
  return object;
}

}  // namespace

class WebGame {
 public:
  WebGame()
      : windows_(steps_, [this](int circle) { return form_.controls().circles[circle - 1].caption; }),
        clock_(steps_),
        midi_(steps_),
        printer_(steps_),
        answer_log_(steps_),
        settings_(steps_),
        form_(Platform{windows_, random_, clock_, midi_, printer_, answer_log_, &kept_,
                       &settings_}) {}

  val load() { return run([this] { form_.Form_Load(); }); }

  // Values of the platform that the page reads before a handler runs.
  void set_now(double unix_seconds, std::string date, std::string time) {
    clock_.set_now(static_cast<std::int64_t>(unix_seconds), std::move(date), std::move(time));
  }
  void set_paper(double width, double height) {
    printer_.set_paper(static_cast<std::int64_t>(width), static_cast<std::int64_t>(height));
  }
  void seed_random(double seed) { random_.seed(static_cast<std::uint64_t>(seed)); }
  void load_settings(std::string text) { settings_.set_text(std::move(text)); }
  void answer_next_question(bool ok) { windows_.give_answer(ok); }

  val create() { return run([this] { form_.Create_Puzzle_Click(); }); }
  val check() { return run([this] { form_.Command_Check_Click(); }); }
  val worksheet() { return run([this] { form_.WorkSheet_cmd_Click(); }); }
  val help() { return run([this] { form_.Help_cmd_Click(); }); }
  val hint(int line) {
    if (line < 1 || line > kChordLineCount) return steps_.take();
    return run([this, line] {
      const std::array<void (MainForm::*)(), kChordLineCount> clicks = {
          &MainForm::Hint1_Click, &MainForm::Hint2_Click, &MainForm::Hint3_Click,
          &MainForm::Hint4_Click};
      (form_.*clicks[line - 1])();
    });
  }
  val play_answer(int line) {
    if (line < 1 || line > kChordLineCount) return steps_.take();
    return run([this, line] { form_.play_answer(line); });
  }
  val choose_level(bool expert) {
    return run([this, expert] { expert ? form_.Option2_Click() : form_.Option1_Click(); });
  }
  val set_advanced(bool on) { return run([this, on] { form_.set_advanced(on); }); }
  val set_centre_question(bool on) { return run([this, on] { form_.set_centre_question(on); }); }
  val set_midi_enabled(bool on) { return run([this, on] { form_.set_midi_enabled(on); }); }
  val set_weak_spot_practice(bool on) {
    return run([this, on] { form_.set_weak_spot_practice(on); });
  }

  bool drop(int circle, std::string name) {
    return valid(circle) && form_.circle_drop(circle, name);
  }
  bool clear(int circle) { return valid(circle) && form_.clear_circle(circle); }
  bool reveal(int circle) { return valid(circle) && form_.reveal_note(circle); }

  // The palette name that typing `key` after `typing` makes, or null.
  static val typed(std::string typing, std::string key) {
    if (key.size() != 1) return val::null();
    const std::optional<std::string> name = typed_name(typing, key[0]);
    return name ? val(*name) : val::null();
  }
  // The open circle an arrow ("left", "right", "up", "down") moves to, or 0. The page draws
  // the star in the shape of the printed one.
  int neighbour(int circle, std::string arrow) const {
    if (!valid(circle)) return 0;
    const Direction direction = arrow == "left"    ? Direction::Left
                                : arrow == "right" ? Direction::Right
                                : arrow == "up"    ? Direction::Up
                                                   : Direction::Down;
    OpenCircles open{};
    for (int index = 0; index < kCircleCount; ++index) {
      open[index] = form_.controls().circles[index].enabled;
    }
    return neighbour_circle(kStarCircleOffsets, open, circle, direction).value_or(0);
  }

  // Names as a screen reader says them: "B flat", "minor seventh, sharp five, sharp nine".
  static std::string spoken_name(std::string name) { return spoken_note(name); }
  static std::string spoken_chord_name(std::string name) { return spoken_chord(name); }

  val controls() const {
    const MainFormControls& controls = form_.controls();
    val object = val::object();
    val circles = val::array();
    for (int circle = 1; circle <= kCircleCount; ++circle) {
      val shown = val::object();
      shown.set("caption", controls.circles[circle - 1].caption);
      shown.set("enabled", controls.circles[circle - 1].enabled);
      shown.set("description", form_.circle_description(circle));
      circles.call<void>("push", shown);
    }
    object.set("circles", circles);
    val hints = val::array();
    for (const std::string& hint : controls.hints) hints.call<void>("push", hint);
    object.set("hints", hints);
    object.set("advanced", controls.advanced.checked());
    object.set("centreQuestion", controls.Center_Question.checked());
    object.set("midi", controls.check_midi.checked());
    object.set("midiEnabled", controls.check_midi.enabled && controls.frame1_enabled);
    object.set("expert", controls.Option2);
    object.set("weakSpots", form_.weak_spot_practice());
    val devices = val::array();
    for (const ListEntry& entry : controls.List1.entries) devices.call<void>("push", entry.text);
    object.set("devices", devices);
    object.set("device", controls.List1.selected);
    return object;
  }

  val review() const {
    val reviews = val::array();
    for (const CircleReview& review : form_.review()) {
      val shown = val::object();
      shown.set("verdict", kVerdictNames[static_cast<int>(review.verdict)]);
      shown.set("text", review.text);
      reviews.call<void>("push", shown);
    }
    return reviews;
  }

  // The star's shape and lines, for drawing it.
  static val star() {
    val object = val::object();
    val offsets = val::array();
    for (const Offset& offset : kStarCircleOffsets) {
      val place = val::object();
      place.set("dx", offset.dx);
      place.set("dy", offset.dy);
      offsets.call<void>("push", place);
    }
    object.set("offsets", offsets);
    val lines = val::array();
    for (const auto& line : kChordLineCircles) {
      val circles = val::array();
      for (int circle : line) circles.call<void>("push", circle);
      lines.call<void>("push", circles);
    }
    object.set("lines", lines);
    object.set("centre", kCentreCircle);
    return object;
  }

  static val palette() {
    val names = val::array();
    for (std::string_view name : kPaletteNames) names.call<void>("push", std::string(name));
    return names;
  }

  static val progress_texts() {
    val object = val::object();
    object.set("noHistory", no_history_text());
    object.set("forgetQuestion", forget_question());
    object.set("forgotten", forgotten_text());
    return object;
  }

  static val about() {
    val object = val::object();
    object.set("caption", about_caption());
    object.set("version", about_version_caption());
    std::string help;
    for (std::string_view line : kHelpLines) help += std::string(line) + "\n";
    object.set("help", help);
    return object;
  }

  // The history: its stored text in and out, the summary in words, the CSV.
  int load_history(std::string text) {
    kept_ = KeptHistory::read(text);
    form_.history_changed();
    return kept_.unreadable_lines();
  }
  std::string history_text() const { return kept_.text(); }
  std::string history_csv() const { return kept_.csv(); }
  void forget_history() {
    (void)kept_.forget();
    form_.history_changed();
  }
  val progress() {
    const ProgressSummary summary = kept_.summary();
    const ProgressText text = progress_text(summary);
    val object = val::object();
    object.set("checks", summary.checks);
    object.set("total", tally_of(summary.total));
    object.set("overview", text.overview);
    object.set("empty", summary.checks == 0 ? empty_history_text() : std::string());
    object.set("retries", summary.retries);
    val sections = val::array();
    for (const ProgressSection* section :
         {&text.chord_types, &text.keys, &text.classes, &text.tones, &text.weeks}) {
      sections.call<void>("push", section_of(*section));
    }
    object.set("sections", sections);
    object.set("plain", summary_text(summary));
    return object;
  }

  // The answer log, kept by the page, and the key of its sheets as a "print" step.
  void load_answer_log(std::string text) { answer_log_.set_text(std::move(text)); }
  val answer_key() {
    const AnswerLogReading reading = read_answer_log(answer_log_.text());
    val result = val::object();
    val problems = val::array();
    for (const LogProblem& problem : reading.problems) {
      problems.call<void>("push", describe(problem));
    }
    result.set("problems", problems);
    std::vector<MarkedPage> pages;
    PageGeometry geometry;
    Status laid_out = lay_out_page(printer_.paper(), PageStyle::Standard, geometry);
    if (laid_out.ok()) {
      AnswerKeyLayout layout(geometry, std::nullopt, [&pages](const MarkedPage& page) -> Status {
        pages.push_back(page);
        return {};
      });
      for (const LoggedStar& star : reading.stars) {
        if (laid_out = layout.add(star); !laid_out.ok()) break;
      }
      if (laid_out.ok()) laid_out = layout.finish();
    }
    result.set("stars", static_cast<int>(reading.stars.size()));
    result.set("failure", laid_out.ok() ? std::string() : laid_out.failure().description);
    val shown_pages = val::array();
    for (const MarkedPage& page : pages) {
      val marks = val::array();
      for (const PageMark& mark : page) {
        val shown = step_of(mark.kind == PageMark::Kind::Text     ? "text"
                            : mark.kind == PageMark::Kind::Circle ? "circle"
                                                                  : "line");
        shown.set("x", mark.at.x);
        shown.set("y", mark.at.y);
        shown.set("size", mark.size);
        shown.set("text", mark.text);
        shown.set("toX", mark.to.x);
        shown.set("toY", mark.to.y);
        marks.call<void>("push", shown);
      }
      shown_pages.call<void>("push", marks);
    }
    result.set("pages", shown_pages);
    result.set("width", static_cast<double>(printer_.paper().width));
    result.set("height", static_cast<double>(printer_.paper().height));
    return result;
  }

 private:
  static bool valid(int circle) { return circle >= 1 && circle <= kCircleCount; }

  template <typename Handler>
  val run(Handler handler) {
    handler();
    return steps_.take();
  }

  Steps steps_;
  PageWindowSystem windows_;
  PageClock clock_;
  PageMidi midi_;
  PagePrinter printer_;
  PageAnswerLog answer_log_;
  PageRandom random_;
  PageSettings settings_;
  KeptHistory kept_;
  MainForm form_;
};

EMSCRIPTEN_BINDINGS(velmora) {
  emscripten::class_<WebGame>("WebGame")
      .constructor<>()
      .function("load", &WebGame::load)
      .function("setNow", &WebGame::set_now)
      .function("setPaper", &WebGame::set_paper)
      .function("seedRandom", &WebGame::seed_random)
      .function("loadSettings", &WebGame::load_settings)
      .function("answerNextQuestion", &WebGame::answer_next_question)
      .function("create", &WebGame::create)
      .function("check", &WebGame::check)
      .function("worksheet", &WebGame::worksheet)
      .function("help", &WebGame::help)
      .function("hint", &WebGame::hint)
      .function("playAnswer", &WebGame::play_answer)
      .function("chooseLevel", &WebGame::choose_level)
      .function("setAdvanced", &WebGame::set_advanced)
      .function("setCentreQuestion", &WebGame::set_centre_question)
      .function("setMidiEnabled", &WebGame::set_midi_enabled)
      .function("setWeakSpotPractice", &WebGame::set_weak_spot_practice)
      .function("drop", &WebGame::drop)
      .function("clear", &WebGame::clear)
      .function("reveal", &WebGame::reveal)
      .function("controls", &WebGame::controls)
      .function("review", &WebGame::review)
      .function("loadHistory", &WebGame::load_history)
      .function("historyText", &WebGame::history_text)
      .function("historyCsv", &WebGame::history_csv)
      .function("forgetHistory", &WebGame::forget_history)
      .function("progress", &WebGame::progress)
      .function("loadAnswerLog", &WebGame::load_answer_log)
      .function("answerKey", &WebGame::answer_key)
      .class_function("typed", &WebGame::typed)
      .function("neighbour", &WebGame::neighbour)
      .class_function("spokenNote", &WebGame::spoken_name)
      .class_function("spokenChord", &WebGame::spoken_chord_name)
      .class_function("star", &WebGame::star)
      .class_function("palette", &WebGame::palette)
      .class_function("about", &WebGame::about)
      .class_function("progressTexts", &WebGame::progress_texts);
}

}  // namespace velmora::web
