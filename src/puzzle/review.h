#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "puzzle/answers.h"
#include "puzzle/board.h"

namespace velmora {

enum class Direction { Left, Right, Up, Down };

// Where circles 1..17 stand (entry n - 1), y growing downwards, and which of them take input.
using CirclePlaces = std::array<Offset, kCircleCount>;
using OpenCircles = std::array<bool, kCircleCount>;

// The circle an arrow key moves to from `circle`: the nearest open one whose direction lies
// less than 45 degrees off the arrow's, at equal distance the one straighter ahead; none when
// no open circle lies that way. On the star's places every open circle can be reached from every
// other.
std::optional<int> neighbour_circle(const CirclePlaces& places, const OpenCircles& open,
                                    int circle, Direction direction);

// The palette name that typing `key` makes of the name typed so far (empty at the start): a
// letter, in either case, starts a new name; "b", "#" and "x" add to a started one ("#" after a
// sharp makes the double sharp). None when the result is not one of the palette's 35 names.
std::optional<std::string> typed_name(std::string_view typing, char key);

// What a circle holds against its answer, told in words for a tooltip or a screen reader.
struct CircleReview {
  AnswerClass verdict;
  std::string text;
};

CircleReview review_circle(std::string_view caption, const std::optional<NoteName>& answer);

// Where a circle is and what it holds, for a screen reader, in words a speech synthesizer reads
// aloud: "circle 15, root of major ninth, empty", "circle 6, flat seven of dominant ninth, holds
// F sharp", "circle 9, centre of all four chords, given, holds C".
std::string describe_circle(const Board& board, const Label& label, int circle);

// A note name as it is said: "B flat", "C double sharp"; any other text as it is.
std::string spoken_note(std::string_view name);
// A chord name, an interval of a formula or a chord button's caption as it is said:
// "Min7_#5_#9" is "minor seventh, sharp five, sharp nine", " b7" is "flat seven", "Maj 9"
// "major ninth". Parts it does not know are kept as they are.
std::string spoken_chord(std::string_view name);

}  // namespace velmora
