#include "puzzle/draws.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "ports/random.h"

namespace velmora {
namespace {

const std::string& draw_from(const FramedList& list, Random& random) {
  const int names = count_framed_entries(list) - 2;
  return list[draw_position(names, random)];
}

}  // namespace

int draw_position(int names, Random& random) {
  // The level and key lists always frame at least one name once the window has loaded.
  assert(names >= 1);
  random.reseed();
  const float value = random.next();
  const int position = static_cast<int>(std::floor(static_cast<float>(names) * value + 1.0F));
  // Single precision could round the product up to N for a value just below 1.
  return std::clamp(position, 1, names);
}

NoteName Draw_Key(const FramedList& Key_Names, Random& random) {
  const std::optional<NoteName> key = NoteName::from_text(draw_from(Key_Names, random));
  assert(key);
  return *key;
}

std::string Draw_Chord_Type(const FramedList& Chord_Types, Random& random) {
  return draw_from(Chord_Types, random);
}

ChordNames Choose_Worksheet_Chords(const FramedList& Chord_Types, Random& random) {
  ChordNames chords;
  for (std::string& chord : chords) chord = Draw_Chord_Type(Chord_Types, random);
  for (int line = 1; line < kChordLineCount; ++line) {
    while (std::find(chords.begin(), chords.begin() + line, chords[line]) !=
           chords.begin() + line) {
      chords[line] = Draw_Chord_Type(Chord_Types, random);
    }
  }
  return chords;
}

bool Reject_Long_Notes(const CircleNotes& Circle_Notes) {
  return std::any_of(Circle_Notes.begin(), Circle_Notes.end(),
                     [](const std::optional<NoteName>& note) { return note && note->text().size() > 3; });
}

int draw_given_circle(Random& random, bool centre_question) {
  const double value = random.next();
  const int circle = std::min(static_cast<int>(value * kCircleCount), kCircleCount - 1) + 1;
  return centre_question ? kCentreCircle : circle;
}

}  // namespace velmora
