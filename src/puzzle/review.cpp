#include "puzzle/review.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>
#include <vector>

namespace velmora {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kSpokenWords = {{
    {"6/9", "six nine"},     {"Min6/9", "minor six nine"}, {"Maj9", "major ninth"},
    {"Maj", "major"},        {"maj7", "major seventh"},    {"Dom7", "dominant seventh"},
    {"Dom9", "dominant ninth"}, {"dom", "dominant"},       {"Min7", "minor seventh"},
    {"Min9", "minor ninth"}, {"min", "minor"},             {"sus", "suspended fourth"},
    {"sus2", "suspended second"}, {"sus4", "suspended fourth"}, {"1", "one"},
    {"2", "two"},            {"3", "three"},               {"4", "four"},
    {"5", "five"},           {"9", "ninth"},
}};
constexpr std::array<std::string_view, 10> kNumbers = {"zero", "one", "two", "three", "four",
                                                        "five", "six", "seven", "eight", "nine"};

// "b9" is "flat nine", "#5" "sharp five", "7" "seven" inside an interval.
std::string spoken_word(std::string_view word, bool interval) {
  if (interval && word.size() == 1 && std::isdigit(static_cast<unsigned char>(word[0]))) {
    return std::string(kNumbers[word[0] - '0']);
  }
  for (const auto& [written, said] : kSpokenWords) {
    if (written == word) return std::string(said);
  }
  if (word.size() == 2 && (word[0] == 'b' || word[0] == '#') &&
      std::isdigit(static_cast<unsigned char>(word[1]))) {
    return std::string(word[0] == 'b' ? "flat " : "sharp ") + std::string(kNumbers[word[1] - '0']);
  }
  return std::string(word);
}

// Splits at `separator`, leaving out empty parts.
std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    if (end != 0) parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parts;
}

}  // namespace

std::string spoken_note(std::string_view name) {
  const std::optional<NoteName> note = NoteName::from_text(name);
  if (!note) return std::string(name);
  const std::string text = note->text();
  std::string said(1, text[0]);
  const std::string_view accidental = std::string_view(text).substr(1);
  if (accidental == "b") said += " flat";
  if (accidental == "bb") said += " double flat";
  if (accidental == "#") said += " sharp";
  if (accidental == "x") said += " double sharp";
  return said;
}

std::string spoken_chord(std::string_view name) {
  const std::vector<std::string_view> parts = split(name, '_');
  // A lone part with a digit and no letters is an interval of a formula.
  const bool interval = parts.size() == 1 && name.find_first_of("0123456789") != name.npos &&
                        name.find_first_of("ADMSadmsu") == name.npos;
  std::string said;
  for (std::string_view part : parts) {
    if (!said.empty()) said += ", ";
    std::string words;
    for (std::string_view word : split(part, ' ')) {
      if (!words.empty()) words += " ";
      words += spoken_word(word, interval);
    }
    said += words;
  }
  return said;
}

std::optional<int> neighbour_circle(const CirclePlaces& places, const OpenCircles& open,
                                    int circle, Direction direction) {
  const Offset from = places[circle - 1];
  std::optional<int> nearest;
  long best = 0;
  long best_aside = 0;
  for (int candidate = 1; candidate <= kCircleCount; ++candidate) {
    if (!open[candidate - 1]) continue;
    const long dx = places[candidate - 1].dx - from.dx;
    const long dy = places[candidate - 1].dy - from.dy;
    // Along the arrow, and no further off it to the side than along it.
    long along = 0;
    long aside = 0;
    switch (direction) {
      case Direction::Left: along = -dx, aside = dy; break;
      case Direction::Right: along = dx, aside = dy; break;
      case Direction::Up: along = -dy, aside = dx; break;
      case Direction::Down: along = dy, aside = dx; break;
    }
    aside = std::labs(aside);
    // Closer to the arrow than to the keys at right angles to it.
    if (along <= 0 || aside >= along) continue;
    const long distance = along * along + aside * aside;
    if (!nearest || distance < best || (distance == best && aside < best_aside)) {
      nearest = candidate;
      best = distance;
      best_aside = aside;
    }
  }
  return nearest;
}

std::optional<std::string> typed_name(std::string_view typing, char key) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  const std::optional<NoteName> current = NoteName::from_text(typing);
  std::string name;
  // A "b" after a letter is a flat; anywhere else it is the letter B.
  if (upper >= 'A' && upper <= 'G' && !(key == 'b' && current)) {
    name = std::string(1, upper);
  } else {
    if (!current || (key != 'b' && key != '#' && key != 'x')) return std::nullopt;
    name = current->text();
    if (key == '#' && name.ends_with('#')) {
      name.back() = 'x';
    } else {
      name += key;
    }
  }
  if (!is_palette_name(name)) return std::nullopt;
  return name;
}

CircleReview review_circle(std::string_view caption, const std::optional<NoteName>& answer) {
  const AnswerClass verdict = classify_answer(caption, answer);
  const std::optional<NoteName> entered = NoteName::from_text(caption);
  const std::string shown = entered ? entered->text() : std::string(caption);
  switch (verdict) {
    case AnswerClass::Right:
      return {verdict, "right"};
    case AnswerClass::RightPitchWrongSpelling:
      return {verdict, "sounds right, spelled wrong: " + shown + " here is " + answer->text()};
    case AnswerClass::Wrong:
      return {verdict, "wrong: " + shown + " is not the note here"};
    case AnswerClass::Empty:
      return {verdict, "empty"};
  }
  return {verdict, {}};
}

std::string describe_circle(const Board& board, const Label& label, int circle) {
  std::string text = "circle " + std::to_string(circle) + ", ";
  if (circle == kCentreCircle) {
    text += "centre of all four chords";
  } else {
    for (int line = 0; line < kChordLineCount; ++line) {
      for (int tone = 0; tone < kChordTones; ++tone) {
        if (kChordLineCircles[line][tone] != circle) continue;
        const std::string& chord = board.chords[line];
        const ChordType* type = find_chord_type(chord);
        const std::string_view interval = type ? type->formula[tone] : std::string_view("tone");
        text += tone == 0 ? std::string("root") : spoken_chord(interval);
        if (!type && tone != 0) text.append(" ").append(std::to_string(tone + 1));
        text.append(" of ");
        text.append(chord.empty() ? "chord " + std::to_string(line + 1) : spoken_chord(chord));
      }
    }
  }
  if (!label.enabled) text += ", given";
  const std::optional<NoteName> held = NoteName::from_text(label.caption);
  text += held ? ", holds " + spoken_note(held->text()) : std::string(", empty");
  return text;
}

}  // namespace velmora
