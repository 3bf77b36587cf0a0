#include "worksheet/answer_log_reader.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace velmora {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kAccidentalMarks = "b#x";

struct Record {
  std::string date;
  int star = 0;
  std::string time;
  const ChordType* type = nullptr;
  ChordTones notes;
  int line = 0;
};

struct ParsedRecord {
  std::optional<Record> record;
  std::string reason;
};

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool all_digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

int number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool is_meridiem(std::string_view text) {
  if (text.size() < 2) return false;
  const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  const char second = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
  return (first == 'a' || first == 'p') && second == 'm';
}

ParsedRecord refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

std::string joined(const ChordTones& notes) {
  std::string text;
  for (const NoteName& note : notes) {
    if (!text.empty()) text += ' ';
    text += note.text();
  }
  return text;
}

// The five notes after the chord type: each a capital letter and its accidental, one-letter
// notes after a blank as the log writes them, though any blanks between notes are let pass.
std::optional<ChordTones> read_notes(std::string_view text, std::string& reason) {
  ChordTones notes;
  int count = 0;
  std::size_t at = 0;
  while (true) {
    at = text.find_first_not_of(kBlanks, at);
    if (at == std::string_view::npos) break;
    const std::size_t end = text.find_first_not_of(kAccidentalMarks, at + 1);
    const std::string_view name = text.substr(at, end == std::string_view::npos ? end : end - at);
    const ParsedNote parsed = NoteName::parse(name);
    if (!parsed.note) {
      std::string why(1, '\'');
      why.append(name).append("' is not a note: ").append(parsed.reason);
      reason = std::move(why);
      return std::nullopt;
    }
    if (count == kChordTones) {
      reason = "more than five notes";
      return std::nullopt;
    }
    notes[count++] = *parsed.note;
    if (end == std::string_view::npos) break;
    at = end;
  }
  if (count < kChordTones) {
    reason = "only " + std::to_string(count) + " of the five notes (the record is cut off)";
    return std::nullopt;
  }
  return notes;
}

// Where "hh:mm:ss" (or "hh.mm.ss") begins at `at`, not counting the hour's digits before it.
bool clock_shape(std::string_view text, std::size_t at) {
  const std::string_view clock = text.substr(at);
  return clock.size() >= 6 && (clock[0] == ':' || clock[0] == '.') &&
         all_digits(clock.substr(1, 2)) && clock[3] == clock[0] && all_digits(clock.substr(4, 2));
}

bool has_clock(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (clock_shape(text, at)) return true;
  }
  return false;
}

struct ChordPart {
  std::size_t at = std::string_view::npos;
  const ChordType* type = nullptr;
  ChordTones notes;
  // Why nothing was read, when nothing was.
  std::string reason = "no chord type of the program after the time";
};

// The chord type and its five notes that end the record. The time before them is written in
// whatever words and signs the writer's locale uses, so the chord is found from its own side:
// the first place where a type of the catalogue is followed by five notes and nothing else.
// "Dom9_sus" is the start of "Dom9_sus2": the longest name whose notes can be read wins.
ChordPart find_chord(std::string_view text, std::size_t from) {
  ChordPart found;
  bool explained = false;
  for (std::size_t at = from; at < text.size() && found.type == nullptr; ++at) {
    // Every type's name starts with a capital letter or a digit ("6/9").
    if (std::isupper(static_cast<unsigned char>(text[at])) == 0 &&
        std::isdigit(static_cast<unsigned char>(text[at])) == 0) {
      continue;
    }
    std::size_t longest = 0;
    for (const ChordType& type : kChordCatalogue) {
      const std::string_view rest = text.substr(at);
      if (!rest.starts_with(type.name) || type.name.size() <= longest) continue;
      std::string why;
      if (const std::optional<ChordTones> notes = read_notes(rest.substr(type.name.size()), why)) {
        found = {at, &type, *notes, {}};
        longest = type.name.size();
      } else if (!explained && found.type == nullptr) {
        found.reason = std::string(type.name) + ": " + why;
        explained = true;
      }
    }
  }
  return found;
}

// The last dash followed by a digit before `end`: the one ending the date and opening the star
// number, as neither the time nor the chord part holds such a dash.
std::size_t find_star_dash(std::string_view text, std::size_t end) {
  for (std::size_t at = std::min(end, text.size()); at-- > 0;) {
    if (text[at] == '-' && at + 1 < text.size() &&
        std::isdigit(static_cast<unsigned char>(text[at + 1])) != 0) {
      return at;
    }
  }
  return std::string_view::npos;
}

// A time that reads as "h:mm:ss" or "hh.mm.ss", with AM or PM or not, has to be a time of day;
// one in other words and signs ("14時05分12秒") is taken as its writer wrote it.
bool fits_day(std::string_view time) {
  std::size_t hour_digits = 0;
  while (hour_digits < time.size() && hour_digits < 3 &&
         std::isdigit(static_cast<unsigned char>(time[hour_digits])) != 0) {
    ++hour_digits;
  }
  if (hour_digits == 0 || hour_digits > 2 || !clock_shape(time, hour_digits)) return true;
  const std::string_view after = trimmed(time.substr(hour_digits + 6));
  const bool meridiem = is_meridiem(after);
  const int hour = number(time.substr(0, hour_digits));
  const bool hour_fits = meridiem ? hour >= 1 && hour <= 12 : hour <= 23;
  return hour_fits && number(time.substr(hour_digits + 1, 2)) <= 59 &&
         number(time.substr(hour_digits + 4, 2)) <= 60;
}

