#include "puzzle/draws.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "ports/random.h"

namespace velmora {
namespace {

std::string Draw_From(const FramedList& list, Random& random) {
  const int names = Count_Framed_Entries(list) - 2;
  return list[Draw_Position(names, random)];
}

bool Equals_Any(const std::string& name, const ChordNames& chords, int before) {
  return std::find(chords.begin(), chords.begin() + before, name) != chords.begin() + before;
}

}  // namespace

int Draw_Position(int names, Random& random) {
  // The level and key lists always frame at least one name once the window has loaded.
  assert(names >= 1);
  random.reseed();
  const float value = random.next();
  const int position = static_cast<int>(std::floor(static_cast<float>(names) * value + 1.0F));
  // Single precision could round the product up to N for a value just below 1.
  return std::clamp(position, 1, names);
}

void Draw_Key(Board& board, const FramedList& Key_Names, Random& random) {
  board.Drawn_Key = Draw_From(Key_Names, random);
}

void Draw_Chord_Type(Board& board, const FramedList& Chord_Types, Random& random) {
  board.Drawn_Chord_Type = Draw_From(Chord_Types, random);
}

void Draw_Distinct_Chord_Types(Board& board, const FramedList& Chord_Types, Random& random) {
  for (std::string& chord : board.Chords) {
    Draw_Chord_Type(board, Chord_Types, random);
    chord = board.Drawn_Chord_Type;
  }
  for (int line = 1; line < kChordLineCount; ++line) {
    while (Equals_Any(board.Chords[line], board.Chords, line)) {
      Draw_Chord_Type(board, Chord_Types, random);
      board.Chords[line] = board.Drawn_Chord_Type;
    }
  }
}

void Reject_Long_Notes(Board& board) {
  if (std::any_of(board.Circle_Notes.begin(), board.Circle_Notes.end(),
                  [](const std::string& note) { return note.size() > 3; })) {
    board.Regenerate = true;
  }
}

int Draw_Given_Circle(Random& random, bool centre_question) {
  const double value = random.next();
  const int circle = std::min(static_cast<int>(value * kCircleCount), kCircleCount - 1) + 1;
  return centre_question ? kCentreCircle : circle;
}

}  // namespace velmora
