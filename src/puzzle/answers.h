#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "puzzle/board.h"

namespace velmora {

// What a circle holds against its answer.
enum class AnswerClass {
  Right,
  // The right pitch spelled another way (D# where Eb belongs): the mistake this trainer is for.
  RightPitchWrongSpelling,
  Wrong,
  Empty,
};

// A circle's caption against its answer. An empty caption where there is no answer yet is
// right, as "Check" has always counted it.
AnswerClass classify_answer(std::string_view caption, const std::optional<NoteName>& answer);

// Whether the text is one of the 35 names the player can drop: no accidental beyond a double
// flat or sharp.
bool is_palette_name(std::string_view text);

// Writes a dropped palette name into the circle's label in its four-character form. Returns
// false, leaving the label as it was, for an empty text or anything that is not one of the
// palette's names.
bool drop_on_circle(CircleLabels& labels, int circle, std::string_view source_text);

// The circles whose captions equal their answers.
std::int16_t count_correct(const CircleNotes& Circle_Notes, const CircleLabels& labels);

std::string check_message(std::int16_t Correct_Count);

// Empties every label and shows the given circle's (1..17) note in its answer-key form on
// that label, which is disabled.
void show_given_note(CircleLabels& labels, const CircleNotes& Circle_Notes, int given_circle);

}  // namespace velmora
