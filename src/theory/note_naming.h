#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "theory/note_name.h"

namespace velmora {

// How a learner was taught to name notes. The program keeps every note as a NoteName and only
// writes and reads it in the learner's convention at the edges, so answers are compared as
// notes whatever the names look like:
// - Letters: the program's own spellings ("Bb", "F#", "Cx", "Ebb").
// - German: B natural is H and B flat is B; a sharp adds "is", a flat "es", with Es, As and
//   the double flats Eses, Ases contracted, and H for every B with two or more flats (Heses):
//   "Fis", "Cisis", "Ces", "Es", "B", "Heses", "His".
// - FixedDo: the syllables Do Ré Mi Fa Sol La Si with ♭ and ♯ written after them; a double
//   flat or sharp doubles the sign ("Si♭", "Ré♯", "Mi♭♭", "Fa♯♯"), since the single-glyph
//   double signs are missing from the common desktop fonts.
enum class NoteNaming { Letters, German, FixedDo };

// The command line's and the settings' word for a convention: "letters", "german", "fixed-do".
std::string_view note_naming_word(NoteNaming naming);
std::optional<NoteNaming> note_naming_from_word(std::string_view word);

// The name as the learner reads it (UTF-8). Notes beyond the palette (triple flats and sharps
// of the spelling tables) continue the pattern: "Ceseses", "Fisisis", "Do♭♭♭".
std::string display_name(const NoteName& note, NoteNaming naming);

// A whole typed name read in the convention; case does not matter, blanks around it are
// allowed. German takes "fis", "h", "b", "heses"; fixed do takes "re#", "ré♯", "sib", "dox",
// "mi𝄫". Only the 35 palette notes are read.
std::optional<NoteName> read_typed_name(std::string_view text, NoteNaming naming);

// Whether some palette name of the convention begins with what has been typed ("fi", "s").
bool begins_typed_name(std::string_view text, NoteNaming naming);

// The words a screen reader says for the accidentals, in the window's language.
struct AccidentalWords {
  std::string_view flat = "flat";
  std::string_view double_flat = "double flat";
  std::string_view sharp = "sharp";
  std::string_view double_sharp = "double sharp";
};

// What a screen reader says: "B flat", "C double sharp"; "Ré sharp" for fixed do; German names
// are words already and are said as they are written ("Heses").
std::string spoken_name(const NoteName& note, NoteNaming naming,
                        const AccidentalWords& words = AccidentalWords{});

}  // namespace velmora
