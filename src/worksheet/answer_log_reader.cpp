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

// The digits between the star label's last dash and the time's first separator: the star
// number and the hour. None when there is no time with a dash before it.
std::optional<std::size_t> find_time(std::string_view text, std::size_t& dash) {
  std::optional<std::size_t> first;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!clock_shape(text, at)) continue;
    std::size_t start = at;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1])) != 0) --start;
    if (!first) first = at;
    if (start > 0 && text[start - 1] == '-' && at - start >= 2 && at - start <= 3) {
      dash = start - 1;
      return at;
    }
  }
  dash = std::string_view::npos;
  return first;
}

// "<date>-<n><hh:mm:ss>[ AM|PM]<chord type><five notes>". The date may hold any text,
// dashes and dots included: the star number is the one digit between the last dash before the
// time and the hour.
ParsedRecord read_record(std::string_view text, int line) {
  text = trimmed(text);
  std::size_t dash = 0;
  const std::optional<std::size_t> found = find_time(text, dash);
  if (!found) return refuse("no time of day (hh:mm:ss)");
  if (dash == std::string_view::npos) {
    return refuse("no star number 1 to 6 between the date and the time");
  }
  const std::size_t colon = *found;
  const std::string_view digits = text.substr(dash + 1, colon - dash - 1);
  Record record;
  record.line = line;
  record.star = digits[0] - '0';
  if (record.star < 1 || record.star > 6)
    return refuse("star number 1 to 6 expected before the time");
  record.date = std::string(trimmed(text.substr(0, dash)));
  if (record.date.empty()) return refuse("no date before the star number");
  const std::string_view clock = text.substr(colon + 1);
  std::size_t end = colon + 6;
  const std::string_view after = text.substr(end);
  const std::size_t meridiem_at = after.find_first_not_of(kBlanks);
  const bool meridiem =
      meridiem_at != std::string_view::npos && is_meridiem(after.substr(meridiem_at));
  if (meridiem) end += meridiem_at + 2;
  const int hour = number(digits.substr(1));
  const bool hour_fits = meridiem ? hour >= 1 && hour <= 12 : hour <= 23;
  if (!hour_fits || number(clock.substr(0, 2)) > 59 || number(clock.substr(3, 2)) > 60) {
    return refuse("the time " + std::string(text.substr(dash + 2, end - dash - 2)) +
                  " is not a time of day");
  }
  record.time = std::string(text.substr(dash + 2, end - dash - 2));

  const std::string_view rest = trimmed(text.substr(end));
  // "Dom9_sus" is the start of "Dom9_sus2": the longest name whose notes can be read wins.
  std::string reason = "no chord type of the program after the time";
  std::size_t longest = 0;
  for (const ChordType& type : kChordCatalogue) {
    if (!rest.starts_with(type.name) || type.name.size() <= longest) continue;
    std::string why;
    if (const std::optional<ChordTones> notes = read_notes(rest.substr(type.name.size()), why)) {
      record.type = &type;
      record.notes = *notes;
      longest = type.name.size();
    } else if (record.type == nullptr) {
      reason = std::string(type.name) + ": " + why;
    }
  }
  if (record.type == nullptr) return refuse(reason);
  const std::optional<ChordTones> spelled = Spell_Chord(*record.type, record.notes[2]);
  if (!spelled || *spelled != record.notes) {
    return refuse("the notes " + joined(record.notes) + " do not spell " +
                  std::string(record.type->name) + " around " + record.notes[2].text());
  }
  return {record, {}};
}

class Grouping {
 public:
  explicit Grouping(AnswerLogReading& reading) : reading_(reading) {}

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
      reading_.problems.push_back({first.line, "star " + label + " has " +
                                                   std::to_string(block_.size()) +
                                                   " of its 4 chord lines"});
    } else if (std::any_of(block_.begin(), block_.end(), [&](const Record& record) {
                 return record.notes[2] != first.notes[2];
               })) {
      reading_.problems.push_back(
          {first.line, "the chord lines of star " + label +
                           " do not share one centre note"});
    } else {
      LoggedStar star{first.date, first.time, first.star, first.notes[2], {}, first.line};
      for (int line = 0; line < kChordLineCount; ++line) {
        star.board.chords[line] = std::string(block_[line].type->name);
        for (int tone = 0; tone < kChordTones; ++tone) {
          circle_note(star.board.Circle_Notes, kChordLineCircles[line][tone]) =
              block_[line].notes[tone];
        }
      }
      reading_.stars.push_back(std::move(star));
    }
    block_.clear();
  }

 private:
  AnswerLogReading& reading_;
  std::vector<Record> block_;
};

}  // namespace

AnswerLogReading read_answer_log(std::string_view text) {
  AnswerLogReading reading;
  Grouping grouping(reading);
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (trimmed(line).empty()) {
      grouping.end_block();
      continue;
    }
    ParsedRecord parsed = read_record(line, line_number);
    if (parsed.record) {
      grouping.add(std::move(*parsed.record));
    } else {
      reading.problems.push_back({line_number, parsed.reason});
    }
  }
  grouping.end_block();
  std::stable_sort(reading.problems.begin(), reading.problems.end(),
                   [](const LogProblem& a, const LogProblem& b) { return a.line < b.line; });
  return reading;
}

std::string describe(const LogProblem& problem) {
  return "line " + std::to_string(problem.line) + ": " + problem.reason;
}

}  // namespace velmora
