#include "puzzle/review.h"

#include <cctype>
#include <cstdlib>

namespace velmora {

std::optional<int> neighbour_circle(int circle, Direction direction) {
  const Offset from = kStarCircleOffsets[circle - 1];
  std::optional<int> nearest;
  long best = 0;
  for (int candidate = 1; candidate <= kCircleCount; ++candidate) {
    const long dx = kStarCircleOffsets[candidate - 1].dx - from.dx;
    const long dy = kStarCircleOffsets[candidate - 1].dy - from.dy;
    // Along the arrow, and no further off it to the side than along it.
    long along = 0;
    long aside = 0;
    switch (direction) {
      case Direction::Left: along = -dx, aside = dy; break;
      case Direction::Right: along = dx, aside = dy; break;
      case Direction::Up: along = -dy, aside = dx; break;
      case Direction::Down: along = dy, aside = dx; break;
    }
    if (along <= 0 || std::labs(aside) > along) continue;
    // Straight ahead beats the same distance at an angle.
    const long cost = along * along + 2 * aside * aside;
    if (!nearest || cost < best) {
      nearest = candidate;
      best = cost;
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
        std::string_view interval = type ? type->formula[tone] : std::string_view("tone");
        interval.remove_prefix(interval.find_first_not_of(' '));
        text += tone == 0 ? std::string("root") : std::string(interval);
        if (!type && tone != 0) text.append(" ").append(std::to_string(tone + 1));
        text.append(" of ");
        text.append(chord.empty() ? "chord " + std::to_string(line + 1) : chord);
      }
    }
  }
  if (!label.enabled) text += ", given";
  const std::optional<NoteName> held = NoteName::from_text(label.caption);
  text += held ? ", holds " + held->text() : std::string(", empty");
  return text;
}

}  // namespace velmora
