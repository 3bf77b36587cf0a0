#include "app/progress_text.h"

#include <array>
#include <cctype>

namespace velmora {
namespace {

int percent_right(const Tally& tally) { return whole_percent(tally.right, tally.answers()); }

int percent_missed(const Tally& tally) {
  return whole_percent(tally.answers() - tally.right, tally.answers());
}

std::string counted(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string share(int part, int whole) {
  return std::to_string(whole_percent(part, whole)) + "% (" + std::to_string(part) + " of " +
         std::to_string(whole) + ")";
}

// "Maj9: 75% right (12 of 16)"; a row without answers says so instead of a made-up share.
std::string right_line(const TallyRow& row) {
  if (row.tally.answers() == 0) return row.name + ": no answers";
  return row.name + ": " + std::to_string(percent_right(row.tally)) + "% right (" +
         std::to_string(row.tally.right) + " of " + std::to_string(row.tally.answers()) + ")";
}

std::string capitalised(std::string name) {
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

std::string tone_line(const TallyRow& row) {
  const std::string name = capitalised(row.name);
  if (row.tally.answers() == 0) return name + ": no answers";
  return name + ": " + std::to_string(percent_missed(row.tally)) + "% missed (" +
         std::to_string(row.tally.answers() - row.tally.right) + " of " +
         std::to_string(row.tally.answers()) + ")";
}

std::string week_line(const TallyRow& row) {
  return "Week of " + row.name + ": " + std::to_string(percent_right(row.tally)) + "% right (" +
         counted(row.tally.answers(), "answer", "answers") + ")";
}

// "2026-11-30" as "30 Nov", short enough for a chart's axis; any other name as it is.
std::string short_week(const std::string& week) {
  static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto digit = [&](std::size_t at) {
    return std::isdigit(static_cast<unsigned char>(week[at]));
  };
  if (week.size() != 10 || week[4] != '-' || week[7] != '-' || !digit(5) || !digit(6) ||
      !digit(8) || !digit(9)) {
    return week;
  }
  const int month = (week[5] - '0') * 10 + (week[6] - '0');
  const int day = (week[8] - '0') * 10 + (week[9] - '0');
  if (month < 1 || month > 12 || day < 1 || day > 31) return week;
  return std::to_string(day) + " " + kMonths[month - 1];
}

// How the first of the weeks compares with the last, in one sentence.
std::string trend_line(const std::vector<TallyRow>& weeks) {
  const int first = percent_right(weeks.front().tally);
  const int last = percent_right(weeks.back().tally);
  const std::string since = " since the week of " + weeks.front().name + ".";
  if (first == last) return "Steady at " + std::to_string(last) + "% right" + since;
  return (last > first ? "Up from " : "Down from ") + std::to_string(first) + "% to " +
         std::to_string(last) + "% right" + since;
}

ProgressSection right_section(std::string title, const std::vector<TallyRow>& rows) {
  ProgressSection section{std::move(title), {}, {}};
  for (const TallyRow& row : rows) {
    section.lines.push_back(right_line(row));
    section.points.push_back({row.name, percent_right(row.tally)});
  }
  return section;
}

}  // namespace

int whole_percent(int part, int whole) {
  if (whole <= 0) return 0;
  const long long rounded = (200LL * part + whole) / (2LL * whole);
  if (rounded == 0 && part > 0) return 1;
  if (rounded >= 100 && part < whole) return 99;
  return static_cast<int>(rounded);
}

ProgressText progress_text(const ProgressSummary& summary) {
  ProgressText text;
  const Tally& total = summary.total;
  text.overview = counted(total.answers(), "answer", "answers") + " in " +
                  counted(summary.checks, "check", "checks") + ": " +
                  std::to_string(percent_right(total)) + "% right.";
  if (summary.retries > 0) {
    text.overview += " " +
                     counted(summary.retries, "later Check of the same puzzle is",
                             "later Checks of the same puzzles are") +
                     " not counted again.";
  }
  text.chord_types = right_section("Accuracy per chord type", summary.by_chord_type);
  text.keys = right_section("Accuracy per key", summary.by_key);
  text.classes.title = "Answers by kind";
  const std::pair<const char*, int> kinds[] = {{"Right", total.right},
                                               {"Right pitch, wrong spelling", total.misspelled},
                                               {"Wrong", total.wrong},
                                               {"Empty", total.empty}};
  for (const auto& [name, count] : kinds) {
    text.classes.lines.push_back(name + (": " + share(count, total.answers())));
    text.classes.points.push_back({name, whole_percent(count, total.answers())});
  }
  text.tones.title = "Tones most often missed";
  for (const TallyRow& row : summary.by_tone) {
    text.tones.lines.push_back(tone_line(row));
    text.tones.points.push_back({capitalised(row.name), percent_missed(row.tally)});
  }
  text.weeks.title = "Trend over the last weeks";
  if (summary.by_week.size() >= 2) text.weeks.lines.push_back(trend_line(summary.by_week));
  for (const TallyRow& row : summary.by_week) {
    text.weeks.lines.push_back(week_line(row));
    text.weeks.points.push_back({short_week(row.name), percent_right(row.tally)});
  }
  return text;
}

std::string plain_text(const ProgressText& text) {
  std::string plain = text.overview + "\n";
  for (const ProgressSection* section :
       {&text.chord_types, &text.keys, &text.classes, &text.tones, &text.weeks}) {
    plain += "\n" + section->title + "\n";
    for (const std::string& line : section->lines) plain += "  " + line + "\n";
  }
  return plain;
}

std::string no_history_text() {
  return "This run keeps no practice history, so there is no progress to show.";
}

std::string summary_text(const ProgressSummary& summary) {
  if (summary.total.answers() == 0) return empty_history_text() + '\n';
  return plain_text(progress_text(summary));
}

std::string empty_history_text() {
  return "No answers are recorded yet. Create a puzzle, fill in the circles and press Check: "
         "your progress will show here.";
}

std::string forget_question() {
  return "Forget every recorded answer? Your progress cannot be brought back.";
}

std::string forgotten_text() { return "Your history is forgotten."; }

std::string exported_text(const std::string& path) {
  return "The history was exported to " + path + ".";
}

std::string export_failed_text(const std::string& path, const Failure& failure) {
  return "The history could not be exported to " + path + ": " + failure.description;
}

std::string forget_failed_text(const Failure& failure) {
  return "The history could not be forgotten: " + failure.description;
}

}  // namespace velmora