// "<date>-<n><time><chord type><five notes>". The date may hold any text, dashes and dots
// included; the time any text, in whatever digits the writer's locale uses.
ParsedRecord read_record(std::string_view text, int line) {
  text = trimmed(text);
  const ChordPart chord = find_chord(text, 0);
  const std::size_t dash = find_star_dash(text, chord.at);
  if (dash == std::string_view::npos) {
    return refuse(has_clock(text) ? "no star number 1 to 6 between the date and the time"
                                  : "no time of day (hh:mm:ss)");
  }
  Record record;
  record.line = line;
  record.star = text[dash + 1] - '0';
  if (record.star < 1 || record.star > 6)
    return refuse("star number 1 to 6 expected before the time");
  record.date = std::string(trimmed(text.substr(0, dash)));
  if (record.date.empty()) return refuse("no date before the star number");
  const std::size_t time_end = chord.type != nullptr ? chord.at : text.size();
  const std::string_view time = trimmed(text.substr(dash + 2, time_end - dash - 2));
  if (time.empty()) return refuse("no time of day (hh:mm:ss)");
  if (!fits_day(time)) return refuse("the time " + std::string(time) + " is not a time of day");
  if (chord.type == nullptr) return refuse(chord.reason);
  record.time = std::string(time);
  record.type = chord.type;
  record.notes = chord.notes;
  const std::optional<ChordTones> spelled = Spell_Chord(*record.type, record.notes[2]);
  if (!spelled || *spelled != record.notes) {
    return refuse("the notes " + joined(record.notes) + " do not spell " +
                  std::string(record.type->name) + " around " + record.notes[2].text());
  }
  return {record, {}};
}

class Grouping {
 public:
  Grouping(std::function<void(LoggedStar)>& star_read, std::vector<LogProblem>& problems)
      : star_read_(star_read), problems_(problems) {}

  void add(Record record) {
    if (!block_.empty() &&
        (block_.size() == kChordLineCount || block_.front().date != record.date ||
         block_.front().star != record.star)) {
      end_block();
    }
    block_.push_back(std::move(record));
  }

  void end_block() {
    if (block_.empty()) return;
    const Record& first = block_.front();
    const std::string label = first.date + "-" + std::to_string(first.star);
    if (block_.size() < kChordLineCount) {
      problems_.push_back({first.line, "star " + label + " has " + std::to_string(block_.size()) +
                                           " of its 4 chord lines"});
    } else if (std::any_of(block_.begin(), block_.end(), [&](const Record& record) {
                 return record.notes[2] != first.notes[2];
               })) {
      problems_.push_back(
          {first.line, "the chord lines of star " + label + " do not share one centre note"});
    } else {
      LoggedStar star{first.date, first.time, first.star, first.notes[2], {}, first.line};
      for (int line = 0; line < kChordLineCount; ++line) {
        star.board.chords[line] = std::string(block_[line].type->name);
        for (int tone = 0; tone < kChordTones; ++tone) {
          circle_note(star.board.Circle_Notes, kChordLineCircles[line][tone]) =
              block_[line].notes[tone];
        }
      }
      star_read_(std::move(star));
    }
    block_.clear();
  }

 private:
  std::function<void(LoggedStar)>& star_read_;
  std::vector<LogProblem>& problems_;
  std::vector<Record> block_;
};

}  // namespace

struct AnswerLogReader::State {
  explicit State(std::function<void(LoggedStar)> read) : star_read(std::move(read)) {}

  std::function<void(LoggedStar)> star_read;
  std::vector<LogProblem> problems;
  Grouping grouping{star_read, problems};
  int line_number = 0;
};

AnswerLogReader::AnswerLogReader(std::function<void(LoggedStar star)> star_read)
    : state_(std::make_unique<State>(std::move(star_read))) {}

AnswerLogReader::~AnswerLogReader() = default;

void AnswerLogReader::read_line(std::string_view line) {
  State& state = *state_;
  if (++state.line_number == 1 && line.starts_with(kByteOrderMark)) {
    line.remove_prefix(kByteOrderMark.size());
  }
  // A mail program that converted the line ends twice leaves CR CR LF.
  while (line.ends_with('\r')) line.remove_suffix(1);
  if (trimmed(line).empty()) {
    state.grouping.end_block();
    return;
  }
  ParsedRecord parsed = read_record(line, state.line_number);
  if (parsed.record) {
    state.grouping.add(std::move(*parsed.record));
  } else {
    state.problems.push_back({state.line_number, parsed.reason});
  }
}

void AnswerLogReader::finish() {
  state_->grouping.end_block();
  std::stable_sort(state_->problems.begin(), state_->problems.end(),
                   [](const LogProblem& a, const LogProblem& b) { return a.line < b.line; });
}

const std::vector<LogProblem>& AnswerLogReader::problems() const { return state_->problems; }

AnswerLogReading read_answer_log(std::string_view text) {
  AnswerLogReading reading;
  AnswerLogReader reader([&reading](LoggedStar star) { reading.stars.push_back(std::move(star)); });
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    reader.read_line(text.substr(0, newline));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  reader.finish();
  reading.problems = reader.problems();
  return reading;
}

std::string describe(const LogProblem& problem) {
  return "line " + std::to_string(problem.line) + ": " + problem.reason;
}

}  // namespace velmora
