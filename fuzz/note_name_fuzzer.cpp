// Note names as the player's drops and the answer key hold them. The input is up to four lines:
// the dropped text, the caption every circle holds before the drop, the circle's answer, and a
// byte choosing the circle.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "puzzle/answers.h"
#include "theory/note_name.h"

namespace velmora::fuzz {
namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr std::array<int, 7> kLetterSemitones = {0, 2, 4, 5, 7, 9, 11};
// The spellings of alterations -4 .. +3.
constexpr std::array<std::string_view, 8> kAccidentals = {"bbbb", "bbb", "bb", "b",
                                                          "",     "#",   "x",  "###"};

struct Spelling {
  char letter;
  int alteration;
};

// What a text should read as: blanks, one capital letter A..G and one of the accidentals,
// nothing else.
std::optional<Spelling> expected_spelling(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos || kLetters.find(text[start]) == std::string_view::npos) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kAccidentals.size(); ++i) {
    if (text.substr(start + 1) == kAccidentals[i]) {
      return Spelling{text[start], static_cast<int>(i) - 4};
    }
  }
  return std::nullopt;
}

int semitones_from_c(const NoteName& note) {
  return kLetterSemitones[kLetters.find(note.letter())] + note.alteration();
}

bool same_pitch(const NoteName& a, const NoteName& b) {
  return (semitones_from_c(a) - semitones_from_c(b)) % 12 == 0;
}

// Reading the text, and the note's three written forms read back.
void check_reading(std::string_view text) {
  const ParsedNote parsed = NoteName::parse(text);
  const std::optional<NoteName> note = NoteName::from_text(text);
  FUZZ_CHECK(parsed.note == note);
  FUZZ_CHECK(parsed.note ? parsed.reason.empty() : !parsed.reason.empty());
  const std::optional<Spelling> expected = expected_spelling(text);
  FUZZ_CHECK(note.has_value() == expected.has_value());
  FUZZ_CHECK(Pad_Note(std::nullopt).empty());
  if (!note) return;

  FUZZ_CHECK(note->letter() == expected->letter && note->alteration() == expected->alteration);
  const std::string name = note->text();
  FUZZ_CHECK(name == std::string(1, expected->letter)
                         .append(kAccidentals[static_cast<std::size_t>(expected->alteration + 4)]));
  FUZZ_CHECK(text.substr(text.find_first_not_of(' ')) == name);
  FUZZ_CHECK(NoteName::from_text(name) == note);
  FUZZ_CHECK(NoteName::parse(name).note == note);
  FUZZ_CHECK(NoteName::from_text(note->fixed_width()) == note);
  FUZZ_CHECK(NoteName::from_text(note->worksheet_form()) == note);

  const std::string fixed = note->fixed_width();
  if (name.size() < 4) {
    FUZZ_CHECK(fixed == std::string(4 - name.size(), ' ') + name);
  } else {
    FUZZ_CHECK(fixed == name);
  }
  FUZZ_CHECK(Pad_Note(note) == fixed);
  FUZZ_CHECK(note->worksheet_form() == (name.size() == 1 ? " " + name : name));

  FUZZ_CHECK(note->semitones_from_c() == semitones_from_c(*note));
  FUZZ_CHECK(note->pitch_class() >= 0 && note->pitch_class() < 12);
  FUZZ_CHECK((note->pitch_class() - semitones_from_c(*note)) % 12 == 0);
  FUZZ_CHECK(note->on_palette() == (note->alteration() >= -2 && note->alteration() <= 2));
}

void check_palette(std::string_view text) {
  const std::optional<Spelling> spelling = expected_spelling(text);
  const bool expected =
      spelling && text.front() != ' ' && spelling->alteration >= -2 && spelling->alteration <= 2;
  FUZZ_CHECK(is_palette_name(text) == expected);
  if (expected) FUZZ_CHECK(text.size() <= 3);
}

AnswerClass expected_class(std::string_view caption, const std::optional<NoteName>& answer) {
  if (caption.find_first_not_of(' ') == std::string_view::npos) {
    return answer ? AnswerClass::Empty : AnswerClass::Right;
  }
  const std::optional<Spelling> entered = expected_spelling(caption);
  if (!entered || !answer) return AnswerClass::Wrong;
  const NoteName note(entered->letter, entered->alteration);
  if (note == *answer) return AnswerClass::Right;
  return same_pitch(note, *answer) ? AnswerClass::RightPitchWrongSpelling : AnswerClass::Wrong;
}

void check_answers(std::string_view caption, const std::optional<NoteName>& answer) {
  FUZZ_CHECK(classify_answer(caption, answer) == expected_class(caption, answer));
  if (!answer) return;
  // Every form the program writes a note in counts as that note.
  for (const std::string& form :
       {answer->text(), answer->fixed_width(), answer->worksheet_form()}) {
    FUZZ_CHECK(classify_answer(form, answer) == AnswerClass::Right);
  }
}

void check_drop(std::string_view dropped, std::string_view held, std::uint8_t circle_byte,
                const std::optional<NoteName>& answer) {
  const int circle = circle_byte % kCircleCount + 1;
  CircleLabels labels;
  for (int i = 0; i < kCircleCount; ++i) {
    labels[i] = {std::string(held), i % 2 == 0};
  }
  const CircleLabels before = labels;
  const bool dropped_ok = drop_on_circle(labels, circle, dropped);
  FUZZ_CHECK(dropped_ok == is_palette_name(dropped));
  for (int i = 1; i <= kCircleCount; ++i) {
    const Label& label = labels[i - 1];
    FUZZ_CHECK(label.enabled == before[i - 1].enabled);
    if (i != circle || !dropped_ok) FUZZ_CHECK(label.caption == before[i - 1].caption);
  }
  if (dropped_ok) {
    const std::optional<NoteName> note = NoteName::from_text(dropped);
    FUZZ_CHECK(labels[circle - 1].caption == note->fixed_width());
    FUZZ_CHECK(classify_answer(labels[circle - 1].caption, note) == AnswerClass::Right);
  }

  CircleNotes notes;
  circle_note(notes, circle) = answer;
  int right = 0;
  for (int i = 1; i <= kCircleCount; ++i) {
    if (classify_answer(labels[i - 1].caption, circle_note(notes, i)) == AnswerClass::Right) {
      ++right;
    }
  }
  FUZZ_CHECK(count_correct(notes, labels) == right);
}

void check_input(std::string_view input) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; lines.size() < 4;) {
    const std::size_t end = input.find('\n', start);
    lines.push_back(input.substr(std::min(start, input.size()), end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  lines.resize(4);
  for (std::string_view line : lines) {
    check_reading(line);
    check_palette(line);
  }
  const std::optional<NoteName> answer = NoteName::from_text(lines[2]);
  check_answers(lines[1], answer);
  check_answers(lines[0], answer);
  check_drop(lines[0], lines[1], lines[3].empty() ? 0 : static_cast<std::uint8_t>(lines[3][0]),
             answer);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::check_input(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
