#include "puzzle/answers.h"

namespace velmora {

void Drop_On_Circle(CircleLabels& labels, int circle, std::string_view source_text) {
  if (source_text.empty()) return;
  labels[circle - 1].caption = Pad_Note(source_text);
}

std::int16_t Count_Correct(CircleNotes& Circle_Notes, const CircleLabels& labels) {
  std::int16_t correct = 0;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    std::string& answer = circle_note(Circle_Notes, circle);
    answer = Pad_Note(answer);
    if (labels[circle - 1].caption == answer) ++correct;
  }
  return correct;
}

std::string Check_Message(std::int16_t Correct_Count) {
  return "You have " + std::to_string(Correct_Count) +
         " correct answers out of 17.(The First is always given!)";
}

void Show_Given_Note(CircleLabels& labels, const CircleNotes& Circle_Notes, int given_circle) {
  for (Label& label : labels) label.caption.clear();
  Label& given = labels[given_circle - 1];
  // The answer-key form, also for names of four or more characters, so the given circle
  // always counts under "Check".
  given.caption = Pad_Note(circle_note(Circle_Notes, given_circle));
  given.enabled = false;
}

}  // namespace velmora
