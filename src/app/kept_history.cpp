#include "app/kept_history.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>

namespace velmora {
namespace {

constexpr std::array<std::string_view, 4> kOutcomeWords = {"right", "misspelled", "wrong",
                                                           "empty"};
constexpr std::string_view kRevealedWord = "revealed";
constexpr std::string_view kCsvHeader =
    "time,level,key,circle,chord type,tone,given,answer,outcome\r\n";

void count(Tally& tally, Outcome outcome) {
  switch (outcome) {
    case Outcome::Right: ++tally.right; break;
    case Outcome::Misspelled: ++tally.misspelled; break;
    case Outcome::Wrong: ++tally.wrong; break;
    case Outcome::Empty: ++tally.empty; break;
  }
}

std::vector<TallyRow> rows_of(const std::map<std::string, Tally>& tallies) {
  std::vector<TallyRow> rows;
  for (const auto& [name, tally] : tallies) rows.push_back({name, tally});
  return rows;
}

double missed_share(const Tally& tally) {
  return tally.answers() == 0 ? 0.0 : 1.0 - static_cast<double>(tally.right) / tally.answers();
}

std::vector<std::string> fields_of(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
       start = tab + 1, tab = line.find('\t', start)) {
    fields.emplace_back(line.substr(start, tab - start));
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

bool read_number(const std::string& text, std::int64_t& number) {
  if (text.empty() || text.size() > 18) return false;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  number = std::stoll(text);
  return true;
}

bool is_flag(const std::string& text) { return text == "0" || text == "1"; }

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string week_of(std::int64_t unix_seconds) {
  std::time_t moment = static_cast<std::time_t>(unix_seconds);
  std::tm day{};
  localtime_r(&moment, &day);
  // Back to the Monday from the day's midday, so that a change of summer time on the way
  // cannot move the date.
  constexpr std::time_t kHour = 3600;
  moment += (12 - day.tm_hour) * kHour - day.tm_min * 60 - day.tm_sec;
  moment -= (day.tm_wday + 6) % 7 * 24 * kHour;
  localtime_r(&moment, &day);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &day);
  return text;
}

KeptHistory KeptHistory::read(std::string_view text) {
  KeptHistory history;
  bool in_check = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const std::vector<std::string> fields = fields_of(line);
    std::int64_t number = 0;
    if (fields[0] == "C" && fields.size() == 5 && read_number(fields[1], number) &&
        is_flag(fields[4])) {
      history.checks_.push_back({number, fields[2], fields[3], {}, fields[4] == "1"});
      in_check = true;
    } else if (fields[0] == "A" && fields.size() == 8 && in_check &&
               read_number(fields[1], number) && number >= 1 && number <= kCircleCount &&
               fields[6].size() == 1 && fields[6][0] >= '0' && fields[6][0] <= '3' &&
               is_flag(fields[7])) {
      history.checks_.back().answers.push_back({static_cast<int>(number), fields[2], fields[3],
                                                fields[4], fields[5],
                                                static_cast<Outcome>(fields[6][0] - '0'),
                                                fields[7] == "1"});
    } else {
      ++history.unreadable_lines_;
    }
  }
  return history;
}

std::string KeptHistory::text() const {
  std::ostringstream text;
  for (const CheckRecord& check : checks_) {
    text << "C\t" << check.time << '\t' << check.level << '\t' << check.key << '\t'
         << check.retry << '\n';
    for (const RecordedAnswer& answer : check.answers) {
      text << "A\t" << answer.circle << '\t' << answer.chord_type << '\t' << answer.tone << '\t'
           << answer.given << '\t' << answer.answer << '\t' << static_cast<int>(answer.outcome)
           << '\t' << answer.revealed << '\n';
    }
  }
  return text.str();
}

Status KeptHistory::record(const CheckRecord& check) {
  checks_.push_back(check);
  return {};
}

RecentTallies KeptHistory::recent(int answers) {
  std::map<std::string, Tally> by_chord_type;
  std::map<std::string, Tally> by_key;
  int left = answers;
  for (auto check = checks_.rbegin(); check != checks_.rend() && left > 0; ++check) {
    if (check->retry) continue;
    for (auto answer = check->answers.rbegin(); answer != check->answers.rend() && left > 0;
         ++answer, --left) {
      if (!answer->chord_type.empty()) count(by_chord_type[answer->chord_type], answer->outcome);
      count(by_key[check->key], answer->outcome);
    }
  }
  return {rows_of(by_chord_type), rows_of(by_key)};
}

ProgressSummary KeptHistory::summary() {
  ProgressSummary summary;

  std::map<std::string, Tally> by_chord_type;
  std::map<std::string, Tally> by_key;
  std::map<std::string, Tally> by_tone;
  std::map<std::string, Tally> by_week;
  for (const CheckRecord& check : checks_) {
    if (check.retry) {
      ++summary.retries;
      continue;
    }
    ++summary.checks;
    const std::string week = week_of(check.time);
    for (const RecordedAnswer& answer : check.answers) {
      count(summary.total, answer.outcome);
      if (!answer.chord_type.empty()) count(by_chord_type[answer.chord_type], answer.outcome);
      count(by_key[check.key], answer.outcome);
      count(by_tone[answer.tone], answer.outcome);
      count(by_week[week], answer.outcome);
    }
  }
  summary.by_chord_type = rows_of(by_chord_type);
  summary.by_key = rows_of(by_key);
  summary.by_tone = rows_of(by_tone);
  std::stable_sort(summary.by_tone.begin(), summary.by_tone.end(),
                   [](const TallyRow& a, const TallyRow& b) {
                     return missed_share(a.tally) > missed_share(b.tally);
                   });
  summary.by_week = rows_of(by_week);
  if (summary.by_week.size() > kTrendWeeks) {
    summary.by_week.erase(summary.by_week.begin(), summary.by_week.end() - kTrendWeeks);
  }
  return summary;
}

std::string KeptHistory::csv() const {
  std::string csv(kCsvHeader);
  for (const CheckRecord& check : checks_) {
    if (check.retry) continue;
    const std::time_t moment = static_cast<std::time_t>(check.time);
    std::tm day{};
    gmtime_r(&moment, &day);
    char time[32];
    std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%SZ", &day);
    for (const RecordedAnswer& answer : check.answers) {
      csv += std::string(time) + ',' + csv_field(check.level) + ',' + csv_field(check.key) + ',' +
             std::to_string(answer.circle) + ',' + csv_field(answer.chord_type) + ',' +
             csv_field(answer.tone) + ',' + csv_field(answer.given) + ',' +
             csv_field(answer.answer) + ',' +
             std::string(answer.revealed ? kRevealedWord
                                         : kOutcomeWords[static_cast<int>(answer.outcome)]) +
             "\r\n";
    }
  }
  return csv;
}

Status KeptHistory::export_csv(const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << csv();
  file.close();
  if (!file) return Failure{kHistoryFailed, "could not write " + path};
  return {};
}

Status KeptHistory::forget() {
  checks_.clear();
  return {};
}

}  // namespace velmora
