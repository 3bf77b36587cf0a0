#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct ParsedNote;

// A spelled note: a letter A..G and an alteration of -4 (quadruple flat) to +3 (triple sharp).
// Two names are equal only when spelled alike; D# and Eb are different names of one pitch.
class NoteName {
 public:
  // C natural, so that tables of names can be filled in place.
  constexpr NoteName() = default;
  // `letter` is one of "CDEFGAB"; `alteration` lies in -4..+3.
  constexpr NoteName(char letter, int alteration)
      : letter_(letter), alteration_(static_cast<std::int8_t>(alteration)) {}

  // Reads "F#", "Abb", "Cx" and the padded forms ("  Bb"); leading blanks are allowed, anything
  // else that is not one of the program's spellings is refused with a reason.
  static ParsedNote parse(std::string_view text);
  // The same reading without the reason, usable at compile time.
  static constexpr std::optional<NoteName> from_text(std::string_view text);

  constexpr char letter() const { return letter_; }
  constexpr int alteration() const { return alteration_; }
  // 0 for C up to 11 for B.
  int pitch_class() const;
  // Semitones above the C of the letter's octave, alteration included (Cb is -1, B# is 12).
  int semitones_from_c() const;

  // The bare name: the letter and its accidental ("F#", "Ebb", "Cx", "F###").
  std::string text() const;
  // The name right-aligned in four characters ("   C", "  C#", " Cbb"); names of four or
  // more characters stay as they are.
  std::string fixed_width() const;
  // A one-letter name after a blank (" C"); longer names stay as they are. Worksheets and
  // their answer log use this form.
  std::string worksheet_form() const;

  bool same_pitch(const NoteName& other) const { return pitch_class() == other.pitch_class(); }
  // One of the 35 names the player can enter: no accidental beyond a double flat or sharp.
  bool on_palette() const { return alteration_ >= -2 && alteration_ <= 2; }

  bool operator==(const NoteName&) const = default;

 private:
  static constexpr std::string_view kLetters = "CDEFGAB";
  // The accidentals of the spelling tables by alteration, -4 first. There is no "##": a double
  // sharp is always "x".
  static constexpr std::array<std::string_view, 8> kAccidentals = {"bbbb", "bbb", "bb", "b",
                                                                   "",     "#",   "x",  "###"};
  static constexpr int kLowestAlteration = -4;

  char letter_ = 'C';
  std::int8_t alteration_ = 0;
};

// A text read as a note name: the note, or why the text is not one.
struct ParsedNote {
  std::optional<NoteName> note;
  std::string reason;
};

constexpr std::optional<NoteName> NoteName::from_text(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos || kLetters.find(text[start]) == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view accidental = text.substr(start + 1);
  for (std::size_t i = 0; i < kAccidentals.size(); ++i) {
    if (accidental == kAccidentals[i]) {
      return NoteName(text[start], kLowestAlteration + static_cast<int>(i));
    }
  }
  return std::nullopt;
}

// The fixed-width form of a name ("   C"); an empty text for no name.
std::string Pad_Note(const std::optional<NoteName>& name);

}  // namespace velmora
