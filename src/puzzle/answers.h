#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/board.h"

namespace velmora {

// Writes the dropped note into the circle's label in its four-character form; an empty text
// leaves the label as it was.
void Drop_On_Circle(CircleLabels& labels, int circle, std::string_view source_text);

// Pads the answer key and counts the labels that equal it exactly.
std::int16_t Count_Correct(CircleNotes& Circle_Notes, const CircleLabels& labels);

std::string Check_Message(std::int16_t Correct_Count);

// Empties every label and shows the given circle's (1..17) note in its answer-key form on
// that label, which is disabled.
void Show_Given_Note(CircleLabels& labels, const CircleNotes& Circle_Notes, int given_circle);

}  // namespace velmora
