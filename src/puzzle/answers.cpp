#include "puzzle/answers.h"

namespace velmora {

AnswerClass classify_answer(std::string_view caption, const std::optional<NoteName>& answer) {
  if (caption.find_first_not_of(' ') == std::string_view::npos) {
    return answer ? AnswerClass::Empty : AnswerClass::Right;
  }
  const std::optional<NoteName> entered = NoteName::parse(caption).note;
  if (!entered || !answer) return AnswerClass::Wrong;
  if (*entered == *answer) return AnswerClass::Right;
  return entered->same_pitch(*answer) ? AnswerClass::RightPitchWrongSpelling : AnswerClass::Wrong;
}

bool is_palette_name(std::string_view text) {
  const std::optional<NoteName> note = NoteName::from_text(text);
  return note && note->on_palette() && note->text() == text;
}

bool drop_on_circle(CircleLabels& labels, int circle, std::string_view source_text) {
  if (!is_palette_name(source_text)) return false;
  labels[circle - 1].caption = NoteName::from_text(source_text)->fixed_width();
  return true;
}

std::int16_t count_correct(const CircleNotes& Circle_Notes, const CircleLabels& labels) {
  std::int16_t correct = 0;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    if (classify_answer(labels[circle - 1].caption, circle_note(Circle_Notes, circle)) ==
        AnswerClass::Right) {
      ++correct;
    }
  }
  return correct;
}

std::string check_message(std::int16_t Correct_Count) {
  return "You have " + std::to_string(Correct_Count) +
         " correct answers out of 17.(The First is always given!)";
}

void show_given_note(CircleLabels& labels, const CircleNotes& Circle_Notes, int given_circle) {
  for (Label& label : labels) label.caption.clear();
  Label& given = labels[given_circle - 1];
  // The answer-key form, also for names of four or more characters, so the given circle
  // always counts under "Check".
  given.caption = Pad_Note(circle_note(Circle_Notes, given_circle));
  given.enabled = false;
}

}  // namespace velmora
