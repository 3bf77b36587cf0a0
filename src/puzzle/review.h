#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "puzzle/answers.h"
#include "puzzle/board.h"

namespace velmora {

enum class Direction { Left, Right, Up, Down };

// The circle an arrow key moves to from `circle`: the nearest one whose direction lies within
// 45 degrees of the arrow's, so the keys follow the star's lines; none at the star's edge.
std::optional<int> neighbour_circle(int circle, Direction direction);

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

// Where a circle is and what it holds, for a screen reader: "circle 15, root of Maj9, empty",
// "circle 6, b7 of Dom9, holds F#", "circle 9, centre of all four chords, given, holds C".
std::string describe_circle(const Board& board, const Label& label, int circle);

}  // namespace velmora
